// The one implementation of zvDateFormat. Building keeps a copy of the
// pattern's first section and the literals of its text section; formatting
// walks the kept tokens.
//
// The result and work buffers are members holding 500 units inline, and
// numbers are written digit by digit into them, so formatting a date whose
// text is shorter allocates nothing.
#ifndef KTI18N_FMTLIB_DATE_FORMAT_IMP_H
#define KTI18N_FMTLIB_DATE_FORMAT_IMP_H

#include <memory>
#include <vector>

#include "kti18n/fmtlib/date_format.h"
#include "kti18n/text/formatter.h"

namespace FmtLib {

class zvDateFormatImp final : public zvDateFormat {
 public:
  // Throws ZVException(0x80041123) when settings is null.
  explicit zvDateFormatImp(const izv_ptr<zvSettings>& settings);
  ~zvDateFormatImp() override;
  zvDateFormatImp(const zvDateFormatImp&) = delete;
  zvDateFormatImp& operator=(const zvDateFormatImp&) = delete;

  bool FormatText() override;
  const unsigned short* c_str() const override { return m_result.c_str(); }
  int GetColor() const override { return m_resultColor; }
  bool Format(const TimeLib::zvCalendarTime& time) override;
  // 0, or 0x80004005 for a number or null pattern and a default format the
  // settings cannot give.
  virtual zvStatus BuildFrom(zvFmtPattern* pattern);
  // A default-format token (300 to 314).
  virtual zvStatus BuildFrom(const zvToken& token);

  // For tests and tools: the kept tokens.
  const zvFmtPattern& Pattern() const { return *m_pattern; }

 private:
  class Writer;
  friend class Writer;

  // One kept token: its number and, for literals, its text (owned by
  // m_pattern).
  struct Step {
    zvFmtTokens token;
    const unsigned short* text;
    unsigned length;
  };

  // A name of the calendar-names facet with its length, looked up once.
  struct Name {
    const unsigned short* text;
    unsigned length;
  };
  struct Names {
    Name months[12], shortMonths[12], days[7], shortDays[7], amPm[2];
  };

  izv_ptr<zvSettings> m_settings;
  const zvSettingsImp* m_settingsImp;
  ucs2string_formatter m_result;
  ucs2string_formatter m_work;
  std::unique_ptr<zvFmtPattern> m_pattern;
  ucs2string m_textSection;
  int m_resultColor = 0;
  int m_sectionColor = 0;
  int m_textColor = 0;
  std::vector<Step> m_steps;
  Names m_names;

  zvStatus BuildFromDefault(int kind);
  void ReadNames();
  void ReplacePattern(std::unique_ptr<zvFmtPattern> pattern);
};

}  // namespace FmtLib

#endif
