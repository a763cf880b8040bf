// Number input: any text scans safely, reading never goes past its
// terminator (the text is copied into a buffer of exactly its size), and
// the promises of the scanner hold: the length stays within the text, a
// failed scan leaves the value, the integer tests agree with the value, and
// a number written in the input form reads back.
//
// Input: one byte (bits 0-2 the locale, bits 3-5 a decimal point of the
// preferences, bit 7 wide text), eight bytes of a number and four of an
// integer to write and read back, then the text.
#include <cmath>
#include <cstdint>
#include <memory>

#include "kti18n/fmtlib/input_number.h"

#include "format_fuzz_support.h"

using namespace fuzz_format;

namespace {

// Decimal points a user may prefer (none, the point, the comma, the Arabic
// decimal separator, the middle dot, the apostrophe): none is a digit, a
// sign, the exponent letter or white space, so written numbers stay
// readable.
constexpr char16_t kDecimalPoints[] = {0, u'.', u',', 0x066B, 0x00B7, u'\''};
constexpr std::size_t kPointCount = std::size(kDecimalPoints);

FmtLib::zvInputNumber& Scanner(std::size_t locale, std::size_t point) {
  static std::unique_ptr<FmtLib::zvInputNumber> scanners[kLocaleCount][kPointCount];
  std::unique_ptr<FmtLib::zvInputNumber>& s = scanners[locale][point];
  if (!s) {
    Settings settings =
        point == 0 ? Env::Get().SettingsAt(locale)
                   : MakeSettings(LocaleAt(locale), {{"decimal_point", ucs2string(1, kDecimalPoints[point])}});
    FmtLib::zvInputNumber* raw = nullptr;
    REQUIRE(FmtLib::CreateInputNumber(settings, raw) == 0 && raw != nullptr);
    s.reset(raw);
  }
  return *s;
}

// Scans a copy of the text in a buffer of exactly its size.
bool ScanExact(FmtLib::zvInputNumber& scanner, const unsigned short* text, std::size_t n, double& value,
               int& length) {
  std::unique_ptr<unsigned short[]> buffer(new unsigned short[n + 1]);
  std::copy(text, text + n, buffer.get());
  buffer[n] = 0;
  length = -1;
  const bool ok = scanner.Scan(buffer.get(), value, length);
  REQUIRE(length >= 0 && static_cast<std::size_t>(length) <= n);
  return ok;
}

void CheckIntegerTests(FmtLib::zvInputNumber& scanner, double value) {
  long l = 0;
  if (scanner.IsInteger(l)) REQUIRE(value == static_cast<double>(l) && l >= -2147483648L && l <= 2147483647L);
  unsigned long u = 0;
  if (scanner.IsUnsignedInteger(u)) REQUIRE(value == static_cast<double>(u) && u <= 4294967295UL);
}

// The input form of a finite number reads back whole, to within the
// rounding of its written digits; only a number that those digits round
// past the greatest double fails, as an overflow.
void CheckWrittenReadsBack(FmtLib::zvInputNumber& scanner, double value) {
  REQUIRE(scanner.Format(value));
  const ucs2string written(scanner.c_str());
  double back = 0;
  int length = 0;
  if (!ScanExact(scanner, written.c_str(), written.length(), back, length)) {
    REQUIRE(std::abs(value) > 1.7976931348623e308 && static_cast<std::size_t>(length) == written.length());
    return;
  }
  REQUIRE(static_cast<std::size_t>(length) == written.length());
  REQUIRE(std::abs(back - value) <= std::abs(value) * 1e-12);
}

// The integer forms carry 32-bit values (wider ones are cut to their low
// 32 bits); what they write reads back exactly.
void CheckWholeReadsBack(FmtLib::zvInputNumber& scanner, std::uint32_t bits) {
  const auto whole = static_cast<std::int32_t>(bits);
  REQUIRE(scanner.Format(static_cast<long>(whole)));
  const ucs2string written(scanner.c_str());
  double back = 0;
  int length = 0;
  REQUIRE(ScanExact(scanner, written.c_str(), written.length(), back, length));
  REQUIRE(static_cast<std::size_t>(length) == written.length() && back == static_cast<double>(whole));
  REQUIRE(scanner.Format(static_cast<unsigned long>(bits)));
  const ucs2string unsignedText(scanner.c_str());
  REQUIRE(ScanExact(scanner, unsignedText.c_str(), unsignedText.length(), back, length));
  REQUIRE(back == static_cast<double>(bits));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzInput in(data, size);
  const std::uint8_t mode = in.byte();
  const double number = in.real();
  const std::uint32_t whole = in.u32();
  const ucs2string text = TextOf(in, mode & 0x80);
  Env::Get();
  FmtLib::zvInputNumber& scanner = Scanner((mode & 7) % kLocaleCount, ((mode >> 3) & 7) % kPointCount);

  const double untouched = -7.25;
  double value = untouched;
  int length = 0;
  if (ScanExact(scanner, text.c_str(), text.length(), value, length)) {
    CheckIntegerTests(scanner, value);
    if (std::isfinite(value)) CheckWrittenReadsBack(scanner, value);
  } else {
    REQUIRE(value == untouched);
    long l;
    unsigned long u;
    scanner.IsInteger(l);
    scanner.IsUnsignedInteger(u);
  }
  if (std::isfinite(number)) CheckWrittenReadsBack(scanner, number);
  CheckWholeReadsBack(scanner, whole);
  return 0;
}
