#include "kti18n/fmtlib/tokens_definition.h"

namespace FmtLib {

zvTokensDefinition::zvTokensDefinition(tokenDefType type, bool isDate)
    : m_type(type), m_isDate(isDate), m_buildIndex(std::make_unique<BuildIndex>()) {}

// A dictionary still being built is copied with its own build index, so
// that the two can be finished independently and neither frees the other's.
zvTokensDefinition::zvTokensDefinition(const zvTokensDefinition& other)
    : m_built(other.m_built),
      m_type(other.m_type),
      m_isDate(other.m_isDate),
      m_buildIndex(other.m_buildIndex ? std::make_unique<BuildIndex>(*other.m_buildIndex) : nullptr),
      m_entries(other.m_entries),
      m_tokenStrings(other.m_tokenStrings) {}

zvTokensDefinition& zvTokensDefinition::operator=(const zvTokensDefinition& other) {
  if (this != &other) {
    zvTokensDefinition copy(other);
    m_built = copy.m_built;
    m_type = copy.m_type;
    m_isDate = copy.m_isDate;
    m_buildIndex = std::move(copy.m_buildIndex);
    m_entries = std::move(copy.m_entries);
    m_tokenStrings = std::move(copy.m_tokenStrings);
  }
  return *this;
}

zvTokensDefinition::~zvTokensDefinition() = default;

bool zvTokensDefinition::AddTokenDefinition(zvFmtTokens token, ucs2string text, bool parseFlag) {
  if (m_built) return false;
  bool added = false;
  if (parseFlag && !text.empty()) {
    auto [it, inserted] = m_buildIndex->try_emplace(text, tokenDef{token, text});
    added = inserted;
  }
  m_tokenStrings.try_emplace(token, std::move(text));
  return added;
}

void zvTokensDefinition::EndBuild() {
  if (m_built) return;
  m_entries.clear();
  m_entries.reserve(m_buildIndex->size());
  for (auto& [text, def] : *m_buildIndex) m_entries.push_back(std::move(def));
  m_buildIndex.reset();
  m_built = true;
}

const ucs2string& zvTokensDefinition::TokenString(zvFmtTokens token) const {
  const auto it = m_tokenStrings.find(token);
  return it != m_tokenStrings.end() ? it->second : m_empty;
}

}  // namespace FmtLib
