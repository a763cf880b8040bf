// Number formats: a number pattern compiled once into up to three sections
// (positive, negative, zero), each a small program of output operations,
// plus an optional text-only fourth section. Formatting chooses the section
// by the value's sign, scales it for percent tokens, gets its digits from
// the locale's digit engine and runs the section's program.
//
// A format belongs to one thread at a time; it keeps its settings alive and
// does not keep the pattern it was built from.
#ifndef KTI18N_FMTLIB_NUMBER_FORMAT_H
#define KTI18N_FMTLIB_NUMBER_FORMAT_H

#include "kti18n/base/status.h"
#include "kti18n/fmtlib/fmt_pattern.h"
#include "kti18n/fmtlib/format.h"
#include "kti18n/fmtlib/izv_ptr.h"
#include "kti18n/fmtlib/settings.h"

namespace FmtLib {

class zvNumberFormat : public zvFormat {
 public:
  ~zvNumberFormat() override;
  // Each writes the value and returns true; c_str() and GetColor() give the
  // result. Integers are converted to double exactly (up to 2^53).
  virtual bool Format(double value) = 0;
  virtual bool Format(long value) = 0;
  virtual bool Format(unsigned long value) = 0;
};

// Builds a format from a number pattern into out (owned by the caller). 0,
// or 0x80004005 for a date pattern, a default-format token the settings
// have no text for, or any other failure (out is then left as it was).
zvStatus CreateNumberFormat(izv_ptr<zvSettings>& settings, zvFmtPattern* pattern, zvNumberFormat*& out);
// The locale's default format of a kind: STANDARD, PERCENT, SCIENTIFIC or
// BOOLEAN; any other kind gives 0x80004005.
zvStatus CreateDefaultNumberFormat(izv_ptr<zvSettings>& settings, fmtLibDefaultFormats kind, zvNumberFormat*& out);

}  // namespace FmtLib

#endif
