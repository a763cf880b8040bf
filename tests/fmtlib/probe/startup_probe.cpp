// Loads the library with dlopen, as a host application does, and checks that
// the formatting library's start-up counts its guards and that a start-up
// after the last guard has gone (the library unloaded) builds everything
// afresh. A test program linked with the library cannot see this: the
// library's own static guards keep it started for the whole run.
//
// A last round uses the locale catalog, which loads the locale-data module
// beside the library, clears it, uses it again and clears it again: then the
// module and the library must both unload.
//
// Usage: fmtlib_startup_probe LIBRARY. Exit status 0 when every check holds;
// otherwise 1, with the failed checks on stderr.
//
// Like the host applications, the probe is a C++ program with the C++
// run-time loaded before the library: a run-time first loaded by dlopen,
// beside the library, would bind to the library's symbols and pin it.
#include <dlfcn.h>

#include <cstdint>
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

namespace {

int failures = 0;

void check(bool ok, const std::string& what) {
  if (!ok) {
    std::cerr << "startup_probe: failed: " << what << '\n';
    ++failures;
  }
}

// The library's C++ entry points, by their mangled names.
struct Library {
  void* handle = nullptr;
  int* count = nullptr;                  // FmtLib::FmtLibInitExit::count
  void (*construct)(void*) = nullptr;    // FmtLib::FmtLibInitExit::FmtLibInitExit()
  void (*destruct)(void*) = nullptr;     // FmtLib::FmtLibInitExit::~FmtLibInitExit()
  const void* (*serialDates)() = nullptr;  // FmtLib::GetSerialDateTokensDefinition()

  bool Open(const char* path) {
    handle = dlopen(path, RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
      std::fprintf(stderr, "startup_probe: %s\n", dlerror());
      return false;
    }
    count = static_cast<int*>(dlsym(handle, "_ZN6FmtLib14FmtLibInitExit5countE"));
    construct = reinterpret_cast<void (*)(void*)>(dlsym(handle, "_ZN6FmtLib14FmtLibInitExitC1Ev"));
    destruct = reinterpret_cast<void (*)(void*)>(dlsym(handle, "_ZN6FmtLib14FmtLibInitExitD1Ev"));
    serialDates = reinterpret_cast<const void* (*)()>(dlsym(handle, "_ZN6FmtLib29GetSerialDateTokensDefinitionEv"));
    return count != nullptr && construct != nullptr && destruct != nullptr && serialDates != nullptr;
  }
};

// The catalog's entry points; member functions take the object first.
struct Catalog {
  void* (*instance)() = nullptr;  // zv_locale_catalog::GetInstance()
  void (*clear)() = nullptr;      // zv_locale_catalog::ClearInstance()
  // zv_locale_catalog::QueryMatchingLocales(const char*, std::vector<unsigned>&, bool)
  std::int32_t (*match)(void*, const char*, std::vector<unsigned>&, bool) = nullptr;
  void (*makeLocale)(void*, const char*) = nullptr;  // zv_locale::zv_locale(const char*)
  void (*dropLocale)(void*) = nullptr;               // zv_locale::~zv_locale()

  bool Find(void* library) {
    instance = reinterpret_cast<void* (*)()>(dlsym(library, "_ZN17zv_locale_catalog11GetInstanceEv"));
    clear = reinterpret_cast<void (*)()>(dlsym(library, "_ZN17zv_locale_catalog13ClearInstanceEv"));
    match = reinterpret_cast<std::int32_t (*)(void*, const char*, std::vector<unsigned>&, bool)>(
        dlsym(library, "_ZN17zv_locale_catalog20QueryMatchingLocalesEPKcRSt6vectorIjSaIjEEb"));
    makeLocale = reinterpret_cast<void (*)(void*, const char*)>(dlsym(library, "_ZN9zv_localeC1EPKc"));
    dropLocale = reinterpret_cast<void (*)(void*)>(dlsym(library, "_ZN9zv_localeD1Ev"));
    return instance != nullptr && clear != nullptr && match != nullptr && makeLocale != nullptr &&
           dropLocale != nullptr;
  }

  // A named locale and a custom one, both released before the caller
  // clears the catalog.
  void Use() {
    alignas(16) unsigned char locale[64];
    makeLocale(locale, "fr_FR");
    std::vector<unsigned> lcids;
    check(match(instance(), "fr_CA.CP932", lcids, true) == 0x41100 && lcids == std::vector<unsigned>{32001},
          "the catalog makes a custom locale");
    dropLocale(locale);
  }
};

bool Unloaded(const char* path) {
  void* still = dlopen(path, RTLD_NOW | RTLD_NOLOAD);
  if (still == nullptr) return true;
  dlclose(still);
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: fmtlib_startup_probe LIBRARY\n");
    return 2;
  }
  const char* path = argv[1];

  Library first;
  if (!first.Open(path)) return 1;
  // Loading ran the library's static guards: it is started.
  const int loaded = *first.count;
  check(loaded > 0, "loading the library starts it");
  const void* tables = first.serialDates();
  check(tables != nullptr, "the tables exist while a guard lives");
  {
    alignas(16) unsigned char guard[16];
    first.construct(guard);
    check(*first.count == loaded + 1, "a further guard is counted");
    check(first.serialDates() == tables, "a further guard does not rebuild the tables");
    first.destruct(guard);
    check(*first.count == loaded, "its end is counted");
    check(first.serialDates() == tables, "the tables live while the other guards do");
  }
  dlclose(first.handle);
  // Unloading ended the last guard: everything was torn down (the sanitizer
  // build's leak checker sees whether it was all freed).
  check(Unloaded(path), "the library unloads");

  Library second;
  if (!second.Open(path)) return 1;
  check(*second.count == loaded, "loading again starts afresh with the same guards");
  check(second.serialDates() != nullptr, "the tables are built again");
  dlclose(second.handle);

  Library third;
  if (!third.Open(path)) return 1;
  Catalog catalog;
  if (!catalog.Find(third.handle)) return 1;
  const std::string library = path;
  const std::string module = library.substr(0, library.rfind('/') + 1) + "libkti18nloc.so";
  catalog.Use();
  check(!Unloaded(module.c_str()), "the catalog loads the locale-data module");
  catalog.clear();
  check(Unloaded(module.c_str()), "clearing the catalog frees the module");
  catalog.Use();
  catalog.clear();
  check(Unloaded(module.c_str()), "clearing the catalog again frees the module again");
  dlclose(third.handle);
  check(Unloaded(path), "the library unloads after its catalog is cleared");

  if (failures == 0) std::cout << "startup_probe: all checks hold\n";
  return failures == 0 ? 0 : 1;
}
