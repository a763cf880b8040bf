// `kti18n sort` and `kti18n sortkey` end to end.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

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

class CollationCommands : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!std::filesystem::exists(std::string(KTI18N_BINARY_DIR) + "/kti18n"))
      GTEST_SKIP() << "the kti18n tool is not built; skipping";
  }
};

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
