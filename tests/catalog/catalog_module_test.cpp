#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "kti18n/locale/locale_module.h"
#include "tool_runner.h"

namespace {

namespace fs = std::filesystem;

using tool_test::RunShell;

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
  const std::string out = RunShell("LD_LIBRARY_PATH='" + dir.string() + "' '" KTI18N_CATALOG_PROBE "' retry '" +
                              std::string(KTI18N_MODULE_FILE) + "' 2>&1").out;
  EXPECT_EQ(out,
            "first: 0x80004005: Could not load dynamic library\n"
            "again: 0x80004005: Could not load dynamic library\n"
            "with module: fr_FR.CP1252@fr_FR\n");
  fs::remove_all(dir);
}

}  // namespace
