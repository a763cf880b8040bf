// Unreadable text never crashes: random and mutated strings go through every
// factory's Parse, then Render, and what is written reads back token for
// token in every dialect. Run under the sanitizer build, this is what
// catches reads past the end of the text.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "stringformat_support.h"

using namespace FmtLib;
using namespace sf_test;

namespace {

// Texts of every dialect, whole, to be cut and mutated.
const char16_t* const kSeeds[] = {
    u"T[#]T[gs]T[#]T[#]T[0]T[ds]T[0]T[0]T[FS]T[Cr]T[ns]T[0]T[ne]",
    u"T[0d]L[/]T[0M]L[/]T[y2]L[ ]T[023]L[:]T[0m]",
    u"L[a\\]b]L[\\\\]L[]T[Err]",
    u"#,##0.00;[Red](#,##0.00);'zero';text",
    u"dddd, MMMM d yyyy 'at' HH:mm:ss;[Blue]x",
    u"[%]0.0E+00\\;'it''s'",
    u"TT.MM.JJJJ hh:mm:ss AM/PM",
    u"[Rot]#.##0,00%;[Schwarz]-0",
    u"!0'a!'b'[黒]",
};

// Characters that drive the readers: quotes, escapes, brackets, the serial
// markers, keywords, and units outside ASCII (a lone surrogate, U+FFFF).
const char16_t kAlphabet[] = u"'\\![]LT%;0#.,dmMhHsyE+-() aé黒\xD800\xFFFF";

ucs2string RandomText(std::mt19937& rng) {
  const unsigned n = rng() % 24;
  ucs2string s;
  for (unsigned i = 0; i < n; ++i) s += static_cast<unsigned short>(kAlphabet[rng() % (std::size(kAlphabet) - 1)]);
  return s;
}

ucs2string Mutated(std::mt19937& rng) {
  ucs2string s(kSeeds[rng() % std::size(kSeeds)]);
  for (unsigned edits = 1 + rng() % 3; edits > 0 && !s.empty(); --edits) {
    const unsigned at = rng() % s.length();
    const unsigned short ch = static_cast<unsigned short>(kAlphabet[rng() % (std::size(kAlphabet) - 1)]);
    switch (rng() % 4) {
      case 0: s.erase(at, 1); break;
      case 1: s.insert(at, 1, ch); break;
      case 2: s[at] = ch; break;
      default: s.erase(at); break;  // cut: unclosed quotes, brackets, L[
    }
  }
  return s;
}

struct Dialect {
  const char* name;
  Format format;
  bool serial;
};

std::vector<Dialect> EveryFactory() {
  std::vector<Dialect> all;
  all.push_back({"native number", Format(CreateStringFormatNumber("en", nullptr)), false});
  all.push_back({"native date ja", Format(CreateStringFormatDate("ja", nullptr)), false});
  all.push_back({"halcyon number", Format(CreateHalcyonStringFormatNumber("GE", "de", nullptr, true)), false});
  all.push_back({"halcyon date", Format(CreateHalcyonStringFormatDate("RU", "hu", nullptr)), false});
  all.push_back({"serial number", Format(CreateSerialStringFormatNumber()), true});
  all.push_back({"serial date", Format(CreateSerialStringFormatDate()), true});
  return all;
}

void Check(const Dialect& d, const ucs2string& text) {
  zvFmtPattern* raw = nullptr;
  ASSERT_EQ(d.format->Parse(text, raw), 0) << d.name << ": " << text;
  Pattern p(raw);
  ASSERT_NE(p, nullptr);
  // The error token stands alone (the serial dialect may also name it).
  for (const zvToken* t : *p) {
    if (!d.serial && !t->IsLiteral() && t->Token() == TK_ERROR) {
      ASSERT_EQ(p->size(), 1) << d.name << ": " << text;
    }
  }
  ucs2string written;
  ASSERT_TRUE(d.format->Render(*p, written));
  // What a dialect writes, it reads back token for token; only the error
  // token has no text outside the serial dialect.
  if (!d.serial && p->size() == 1 && !(*p->begin())->IsLiteral() && (*p->begin())->Token() == TK_ERROR) return;
  zvFmtPattern* again = nullptr;
  ASSERT_EQ(d.format->Parse(written, again), 0) << d.name << ": " << written;
  Pattern owned(again);
  EXPECT_EQ(Describe(*again), Describe(*p)) << d.name << ": " << text << " -> " << written;
}

TEST(StringFormatFuzz, RandomAndMutatedTextsNeverCrash) {
  FmtLibInitExit guard;
  const std::vector<Dialect> dialects = EveryFactory();
  std::mt19937 rng(7);
  for (int i = 0; i < 100000; ++i) {
    const ucs2string text = i % 2 ? RandomText(rng) : Mutated(rng);
    for (const Dialect& d : dialects) {
      Check(d, text);
      if (testing::Test::HasFatalFailure()) return;
    }
  }
}

TEST(StringFormatFuzz, EdgesOfTheText) {
  FmtLibInitExit guard;
  for (const Dialect& d : EveryFactory())
    for (const char16_t* text : {u"\\", u"!", u"'", u"''", u"'''", u"[", u"]", u"[]", u"[Red", u"L", u"L[", u"L[\\",
                                 u"T[", u"%", u";;;;", u"\0"})
      Check(d, ucs2string(text));
}

}  // namespace
