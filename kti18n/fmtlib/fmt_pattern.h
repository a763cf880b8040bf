// zvFmtPattern: a parsed format, an ordered list of tokens with a flag that
// tells a date pattern from a number pattern. The pattern owns its tokens
// and interprets nothing; formats and scanners read it once when they are
// built and keep no reference to it.
//
// In the serial dialect a pattern is written T[code] per enumerated token
// and L[text] per literal, e.g. "T[0d]L[/]T[0M]L[/]T[y2]".
#ifndef KTI18N_FMTLIB_FMT_PATTERN_H
#define KTI18N_FMTLIB_FMT_PATTERN_H

#include <vector>

#include "kti18n/fmtlib/fmt_tokens.h"

namespace FmtLib {

class zvFmtPattern {
 public:
  using iterator = zvToken**;
  using const_iterator = zvToken* const*;

  virtual ~zvFmtPattern();
  virtual iterator begin() = 0;
  virtual const_iterator begin() const = 0;
  virtual iterator end() = 0;
  virtual const_iterator end() const = 0;
  // No range check: the caller keeps the index below size().
  virtual zvToken* operator[](int index) = 0;
  // Replaces the tokens by copies of the source's. Patterns of different
  // kinds do not mix: assigning a number pattern to a date pattern (or the
  // reverse) leaves the target empty.
  virtual zvFmtPattern& operator=(const zvFmtPattern& other) = 0;
  virtual void push_back(const zvToken& token) = 0;
  // Inserts a copy before pos; returns the position of the new token.
  virtual iterator insert(iterator pos, const zvToken& token) = 0;
  // Deletes the tokens of [first, last); returns the position after them.
  virtual iterator erase(iterator first, iterator last) = 0;
  // Deletes one token; returns the same position, now holding the next one.
  virtual iterator erase(iterator pos) = 0;
  virtual int size() const = 0;
  virtual void push_back(zvFmtTokens token) = 0;
  virtual void push_back(const ucs2string& literal) = 0;
  virtual void push_back(const unsigned short* begin, const unsigned short* end) = 0;
  virtual bool IsDate() const = 0;

 protected:
  zvFmtPattern() = default;
  zvFmtPattern(const zvFmtPattern&) = default;
};

// The one implementation. Operations that cannot get memory throw
// ZVException(ZV_E_OUTOFMEMORY) and leave the pattern as it was; a literal
// range whose end lies before its begin throws ZV_E_INVALID_DATA.
class zvFmtPatternImp final : public zvFmtPattern {
 public:
  explicit zvFmtPatternImp(bool isDate) : m_isDate(isDate) {}
  zvFmtPatternImp(const zvFmtPatternImp& other);
  zvFmtPatternImp& operator=(const zvFmtPatternImp& other) { return assign(other); }
  ~zvFmtPatternImp() override;

  iterator begin() override { return m_tokens.data(); }
  const_iterator begin() const override { return m_tokens.data(); }
  iterator end() override { return m_tokens.data() + m_tokens.size(); }
  const_iterator end() const override { return m_tokens.data() + m_tokens.size(); }
  zvToken* operator[](int index) override { return m_tokens[static_cast<std::size_t>(index)]; }
  zvFmtPattern& operator=(const zvFmtPattern& other) override { return assign(other); }
  void push_back(const zvToken& token) override;
  iterator insert(iterator pos, const zvToken& token) override;
  iterator erase(iterator first, iterator last) override;
  iterator erase(iterator pos) override;
  int size() const override { return static_cast<int>(m_tokens.size()); }
  void push_back(zvFmtTokens token) override;
  void push_back(const ucs2string& literal) override;
  void push_back(const unsigned short* begin, const unsigned short* end) override;
  bool IsDate() const override { return m_isDate; }

 private:
  zvFmtPatternImp& assign(const zvFmtPattern& other);
  void append(zvToken* made);
  void clear();

  std::vector<zvToken*> m_tokens;  // owned
  bool m_isDate;
};

// Each returns a new pattern owned by the caller, or null when memory is
// exhausted.
zvFmtPattern* CreateDateFmtPattern();
zvFmtPattern* CreateNumberFmtPattern();
// A copy of the pattern: the same kind, a copy of each token in order.
zvFmtPattern* CreateFmtPattern(zvFmtPattern& source);

}  // namespace FmtLib

#endif
