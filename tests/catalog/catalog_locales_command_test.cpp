// `kti18n locales` end to end, and the --locale option it shares with the
// other subcommands.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "tool_runner.h"

namespace {

using namespace tool_test;
using Result = ToolRun;

using LocalesCommand = testing::Test;

TEST_F(LocalesCommand, ListsTheModulesRecords) {
  const Result r = RunTool("locales");
  EXPECT_EQ(r.status, 0);
  for (const char* line : {"1031\tde_DE.CP1252@de_DE\tDeutsch (Federal Republic of Germany)\n",
                           "1036\tfr_FR.CP1252@fr_FR\tfrançais (French Republic)\n",
                           "1041\tja_JP.CP932@ja_JP\t日本語 (Japan)\n",
                           "3084\tfr_CA.CP1252@fr_CA\tfrançais (Canada)\n",
                           "31000\ti18n.CP1252@i18n\tInternational\n"}) {
    EXPECT_NE(r.out.find(line), std::string::npos) << line;
  }
  // Well over a hundred locales, one per line.
  EXPECT_GT(std::count(r.out.begin(), r.out.end(), '\n'), 150);
}

TEST_F(LocalesCommand, LocaleOptionResolvesThroughTheCatalog) {
  EXPECT_EQ(RunTool("locales --locale fr").out, "1036\tfr_FR.CP1252@fr_FR\tfrançais (French Republic)\n");
  EXPECT_EQ(RunTool("locales --locale C").out, "0\tC\tclassic\n");
  EXPECT_EQ(RunTool("locales --locale POSIX").out, "0\tC\tclassic\n");
  const Result unknown = RunTool("locales --locale xx_YY");
  EXPECT_TRUE(IsUsageError(unknown));
  EXPECT_EQ(unknown.err, "kti18n: no locale matches 'xx_YY'\n");
  EXPECT_TRUE(IsUsageError(RunTool("locales extra")));
}

}  // namespace
