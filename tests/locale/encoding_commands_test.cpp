// `kti18n encodings` and `kti18n convert` end to end.
#include <gtest/gtest.h>

#include <string>

#include "tool_runner.h"

namespace {

using namespace tool_test;
using Result = ToolRun;

using EncodingCommands = testing::Test;

TEST_F(EncodingCommands, ListsEveryEncodingAsConverting) {
  const Result r = RunShell("TOOL encodings");
  ASSERT_EQ(r.status, 0);
  EXPECT_NE(r.out.find("CP1252                   Western (Windows-1252)               yes\n"), std::string::npos);
  EXPECT_NE(r.out.find("MacJapanese              Japanese (MacJapanese)               yes\n"), std::string::npos);
  EXPECT_NE(r.out.find("58 of 58 encodings convert\n"), std::string::npos);
  EXPECT_EQ(r.out.find(" no\n"), std::string::npos);
}

TEST_F(EncodingCommands, ConvertsBetweenAnyTwoEncodings) {
  // Shift-JIS to UTF-8, and through ISO-2022-JP and back to the same bytes.
  Result r = RunShell("printf 'a\\223\\372\\226\\173\\n' | TOOL convert --from Shift-JIS --to UTF-8");
  ASSERT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "a\xE6\x97\xA5\xE6\x9C\xAC\n");
  r = RunShell("printf 'a\\223\\372\\226\\173\\n' | TOOL convert --from Shift-JIS --to ISO-2022-JP"
          " | TOOL convert --from iso-2022-jp --to shift-jis");
  ASSERT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "a\x93\xFA\x96\x7B\n");
  // Characters the target lacks become "?"; bad input U+FFFD.
  r = RunShell("printf '\\342\\202\\254\\377x' | TOOL convert --from UTF-8 --to ISO-8859-1");
  EXPECT_EQ(r.out, "??x");
  r = RunShell("printf '\\377x' | TOOL convert --from UTF-8 --to UTF-8");
  EXPECT_EQ(r.out, "\xEF\xBF\xBDx");
  r = RunShell("TOOL convert --from CP1252 --to UTF-8 < /dev/null");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "");
}

TEST_F(EncodingCommands, BadUsageIsReported) {
  for (const char* args : {"", "--from CP1252", "--to CP1252", "--from CP1252 --to KOI9", "--from X --to UTF-8",
                           "--from CP1252 --to UTF-8 file.txt", "--from"}) {
    const Result r = RunShell(std::string("TOOL convert ") + args + " < /dev/null");
    EXPECT_TRUE(IsUsageError(r)) << args << ": " << r.status << " " << r.err;
  }
  EXPECT_TRUE(IsUsageError(RunShell("TOOL encodings extra")));
}

}  // namespace
