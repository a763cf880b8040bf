// The one implementation of zvNumberFormat. Building compiles each section
// of the pattern into a program of operations and the digit counts the
// digit engine needs (number_format_compile.cpp); formatting runs the
// program of the chosen section (number_format.cpp).
//
// Every work buffer is a member sized for 500 units, so formatting a number
// whose text is shorter allocates nothing.
#ifndef KTI18N_FMTLIB_NUMBER_FORMAT_IMP_H
#define KTI18N_FMTLIB_NUMBER_FORMAT_IMP_H

#include <cstdint>
#include <string>
#include <vector>

#include "kti18n/fmtlib/number_format.h"
#include "kti18n/text/formatter.h"

class zv_num_put;

namespace FmtLib {

// The operations of a section's program; the comment says what each writes.
enum zvNumberOpCode : std::uint8_t {
  OP_FORMAT_ERROR = 0,        // "#FORMAT"
  OP_LITERAL = 1,             // literal number `argument`
  OP_SIGN = 2,                // the negative sign if negative, else the positive sign
  OP_NEGATIVE_SIGN = 3,       // the negative sign if negative
  OP_AUTO_SIGN = 4,           // the same, added by the compiler where no sign was asked for
  OP_OPTIONAL_DIGIT = 5,      // an integer digit when one is due at this placeholder
  OP_SURPLUS_DIGITS = 6,      // the integer digits beyond the placeholders
  OP_FORCED_DIGIT = 7,        // an integer digit, or the zero digit
  OP_OPTIONAL_FRACTION = 8,   // the next fraction digit, if any
  OP_FORCED_FRACTION = 9,     // the next fraction digit, or the zero digit
  OP_OPTIONAL_EXPONENT = 10,  // as 5, for the exponent, never grouped
  OP_SURPLUS_EXPONENT = 11,   // as 6, for the exponent
  OP_FORCED_EXPONENT = 12,    // as 7, for the exponent
  OP_DECIMAL_POINT = 13,      // when the section keeps it or fraction digits follow
  OP_OPEN_BRACKET = 14,       // "(" if negative
  OP_CLOSE_BRACKET = 15,      // ")" if negative
  OP_EXPONENT_UPPER_SIGN = 16,   // "E" and the exponent's sign
  OP_EXPONENT_UPPER = 17,        // "E" and the exponent's sign when negative
  OP_EXPONENT_LOWER_SIGN = 18,   // "e" and the exponent's sign
  OP_EXPONENT_LOWER = 19,        // "e" and the exponent's sign when negative
  OP_PERCENT = 20,            // "%"
  OP_BOOL = 21,               // the false word for zero, else the true word
  OP_TRUE = 22,
  OP_FALSE = 23,
};

struct zvNumberOp {
  zvNumberOpCode code;
  std::int32_t argument;
};

// One compiled section.
struct zvNumberSection {
  bool grouping = false;          // a grouping separator stood among the integer placeholders
  bool scientific = false;        // the section has an exponent
  bool keepDecimal = false;       // a forced digit stood after the decimal separator
  int integerPlaceholders = 0;    // "#" and "0" before the decimal separator or exponent
  int minExponentDigits = 0;      // "0" in the exponent
  int optionalExponentDigits = 0; // "#" in the exponent
  int minFraction = 0;            // "0" directly after the decimal separator
  int maxFraction = 0;            // "#" and "0" after the decimal separator
  std::vector<ucs2string> literals;
  std::vector<zvNumberOp> program;
  std::string integerMask;        // '#' or '0' per integer placeholder, left to right
  std::string exponentMask;
  int color = 0;                  // 0, or 1 to 16
  bool percentWithSign = false;   // "times 100 and sign" stood in the section
  int percentCount = 0;           // "times 100" tokens

  void Reset() { *this = zvNumberSection(); }
};

// Everything building produces. It is built aside and moved in whole, so
// a build that throws leaves the format as it was.
struct zvNumberProgram {
  static constexpr int kSections = 3;
  zvNumberSection sections[kSections];
  int negativeSection = 0;
  int zeroSection = 0;
  ucs2string textSection;
  int textColor = 0;
};

class zvNumberFormatImp final : public zvNumberFormat {
 public:
  static constexpr int kSections = zvNumberProgram::kSections;

  // Throws when settings is null or its locale has no zv_num_put.
  explicit zvNumberFormatImp(const izv_ptr<zvSettings>& settings);
  ~zvNumberFormatImp() override;
  zvNumberFormatImp(const zvNumberFormatImp&) = delete;
  zvNumberFormatImp& operator=(const zvNumberFormatImp&) = delete;

  bool FormatText() override;
  const unsigned short* c_str() const override { return m_result.c_str(); }
  int GetColor() const override { return m_resultColor; }
  bool Format(double value) override;
  bool Format(long value) override { return Format(static_cast<double>(value)); }
  bool Format(unsigned long value) override { return Format(static_cast<double>(value)); }
  // 0, or 0x80004005 for a date or null pattern and a default format the
  // settings cannot give or whose text cannot be read; after a failure the
  // format is empty. A throw (memory) leaves the format as it was.
  virtual zvStatus BuildFrom(zvFmtPattern* pattern);

  // For tests and tools: the compiled sections.
  const zvNumberSection& Section(int i) const { return m_program.sections[i]; }
  int NegativeSection() const { return m_program.negativeSection; }
  int ZeroSection() const { return m_program.zeroSection; }
  unsigned ResultLength() const { return m_result.length(); }

 private:
  class Compiler;
  class Runner;

  izv_ptr<zvSettings> m_settings;
  const zvSettingsImp* m_settingsImp;
  const zv_num_put* m_numPut;
  ucs2string_formatter m_result;
  int m_resultColor = 0;
  zvNumberProgram m_program;
  // The digit engine's outputs and flags.
  ucs2string_formatter m_integerDigits, m_fractionDigits, m_exponentDigits;
  bool m_negative = false, m_hasExponent = false, m_negativeExponent = false;
  bool m_converted = false;
  bool m_zero = false;
  // The integer and exponent digits, least significant first, padded with
  // zero digits where the mask asks for them.
  ucs2string_formatter m_integerWork, m_exponentWork;
  // What the settings give, read once.
  unsigned short m_negativeSign, m_positiveSign, m_decimalPoint, m_groupingSeparator, m_zeroDigit, m_exponentChar;
  const unsigned short* m_trueWord;
  const unsigned short* m_falseWord;
  // A default format's text that names a default format again is refused
  // (depth > 0) rather than followed without end.
  zvStatus Compile(zvFmtPattern* pattern, zvNumberProgram& out, int depth) const;
  zvStatus CompileDefault(int kind, zvNumberProgram& out, int depth) const;
  void WritePlain();
  static void PrepareWork(const ucs2string_formatter& digits, const std::string& mask, unsigned short zero,
                          ucs2string_formatter& work);
};

}  // namespace FmtLib

#endif
