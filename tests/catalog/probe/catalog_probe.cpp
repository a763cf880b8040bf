// A program of its own, for what one test process cannot show: how the
// catalog finds (or misses) the locale-data module beside the libkti18n the
// program was started with.
//
//   catalog_probe find NAME      prints the locale name NAME resolves to
//   catalog_probe retry MODULE   expects the module to be missing, copies
//                                MODULE beside libkti18n, and tries again
#include <cstring>
#include <filesystem>
#include <iostream>
#include <string>

#include "kti18n/locale/locale.h"
#include "kti18n/locale/locale_ident.h"
#include "kti18n/locale/locale_module.h"

namespace {

std::string resolve(const char* name) {
  try {
    return zv_use_facet<zv_locale_ident>(zv_locale(name)).locale_name();
  } catch (const ZVException& e) {
    return e.what();
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::strcmp(argv[1], "find") == 0) {
    std::cout << resolve(argv[2]) << '\n';
    return 0;
  }
  if (argc == 3 && std::strcmp(argv[1], "retry") == 0) {
    std::cout << "first: " << resolve("fr_FR") << '\n';
    std::cout << "again: " << resolve("fr_FR") << '\n';
    std::filesystem::copy_file(argv[2], zv_locale_module::Path());
    std::cout << "with module: " << resolve("fr_FR") << '\n';
    return 0;
  }
  std::cerr << "usage: catalog_probe find NAME | retry MODULE\n";
  return 2;
}
