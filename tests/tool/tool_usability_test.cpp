// The tool as a new user meets it: help for every subcommand, errors in
// words with the status's name, locale names as people type them, and
// output that could not be written.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "tool_runner.h"

namespace {

using Result = tool_test::ToolRun;

// Runs a command line (TOOL is the tool) in an environment without locale
// variables but those the line sets itself.
Result RunTool(const std::string& command) { return tool_test::RunShell("LC_ALL= LC_NUMERIC= LANG= " + command); }

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// The tool is built before the tests: a missing tool fails them.
class Tool : public ::testing::Test {};

std::vector<std::string> Subcommands() {
  std::vector<std::string> names;
  std::istringstream list(RunTool("TOOL --help").out);
  std::string line;
  bool inList = false;
  while (std::getline(list, line)) {
    if (line == "subcommands:") inList = true;
    else if (line.empty()) inList = names.empty();
    else if (inList && line.size() > 2) names.push_back(line.substr(2, line.find(' ', 2) - 2));
  }
  return names;
}

TEST_F(Tool, EverySubcommandExplainsItself) {
  const auto names = Subcommands();
  ASSERT_GE(names.size(), 10u);
  for (const std::string& name : names) {
    const Result r = RunTool("TOOL " + name + " --help 2>&1");
    EXPECT_EQ(r.status, 0) << name;
    EXPECT_EQ(r.out.rfind("usage: kti18n " + name + " ", 0), 0u) << r.out;
    EXPECT_TRUE(Has(r.out, "\noptions:\n") && Has(r.out, "  --help")) << r.out;
    const auto examples = r.out.find("\nexamples:\n");
    ASSERT_NE(examples, std::string::npos) << name;
    EXPECT_GE(std::count(r.out.begin() + static_cast<long>(examples), r.out.end(), '\n'), 3) << name;
  }
  EXPECT_EQ(RunTool("TOOL help number").out, RunTool("TOOL number --help").out);
  // After "--" it is an argument, not a request for help.
  EXPECT_NE(RunTool("TOOL locale -- --help 2>/dev/null").status, 0);
}

TEST_F(Tool, LocaleNamesAsPeopleTypeThem) {
  const std::string german = RunTool("TOOL locales --locale de_DE").out;
  ASSERT_TRUE(Has(german, "\tde_DE.CP1252@de_DE\t")) << german;
  for (const char* typed : {"de-DE", "de-de", "de_DE@euro", "de_DE.CP1252@de_DE"})
    EXPECT_EQ(RunTool(std::string("TOOL locales --locale ") + typed).out, german) << typed;
  const Result utf8 = RunTool("TOOL locales --locale de_DE.utf8");
  EXPECT_EQ(utf8.status, 0);
  EXPECT_TRUE(Has(utf8.out, "de_DE.UTF-8@de_DE"));
  EXPECT_EQ(RunTool("TOOL locales --locale de_DE.UTF-8").out, utf8.out);
  EXPECT_EQ(RunTool("TOOL locales --locale C.UTF-8").out, "0\tC\tclassic\n");
  EXPECT_TRUE(Has(RunTool("TOOL locales --locale i18n.CP1252@i18n").out, "31000\t"));
  const Result unknown = RunTool("TOOL locales --locale xx-YY 2>&1");
  EXPECT_EQ(unknown.status, 2);
  EXPECT_TRUE(Has(unknown.out, "no locale matches 'xx-YY'"));
}

TEST_F(Tool, TheEnvironmentChoosesTheDefaultLocale) {
  EXPECT_EQ(RunTool("LANG=de_DE.UTF-8 TOOL number --default standard 1234.5").out,
            RunTool("TOOL number --locale de-DE --default standard 1234.5").out);
  EXPECT_EQ(RunTool("LC_ALL=fr_CA.utf8 LANG=de_DE TOOL number --default standard 1234.5").out,
            RunTool("TOOL number --locale fr-CA --default standard 1234.5").out);
  // A host name the catalog lacks leaves the classic locale, without an error.
  const Result r = RunTool("LANG=tlh_XX.UTF-8 TOOL number --default standard 1234.5");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, RunTool("TOOL number --locale C --default standard 1234.5").out);
}

TEST_F(Tool, UnreadablePatternsAreWarnings) {
  Result r = RunTool("TOOL number --pattern 'T[#]T[gs]T[xx]' 1 2>&1");
  EXPECT_EQ(r.status, 1);
  EXPECT_TRUE(Has(r.out, "kti18n: number: warning: 'T[#]T[gs]T[xx]' cannot be read: reading failed at character 10"))
      << r.out;
  EXPECT_FALSE(Has(r.out, "#FORMAT"));
  r = RunTool("TOOL translate --number --from serial --to native 'T[0' 2>&1");
  EXPECT_EQ(r.status, 1);
  EXPECT_TRUE(Has(r.out, "kti18n: translate: warning:")) << r.out;
}

TEST_F(Tool, ErrorsNameTheProblemThenTheStatus) {
  const Result r = RunTool("TOOL number --pattern \"$(printf 'T[0]\\200')\" 1 2>&1");
  EXPECT_EQ(r.status, 2);  // a bad command line
  EXPECT_EQ(r.out, "kti18n: number: the pattern is not valid UTF-8 (0x80041123 invalid data, ZV_E_INVALID_DATA)\n");
}

TEST_F(Tool, OutputThatCannotBeWrittenIsAFailure) {
  if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full on this host";
  for (const char* command : {"locales", "encodings", "--help", "--version", "number --help",
                              "number --pattern T[0] 1", "tokens"}) {
    EXPECT_EQ(RunTool(std::string("TOOL ") + command + " > /dev/full 2>/dev/null").status, 1) << command;
  }
  const Result message = RunTool("TOOL locales 2>&1 > /dev/full");
  EXPECT_TRUE(Has(message.out, "kti18n: locales: cannot write standard output")) << message.out;
}

}  // namespace
