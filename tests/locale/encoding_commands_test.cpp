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

TEST_F(EncodingCommands, TakesTheNamesPeopleType) {
  Result r = RunShell("printf 'caf\\351' | TOOL convert --from latin1 --to utf8");
  ASSERT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "caf\xC3\xA9");
  r = RunShell("printf '\\200' | TOOL convert --from windows-1252 --to UTF_8");
  EXPECT_EQ(r.out, "\xE2\x82\xAC");
  r = RunShell("printf '\\223\\372' | TOOL convert --from Shift_JIS --to utf-8");
  EXPECT_EQ(r.out, "\xE6\x97\xA5");
}

TEST_F(EncodingCommands, ReadsAndWritesUtf16AndUtf32) {
  // "a", U+00E9 and U+1F600 (a pair of surrogates in UTF-16).
  const std::string text = "printf 'a\\303\\251\\360\\237\\230\\200'";
  Result r = RunShell(text + " | TOOL convert --from UTF-8 --to UTF-16LE");
  EXPECT_EQ(r.out, std::string("a\0\xE9\0\x3D\xD8\x00\xDE", 8));
  r = RunShell(text + " | TOOL convert --from UTF-8 --to UTF-16BE");
  EXPECT_EQ(r.out, std::string("\0a\0\xE9\xD8\x3D\xDE\x00", 8));
  r = RunShell(text + " | TOOL convert --from UTF-8 --to UTF-16");  // with a byte order mark
  EXPECT_EQ(r.out, std::string("\xFF\xFE" "a\0\xE9\0\x3D\xD8\x00\xDE", 10));
  r = RunShell(text + " | TOOL convert --from UTF-8 --to UTF-32BE");
  EXPECT_EQ(r.out, std::string("\0\0\0a\0\0\0\xE9\0\x01\xF6\x00", 12));
  // Back again, every form to the same UTF-8; the mark gives the bare names their byte order.
  for (const char* form : {"UTF-16LE", "UTF-16BE", "UTF-16", "UTF-32LE", "UTF-32BE", "UTF-32"}) {
    r = RunShell(text + " | TOOL convert --from UTF-8 --to " + form + " | TOOL convert --from " + form + " --to UTF-8");
    EXPECT_EQ(r.status, 0) << form;
    EXPECT_EQ(r.out, "a\xC3\xA9\xF0\x9F\x98\x80") << form;
  }
  r = RunShell("printf '\\0a\\0b' | TOOL convert --from UTF-16 --to UTF-8");  // no mark: big-endian
  EXPECT_EQ(r.out, "ab");
  // A lone surrogate and a truncated unit are not text.
  r = RunShell("printf 'a\\000\\000\\330b' | TOOL convert --from UTF-16LE --to UTF-8");
  EXPECT_EQ(r.out, "a\xEF\xBF\xBD\xEF\xBF\xBD");
  // Towards the table's encodings through UCS-2.
  r = RunShell("printf '\\351\\000' | TOOL convert --from UTF-16LE --to ISO-8859-1");
  EXPECT_EQ(r.out, "\xE9");
}

TEST_F(EncodingCommands, StrictMakesAnUnmappableCharacterAnError) {
  Result r = RunShell("printf 'ab\\342\\202\\254' | TOOL convert --strict --from UTF-8 --to ISO-8859-1");
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "");  // nothing half-converted
  r = RunShell("printf 'ab\\342\\202\\254' | TOOL convert --strict --from UTF-8 --to ISO-8859-1 2>&1 >/dev/null; true");
  EXPECT_NE(r.out.find("character 3 (U+20AC) has no mapping in ISO-8859-1"), std::string::npos) << r.out;
  r = RunShell("printf 'a\\377' | TOOL convert --strict --from UTF-8 --to UTF-16LE");
  EXPECT_EQ(r.status, 1);
  r = RunShell("printf 'ab\\351' | TOOL convert --strict --from latin1 --to CP1252");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "ab\xE9");
  r = RunShell("printf 'ab\\342\\202\\254' | TOOL convert --from UTF-8 --to ISO-8859-1");  // without it: "?"
  EXPECT_EQ(r.out, "ab?");
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
