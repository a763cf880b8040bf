#include "kti18n/locale/locale_module.h"

#include <dlfcn.h>

#include "kti18n/base/critical_error.h"

namespace zv_locale_module {

namespace {

// Any function of this library serves to ask the loader where it lives.
void anchor() {}

}  // namespace

std::string Path() {
  Dl_info info{};
  if (dladdr(reinterpret_cast<void*>(&anchor), &info) == 0 || info.dli_fname == nullptr) return kFileName;
  const std::string library = info.dli_fname;
  const auto slash = library.rfind('/');
  if (slash == std::string::npos) return kFileName;
  return library.substr(0, slash + 1) + kFileName;
}

void* Load() {
  const ktRedirectCriticalErrorMessage quiet(ktRedirectCriticalErrorMessage::kQuiet);
  // RTLD_LOCAL: nothing is looked up in the module, and its symbols must
  // not stand in for anyone else's.
  return dlopen(Path().c_str(), RTLD_NOW | RTLD_LOCAL);
}

bool Unload(void* module) { return dlclose(module) == 0; }

}  // namespace zv_locale_module
