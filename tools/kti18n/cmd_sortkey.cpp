// kti18n sortkey [--locale NAME] TEXT...: each text's sort key in
// hexadecimal, one a line. Keys compare byte by byte as the texts sort.
#include <cstdio>
#include <iostream>
#include <string>

#include "cli.h"
#include "collation_option.h"
#include "kti18n/base/exception.h"

namespace {

int run(const cli::Args& args) {
  cli::Options options(args, {"locale"}, {});
  if (!options.ok()) return cli::usage_error(options.error());
  if (options.positional().empty()) return cli::usage_error("sortkey needs at least one TEXT");
  std::optional<cli::Collator> collator = cli::Collator::FromOptions(options);
  if (!collator) return cli::kUsageError;
  for (const std::string& text : options.positional()) {
    std::string key;
    try {
      key = collator->Key(text);
    } catch (const ZVException& e) {
      std::cerr << "kti18n: " << e.what() << "\n";
      return 1;
    }
    for (std::size_t i = 0; i < key.size(); ++i)
      std::printf(i ? " %02X" : "%02X", static_cast<unsigned char>(key[i]));
    std::printf("\n");
  }
  return 0;
}

cli::Registration reg("sortkey", "print the sort key of each TEXT in hexadecimal ([--locale NAME] TEXT...)", run,
                      cli::Help{"[--locale NAME] TEXT...",
                                {{"--locale NAME", "the language whose order the keys follow; C gives code-unit order"}},
                                {"kti18n sortkey --locale de-DE Apfel apfel", "kti18n sortkey --locale sv-SE \u00e4 z"}});

}  // namespace
