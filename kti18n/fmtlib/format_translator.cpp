#include "kti18n/fmtlib/format_translator.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "kti18n/base/exception.h"
#include "kti18n/locale/collate.h"
#include "kti18n/locale/ctype.h"

namespace FmtLib {

// Text is built unit by unit in a buffer that grows geometrically and is
// handed over once: a ucs2string grows by exact sizes, so appending to it
// unit by unit would take time growing with the square of the length.
using UnitBuffer = std::vector<unsigned short>;

namespace {

void Append(UnitBuffer& out, const ucs2string& s) { out.insert(out.end(), s.data(), s.data() + s.length()); }

}  // namespace

zvFormatTranslator::zvFormatTranslator(const zvTranslatorConfig& config)
    : m_config(config),
      m_hasColours(config.colors != nullptr),
      m_locale(),  // a copy of the global locale
      m_collate(&zv_use_facet<zv_collate>(m_locale)),
      m_ctype(&zv_use_facet<zv_ctype>(m_locale)) {
  if (m_config.dictionary == nullptr) throw ZVException(ZV_E_INVALID_DATA);
  if (!m_hasColours) return;
  const zvTokensDefinition& colors = *m_config.colors;
  m_loweredColors.reserve(colors.size());
  for (const tokenDef& entry : colors) {
    ucs2string lowered(entry.text);
    if (!lowered.empty()) m_ctype->tolower(&lowered[0], lowered.data() + lowered.length());
    m_longestColor = std::max(m_longestColor, lowered.length());
    m_loweredColors.push_back({entry.token, std::move(lowered)});
  }
}

zvFormatTranslator::~zvFormatTranslator() = default;

zvFmtTokens zvFormatTranslator::MatchColor(const unsigned short* first, const unsigned short* last) const {
  const unsigned n = static_cast<unsigned>(last - first);
  if (n == 0 || n > m_longestColor) return zvFmtTokens{};
  ucs2string lowered(first, n);
  m_ctype->tolower(&lowered[0], lowered.data() + n);
  for (const LoweredColor& color : m_loweredColors) {
    if (color.lowered.length() != n) continue;
    if (m_collate->compare(lowered.data(), lowered.data() + n, color.lowered.data(), color.lowered.data() + n) == 0)
      return color.token;
  }
  return zvFmtTokens{};
}

// The entries are sorted by text, so the scan may stop at the first entry
// that is greater than the input where they first differ: no later entry can
// be a prefix of the input. Entries that begin with a smaller unit than the
// input neither match nor stop the scan, so the scan starts at the first
// entry that begins with the input's unit. Of equally long matches the first
// in dictionary order wins.
zvFmtTokens zvFormatTranslator::MatchKeyword(const ucs2string& text, unsigned pos, unsigned& length) const {
  const zvTokensDefinition& dict = *m_config.dictionary;
  const unsigned short* in = text.data() + pos;
  const unsigned rest = text.length() - pos;
  const tokenDef* first = std::lower_bound(dict.begin(), dict.end(), in[0],
                                           [](const tokenDef& e, unsigned short c) { return e.text[0] < c; });
  zvFmtTokens found{};
  length = 0;
  for (const tokenDef* e = first; e != dict.end(); ++e) {
    const unsigned n = e->text.length();
    if (n > rest) continue;
    const unsigned short* t = e->text.data();
    unsigned k = 0;
    while (k < n && t[k] == in[k]) ++k;
    if (k < n) {
      if (t[k] > in[k]) break;
      continue;
    }
    if (n > length) {
      length = n;
      found = e->token;
    }
  }
  return found;
}

// Reading walks the text once, collecting literal characters in a pending
// buffer that becomes one literal token when a token (or the end) follows.
// Every rule looks at a bounded stretch of text past the current position,
// or consumes what it looks at, so reading takes time linear in the length.
class zvFormatTranslator::Reader {
 public:
  Reader(const zvFormatTranslator& translator, const ucs2string& text, zvFmtPattern& pattern)
      : m_tr(translator),
        m_cfg(translator.m_config),
        m_text(text),
        m_n(text.length()),
        m_pattern(pattern),
        m_escapes(m_cfg.escapeOn),
        m_quotes(m_cfg.quoteOn) {}

  bool Run() {
    while (m_i < m_n) {
      const Outcome o = Step();
      if (o == Outcome::kFailed) return false;
    }
    if (!Flush()) return false;
    if (m_cfg.monthMinuteFix) CorrectMonthMinute(m_pattern);
    return true;
  }

 private:
  enum class Outcome { kNotMine, kDone, kFailed };

  const zvFormatTranslator& m_tr;
  const zvTranslatorConfig& m_cfg;
  const ucs2string& m_text;
  const unsigned m_n;
  zvFmtPattern& m_pattern;
  unsigned m_i = 0;
  UnitBuffer m_pending;
  UnitBuffer m_literal;  // of SerialLiteral, kept for its capacity
  bool m_escapes;
  bool m_quotes;
  bool m_keywords = true;
  int m_sections = 0;

  unsigned short At(unsigned i) const { return m_text.data()[i]; }

  Outcome Step() {
    for (Outcome (Reader::*rule)() : {&Reader::Color, &Reader::Escape, &Reader::Quote, &Reader::SerialLiteral,
                                      &Reader::Percent, &Reader::Keyword}) {
      const Outcome o = (this->*rule)();
      if (o != Outcome::kNotMine) return o;
    }
    m_pending.push_back(At(m_i++));
    return Outcome::kDone;
  }

  // Pending text becomes a literal token; in the serial dialect, where all
  // literal text stands in L[..], it makes the text unreadable.
  bool Flush() {
    if (m_pending.empty()) return true;
    if (m_cfg.serial) return false;
    PushLiteral(m_pending);
    m_pending.clear();
    return true;
  }

  void PushLiteral(const UnitBuffer& units) {
    if (units.empty()) {
      m_pattern.push_back(ucs2string());
    } else {
      m_pattern.push_back(units.data(), units.data() + units.size());
    }
  }

  // After the last allowed section separator the rest of the text is
  // literal: no escapes, quotes, keywords or percent signs are read there.
  // Colours still are, since the text-only section may carry one.
  void Append(zvFmtTokens token) {
    m_pattern.push_back(token);
    if (token == TK_FORMAT_SEPARATOR && m_cfg.maxSections != 0 && ++m_sections == m_cfg.maxSections)
      m_escapes = m_quotes = m_keywords = false;
  }

  Outcome Color() {
    if (!m_tr.m_hasColours || At(m_i) != u'[') return Outcome::kNotMine;
    // A colour name is at most m_longestColor units: no need to look further
    // for the closing bracket (a text of many '[' would be read again and again).
    const unsigned short* name = m_text.data() + m_i + 1;
    const unsigned short* limit = name + std::min<std::size_t>(m_n - m_i - 1, m_tr.m_longestColor + 1u);
    const unsigned short* closing = std::find(name, limit, u']');
    if (closing == limit || closing == name) return Outcome::kNotMine;
    const auto close = static_cast<unsigned>(closing - m_text.data());
    const zvFmtTokens color = m_tr.MatchColor(m_text.data() + m_i + 1, m_text.data() + close);
    if (color == zvFmtTokens{}) return Outcome::kNotMine;
    if (!Flush()) return Outcome::kFailed;
    Append(color);
    m_i = static_cast<unsigned>(close) + 1;
    return Outcome::kDone;
  }

  Outcome Escape() {
    if (!m_escapes || At(m_i) != m_cfg.escapeChar) return Outcome::kNotMine;
    if (m_i + 1 >= m_n) return Outcome::kFailed;
    m_pending.push_back(At(m_i + 1));
    m_i += 2;
    return Outcome::kDone;
  }

  // '' is one quote; otherwise the text up to the next lone quote, in which
  // '' stands for a quote and the escape character takes the next one.
  Outcome Quote() {
    if (!m_quotes || At(m_i) != u'\'') return Outcome::kNotMine;
    if (m_i + 1 >= m_n) return Outcome::kFailed;
    if (At(m_i + 1) == u'\'') {
      m_pending.push_back(u'\'');
      m_i += 2;
      return Outcome::kDone;
    }
    for (unsigned j = m_i + 1; j < m_n;) {
      const unsigned short ch = At(j);
      if (ch == u'\'') {
        if (j + 1 < m_n && At(j + 1) == u'\'') {
          m_pending.push_back(u'\'');
          j += 2;
          continue;
        }
        m_i = j + 1;
        return Outcome::kDone;
      }
      if (m_escapes && ch == m_cfg.escapeChar) {
        if (j + 1 >= m_n) return Outcome::kFailed;
        m_pending.push_back(At(j + 1));
        j += 2;
        continue;
      }
      m_pending.push_back(ch);
      ++j;
    }
    return Outcome::kFailed;
  }

  // L[text], in which the escape character takes the next one literally.
  Outcome SerialLiteral() {
    if (!m_cfg.serial || At(m_i) != u'L') return Outcome::kNotMine;
    if (!Flush()) return Outcome::kFailed;
    if (m_i + 1 >= m_n || At(m_i + 1) != u'[') return Outcome::kFailed;
    UnitBuffer& literal = m_literal;
    literal.clear();
    for (unsigned j = m_i + 2; j < m_n;) {
      const unsigned short ch = At(j);
      if (ch == m_cfg.escapeChar) {
        if (j + 1 >= m_n) return Outcome::kFailed;
        literal.push_back(At(j + 1));
        j += 2;
        continue;
      }
      if (ch == u']') {
        PushLiteral(literal);
        m_i = j + 1;
        return Outcome::kDone;
      }
      literal.push_back(ch);
      ++j;
    }
    return Outcome::kFailed;
  }

  Outcome Percent() {
    if (!m_cfg.percentSign || !m_keywords || At(m_i) != u'%') return Outcome::kNotMine;
    if (!Flush()) return Outcome::kFailed;
    Append(TK_PERCENT_SIGN);
    ++m_i;
    return Outcome::kDone;
  }

  Outcome Keyword() {
    if (!m_keywords) return Outcome::kNotMine;
    unsigned length = 0;
    const zvFmtTokens token = m_tr.MatchKeyword(m_text, m_i, length);
    if (length == 0) return Outcome::kNotMine;
    if (!Flush()) return Outcome::kFailed;
    Append(token);
    m_i += length;
    return Outcome::kDone;
  }
};

bool zvFormatTranslator::Read(const ucs2string& text, zvFmtPattern& pattern) const {
  return Reader(*this, text, pattern).Run();
}

// Literal text is protected by whatever the dialect offers at that point:
// quotes (a lone space needs none, quotes alone are doubled and a lone
// escape character is escaped), escapes (on every character but the space), or
// nothing once the text-only section has begun.
void zvFormatTranslator::WriteLiteral(const unsigned short* s, unsigned n, bool escapes, bool quotes,
                                      UnitBuffer& out) const {
  const unsigned short esc = m_config.escapeChar;
  if (n == 0) return;  // writing '' would read back as a quote
  if (!escapes && !quotes) {
    out.insert(out.end(), s, s + n);
    return;
  }
  if (!quotes) {
    for (unsigned k = 0; k < n; ++k) {
      if (s[k] != u' ') out.push_back(esc);
      out.push_back(s[k]);
    }
    return;
  }
  if (n == 1 && s[0] == u' ') {
    out.push_back(u' ');
    return;
  }
  if (n == 1 && escapes && s[0] == esc) {
    // After a quote it would open a quoted run that never closes; escaped,
    // it reads back as itself.
    out.push_back(esc);
    out.push_back(esc);
    return;
  }
  if (std::all_of(s, s + n, [](unsigned short ch) { return ch == u'\''; })) {
    // Each '' reads as one quote. Quoted, two quotes would give 
    // which reads as three.
    out.insert(out.end(), 2 * std::size_t{n}, u'\'');
    return;
  }
  out.push_back(u'\'');
  for (unsigned k = 0; k < n; ++k) {
    if (s[k] == u'\'' || (escapes && s[k] == esc)) out.push_back(s[k]);
    out.push_back(s[k]);
  }
  out.push_back(u'\'');
}

void zvFormatTranslator::Write(const zvFmtPattern& pattern, ucs2string& text) const {
  const zvTokensDefinition& dict = *m_config.dictionary;
  UnitBuffer out;
  out.reserve(static_cast<std::size_t>(pattern.size()) * 8);  // most tokens write a few units
  UnitBuffer joined;
  bool escapes = m_config.escapeOn;
  bool quotes = m_config.quoteOn;
  int sections = 0;
  const zvToken* const* end = pattern.end();
  for (const zvToken* const* it = pattern.begin(); it != end; ++it) {
    const zvToken& token = **it;
    if (token.IsLiteral()) {
      if (m_config.serial) {
        out.push_back(u'L');
        out.push_back(u'[');
        for (unsigned k = 0; k < token.length(); ++k) {
          const unsigned short ch = token.c_str()[k];
          if (ch == u']' || ch == m_config.escapeChar) out.push_back(m_config.escapeChar);
          out.push_back(ch);
        }
        out.push_back(u']');
        continue;
      }
      // Neighbouring literals read back as one, so they are written as one:
      // two quoted runs side by side would read as one run with a quote.
      if (it + 1 != end && (*(it + 1))->IsLiteral()) {
        joined.clear();
        for (; it != end && (*it)->IsLiteral(); ++it)
          joined.insert(joined.end(), (*it)->c_str(), (*it)->c_str() + (*it)->length());
        --it;
        WriteLiteral(joined.data(), static_cast<unsigned>(joined.size()), escapes, quotes, out);
      } else {
        WriteLiteral(token.c_str(), token.length(), escapes, quotes, out);
      }
      continue;
    }
    const zvFmtTokens t = token.Token();
    if (IsColorToken(t) && m_hasColours) {
      out.push_back(u'[');
      Append(out, m_config.colors->TokenString(t));
      out.push_back(u']');
    } else if (t == TK_PERCENT_SIGN && m_config.percentSign) {
      out.push_back(u'%');
    } else {
      Append(out, dict.TokenString(t));
    }
    if (t == TK_FORMAT_SEPARATOR && m_config.maxSections != 0 && ++sections == m_config.maxSections)
      escapes = quotes = false;
  }
  if (!out.empty()) text.append(out.data(), static_cast<ucs2string::size_type>(out.size()));
}

namespace {

// In place, through the pattern's own slot: erasing and inserting would move
// every later token, making the walk over a long pattern quadratic.
void Replace(zvFmtPattern& pattern, int index, zvFmtTokens token) {
  zvToken* made = zvToken::MakeToken(token);
  if (made == nullptr) throw ZVException(ZV_E_OUTOFMEMORY);
  zvToken*& slot = pattern.begin()[index];
  std::unique_ptr<zvToken> old(slot);
  slot = made;
}

bool In(zvFmtTokens t, int low, int high) { return t >= low && t <= high; }

bool IsMonthNumber(zvFmtTokens t) { return t == TK_MONTH_01 || t == TK_MONTH_1; }
bool IsMinute(zvFmtTokens t) { return t == TK_MINUTE_00 || t == TK_MINUTE_0; }
bool IsSeconds(zvFmtTokens t) { return t == TK_SECOND_00 || t == TK_SECOND_0; }
bool IsHour(zvFmtTokens t) { return In(t, TK_HOUR_00_23, TK_HOUR_0_11); }
// Day names, days of the month and the other calendar fields beside which
// a two-letter number is a month.
bool IsDayField(zvFmtTokens t) { return In(t, TK_DAY_NAME, TK_MONTH_DAY_0) || In(t, TK_DAY_OF_WEEK_IN_MONTH, TK_WEEK_OF_MONTH); }
// Month names, years and calendar fields after which a number is a month.
bool IsDateField(zvFmtTokens t) {
  return In(t, TK_MONTH_NAME, TK_ABB_MONTH_NAME_CAP) || In(t, TK_YEAR_0000, TK_JP_IMP_YEAR) ||
         In(t, TK_MONTH_DAY_00, TK_WEEK_OF_MONTH) || t == TK_YEAR_OF_WEEK_0000 || t == TK_YEAR_OF_WEEK_00;
}

}  // namespace

// One walk with four flags: afterHour (an hour was the last field), dateSeen
// (a date field was), monthPending / minutePending (a month or minute
// number waits for a neighbour that tells what it is, at `remembered`).
void CorrectMonthMinute(zvFmtPattern& pattern) {
  bool afterHour = false, dateSeen = false, monthPending = false, minutePending = false;
  int remembered = 0;
  for (int k = 0; k < pattern.size(); ++k) {
    const zvFmtTokens t = pattern[k]->Token();
    if (afterHour && IsMonthNumber(t)) {
      Replace(pattern, k, t == TK_MONTH_01 ? TK_MINUTE_00 : TK_MINUTE_0);
      afterHour = false;
    } else if (dateSeen && IsMinute(t)) {
      Replace(pattern, k, t == TK_MINUTE_00 ? TK_MONTH_01 : TK_MONTH_1);
      dateSeen = false;
    } else if (monthPending && IsSeconds(t)) {
      Replace(pattern, remembered, pattern[remembered]->Token() == TK_MONTH_01 ? TK_MINUTE_00 : TK_MINUTE_0);
      monthPending = false;
    } else if (minutePending && !afterHour && IsDayField(t)) {
      Replace(pattern, remembered, pattern[remembered]->Token() == TK_MINUTE_00 ? TK_MONTH_01 : TK_MONTH_1);
      minutePending = false;
    } else if (t == TK_LITERAL || t == TK_DATE_SEPARATOR || t == TK_TIME_SEPARATOR) {
      // Separators and literal text tell nothing.
    } else if (IsDateField(t)) {
      dateSeen = true;
      afterHour = monthPending = minutePending = false;
    } else if (IsHour(t)) {
      afterHour = true;
      dateSeen = monthPending = minutePending = false;
    } else if (IsMonthNumber(t)) {
      monthPending = true;
      remembered = k;
    } else if (IsMinute(t)) {
      minutePending = true;
      remembered = k;
    } else {
      afterHour = dateSeen = monthPending = minutePending = false;
    }
  }
}

}  // namespace FmtLib
