// `kti18n encodings` and `kti18n convert` end to end.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <string>

namespace {

struct Result {
  int status = -1;
  std::string out;
};

// Runs a shell command line in which TOOL stands for the kti18n tool.
Result RunShell(std::string command) {
  const std::string tool = std::string(KTI18N_BINARY_DIR) + "/kti18n";
  for (std::size_t at; (at = command.find("TOOL")) != std::string::npos;) command.replace(at, 4, tool);
  Result r;
  FILE* pipe = popen((command + " 2>/dev/null").c_str(), "r");
  if (pipe == nullptr) return r;
  char buf[4096];
  while (std::size_t n = std::fread(buf, 1, sizeof buf, pipe)) r.out.append(buf, n);
  const int raw = pclose(pipe);
  r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  return r;
}

class EncodingCommands : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!std::filesystem::exists(std::string(KTI18N_BINARY_DIR) + "/kti18n"))
      GTEST_SKIP() << "the kti18n tool is not built; skipping";
  }
};

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
    EXPECT_EQ(RunShell(std::string("TOOL convert ") + args + " < /dev/null").status, 2) << args;
  }
  EXPECT_EQ(RunShell("TOOL encodings extra").status, 2);
}

}  // namespace
