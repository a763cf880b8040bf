// Date-time values printed with any pattern: values made from any double
// (NaN, infinities, huge) or any fields are either refused cleanly or
// valid, a valid value breaks down into a valid date and time of day, and
// printing reads the pattern only to its terminator (it is copied into a
// buffer of exactly its size), writes the same through both outputs and
// writes nothing for the null value.
//
// Input: one byte (bits 0-1 how the value is made, bits 2-4 the locale, bit
// 7 a wide pattern), the value's bytes (eight of a double, then four of a
// year, one each of month, day, hour, minute, second, two of a
// millisecond, eight of a fraction), then the pattern.
#include <cmath>
#include <cstdint>
#include <ctime>
#include <memory>
#include <sstream>

#include "kti18n/base/exception.h"
#include "kti18n/time/date_time.h"

#include "format_fuzz_support.h"

using namespace fuzz_format;

namespace {

constexpr zvStatus kSetOk = zvMakeStatus(0x00041100u);
constexpr zvStatus kInvalid = zvMakeStatus(0x80041123u);

struct Raw {
  double real, fraction;
  int year, month, day, hour, minute, second, millisecond;
};

Raw ReadRaw(FuzzInput& in) {
  Raw r;
  r.real = in.real();
  r.year = static_cast<std::int32_t>(in.u32());
  // Small fields, now and then far out of range.
  r.month = static_cast<std::int8_t>(in.byte());
  r.day = static_cast<std::int8_t>(in.byte());
  r.hour = static_cast<std::int8_t>(in.byte());
  r.minute = static_cast<std::int8_t>(in.byte());
  r.second = static_cast<std::int8_t>(in.byte());
  r.millisecond = static_cast<std::int16_t>((in.byte() << 8) | in.byte());
  r.fraction = in.real();
  return r;
}

// Years are fuzzed around the valid range more often than across all ints.
int NearRange(int year) { return year % 40000; }

zv_date_time Make(unsigned how, const Raw& r) {
  zv_date_time v;
  switch (how) {
    case 0: {
      const bool refused = std::isnan(r.real) || !zv_date_time::IsValidModifiedJulianDate(r.real);
      try {
        v = zv_date_time(r.real);
        REQUIRE(!refused || v.IsNull());
      } catch (const ZVException& e) {
        REQUIRE(refused && e.code() == kInvalid);
      }
      return v;
    }
    case 1: {
      const zvStatus s = v.Set(NearRange(r.year), r.month, r.real, r.fraction);
      REQUIRE(s == kSetOk || (s == kInvalid && v.IsNull()));
      return v;
    }
    case 2: {
      const zvStatus s = v.Set(NearRange(r.year), r.month, r.day, r.hour, r.minute, r.second, r.millisecond);
      REQUIRE(s == kSetOk || (s == kInvalid && v.IsNull()));
      return v;
    }
    default: {
      const zvStatus s = v.Set(r.real);
      REQUIRE(s == kSetOk || (s == kInvalid && v.IsNull()));
      return v;
    }
  }
}

// A valid value is a valid date with a time of day.
void CheckBreakdown(const zv_date_time& v) {
  REQUIRE(zv_date_time::IsValidModifiedJulianDate(v));
  int y, m, d, h, mi, s, ms;
  v.Ymd(y, m, d);
  REQUIRE(zv_date_time::IsValid(y, m, d));
  v.Hmsms(h, mi, s, ms);
  REQUIRE(zv_date_time::IsValidTime(h, mi, s, ms));
  v.Hms(h, mi, s);
  REQUIRE(h >= 0 && h <= 23 && mi >= 0 && mi <= 59 && s >= 0 && s <= 59);
  std::tm t{};
  v.GetTM(t);
  REQUIRE(t.tm_wday >= 0 && t.tm_wday <= 6 && t.tm_yday >= 0 && t.tm_yday <= 365);
  REQUIRE(v.WeekDay(0) >= 0 && v.WeekDay(0) <= 6);
  REQUIRE(v.YearDay() >= 1 && v.YearDay() <= 366);
  REQUIRE(v.YearWeek(0) >= 0 && v.YearWeek(0) <= 54);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzInput in(data, size);
  const std::uint8_t mode = in.byte();
  const Raw raw = ReadRaw(in);
  const ucs2string pattern = TextOf(in, mode & 0x80);
  Env& env = Env::Get();
  static std::unique_ptr<zv_locale> locales[kLocaleCount];
  std::unique_ptr<zv_locale>& locale = locales[(mode >> 2) % kLocaleCount];
  if (!locale) locale = std::make_unique<zv_locale>(LocaleAt((mode >> 2) % kLocaleCount));
  (void)env;

  const zv_date_time value = Make(mode & 3, raw);
  if (!value.IsNull()) CheckBreakdown(value);

  const std::size_t n = pattern.length();
  std::unique_ptr<unsigned short[]> buffer(new unsigned short[n + 1]);
  std::copy(pattern.c_str(), pattern.c_str() + n, buffer.get());
  buffer[n] = 0;

  // A text longer than a formatter holds is refused, through both outputs.
  ucs2string printed;
  ucs2string_formatter formatted;
  bool tooLong = false;
  try {
    value.Print(printed, buffer.get(), *locale);
  } catch (const ZVException& e) {
    REQUIRE(e.code() == ZV_E_LENGTH);
    tooLong = true;
  }
  try {
    value.Print(formatted, buffer.get(), *locale);
    REQUIRE(!tooLong && printed == ucs2string(formatted.c_str(), formatted.length()));
  } catch (const ZVException& e) {
    REQUIRE(tooLong && e.code() == ZV_E_LENGTH);
  }
  if (value.IsNull()) REQUIRE(printed.length() == 0);
  return 0;
}
