// Loading and freeing the locale-data module with the host's loader. The
// module is found beside the shared library that holds the catalog, so a
// build tree and an installed tree both work without configuration.
#ifndef KTI18N_LOCALE_LOCALE_MODULE_H
#define KTI18N_LOCALE_LOCALE_MODULE_H

#include <string>

namespace zv_locale_module {

// The module's file name.
inline constexpr const char* kFileName = "libkti18nloc.so";

// The path the module is loaded from: kFileName in the folder of the
// library that holds this code.
std::string Path();

// Loads the module (its start-up registers its records); null on failure.
void* Load();

// Frees a module that Load returned; false when the loader refuses.
bool Unload(void* module);

}  // namespace zv_locale_module

#endif
