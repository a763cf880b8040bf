// The `kti18n tokens` subcommand, run as a separate program.
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
  if (!std::filesystem::exists(tool)) return r;
  FILE* pipe = popen((tool + " tokens " + arguments + " 2>/dev/null").c_str(), "r");
  if (pipe == nullptr) return r;
  char buffer[4096];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) r.out.append(buffer, n);
  const int raw = pclose(pipe);
  r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  return r;
}

class TokensTool : public testing::Test {
 protected:
  void SetUp() override {
    if (!std::filesystem::exists(std::string(KTI18N_BINARY_DIR) + "/kti18n"))
      GTEST_SKIP() << "the kti18n tool is not built";
  }
};

TEST_F(TokensTool, ListsEntriesWithNumberAndSerialCode) {
  const ToolRun serial = RunTool("--dialect serial --number");
  EXPECT_EQ(serial.status, 0);
  EXPECT_EQ(serial.out.rfind("T[#]\t101\tT[#]\n", 0), 0u) << serial.out;
  EXPECT_NE(serial.out.find("T[Cgr]\t415\tT[Cgr]\n"), std::string::npos);

  const ToolRun halcyon = RunTool("--dialect halcyon --date --code GE --language de --country CH");
  EXPECT_EQ(halcyon.status, 0);
  EXPECT_NE(halcyon.out.find(".\t65\tT[da]\n"), std::string::npos);
  EXPECT_NE(halcyon.out.find("JJJJ\t39\tT[y4]\n"), std::string::npos);

  const ToolRun colours = RunTool("--dialect color --code FR");
  EXPECT_NE(colours.out.find("Rouge foncé \t408\tT[Cdr]\n"), std::string::npos);
}

TEST_F(TokensTool, ReportsBadUsageAndMissingDictionaries) {
  EXPECT_EQ(RunTool("--dialect klingon").status, 2);
  EXPECT_EQ(RunTool("--date --number").status, 2);
  EXPECT_EQ(RunTool("extra").status, 2);
  const ToolRun none = RunTool("--dialect halcyon --number --language zh");
  EXPECT_EQ(none.status, 1);
  EXPECT_TRUE(none.out.empty());
}

}  // namespace
