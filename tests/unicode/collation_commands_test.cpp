// `kti18n sort` and `kti18n sortkey` end to end.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "tool_runner.h"

namespace {

using namespace tool_test;
using Result = ToolRun;

class CollationCommands : public ::testing::Test {};

TEST_F(CollationCommands, SortsLinesInTheLanguagesOrder) {
  EXPECT_EQ(RunShell("printf 'ö\\nz\\nå\\na\\nä\\n' | TOOL sort --locale sv_SE").out, "a\nz\nå\nä\nö\n");
  EXPECT_EQ(RunShell("printf 'ö\\nz\\nå\\na\\nä\\n' | TOOL sort").out, "a\nå\nä\nö\nz\n");  // root
  EXPECT_EQ(RunShell("printf 'b\\nB\\na\\n' | TOOL sort --locale C").out, "B\na\nb\n");  // code units
  // A last line without a newline and CRLF line ends are lines all the same.
  EXPECT_EQ(RunShell("printf 'b\\r\\na' | TOOL sort").out, "a\nb\n");
  EXPECT_EQ(RunShell("printf '' | TOOL sort").out, "");
}

TEST_F(CollationCommands, SortKeysAreHexOneALineAndOrderAsTheTexts) {
  const Result r = RunShell("TOOL sortkey --locale sv_SE a z å");
  ASSERT_EQ(r.status, 0);
  std::istringstream lines(r.out);
  std::vector<std::string> keys;
  for (std::string line; std::getline(lines, line);) keys.push_back(line);
  ASSERT_EQ(keys.size(), 3u);
  for (const std::string& k : keys) EXPECT_TRUE(k.find_first_not_of("0123456789ABCDEF ") == std::string::npos) << k;
  EXPECT_LT(keys[0], keys[1]);  // same-width hex compares as the bytes do
  EXPECT_LT(keys[1].substr(0, 5), keys[2].substr(0, 5));
}

TEST_F(CollationCommands, BadUsageExitsWithStatusTwo) {
  EXPECT_EQ(RunShell("TOOL sortkey").status, 2);
  EXPECT_EQ(RunShell("TOOL sort extra < /dev/null").status, 2);
  EXPECT_EQ(RunShell("TOOL sort --locale < /dev/null").status, 2);
  EXPECT_EQ(RunShell("TOOL sortkey --locale xx_Nowhere a").status, 2);
}

}  // namespace
