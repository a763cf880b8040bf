// Helpers for the string-format tests: owned string formats and patterns, and
// a plain description of a pattern ("54 '/' 30": token numbers, literals in
// quotes) that does not depend on any dialect under test.
#ifndef KTI18N_TESTS_STRINGFORMAT_SUPPORT_H
#define KTI18N_TESTS_STRINGFORMAT_SUPPORT_H

#include <memory>
#include <string>

#include "kti18n/fmtlib/predefined_dictionaries.h"
#include "kti18n/fmtlib/string_format.h"

namespace sf_test {

using Format = std::unique_ptr<FmtLib::zvStringFormat>;
using Pattern = std::unique_ptr<FmtLib::zvFmtPattern>;

inline std::string Describe(const FmtLib::zvFmtPattern& p) {
  std::string out;
  for (const FmtLib::zvToken* t : p) {
    if (!out.empty()) out += ' ';
    if (t->IsLiteral())
      out += "'" + ucs2string(t->c_str(), t->length()).to_utf8() + "'";
    else
      out += std::to_string(static_cast<int>(t->Token()));
  }
  return out;
}

// Reads text; the description of the pattern read, or "status N" when
// Parse reports a failure.
inline std::string Read(const FmtLib::zvStringFormat& f, const ucs2string& text) {
  FmtLib::zvFmtPattern* raw = nullptr;
  const zvStatus s = f.Parse(text, raw);
  Pattern p(raw);
  if (s != 0) return "status " + std::to_string(s);
  return Describe(*p);
}

inline std::string Write(const FmtLib::zvStringFormat& f, const FmtLib::zvFmtPattern& p) {
  ucs2string out;
  f.Render(p, out);
  return out.to_utf8();
}

}  // namespace sf_test

#endif
