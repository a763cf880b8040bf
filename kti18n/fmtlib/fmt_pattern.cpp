#include "kti18n/fmtlib/fmt_pattern.h"

#include <memory>
#include <new>

namespace FmtLib {
namespace {

// A copy never shares storage with its source: a literal gets its own copy
// of the text, an enumerated token its own object with the same number.
zvToken* CopyToken(const zvToken& source) {
  if (source.IsLiteral()) return zvToken::MakeToken(source.c_str(), source.c_str() + source.length());
  return zvToken::MakeToken(source.Token());
}

std::unique_ptr<zvToken> Owned(zvToken* made) {
  if (made == nullptr) throw ZVException(ZV_E_OUTOFMEMORY);
  return std::unique_ptr<zvToken>(made);
}

}  // namespace

zvFmtPattern::~zvFmtPattern() = default;

zvFmtPatternImp::zvFmtPatternImp(const zvFmtPatternImp& other) : zvFmtPattern(), m_isDate(other.m_isDate) {
  assign(other);
}

zvFmtPatternImp::~zvFmtPatternImp() { clear(); }

void zvFmtPatternImp::clear() {
  for (zvToken* t : m_tokens) delete t;
  m_tokens.clear();
}

// Copies are made before the own tokens go, so that a failure leaves the
// pattern unchanged and assigning a pattern to itself keeps its tokens.
zvFmtPatternImp& zvFmtPatternImp::assign(const zvFmtPattern& other) {
  if (&other == this) return *this;
  std::vector<zvToken*> copies;
  try {
    if (other.IsDate() == m_isDate) {
      copies.reserve(static_cast<std::size_t>(other.size()));
      for (const zvToken* t : other) copies.push_back(Owned(CopyToken(*t)).release());
    }
  } catch (...) {
    for (zvToken* t : copies) delete t;
    throw;
  }
  clear();
  m_tokens.swap(copies);
  return *this;
}

void zvFmtPatternImp::append(zvToken* made) {
  auto token = Owned(made);
  m_tokens.push_back(token.get());
  token.release();
}

void zvFmtPatternImp::push_back(const zvToken& token) { append(CopyToken(token)); }
void zvFmtPatternImp::push_back(zvFmtTokens token) { append(zvToken::MakeToken(token)); }
void zvFmtPatternImp::push_back(const ucs2string& literal) { append(zvToken::MakeToken(literal)); }

void zvFmtPatternImp::push_back(const unsigned short* begin, const unsigned short* end) {
  if (end < begin || (begin == nullptr && end != nullptr)) throw ZVException(ZV_E_INVALID_DATA);
  append(zvToken::MakeToken(begin, end));
}

zvFmtPattern::iterator zvFmtPatternImp::insert(iterator pos, const zvToken& token) {
  const auto index = pos - begin();
  auto copy = Owned(CopyToken(token));
  m_tokens.insert(m_tokens.begin() + index, copy.get());
  copy.release();
  return begin() + index;
}

zvFmtPattern::iterator zvFmtPatternImp::erase(iterator first, iterator last) {
  const auto from = first - begin();
  const auto to = last - begin();
  for (auto i = from; i < to; ++i) delete m_tokens[static_cast<std::size_t>(i)];
  m_tokens.erase(m_tokens.begin() + from, m_tokens.begin() + to);
  return begin() + from;
}

zvFmtPattern::iterator zvFmtPatternImp::erase(iterator pos) { return erase(pos, pos + 1); }

namespace {
zvFmtPattern* NewPattern(bool isDate) noexcept {
  try {
    return new zvFmtPatternImp(isDate);
  } catch (...) {
    return nullptr;
  }
}
}  // namespace

zvFmtPattern* CreateDateFmtPattern() { return NewPattern(true); }
zvFmtPattern* CreateNumberFmtPattern() { return NewPattern(false); }

zvFmtPattern* CreateFmtPattern(zvFmtPattern& source) {
  std::unique_ptr<zvFmtPattern> copy(NewPattern(source.IsDate()));
  if (!copy) return nullptr;
  try {
    *copy = source;
  } catch (...) {
    return nullptr;
  }
  return copy.release();
}

}  // namespace FmtLib
