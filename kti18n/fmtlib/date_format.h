// Date formats: a date pattern kept once (its first section, plus an
// optional text-only second section) and written for a calendar time under
// a settings object: fields from the calendar time, names from the locale's
// calendar names, numbers in the locale's digits.
//
// A format belongs to one thread at a time; it keeps its settings alive and
// does not keep the pattern it was built from.
#ifndef KTI18N_FMTLIB_DATE_FORMAT_H
#define KTI18N_FMTLIB_DATE_FORMAT_H

#include "kti18n/base/status.h"
#include "kti18n/fmtlib/fmt_pattern.h"
#include "kti18n/fmtlib/format.h"
#include "kti18n/fmtlib/izv_ptr.h"
#include "kti18n/fmtlib/settings.h"
#include "kti18n/time/calendar_time.h"

namespace FmtLib {

class zvDateFormat : public zvFormat {
 public:
  ~zvDateFormat() override;
  // Writes the calendar time; returns true. c_str() and GetColor() give the
  // result.
  virtual bool Format(const TimeLib::zvCalendarTime& time) = 0;
};

// Builds a format from a date pattern into out (owned by the caller). 0, or
// 0x80004005 for a number or null pattern, a default-format token the
// settings have no text for, or any other failure (out is then left as it
// was).
zvStatus CreateDateFormat(izv_ptr<zvSettings>& settings, zvFmtPattern* pattern, zvDateFormat*& out);
// The locale's default format of a kind, FULL_DATE .. INPUT_DATE_TIME; any
// other kind gives 0x80004005.
zvStatus CreateDefaultDateFormat(izv_ptr<zvSettings>& settings, fmtLibDefaultFormats kind, zvDateFormat*& out);

}  // namespace FmtLib

#endif
