// Number facets bound to punctuation made for a test.
#ifndef KTI18N_TESTS_NUM_TEST_SUPPORT_H
#define KTI18N_TESTS_NUM_TEST_SUPPORT_H

#include <string>

#include "kti18n/locale/numpunct.h"
#include "kti18n/text/formatter.h"

namespace num_test {

// A new punctuation facet (count 0); the facet copies what it needs.
// grouping holds the group sizes as units; chars, when given, 36 units.
inline zv_numpunct* make_punct(int mode, char16_t decimalPoint = u'.', char16_t thousandsSep = 0,
                               const std::u16string& grouping = u"", const char16_t* chars = nullptr) {
  zv_numeric_punctuation::StaticStorage record{
      mode, static_cast<std::uint32_t>(decimalPoint) | (std::uint32_t{thousandsSep} << 16),
      reinterpret_cast<const unsigned short*>(grouping.c_str()), reinterpret_cast<const unsigned short*>(chars),
      nullptr};
  return new zv_numpunct(&record, 0);
}

inline std::u16string text(const ucs2string_formatter& f) {
  return std::u16string(reinterpret_cast<const char16_t*>(f.c_str()), f.length());
}

inline ucs2string u2(const std::u16string& s) {
  return ucs2string(reinterpret_cast<const unsigned short*>(s.c_str()), static_cast<unsigned>(s.size()));
}

}  // namespace num_test

#endif
