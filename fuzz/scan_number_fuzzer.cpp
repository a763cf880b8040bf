// Number input: any text scans safely, reading never goes past its
// terminator (the text is copied into a buffer of exactly its size), and
// the promises of the scanner hold: the length stays within the text, a
// failed scan leaves the value, the integer tests agree with the value, and
// a number written in the input form reads back.
//
// Input: one byte (bits 0-2 the locale, bits 3-5 a decimal point of the
// preferences, bit 7 wide text), eight bytes of a number and eight of an
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
    Require(FmtLib::CreateInputNumber(settings, raw) == 0 && raw != nullptr);
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
  Require(length >= 0 && static_cast<std::size_t>(length) <= n);
  return ok;
}

void CheckIntegerTests(FmtLib::zvInputNumber& scanner, double value) {
  long l = 0;
  if (scanner.IsInteger(l)) Require(value == static_cast<double>(l) && l >= -2147483648L && l <= 2147483647L);
  unsigned long u = 0;
  if (scanner.IsUnsignedInteger(u)) Require(value == static_cast<double>(u) && u <= 4294967295UL);
}

// The input form of a finite number reads back whole, to within the
// rounding of twenty significant digits.
void CheckWrittenReadsBack(FmtLib::zvInputNumber& scanner, double value) {
  Require(scanner.Format(value));
  const ucs2string written(scanner.c_str());
  double back = 0;
  int length = 0;
  Require(ScanExact(scanner, written.c_str(), written.length(), back, length));
  Require(static_cast<std::size_t>(length) == written.length());
  // Below 1e-300 the scale rule of the reader drops digits (its "k > 20"
  // underflow); those values are left out here.
  if (std::abs(value) >= 1e-300) Require(std::abs(back - value) <= std::abs(value) * 1e-12);
}

void CheckWholeReadsBack(FmtLib::zvInputNumber& scanner, std::int64_t whole) {
  // Whole numbers a double holds exactly.
  whole %= (std::int64_t{1} << 53);
  Require(scanner.Format(static_cast<long>(whole)));
  const ucs2string written(scanner.c_str());
  double back = 0;
  int length = 0;
  Require(ScanExact(scanner, written.c_str(), written.length(), back, length));
  Require(static_cast<std::size_t>(length) == written.length() && back == static_cast<double>(whole));
  const unsigned long positive = static_cast<unsigned long>(whole < 0 ? -whole : whole);
  Require(scanner.Format(positive));
  const ucs2string unsignedText(scanner.c_str());
  Require(ScanExact(scanner, unsignedText.c_str(), unsignedText.length(), back, length));
  Require(back == static_cast<double>(positive));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzInput in(data, size);
  const std::uint8_t mode = in.byte();
  const double number = in.real();
  const std::int64_t whole = static_cast<std::int64_t>((std::uint64_t{in.u32()} << 32) | in.u32());
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
    Require(value == untouched);
    long l;
    unsigned long u;
    scanner.IsInteger(l);
    scanner.IsUnsignedInteger(u);
  }
  if (std::isfinite(number)) CheckWrittenReadsBack(scanner, number);
  CheckWholeReadsBack(scanner, whole);
  return 0;
}
