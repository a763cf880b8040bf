// The spreadsheet dialect: format codes such as "#,##0.00;[Red]\(#,##0.00\)",
// "General", "0%" or "dddd, mmmm d, yyyy", as spreadsheet files store them.
//
// Two kinds of string format speak it:
// - the writers (CreateExcelSerialStringFormat...) write a pattern as a
//   spreadsheet code and never read: their Parse fails with 0x80004005 and
//   a null pattern;
// - the readers (CreateExcelStringFormat...) also read spreadsheet codes into
//   ordinary token patterns, which CreateNumberFormat and CreateDateFormat
//   format; their Render writes as the writers do.
//
// Spreadsheet codes can say things the token vocabulary cannot (fractions,
// conditions, scaling by a thousand, elapsed hours, locale tags). A reader
// reads such a code as far as it can and returns ZV_S_READ_APPROXIMATELY
// instead of 0, together with the pattern it built; ReadExcelFormat also
// tells which features were approximated.
//
// Both kinds keep a counted reference to their settings (the default formats
// and Boolean words come from there), are immutable, and may be used by
// several threads at once.
#ifndef KTI18N_FMTLIB_EXCEL_STRING_FORMAT_H
#define KTI18N_FMTLIB_EXCEL_STRING_FORMAT_H

#include <cstdint>
#include <string>

#include "kti18n/base/status.h"
#include "kti18n/fmtlib/izv_ptr.h"
#include "kti18n/fmtlib/settings.h"
#include "kti18n/fmtlib/string_format.h"

namespace FmtLib {

// The writer of number patterns. Render reshapes a copy of the pattern into
// what a spreadsheet code can express (positive, negative and zero sections;
// signs, brackets and Boolean words as literal text; percent marks
// reconciled) and writes it; the given pattern is never changed.
class zvExcelStringFormatNumber : public zvStringFormatNumber {
 public:
  explicit zvExcelStringFormatNumber(izv_ptr<zvSettings>& settings);
  ~zvExcelStringFormatNumber() override;
  zvStatus Parse(const ucs2string& text, zvFmtPattern*& pattern) const override;
  bool Render(const zvFmtPattern& pattern, ucs2string& text) const override;

 protected:
  izv_ptr<zvSettings> m_settings;
  zvSettingsImp* m_imp;
};

// The writer of date patterns: the first section only, its colour first.
class zvExcelStringFormatDate : public zvStringFormatDate {
 public:
  explicit zvExcelStringFormatDate(izv_ptr<zvSettings>& settings);
  ~zvExcelStringFormatDate() override;
  zvStatus Parse(const ucs2string& text, zvFmtPattern*& pattern) const override;
  bool Render(const zvFmtPattern& pattern, ucs2string& text) const override;

 protected:
  izv_ptr<zvSettings> m_settings;
  zvSettingsImp* m_imp;
};

// The writers. Null when no memory; any other failure while building
// (such as null settings) throws ZVException(0x8004112D).
zvStringFormatNumber* CreateExcelSerialStringFormatNumber(izv_ptr<zvSettings>& settings);
zvStringFormatDate* CreateExcelSerialStringFormatDate(izv_ptr<zvSettings>& settings);

// The readers: Parse reads a spreadsheet code (0, or ZV_S_READ_APPROXIMATELY
// when the pattern only approximates the code; a code that cannot be read at
// all, such as an unclosed quote, gives the error pattern T[Err] and 0, as
// the other dialects do); Render writes as the writers. Building fails as
// for the writers.
zvStringFormatNumber* CreateExcelStringFormatNumber(izv_ptr<zvSettings>& settings);
zvStringFormatDate* CreateExcelStringFormatDate(izv_ptr<zvSettings>& settings);

// What a reading approximated, one bit per feature.
enum zvExcelApproximation : std::uint32_t {
  EXCEL_EXACT = 0,
  EXCEL_FRACTION = 1u << 0,         // "# ?/?": written as decimals
  EXCEL_CONDITION = 1u << 1,        // "[>100]": sections chosen by sign
  EXCEL_SCALING = 1u << 2,          // "#,##0,": not divided by 1000
  EXCEL_ELAPSED = 1u << 3,          // "[h]": the hour of the day
  EXCEL_LOCALE_TAG = 1u << 4,       // "[$-409]", "[$€-407]": the caller's locale
  EXCEL_SPACE_DIGIT = 1u << 5,      // "?": no space for a missing digit
  EXCEL_COLOR = 1u << 6,            // "[Color20]": the nearest of sixteen colours
  EXCEL_TEXT_SECTION = 1u << 7,     // "@" among literal text: the text is not placed
  EXCEL_DATE_SECTIONS = 1u << 8,    // sections after the first of a date code
  EXCEL_UNKNOWN_CODE = 1u << 9,     // an unknown bracketed code, or a code of the other kind
  EXCEL_NAME_FORM = 1u << 10,       // "mmmmm", "A/P", "b": a name form without a token
};

// Reads a spreadsheet code into `out` (cleared first; a number or date
// pattern as `out` is). Result as the readers' Parse; `approximations`
// (optional) receives the zvExcelApproximation bits.
zvStatus ReadExcelFormat(const ucs2string& code, zvFmtPattern& out, std::uint32_t* approximations = nullptr);

// Short English names of the approximation bits, comma-separated.
std::string DescribeExcelApproximations(std::uint32_t approximations);

// Whether a spreadsheet code formats dates and times (it holds date or time
// codes outside quotes and escapes) rather than numbers: how a spreadsheet
// tells a date cell from a number cell.
bool IsExcelDateCode(const ucs2string& code);

}  // namespace FmtLib

#endif
