// kti18n demo: a short showcase of what the library does.
#include <algorithm>
#include <cstdio>
#include <iostream>

#include "cli.h"
#include "kti18n/text/ucs2string.h"
#include "kti18n/text/utf8.h"

namespace {

void show_round_trip() {
  struct Sample {
    const char* script;
    const char* text;
  };
  static const Sample kSamples[] = {
      {"Latin", "Crème brûlée à la façon de Zoë"},
      {"Cyrillic", "Съешь же ещё этих мягких булок"},
      {"Greek", "Καλημέρα κόσμε"},
      {"CJK", "国際化と地域化"},
  };
  std::cout << "UTF-8 -> UCS-2 -> UTF-8\n";
  std::printf("  %-9s %5s %5s %5s  %s\n", "script", "bytes", "units", "back", "text");
  for (const auto& s : kSamples) {
    const ucs2string units(s.text);
    const std::string back = units.to_utf8();
    std::printf("  %-9s %5zu %5u %5zu  %s%s\n", s.script, std::string(s.text).size(), units.length(), back.size(),
                back.c_str(), back == s.text ? "" : "  (MISMATCH)");
  }
}

int run(const cli::Args& args) {
  if (!args.empty()) return cli::usage_error("demo takes no arguments");
  std::cout << "kti18n demo\n";
  auto sections = cli::demo_sections();
  std::stable_sort(sections.begin(), sections.end(), [](const auto& a, const auto& b) { return a.order < b.order; });
  for (const auto& s : sections) {
    std::cout << '\n';
    s.show();
  }
  return 0;
}

cli::DemoSection text_section(10, show_round_trip);

cli::Registration reg("demo", "show what the library can do", run,
    cli::Help{"",
     {},
     {"kti18n demo", "kti18n demo | less"}});

}  // namespace
