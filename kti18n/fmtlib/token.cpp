#include <new>

#include "kti18n/fmtlib/fmt_tokens.h"

namespace FmtLib {

zvToken::~zvToken() = default;
zvLiteralToken::~zvLiteralToken() = default;
zvEnumToken::~zvEnumToken() = default;

// The factories promise null, never an exception, when memory runs out; the
// string copy reports exhaustion either as std::bad_alloc or as ZVException.
template <typename Make>
static zvToken* MakeOrNull(Make make) noexcept {
  try {
    return make();
  } catch (const std::bad_alloc&) {
    return nullptr;
  } catch (const ZVException&) {
    return nullptr;
  }
}

zvToken* zvToken::MakeToken(const unsigned short* begin, const unsigned short* end) {
  if (end < begin || (begin == nullptr && end != nullptr)) return nullptr;
  if (end - begin > static_cast<std::ptrdiff_t>(ucs2string::max_length)) return nullptr;
  const auto n = static_cast<ucs2string::size_type>(end - begin);
  return MakeOrNull([&]() -> zvToken* {
    return new zvLiteralToken(n == 0 ? ucs2string() : ucs2string(begin, n));
  });
}

zvToken* zvToken::MakeToken(const ucs2string& text) {
  return MakeOrNull([&]() -> zvToken* { return new zvLiteralToken(text); });
}

zvToken* zvToken::MakeToken(zvFmtTokens token) {
  return MakeOrNull([&]() -> zvToken* { return new zvEnumToken(token); });
}

}  // namespace FmtLib
