// Generation of the spreadsheet-style date tables from a language's letters.
//
// Spreadsheet users type date keywords in whatever letter case they like,
// so a table accepts every case combination of its letters. Rather than
// list those combinations by hand, each token names a case rule that is
// applied to the cased letters of a word, position by position:
//   - any case: every upper/lower combination, upper first; earlier letters
//     vary slowest, so "mm" gives MM, Mm, mM, mm;
//   - name rules (month and day names): "first two upper, rest any case"
//     (upper name), "first lower, rest any case" (lower name), "upper then
//     lower, rest any case" (capitalised name). Over four letters the three
//     rules share out all sixteen combinations exactly once;
//   - am/pm markers: the first marker upper / with a lower first letter /
//     capitalised, then "/", then the second marker in any case.
// Characters without a case (the dots of "A.M.") stay as they are and do
// not count as letters.
#include "kti18n/fmtlib/predefined_tables.h"

namespace FmtLib::predefined {
namespace {

struct Letter {
  unsigned short upper;
  unsigned short lower;
  bool cased() const { return upper != lower; }
};

// The letters of the tables are ASCII, Latin-1 (å) and basic Cyrillic.
Letter LetterOf(unsigned short c) {
  auto pair = [](unsigned u, unsigned l) { return Letter{static_cast<unsigned short>(u), static_cast<unsigned short>(l)}; };
  if (c >= 'A' && c <= 'Z') return pair(c, c + 0x20);
  if (c >= 'a' && c <= 'z') return pair(c - 0x20, c);
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return pair(c, c + 0x20);
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return pair(c - 0x20, c);
  if (c >= 0x410 && c <= 0x42F) return pair(c, c + 0x20);
  if (c >= 0x430 && c <= 0x44F) return pair(c - 0x20, c);
  return pair(c, c);
}

using Word = std::vector<Letter>;

Word WordOf(const char* utf8) {
  const ucs2string text(utf8);
  Word word;
  for (unsigned i = 0; i < text.length(); ++i) word.push_back(LetterOf(text[i]));
  return word;
}

Word Repeat(const char* utf8, int times) {
  const Word one = WordOf(utf8);
  Word word;
  for (int i = 0; i < times; ++i) word.insert(word.end(), one.begin(), one.end());
  return word;
}

// Hour letters are taken in the case given: their case tells the clock.
ucs2string Twice(const char* utf8) {
  const ucs2string once(utf8);
  return once + once;
}

enum class Case { kUpper, kLower, kAny };

// The case asked of the first cased letter, the second, and all later ones.
struct CaseRule {
  Case first, second, rest;
  Case at(int casedIndex) const { return casedIndex == 0 ? first : casedIndex == 1 ? second : rest; }
};

constexpr CaseRule kAnyCase{Case::kAny, Case::kAny, Case::kAny};
constexpr CaseRule kAllUpper{Case::kUpper, Case::kUpper, Case::kUpper};
constexpr CaseRule kCapitalised{Case::kUpper, Case::kLower, Case::kLower};
constexpr CaseRule kNameUpper{Case::kUpper, Case::kUpper, Case::kAny};
constexpr CaseRule kNameLower{Case::kLower, Case::kAny, Case::kAny};
constexpr CaseRule kNameCap{Case::kUpper, Case::kLower, Case::kAny};

std::vector<ucs2string> Expand(const Word& word, CaseRule rule) {
  std::vector<ucs2string> texts{ucs2string()};
  int casedIndex = 0;
  for (const Letter& letter : word) {
    if (!letter.cased()) {
      for (auto& t : texts) t += letter.upper;
      continue;
    }
    const Case wanted = rule.at(casedIndex++);
    std::vector<ucs2string> next;
    for (const auto& t : texts) {
      if (wanted != Case::kLower) next.push_back(t + letter.upper);
      if (wanted != Case::kUpper) next.push_back(t + letter.lower);
    }
    texts.swap(next);
  }
  return texts;
}

class TableWriter {
 public:
  void Add(zvFmtTokens token, const ucs2string& text) { m_entries.push_back({token, text}); }
  void Add(zvFmtTokens token, const std::vector<ucs2string>& texts) {
    for (const auto& t : texts) Add(token, t);
  }
  // A marker pair: the first marker by its rule, "/", the second in any case.
  void AddMarkers(zvFmtTokens token, const HalcyonDateLetters& l, CaseRule firstRule) {
    const auto seconds = Expand(WordOf(l.secondMarker), kAnyCase);
    for (const auto& first : Expand(WordOf(l.firstMarker), firstRule))
      for (const auto& second : seconds) Add(token, first + '/' + second);
  }
  // Full or abbreviated names under the three name rules.
  void AddNames(zvFmtTokens upper, zvFmtTokens lower, zvFmtTokens cap, const Word& word) {
    Add(upper, Expand(word, kNameUpper));
    Add(lower, Expand(word, kNameLower));
    Add(cap, Expand(word, kNameCap));
  }
  std::vector<GeneratedEntry> Take() { return std::move(m_entries); }

 private:
  std::vector<GeneratedEntry> m_entries;
};

}  // namespace

std::vector<GeneratedEntry> GenerateHalcyonDateTable(const HalcyonDateLetters& l) {
  TableWriter w;
  w.Add(TK_FORMAT_SEPARATOR, ";");
  w.AddMarkers(TK_AMPM_UPPER, l, kAllUpper);
  w.AddMarkers(TK_AMPM_LOWER, l, kNameLower);
  w.AddMarkers(TK_AMPM_CAP, l, kCapitalised);
  w.AddNames(TK_MONTH_NAME_UPPER, TK_MONTH_NAME_LOWER, TK_MONTH_NAME_CAP, Repeat(l.month, 4));
  w.AddNames(TK_ABB_MONTH_NAME_UPPER, TK_ABB_MONTH_NAME_LOWER, TK_ABB_MONTH_NAME_CAP, Repeat(l.month, 3));
  w.Add(TK_HOUR_00_23, Twice(l.hourUpper));
  w.Add(TK_HOUR_0_23, ucs2string(l.hourUpper));
  w.Add(TK_HOUR_01_12, Twice(l.hourLower));
  w.Add(TK_HOUR_1_12, ucs2string(l.hourLower));
  w.Add(TK_MONTH_01, Expand(Repeat(l.month, 2), kAnyCase));
  w.Add(TK_MONTH_1, Expand(Repeat(l.month, 1), kAnyCase));
  w.Add(TK_SECOND_00, Expand(Repeat(l.second, 2), kAnyCase));
  w.Add(TK_SECOND_0, ucs2string(l.second));
  w.Add(TK_YEAR_0000, Expand(Repeat(l.year, 4), kAnyCase));
  w.Add(TK_YEAR_00, Expand(Repeat(l.year, 2), kAnyCase));
  if (l.imperialYears) {
    w.Add(TK_JP_IMP_YEAR_0, Expand(WordOf("rr"), kAnyCase));
    w.Add(TK_JP_IMP_YEAR, std::vector<ucs2string>{"r", "R"});
    w.Add(TK_JP_IMP_YEAR_ENG, std::vector<ucs2string>{"g", "G"});
  }
  w.AddNames(TK_DAY_NAME_UPPER, TK_DAY_NAME_LOWER, TK_DAY_NAME_CAP, Repeat(l.day, 4));
  w.AddNames(TK_ABB_DAY_NAME_UPPER, TK_ABB_DAY_NAME_LOWER, TK_ABB_DAY_NAME_CAP, Repeat(l.day, 3));
  w.Add(TK_MONTH_DAY_00, Expand(Repeat(l.day, 2), kAnyCase));
  w.Add(TK_MONTH_DAY_0, Expand(Repeat(l.day, 1), kAnyCase));
  return w.Take();
}

}  // namespace FmtLib::predefined
