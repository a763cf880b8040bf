// Number and date formats built from token sequences that no reader would
// produce: any token of the tables in any order and on either side, tokens
// that are not tokens, literals of any text, default-format tokens and
// kinds out of range. Building either succeeds or refuses; a built format
// formats a few numbers or instants (one of them from the input), and every
// writer writes the pattern without changing it.
//
// Input: one byte (bit 0 a date pattern, bits 1-4 the settings), one byte
// for a default-format kind, eight bytes of a value, then up to 64 tokens: a
// byte each, 0xFF for a literal whose text follows (to a 0 byte), 0xF8 to 0xFE
// for numbers that are not tokens, any other byte for an entry of the
// token table.
#include <cstdint>
#include <exception>
#include <limits>

#include "kti18n/fmtlib/fmt_tokens.h"

#include "format_fuzz_support.h"

using namespace fuzz_format;

namespace {

constexpr int kNotTokens[] = {0, 4, 44, 72, 299, 354, 416};

// The settings: one per locale, then the classic locale with every
// preference the formats read (a decimal point that is a digit elsewhere,
// an empty separator, empty and long Boolean words).
Settings& SettingsFor(std::size_t choice) {
  if (choice < kLocaleCount) return Env::Get().SettingsAt(choice);
  static Settings own = MakeSettings(zv_locale::classic(), {{"decimal_point", ucs2string(u"\u0661")},
                                                            {"thousands_sep", ucs2string()},
                                                            {"true_word", ucs2string(u"oui, vraiment")},
                                                            {"false_word", ucs2string()}});
  return own;
}

// Longer patterns add nothing that a short one does not reach, only time.
constexpr int kMaxTokens = 64;

void ReadTokens(FuzzInput& in, FmtLib::zvFmtPattern& p) {
  const auto table = FmtLib::AllTokenInfos();
  while (in.remaining() > 0 && p.size() < kMaxTokens) {
    const std::uint8_t b = in.byte();
    if (b == 0xFF) {
      const std::string text = in.text();
      ucs2string literal;
      for (unsigned char c : text) literal += static_cast<unsigned short>(c < 0x80 ? c : kWideUnits[c & 15]);
      p.push_back(literal);
    } else if (b >= 0xF8) {
      p.push_back(static_cast<FmtLib::zvFmtTokens>(kNotTokens[b - 0xF8]));
    } else {
      p.push_back(table[b % table.size()].token);
    }
  }
}

void FormatDefault(Settings& settings, bool date, int kind) {
  using namespace FmtLib;
  const auto k = static_cast<fmtLibDefaultFormats>(kind);
  if (date) {
    zvDateFormat* raw = nullptr;
    if (CreateDefaultDateFormat(settings, k, raw) != 0) return REQUIRE(raw == nullptr);
    std::unique_ptr<zvDateFormat> f(raw);
    for (const TimeLib::zvCalendarTime& t : Env::Get().Instants()) {
      REQUIRE(f->Format(t));
      Touch(f->c_str());
    }
  } else {
    zvNumberFormat* raw = nullptr;
    if (CreateDefaultNumberFormat(settings, k, raw) != 0) return REQUIRE(raw == nullptr);
    std::unique_ptr<zvNumberFormat> f(raw);
    REQUIRE(f->Format(-1234.5678));
    Touch(f->c_str());
  }
}

// The input's own value: a number, or an instant of that many milliseconds
// from 1970 when the calendar takes it.
void FormatValue(Settings& settings, FmtLib::zvFmtPattern& p, double value) {
  using namespace FmtLib;
  if (!p.IsDate()) {
    zvNumberFormat* raw = nullptr;
    if (CreateNumberFormat(settings, &p, raw) != 0) return;
    std::unique_ptr<zvNumberFormat> f(raw);
    REQUIRE(f->Format(value));
    Touch(f->c_str());
    return;
  }
  if (!(std::abs(value) < 1e15)) return;
  using namespace TimeLib;
  std::unique_ptr<zvCalendarTime> t;
  try {
    const zvPhysicalTime instant = zvPhysicalTime::Epoch + zvDuration::Millisecond * value;
    t = std::make_unique<zvCalendarTime>(instant, zvTimeZone::utc(), zvCalendar::gregorian());
  } catch (const std::exception&) {
    return;
  }
  zvDateFormat* raw = nullptr;
  if (CreateDateFormat(settings, &p, raw) != 0) return;
  std::unique_ptr<zvDateFormat> f(raw);
  REQUIRE(f->Format(*t));
  Touch(f->c_str());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzInput in(data, size);
  const std::uint8_t mode = in.byte();
  const bool date = mode & 1;
  const int kind = static_cast<int>(in.byte()) - 8;
  const double value = in.real();
  Env::Get();
  Settings& settings = SettingsFor((mode >> 1) % (kLocaleCount + 1));

  Pattern p(date ? FmtLib::CreateDateFmtPattern() : FmtLib::CreateNumberFmtPattern());
  ReadTokens(in, *p);
  const Writers& w = Env::Get().WritersFor(date);
  for (const StringFormat* f : {&w.serial, &w.native, &w.nativeJa, &w.halcyon, &w.excel}) RenderUnchanged(**f, *p);

  const TokenList before = TokensOf(*p);
  FormatThrough(settings, *p);
  FormatValue(settings, *p, value);
  REQUIRE(TokensOf(*p) == before);  // a format keeps no hold on its pattern
  FormatDefault(settings, date, kind);
  return 0;
}
