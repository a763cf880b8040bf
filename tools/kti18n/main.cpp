#include <algorithm>
#include <cstdio>
#include <exception>
#include <iostream>

#include "cli.h"
#include "kti18n/base/exception.h"
#include "kti18n/base/version.h"

namespace cli {

std::vector<Subcommand>& registry() {
  static std::vector<Subcommand> commands;
  return commands;
}

Registration::Registration(std::string name, std::string synopsis, Handler run) {
  registry().push_back({std::move(name), std::move(synopsis), run});
}

std::vector<DemoEntry>& demo_sections() {
  static std::vector<DemoEntry> sections;
  return sections;
}

DemoSection::DemoSection(int order, DemoFn show) { demo_sections().push_back({order, show}); }

int usage_error(const std::string& message) {
  std::cerr << "kti18n: " << message << '\n';
  return kUsageError;
}

Options::Options(const Args& args, std::vector<std::string> valueOptions, std::vector<std::string> flagOptions) {
  auto known = [](const std::vector<std::string>& list, const std::string& name) {
    return std::find(list.begin(), list.end(), name) != list.end();
  };
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--") {
      positional_.insert(positional_.end(), args.begin() + static_cast<long>(i) + 1, args.end());
      break;
    }
    if (a.size() > 2 && a.compare(0, 2, "--") == 0) {
      std::string name = a.substr(2), value;
      const auto eq = name.find('=');
      const bool inlineValue = eq != std::string::npos;
      if (inlineValue) {
        value = name.substr(eq + 1);
        name.resize(eq);
      }
      if (known(valueOptions, name)) {
        if (!inlineValue) {
          if (i + 1 >= args.size()) {
            error_ = "option --" + name + " needs a value";
            return;
          }
          value = args[++i];
        }
        given_.emplace_back(name, value);
      } else if (known(flagOptions, name) && !inlineValue) {
        given_.emplace_back(name, "");
      } else {
        error_ = "unknown option " + a;
        return;
      }
      continue;
    }
    positional_.push_back(a);
  }
}

bool Options::has(std::string_view name) const {
  return std::any_of(given_.begin(), given_.end(), [&](const auto& g) { return g.first == name; });
}

std::string Options::value(std::string_view name, std::string fallback) const {
  for (auto it = given_.rbegin(); it != given_.rend(); ++it)
    if (it->first == name) return it->second;
  return fallback;
}

}  // namespace cli

namespace {

void print_help() {
  std::cout << "usage: kti18n SUBCOMMAND [OPTIONS] [ARGUMENTS]\n\nsubcommands:\n";
  auto commands = cli::registry();
  std::sort(commands.begin(), commands.end(), [](const auto& a, const auto& b) { return a.name < b.name; });
  for (const auto& c : commands) std::printf("  %-10s %s\n", c.name.c_str(), c.synopsis.c_str());
  std::cout << "\nkti18n --help shows this list; kti18n --version the library's version.\n";
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    print_help();
    return cli::kUsageError;
  }
  const std::string command = argv[1];
  if (command == "--help" || command == "-h" || command == "help") {
    print_help();
    return 0;
  }
  if (command == "--version" || command == "version") {
    std::cout << "kti18n " << KTI18N_VERSION_STRING << '\n';
    return 0;
  }
  for (const auto& c : cli::registry()) {
    if (c.name != command) continue;
    try {
      return c.run(cli::Args(argv + 2, argv + argc));
    } catch (const ZVException& e) {
      std::cerr << "kti18n: " << command << ": error " << e.what() << '\n';
      return 1;
    } catch (const std::exception& e) {
      std::cerr << "kti18n: " << command << ": " << e.what() << '\n';
      return 1;
    }
  }
  return cli::usage_error("unknown subcommand '" + command + "' (see kti18n --help)");
}
