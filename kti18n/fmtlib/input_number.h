// Input numbers: reading a number a user typed, in the conventions of the
// locale bound to a settings object, and writing numbers back in the same
// plain form (no grouping, no currency, no percent), so that a value can be
// put into an edit field and the user's change read back.
//
// The syntax is fixed; only its characters come from the locale and the
// preferences:
//   [space] [sign] [space] digits [separator [digits]] [[space] e [space] [sign] [space] digits]
// with at least one mantissa digit on either side of the decimal separator.
// Digits are any Unicode decimal digits (scripts may be mixed); grouping
// separators are never accepted. Reading stops at the first character that
// does not fit: the text after the number is not examined.
#ifndef KTI18N_FMTLIB_INPUT_NUMBER_H
#define KTI18N_FMTLIB_INPUT_NUMBER_H

#include "kti18n/base/status.h"
#include "kti18n/fmtlib/izv_ptr.h"
#include "kti18n/fmtlib/settings.h"
#include "kti18n/text/formatter.h"

class zv_num_put;

namespace FmtLib {

class zvInputNumber {
 public:
  virtual ~zvInputNumber();
  // Reads a number from text (0-terminated). length receives the number of
  // units consumed, on success and on failure; value is written only on
  // success. Fails when no mantissa digit is found, when an exponent letter
  // has no digits, and when the scale exceeds 10^308 (an overflow).
  virtual bool Scan(const unsigned short* text, double& value, int& length) = 0;
  // Whether the last scan (successful or not) read a whole number that a
  // 32-bit signed integer holds; value is then the number.
  virtual bool IsInteger(long& value) = 0;
  // The same for a 32-bit unsigned integer; a negative sign refuses.
  virtual bool IsUnsignedInteger(unsigned long& value) = 0;
  // Write a number in the plain input form; c_str() gives the text.
  virtual bool Format(unsigned long value) = 0;
  virtual bool Format(long value) = 0;
  virtual bool Format(double value) = 0;
  virtual const unsigned short* c_str() = 0;

  zvInputNumber& operator=(const zvInputNumber&) = default;

 protected:
  zvInputNumber() = default;
  zvInputNumber(const zvInputNumber&) = default;
};

class zvInputNumberImp : public zvInputNumber {
 public:
  // Throws ZVException 0x80041123 for null settings and 0x8004112B when the
  // settings' locale has no zv_num_put.
  explicit zvInputNumberImp(izv_ptr<zvSettings>& settings);
  ~zvInputNumberImp() override;
  zvInputNumberImp(const zvInputNumberImp&) = delete;
  zvInputNumberImp& operator=(const zvInputNumberImp&) = delete;

  bool Scan(const unsigned short* text, double& value, int& length) override;
  bool IsInteger(long& value) override;
  bool IsUnsignedInteger(unsigned long& value) override;
  bool Format(unsigned long value) override;
  bool Format(long value) override;
  bool Format(double value) override;
  const unsigned short* c_str() override { return m_output.c_str(); }

 private:
  bool FormatWhole(double value);

  izv_ptr<zvSettings> m_settings;
  const zvSettingsImp* m_settingsImp;
  const zv_num_put* m_numPut;
  ucs2string_formatter m_output;
  // The last scan: its value is the magnitude until the sign is applied.
  bool m_notInteger = false;
  double m_value = 0.0;
  bool m_negative = false;
  // The characters of the syntax, taken once.
  unsigned short m_negativeSign, m_positiveSign, m_exponentSign, m_exponentSignLower, m_decimalPoint;
  // The digit engine's outputs for Format.
  ucs2string_formatter m_integerDigits, m_fractionDigits, m_exponentDigits;
};

// A new input number on settings into result (owned by the caller): 0, or
// 0x80004005 when it cannot be made (result is then left as it was).
zvStatus CreateInputNumber(izv_ptr<zvSettings>& settings, zvInputNumber*& result);

}  // namespace FmtLib

#endif
