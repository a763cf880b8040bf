// zvFormatTranslator: the table-driven engine shared by the native, Halcyon
// and serial string formats. One configuration per dialect (see the
// factories in string_format.cpp) says which dictionary gives the keywords,
// whether colours stand in brackets, how literal text is protected, and how
// many section separators a text may hold before the rest is literal.
//
// The translator owns a copy of the global locale taken at construction:
// colour names are matched case-insensitively through its character classes
// and collation, so the result does not change if the global locale does.
#ifndef KTI18N_FMTLIB_FORMAT_TRANSLATOR_H
#define KTI18N_FMTLIB_FORMAT_TRANSLATOR_H

#include <vector>

#include "kti18n/fmtlib/fmt_pattern.h"
#include "kti18n/fmtlib/tokens_definition.h"
#include "kti18n/locale/locale.h"
#include "kti18n/text/ucs2string.h"

class zv_collate;
class zv_ctype;

namespace FmtLib {

struct zvTranslatorConfig {
  const zvTokensDefinition* dictionary = nullptr;
  const zvTokensDefinition* colors = nullptr;  // null: colours are not bracketed names
  bool escapeOn = false;
  unsigned short escapeChar = u'\\';
  bool quoteOn = false;
  bool monthMinuteFix = false;
  bool serial = false;
  bool percentSign = false;
  int maxSections = 0;  // 0: no limit
};

class zvFormatTranslator {
 public:
  // Throws ZVException(0x8004112B) when the global locale lacks collation
  // or character classes, and 0x80041123 for a null dictionary.
  explicit zvFormatTranslator(const zvTranslatorConfig& config);
  zvFormatTranslator(const zvFormatTranslator&) = delete;
  zvFormatTranslator& operator=(const zvFormatTranslator&) = delete;
  ~zvFormatTranslator();

  // Appends the tokens read from text to pattern. False when the text is
  // unreadable; the pattern then holds whatever was read so far, which the
  // caller replaces by the error pattern.
  bool Read(const ucs2string& text, zvFmtPattern& pattern) const;
  // Appends the dialect text of pattern to out.
  void Write(const zvFmtPattern& pattern, ucs2string& out) const;

  const zvTranslatorConfig& config() const { return m_config; }

 private:
  class Reader;

  struct LoweredColor {
    zvFmtTokens token;
    ucs2string lowered;
  };

  zvTranslatorConfig m_config;
  bool m_hasColours;
  zv_locale m_locale;
  const zv_collate* m_collate;
  const zv_ctype* m_ctype;
  // The colour dictionary's names, lower-cased once with the locale's
  // character classes, in dictionary order.
  std::vector<LoweredColor> m_loweredColors;
  unsigned m_longestColor = 0;

  // The colour token whose name equals [first, last) when both are lower-
  // cased and compared by the collation; 0 when none does.
  zvFmtTokens MatchColor(const unsigned short* first, const unsigned short* last) const;
  // The longest dictionary entry that the text at pos begins with; sets
  // length to its length. 0 when none.
  zvFmtTokens MatchKeyword(const ucs2string& text, unsigned pos, unsigned& length) const;
  void WriteLiteral(const unsigned short* s, unsigned n, bool escapes, bool quotes,
                    std::vector<unsigned short>& out) const;

  friend class Reader;
};

// Halcyon dates write months and minutes alike ("mm", "m") and their
// dictionaries read both as months: this walk tells them apart by what
// stands around them (a month number after an hour is a minute, a minute
// number beside a date field is a month...). Always succeeds.
void CorrectMonthMinute(zvFmtPattern& pattern);

}  // namespace FmtLib

#endif
