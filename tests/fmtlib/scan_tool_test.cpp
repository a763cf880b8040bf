// The `kti18n scan-number` subcommand, run as a separate program.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <string>

namespace {

struct ToolRun {
  int status;
  std::string out;
};

ToolRun RunTool(const std::string& arguments) {
  const std::string tool = std::string(KTI18N_BINARY_DIR) + "/kti18n";
  ToolRun r{-1, {}};
  FILE* pipe = popen(("LC_ALL=C " + tool + " " + arguments + " 2>/dev/null").c_str(), "r");
  if (pipe == nullptr) return r;
  char buffer[4096];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) r.out.append(buffer, n);
  const int raw = pclose(pipe);
  r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  return r;
}

class ScanTools : public testing::Test {
 protected:
  void SetUp() override {
    if (!std::filesystem::exists(std::string(KTI18N_BINARY_DIR) + "/kti18n"))
      GTEST_SKIP() << "the kti18n tool is not built";
  }
};

TEST_F(ScanTools, ScanNumberPrintsValueLengthAndKind) {
  ToolRun r = RunTool("scan-number -- 42 ' -7' 4294967295 0.1 '1e' 12abc 1e309");
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "42\t2\tinteger\n-7\t3\tinteger\n4294967295\t10\tunsigned\n0.1\t3\t-\nerror\t2\n12\t2\tinteger\n"
                   "error\t5\n");
  r = RunTool("scan-number --locale de_DE -- '  -1.234,5e2' '-1234,5e2'");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "-1\t4\tinteger\n-123450\t9\t-\n");
  EXPECT_EQ(RunTool("scan-number").status, 2);
  EXPECT_EQ(RunTool("scan-number --locale xx_YY 1").status, 2);
}

}  // namespace
