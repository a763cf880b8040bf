// Runs the kti18n tool of this build (or any shell command line) and
// captures its exit status, standard output and standard error apart.
//
// The tool tests depend on the tool's target, so the tool is always there:
// a missing tool fails the test rather than skipping it.
#ifndef KTI18N_TESTS_TOOL_RUNNER_H
#define KTI18N_TESTS_TOOL_RUNNER_H

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

namespace tool_test {

inline const std::string kTool = std::string(KTI18N_BINARY_DIR) + "/kti18n";

struct ToolRun {
  int status = -1;  // the exit status, or -1 when the command did not exit
  std::string out;
  std::string err;
};

// Runs a shell command line in which every TOOL stands for the kti18n tool.
// The line runs with LC_ALL=C unless it sets a locale itself (LANG= or an
// LC_ variable), so that the caller's locale never changes the output.
inline ToolRun RunShell(std::string command) {
  for (std::size_t at; (at = command.find("TOOL")) != std::string::npos;) command.replace(at, 4, "'" + kTool + "'");
  if (command.find("LANG=") == std::string::npos && command.find("LC_") == std::string::npos)
    command = "LC_ALL=C; export LC_ALL; " + command;
  char errPath[] = "/tmp/kti18n_tool_stderr_XXXXXX";
  const int errFd = mkstemp(errPath);
  ToolRun r;
  if (errFd < 0) return r;
  close(errFd);
  FILE* pipe = popen(("{ " + command + "\n} 2>'" + errPath + "'").c_str(), "r");
  if (pipe != nullptr) {
    char buf[4096];
    while (std::size_t n = std::fread(buf, 1, sizeof buf, pipe)) r.out.append(buf, n);
    const int raw = pclose(pipe);
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  }
  std::ifstream errFile(errPath, std::ios::binary);
  std::ostringstream err;
  err << errFile.rdbuf();
  r.err = err.str();
  std::remove(errPath);
  return r;
}

// `kti18n ARGUMENTS`.
inline ToolRun RunTool(const std::string& arguments) { return RunShell("TOOL " + arguments); }

// The usage-error contract: exit status 2, exactly one line on standard
// error, nothing on standard output.
inline bool IsUsageError(const ToolRun& r) {
  return r.status == 2 && r.out.empty() && !r.err.empty() && r.err.find('\n') == r.err.size() - 1;
}

}  // namespace tool_test

#endif
