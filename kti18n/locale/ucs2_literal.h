// Compile-time UCS-2 texts for built-in tables: u"Monday"_ucs2 is a pointer
// to a static, null-terminated array of unsigned short holding the text, so
// tables of such pointers are constant-initialised and need no conversion at
// start-up. Texts must lie in the Basic Multilingual Plane (one char16_t per
// character), which the check below enforces at compile time.
#ifndef KTI18N_LOCALE_UCS2_LITERAL_H
#define KTI18N_LOCALE_UCS2_LITERAL_H

#include <cstddef>

namespace zv_detail {

template <std::size_t N>
struct ucs2_fixed {
  unsigned short units[N];

  consteval ucs2_fixed(const char16_t (&text)[N]) : units{} {
    for (std::size_t i = 0; i < N; ++i) {
      if (text[i] >= 0xD800 && text[i] <= 0xDFFF) throw "a built-in text must not need surrogates";
      units[i] = static_cast<unsigned short>(text[i]);
    }
  }
};

}  // namespace zv_detail

template <zv_detail::ucs2_fixed Text>
constexpr const unsigned short* operator""_ucs2() {
  return Text.units;
}

#endif
