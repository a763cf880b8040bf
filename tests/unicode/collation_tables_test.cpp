// The committed collation tables are what the generator writes from CLDR.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

namespace {

std::string Slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(CollationTables, GeneratorReproducesTheCommittedSource) {
  if (!std::ifstream("/usr/share/unicode/cldr/common/uca/allkeys_CLDR.txt"))
    GTEST_SKIP() << "CLDR's allkeys_CLDR.txt is absent (Debian package unicode-cldr-core; make collation-data)";
  if (std::system("python3 -c 'import unicodedata, sys; sys.exit(unicodedata.unidata_version != \"14.0.0\")'") != 0)
    GTEST_SKIP() << "python3 with the Unicode 14 character database is not available";
  const std::string out = testing::TempDir() + "collation_tables_regenerated.cpp";
  const std::string command =
      std::string("python3 ") + KTI18N_SOURCE_DIR + "/tools/gen_collation_tables.py > " + out;
  ASSERT_EQ(std::system(command.c_str()), 0);
  EXPECT_EQ(Slurp(out), Slurp(std::string(KTI18N_SOURCE_DIR) + "/kti18n/unicode/collation_tables.cpp"));
  std::remove(out.c_str());
}

}  // namespace
