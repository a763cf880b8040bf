#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <string>

#include "kti18n/locale/locale_module.h"

namespace {

namespace fs = std::filesystem;

std::string run(const std::string& command) {
  std::string out;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return out;
  std::array<char, 256> buffer;
  while (std::fgets(buffer.data(), buffer.size(), pipe) != nullptr) out += buffer.data();
  pclose(pipe);
  return out;
}

TEST(CatalogModule, IsFoundBesideTheLibrary) {
  EXPECT_EQ(fs::path(zv_locale_module::Path()).parent_path(), fs::path(KTI18N_LIBRARY_FILE).parent_path());
  EXPECT_TRUE(fs::exists(zv_locale_module::Path()));
}

// A copy of libkti18n in a folder without the module: the load fails with
// the documented error, the failure is not remembered, and the module put
// there afterwards is found by the next call.
TEST(CatalogModule, MissingModuleFailsAndIsTriedAgain) {
  const fs::path dir = fs::path(testing::TempDir()) / "kti18n_without_module";
  fs::remove_all(dir);
  fs::create_directories(dir);
  fs::copy_file(KTI18N_LIBRARY_FILE, dir / KTI18N_LIBRARY_SONAME);
  const std::string out = run("LD_LIBRARY_PATH='" + dir.string() + "' '" KTI18N_CATALOG_PROBE "' retry '" +
                              std::string(KTI18N_MODULE_FILE) + "' 2>&1");
  EXPECT_EQ(out,
            "first: 0x80004005: Could not load dynamic library\n"
            "again: 0x80004005: Could not load dynamic library\n"
            "with module: fr_FR.CP1252@fr_FR\n");
  fs::remove_all(dir);
}

}  // namespace
