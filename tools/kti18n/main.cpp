#include <algorithm>
#include <cstdio>
#include <exception>
#include <iostream>

#include "cli.h"
#include "kti18n/base/exception.h"
#include "kti18n/base/status.h"
#include "kti18n/base/version.h"

namespace cli {

std::vector<Subcommand>& registry() {
  static std::vector<Subcommand> commands;
  return commands;
}

Registration::Registration(std::string name, std::string synopsis, Handler run) {
  registry().push_back({std::move(name), std::move(synopsis), run, {}});
}

Registration::Registration(std::string name, std::string synopsis, Handler run, Help help) {
  registry().push_back({std::move(name), std::move(synopsis), run, std::move(help)});
}

std::string describe_status(int status) {
  char hex[16];
  std::snprintf(hex, sizeof hex, "0x%08X", static_cast<unsigned>(status));
  std::string text = std::string("(") + hex;
  if (const char* meaning = zvStatusText(status)) text += std::string(" ") + meaning;
  if (const char* name = zvStatusName(status)) text += std::string(", ") + name;
  return text + ")";
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

void print_subcommand_help(const cli::Subcommand& c) {
  const cli::Help& h = c.help;
  std::cout << "usage: kti18n " << c.name << ' ' << (h.usage.empty() ? "[OPTIONS] [ARGUMENTS]" : h.usage) << "\n\n"
            << c.synopsis << '\n';
  auto options = h.options;
  options.emplace_back("--help", "show this help");
  std::size_t width = 0;
  for (const auto& o : options) width = std::max(width, o.first.size());
  std::cout << "\noptions:\n";
  for (const auto& o : options)
    std::cout << "  " << o.first << std::string(width - o.first.size() + 2, ' ') << o.second << '\n';
  if (!h.examples.empty()) {
    std::cout << "\nexamples:\n";
    for (const auto& e : h.examples) std::cout << "  " << e << '\n';
  }
}

// --help anywhere among the options (before "--") asks for help.
bool asks_for_help(int argc, char** argv) {
  for (int i = 2; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--") return false;
    if (a == "--help" || a == "-h") return true;
  }
  return false;
}

bool valid_utf8(const std::string& text) {
  std::size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const std::size_t length = lead < 0x80 ? 1 : lead >= 0xC2 && lead < 0xE0 ? 2 : lead >= 0xE0 && lead < 0xF0 ? 3
                               : lead >= 0xF0 && lead < 0xF5                  ? 4 : 0;
    if (length == 0 || i + length > text.size()) return false;
    char32_t c = lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(text[i + k]);
      if ((next & 0xC0) != 0x80) return false;
      c = (c << 6) | (next & 0x3F);
    }
    if ((length == 3 && (c < 0x800 || (c >= 0xD800 && c <= 0xDFFF))) || (length == 4 && (c < 0x10000 || c > 0x10FFFF)))
      return false;
    i += length;
  }
  return true;
}

// Every argument is text the library reads as UTF-8: one that is not is
// named ("the pattern", for the value of --pattern) before anything runs.
bool arguments_are_utf8(const std::string& command, int argc, char** argv) {
  for (int i = 2; i < argc; ++i) {
    if (valid_utf8(argv[i])) continue;
    std::string what = "argument " + std::to_string(i - 1);
    const std::string arg = argv[i], previous = i > 2 ? argv[i - 1] : "";
    if (arg.rfind("--", 0) == 0 && arg.find('=') != std::string::npos)
      what = "the " + arg.substr(2, arg.find('=') - 2);
    else if (previous.rfind("--", 0) == 0 && previous.size() > 2 && previous.find('=') == std::string::npos)
      what = "the " + previous.substr(2);
    std::cerr << "kti18n: " << command << ": " << what << " is not valid UTF-8 "
              << cli::describe_status(ZV_E_INVALID_DATA) << '\n';
    return false;
  }
  return true;
}

// Output that could not be written is a failure, even when everything else
// went well (a full disk, a closed pipe).
int checked_exit(const std::string& command, int status) {
  std::cout.flush();
  const bool failed = std::fflush(stdout) != 0 || std::ferror(stdout) != 0 || !std::cout.good();
  if (failed) {
    std::cerr << "kti18n: " << command << ": cannot write standard output\n";
    return status == 0 ? 1 : status;
  }
  return status;
}

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
    if (command == "help" && argc > 2) {
      for (const auto& c : cli::registry())
        if (c.name == argv[2]) {
          print_subcommand_help(c);
          return checked_exit(command, 0);
        }
    }
    print_help();
    return checked_exit(command, 0);
  }
  if (command == "--version" || command == "version") {
    std::cout << "kti18n " << KTI18N_VERSION_STRING << '\n';
    return checked_exit(command, 0);
  }
  for (const auto& c : cli::registry()) {
    if (c.name != command) continue;
    if (asks_for_help(argc, argv)) {
      print_subcommand_help(c);
      return checked_exit(command, 0);
    }
    if (!arguments_are_utf8(command, argc, argv)) return cli::kUsageError;
    int status = 1;
    try {
      status = c.run(cli::Args(argv + 2, argv + argc));
    } catch (const ZVException& e) {
      std::cout.flush();
      std::cerr << "kti18n: " << command << ": " << (e.message().empty() ? "failed" : e.message()) << ' '
                << cli::describe_status(e.code()) << '\n';
      status = 1;
    } catch (const std::exception& e) {
      std::cout.flush();
      std::cerr << "kti18n: " << command << ": " << e.what() << '\n';
      status = 1;
    }
    return checked_exit(command, status);
  }
  return cli::usage_error("unknown subcommand '" + command + "' (see kti18n --help)");
}
