// kti18n sort [--locale NAME]: the UTF-8 lines of standard input, sorted in
// the order of the locale's language (CLDR root order without --locale;
// code-unit order with --locale C).
#include <algorithm>
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "cli.h"
#include "collation_option.h"
#include "kti18n/base/exception.h"
#include "kti18n/unicode/collation.h"

namespace {

std::vector<std::string> ReadLines(std::FILE* in) {
  std::string data;
  char buffer[1 << 16];
  while (std::size_t n = std::fread(buffer, 1, sizeof buffer, in)) data.append(buffer, n);
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < data.size()) {
    std::size_t end = data.find('\n', start);
    if (end == std::string::npos) end = data.size();
    std::size_t stop = end > start && data[end - 1] == '\r' ? end - 1 : end;
    lines.emplace_back(data, start, stop - start);
    start = end + 1;
  }
  return lines;
}

int run(const cli::Args& args) {
  cli::Options options(args, {"locale"}, {});
  if (!options.ok()) return cli::usage_error(options.error());
  if (!options.positional().empty()) return cli::usage_error("sort reads standard input; it takes no file names");
  std::optional<cli::Collator> collator = cli::Collator::FromOptions(options);
  if (!collator) return cli::kUsageError;
  std::vector<std::string> lines = ReadLines(stdin);
  if (std::ferror(stdin)) {
    std::cerr << "kti18n: cannot read standard input\n";
    return 1;
  }
  try {
    std::stable_sort(lines.begin(), lines.end(),
                     [&](const std::string& a, const std::string& b) { return collator->Compare(a, b) < 0; });
  } catch (const ZVException& e) {
    std::cerr << "kti18n: " << e.what() << "\n";
    return 1;
  }
  for (const std::string& line : lines) {
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fputc('\n', stdout);
  }
  if (std::fflush(stdout) != 0) {
    std::cerr << "kti18n: cannot write standard output\n";
    return 1;
  }
  return 0;
}

// The same words in three languages' orders.
void show_collation() {
  const std::vector<std::string> words = {"ödla", "zebra", "Åsa", "apa", "ängel", "chata", "hrad", "ñu", "nube", "oso"};
  std::cout << "Sorting words (CLDR collation)\n";
  for (const char* name : {"", "sv_SE", "cs_CZ", "es_ES"}) {
    ktCollation collation(name);
    std::vector<std::string> sorted = words;
    std::stable_sort(sorted.begin(), sorted.end(), [&](const std::string& a, const std::string& b) {
      const auto* pa = reinterpret_cast<const unsigned char*>(a.data());
      const auto* pb = reinterpret_cast<const unsigned char*>(b.data());
      return collation.CompareStrings(pa, pa + a.size(), pb, pb + b.size()) < 0;
    });
    std::cout << "  " << (*name ? name : "root") << ":";
    for (const std::string& w : sorted) std::cout << ' ' << w;
    std::cout << '\n';
  }
}

cli::DemoSection demo(75, show_collation);

cli::Registration reg("sort", "sort the UTF-8 lines of standard input in a language's order ([--locale NAME])", run,
                      cli::Help{"[--locale NAME] < INPUT",
                                {{"--locale NAME", "the language whose order to use (de-DE, sv_SE.UTF-8); C sorts by code unit; "
                                                   "without it the CLDR root order"}},
                                {"printf 'zebra\\n\\xc3\\xa4pfel\\nApfel\\n' | kti18n sort --locale de-DE",
                                 "kti18n sort --locale sv-SE < names.txt"}});

}  // namespace
