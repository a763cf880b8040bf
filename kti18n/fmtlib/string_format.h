// String formats: translation between a format pattern (a list of
// dialect-free tokens) and the format string of one dialect.
//
// Parse reads a dialect's text into a new pattern; Render appends the
// dialect's text of a pattern to a string. The dialects read and written by
// the factories below are the native dialect of a language (keywords from
// the language's dictionary, colour names in square brackets, quotes and an
// escape character for literal text), the spreadsheet-style (Halcyon)
// dialect (escapes only, month and minute written alike) and the serial
// dialect in which patterns are stored (T[code] per token, L[text] per
// literal). Number and date patterns have string formats of their own.
//
// String formats are immutable: several threads may use one at once.
#ifndef KTI18N_FMTLIB_STRING_FORMAT_H
#define KTI18N_FMTLIB_STRING_FORMAT_H

#include "kti18n/base/status.h"
#include "kti18n/fmtlib/fmt_pattern.h"
#include "kti18n/text/ucs2string.h"

namespace FmtLib {

class zvStringFormat {
 public:
  virtual ~zvStringFormat();
  // Deletes the pattern that `pattern` designates (if any), stores a new
  // pattern of the format's kind in it and fills it from text. Text that
  // cannot be read (an escape at the end, an unclosed quote, a malformed
  // serial literal, text outside L[..] in the serial dialect) leaves the
  // single error token T[Err] in the pattern; the result is still 0. The
  // result is 0x80004005 when the reading itself failed (no memory), or
  // when a writer-only dialect is asked to read.
  virtual zvStatus Parse(const ucs2string& text, zvFmtPattern*& pattern) const = 0;
  // Appends the dialect text of the pattern to text (which is not cleared).
  virtual bool Render(const zvFmtPattern& pattern, ucs2string& text) const = 0;

  zvStringFormat& operator=(const zvStringFormat&) = default;

 protected:
  zvStringFormat() = default;
  zvStringFormat(const zvStringFormat&) = default;
};

// Returned by the number factories; Parse creates number patterns.
class zvStringFormatNumber : public zvStringFormat {
 public:
  zvStringFormatNumber() = default;
  zvStringFormatNumber(const zvStringFormatNumber&) = default;
  zvStringFormatNumber& operator=(const zvStringFormatNumber&) = default;
  ~zvStringFormatNumber() override;
};

// Returned by the date factories; Parse creates date patterns.
class zvStringFormatDate : public zvStringFormat {
 public:
  zvStringFormatDate() = default;
  zvStringFormatDate(const zvStringFormatDate&) = default;
  zvStringFormatDate& operator=(const zvStringFormatDate&) = default;
  ~zvStringFormatDate() override;
};

// The factories. Each returns a new string format owned by the caller, or
// null when memory for it cannot be had. A language, kind or code without a
// dictionary or colour dictionary, a global locale without collation or
// character classes, or any other failure while building throws
// ZVException(0x8004112D). The three strings of the Halcyon factories are
// passed to the dictionary look-ups unchanged (a spreadsheet language code
// such as "GE", a language, a country); `language` and `kind` of the
// native factories are a language and a country.

// Native dialect: escape "!" for "ja" and "ko", else "\"; quotes; colours;
// at most three section separators for numbers and one for dates (the text
// after the last is read as literal text).
zvStringFormatNumber* CreateStringFormatNumber(const char* language, const char* kind);
zvStringFormatDate* CreateStringFormatDate(const char* language, const char* kind);
// Halcyon dialect: escape "!" for the codes "JP" and "KR", else "\"; no
// quotes; colours. With `percent`, "%" reads as and writes the token
// "times 100 and sign". Dates tell months from minutes by context.
zvStringFormatNumber* CreateHalcyonStringFormatNumber(const char* code, const char* language,
                                                      const char* country, bool percent);
zvStringFormatDate* CreateHalcyonStringFormatDate(const char* code, const char* language, const char* country);
// Serial dialect.
zvStringFormatNumber* CreateSerialStringFormatNumber();
zvStringFormatDate* CreateSerialStringFormatDate();

}  // namespace FmtLib

#endif
