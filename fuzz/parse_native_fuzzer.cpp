// The table-driven dialects other than the serial one: the native dialect
// of a language and the spreadsheet-style (Halcyon) dialect of a
// spreadsheet language. Any text reads into a pattern of the asked kind in
// which the error token stands alone; what the dialect writes of it reads
// back token for token; every other dialect writes it without changing it;
// and it formats numbers or instants.
//
// Input: one byte choosing the dialect (below), one byte (bits 0-2 the
// locale of the formats, bit 7 wide text), then the text.
#include <array>
#include <cstdint>

#include "kti18n/base/exception.h"

#include "format_fuzz_support.h"

using namespace fuzz_format;

namespace {

// Native dialects by language ("ja" and "ko" escape with "!"), then Halcyon
// ones by spreadsheet code and language; each for numbers and for dates.
struct Dialect {
  bool halcyon;
  const char* code;
  const char* language;
};
constexpr Dialect kDialects[] = {{false, nullptr, "en"}, {false, nullptr, "ja"}, {false, nullptr, "ko"},
                                 {false, nullptr, "de"}, {true, "EN", "en"},    {true, "GE", "de"},
                                 {true, "FR", "fr"},     {true, "JP", "ja"},    {true, "RU", "hu"},
                                 {true, "CS", "zh"},     {true, "KR", "ko"},    {true, nullptr, nullptr}};
constexpr std::size_t kDialectCount = std::size(kDialects);
// Per dialect: dates, numbers, numbers with "%" as the percent-sign token.
constexpr std::size_t kVariants = 3;

FmtLib::zvStringFormat* Make(const Dialect& d, std::size_t variant) {
  using namespace FmtLib;
  if (!d.halcyon)
    return variant == 0 ? static_cast<zvStringFormat*>(CreateStringFormatDate(d.language, nullptr))
                        : CreateStringFormatNumber(d.language, nullptr);
  if (variant == 0) return CreateHalcyonStringFormatDate(d.code, d.language, nullptr);
  return CreateHalcyonStringFormatNumber(d.code, d.language, nullptr, variant == 2);
}

// The string format of a dialect and variant, built on first use; null when
// the dialect has no dictionary for that side (the factory refuses).
const FmtLib::zvStringFormat* Reader(std::size_t dialect, std::size_t variant) {
  static std::array<StringFormat, kDialectCount * kVariants> formats;
  static std::array<bool, kDialectCount * kVariants> tried{};
  const std::size_t i = dialect * kVariants + variant;
  if (!tried[i]) {
    tried[i] = true;
    try {
      formats[i].reset(Make(kDialects[dialect], variant));
    } catch (const ZVException& e) {
      REQUIRE(e.code() == zvMakeStatus(0x8004112Du));
    }
  }
  return formats[i].get();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzInput in(data, size);
  const std::uint8_t choice = in.byte();
  const std::uint8_t mode = in.byte();
  const std::size_t variant = choice % kVariants;
  const bool date = variant == 0;
  Env& env = Env::Get();
  const FmtLib::zvStringFormat* reader = Reader((choice / kVariants) % kDialectCount, variant);
  if (reader == nullptr) return 0;
  const ucs2string text = TextOf(in, mode & 0x80);

  FmtLib::zvFmtPattern* raw = nullptr;
  REQUIRE(reader->Parse(text, raw) == 0);
  Pattern p(raw);
  REQUIRE(p != nullptr && p->IsDate() == date);
  const bool error = IsErrorPattern(*p);
  for (const FmtLib::zvToken* t : *p) REQUIRE(error || t->IsLiteral() || t->Token() != FmtLib::TK_ERROR);

  // The error token has no text outside the serial dialect.
  if (!error) {
    const ucs2string written = RenderUnchanged(*reader, *p);
    FmtLib::zvFmtPattern* again = nullptr;
    REQUIRE(reader->Parse(written, again) == 0);
    Pattern owned(again);
    REQUIRE(TokensOf(*owned) == TokensOf(*p));
  }
  RenderEverywhere(*p);
  FormatThrough(env.SettingsAt((mode & 7) % kLocaleCount), *p);
  return 0;
}
