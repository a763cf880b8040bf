// kti18n encodings: the encoding table, and whether this host converts each.
#include <cstdio>
#include <iostream>
#include <string>

#include "cli.h"
#include "kti18n/locale/codecvt.h"
#include "kti18n/unicode/encoding_layer.h"
#include "kti18n/text/ucs2string.h"

namespace {

int run(const cli::Args& args) {
  if (!args.empty()) return cli::usage_error("encodings takes no arguments");
  std::printf("%-24s %-36s %s\n", "technical name", "display name", "converts");
  int missing = 0;
  for (auto* row = zv_codecvt::EncodingNamesBegin(); row != zv_codecvt::EncodingNamesEnd(); ++row) {
    const ExternalEncoding* encoding = ExternalEncoding::Lookup(row->technicalName);
    bool converts = encoding != nullptr && encoding->CanConvert();
    missing += !converts;
    std::printf("%-24s %-36s %s\n", row->technicalName, row->displayName, converts ? "yes" : "no");
  }
  std::printf("%d of %d encodings convert\n", static_cast<int>(zv_codecvt::EncodingNamesEnd() - zv_codecvt::EncodingNamesBegin()) - missing,
              static_cast<int>(zv_codecvt::EncodingNamesEnd() - zv_codecvt::EncodingNamesBegin()));
  return missing == 0 ? 0 : 1;
}

// One text in a few encodings, byte by byte.
void show_encodings() {
  const ucs2string text("Grüße, 日本 €");
  std::cout << "UCS-2 -> bytes (\"?\" where the encoding lacks the character)\n";
  for (const char* name : {"CP1252", "MacRoman", "Shift-JIS", "ISO-2022-JP", "HZ-GB-2312", "UTF-8"}) {
    std::string bytes;
    zv_codecvt_byname(name).SetNarrowString(text.data(), text.data() + text.length(), bytes);
    std::printf("  %-12s", name);
    for (unsigned char b : bytes) std::printf(" %02X", b);
    std::printf("\n");
  }
}

cli::DemoSection demo(80, show_encodings);

cli::Registration reg("encodings", "list the encodings with their display names and whether each converts", run,
    cli::Help{"",
     {},
     {"kti18n encodings", "kti18n encodings | grep Mac"}});

}  // namespace
