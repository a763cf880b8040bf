// zvTokensDefinition: the dictionary of one format dialect. It pairs texts
// with token numbers: readers walk its entries (sorted by text) to tell
// which token a text stands for, writers ask TokenString how a token is
// written.
//
// Life cycle: entries are added (AddTokenDefinition) and the dictionary is
// then closed once (EndBuild). Before EndBuild, size() is 0 and iteration
// yields nothing, though TokenString already answers; afterwards the
// dictionary is read-only and may be read by several threads at once.
#ifndef KTI18N_FMTLIB_TOKENS_DEFINITION_H
#define KTI18N_FMTLIB_TOKENS_DEFINITION_H

#include <cstdint>
#include <map>
#include <memory>
#include <vector>

#include "kti18n/fmtlib/fmt_tokens.h"
#include "kti18n/text/ucs2string.h"

namespace FmtLib {

// One entry of a dictionary.
struct tokenDef {
  zvFmtTokens token;
  ucs2string text;
};

// A position over the entries of a built dictionary.
using zvTokenDefinitionIterator = const tokenDef*;

// The dialect of a dictionary.
enum tokenDefType : std::int32_t {
  TOKDEF_PELTA = 0,    // the default dialect, and colour names
  TOKDEF_SERIAL = 1,   // the T[..] dialect in which patterns are stored
  TOKDEF_HALCYON = 2,  // the spreadsheet-style dialect
  TOKDEF_ZVLOC = 3,    // no predefined dictionary uses it; callers may
};

class zvTokensDefinition {
 public:
  zvTokensDefinition(tokenDefType type, bool isDate);
  zvTokensDefinition(const zvTokensDefinition& other);
  zvTokensDefinition& operator=(const zvTokensDefinition& other);
  virtual ~zvTokensDefinition();

  // Adds a definition. With parseFlag set the text is also recognised when
  // reading; the result is true exactly when the text became a new entry
  // (the first definition of a text wins). Whatever the flag, the first text
  // given for a token is the one TokenString returns. After EndBuild nothing
  // is added and the result is false. An empty text never becomes an entry:
  // a reader would match it everywhere without moving.
  bool AddTokenDefinition(zvFmtTokens token, ucs2string text, bool parseFlag);
  // Closes the dictionary: the entries become the texts in ascending order.
  void EndBuild();

  bool IsBuild() const { return m_built; }
  bool IsDate() const { return m_isDate; }
  bool IsPelta() const { return m_type == TOKDEF_PELTA; }
  bool IsSerial() const { return m_type == TOKDEF_SERIAL; }
  bool IsHalcyon() const { return m_type == TOKDEF_HALCYON; }
  bool IsZvLoc() const { return m_type == TOKDEF_ZVLOC; }
  tokenDefType Type() const { return m_type; }

  zvTokenDefinitionIterator begin() const { return m_entries.data(); }
  zvTokenDefinitionIterator end() const { return m_entries.data() + m_entries.size(); }
  unsigned size() const { return static_cast<unsigned>(m_entries.size()); }
  // No range check: the caller keeps the index below size().
  const tokenDef& operator[](unsigned index) const { return m_entries[index]; }

  // The text by which the token is written, or an empty string when the
  // dictionary has none for it.
  const ucs2string& TokenString(zvFmtTokens token) const;

 private:
  using BuildIndex = std::map<ucs2string, tokenDef>;

  bool m_built = false;
  tokenDefType m_type;
  bool m_isDate;
  std::unique_ptr<BuildIndex> m_buildIndex;  // present only while building
  std::vector<tokenDef> m_entries;           // filled by EndBuild
  std::map<zvFmtTokens, ucs2string> m_tokenStrings;
  ucs2string m_empty;
};

}  // namespace FmtLib

#endif
