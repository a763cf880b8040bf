// The serial dialect, in which patterns are stored: any text reads into a
// pattern of the asked kind, every dialect writes that pattern without
// changing it, the serial text written reads back token for token, and the
// pattern formats numbers or instants.
//
// Input: one byte (bit 0 dates, bits 1-3 the locale, bit 6 an old pattern
// to replace, bit 7 wide text), then the text.
#include <cstdint>

#include "format_fuzz_support.h"

using namespace fuzz_format;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzInput in(data, size);
  const std::uint8_t mode = in.byte();
  const bool date = mode & 1;
  const ucs2string text = TextOf(in, mode & 0x80);

  Env& env = Env::Get();
  const FmtLib::zvStringFormat& reader = *env.WritersFor(date).serial;
  // Parse replaces whatever pattern it is handed, of either kind.
  FmtLib::zvFmtPattern* raw = (mode & 0x40) ? FmtLib::CreateNumberFmtPattern() : nullptr;
  REQUIRE(reader.Parse(text, raw) == 0);
  Pattern p(raw);
  REQUIRE(p != nullptr && p->IsDate() == date);

  RenderEverywhere(*p);
  FormatThrough(env.SettingsAt((mode >> 1) % kLocaleCount), *p);
  return 0;
}
