// The kti18n command-line tool: each subcommand lives in a file of its own
// and registers itself with a static cli::Registration.
#ifndef KTI18N_TOOLS_CLI_H
#define KTI18N_TOOLS_CLI_H

#include <string>
#include <string_view>
#include <vector>

namespace cli {

// Exit status for a bad command line.
inline constexpr int kUsageError = 2;

using Args = std::vector<std::string>;
using Handler = int (*)(const Args& args);

// What `kti18n SUB --help` prints: the usage line, one line per option and
// two examples. A subcommand that declares none gets its synopsis.
struct Help {
  std::string usage;  // the arguments after "kti18n SUB"
  std::vector<std::pair<std::string, std::string>> options;  // "--locale NAME", what it does
  std::vector<std::string> examples;                         // whole command lines
};

struct Subcommand {
  std::string name;
  std::string synopsis;  // shown by kti18n --help
  Handler run;
  Help help;
};

std::vector<Subcommand>& registry();

struct Registration {
  Registration(std::string name, std::string synopsis, Handler run);
  Registration(std::string name, std::string synopsis, Handler run, Help help);
};

// The help lines of the options most subcommands share.
inline std::pair<std::string, std::string> locale_help() {
  return {"--locale NAME",
          "locale: de-DE, de_DE.UTF-8, fr_CA.CP1252@fr_CA, C (default: LC_ALL, LC_NUMERIC or LANG)"};
}

// "(0x80041123 invalid data, ZV_E_INVALID_DATA)": a status as the tool
// prints it after the words that name the problem.
std::string describe_status(int status);

// Sections of `kti18n demo`: each subsystem adds its own showcase with a
// static DemoSection; sections run in ascending order.
using DemoFn = void (*)();
struct DemoEntry {
  int order;
  DemoFn show;
};
std::vector<DemoEntry>& demo_sections();
struct DemoSection {
  DemoSection(int order, DemoFn show);
};

// Prints "kti18n: <message>" on stderr and returns kUsageError.
int usage_error(const std::string& message);

// A small option reader: options of the form --name or --name VALUE; "--"
// ends the options; everything else is positional.
class Options {
 public:
  // valueOptions take one argument; flagOptions take none.
  Options(const Args& args, std::vector<std::string> valueOptions, std::vector<std::string> flagOptions);
  bool ok() const { return error_.empty(); }
  const std::string& error() const { return error_; }
  bool has(std::string_view name) const;
  std::string value(std::string_view name, std::string fallback = {}) const;
  const std::vector<std::string>& positional() const { return positional_; }

 private:
  std::vector<std::pair<std::string, std::string>> given_;
  std::vector<std::string> positional_;
  std::string error_;
};

}  // namespace cli

#endif
