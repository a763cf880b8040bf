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

struct Subcommand {
  std::string name;
  std::string synopsis;  // shown by --help
  Handler run;
};

std::vector<Subcommand>& registry();

struct Registration {
  Registration(std::string name, std::string synopsis, Handler run);
};

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
