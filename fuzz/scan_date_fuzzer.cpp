// Date input: any pattern either builds a scanner or is refused, and any
// text scans safely against it, never read past its terminator (the text is
// copied into a buffer of exactly its size). The scanner's promises hold: the
// length stays within the text, a failed scan leaves the calendar time as it
// was, a calendar error is reported only for a failed scan; and the
// scanner writes the time it read.
//
// Input: one byte (bits 0-2 the locale, bits 3-5 the calendar time scanned
// onto, bit 7 wide text), two bytes of a base year for two-digit years, the
// pattern in the serial dialect (to a 0 byte), then the text.
#include <cstdint>
#include <memory>

#include "kti18n/fmtlib/input_date.h"

#include "format_fuzz_support.h"

using namespace fuzz_format;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzInput in(data, size);
  const std::uint8_t mode = in.byte();
  const int baseYear = static_cast<std::int16_t>((in.byte() << 8) | in.byte());
  const ucs2string patternText = TextOf(in, false);
  const ucs2string text = TextOf(in, mode & 0x80);
  Env& env = Env::Get();

  FmtLib::zvFmtPattern* raw = nullptr;
  REQUIRE(env.WritersFor(true).serial->Parse(patternText, raw) == 0);
  Pattern pattern(raw);
  FmtLib::zvInputDate* made = nullptr;
  if (FmtLib::CreateInputDate(env.SettingsAt(mode % kLocaleCount), pattern.get(), made, baseYear) != 0) {
    REQUIRE(made == nullptr);
    return 0;
  }
  std::unique_ptr<FmtLib::zvInputDate> scanner(made);
  REQUIRE(!scanner->IsCalendarError());

  const std::size_t n = text.length();
  std::unique_ptr<unsigned short[]> buffer(new unsigned short[n + 1]);
  std::copy(text.c_str(), text.c_str() + n, buffer.get());
  buffer[n] = 0;

  const auto& instants = env.Instants();
  TimeLib::zvCalendarTime time = instants[((mode >> 3) & 7) % instants.size()];
  const TimeLib::zvCalendarTime before = time;
  int length = -1;
  const bool ok = scanner->Scan(buffer.get(), time, length);
  REQUIRE(length >= 0 && static_cast<std::size_t>(length) <= n);
  if (ok) {
    REQUIRE(!scanner->IsCalendarError());
  } else {
    REQUIRE(time == before);
  }
  REQUIRE(scanner->Format(time));
  Touch(scanner->c_str());
  return 0;
}
