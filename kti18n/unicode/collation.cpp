#include "kti18n/unicode/collation.h"

#include <cctype>

#include "kti18n/unicode/collation_engine.h"

namespace {

std::string LanguageOf(const std::string& name) {
  std::string language;
  for (char c : name) {
    if (c == '_' || c == '-' || c == '.' || c == '@') break;
    language.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(c))));
  }
  return language;
}

}  // namespace

ktCollation::ktCollation(const char* name)
    : name_(name ? name : ""), tables_(&kti18n_collation::CollationTables::ForLanguage(LanguageOf(name_))) {}

ktCollation::~ktCollation() = default;

const std::string& ktCollation::Language() const { return tables_->Language(); }

int ktCollation::CompareStrings(const unsigned char* a, const unsigned char* aEnd, const unsigned char* b,
                                const unsigned char* bEnd) const {
  return kti18n_collation::CompareUtf8(*tables_, a, aEnd, b, bEnd);
}

int ktCollation::CompareStrings(const unsigned short* a, const unsigned short* aEnd, const unsigned short* b,
                                const unsigned short* bEnd) const {
  return kti18n_collation::CompareUtf16(*tables_, a, aEnd, b, bEnd);
}

void ktCollation::BuildSortKey(std::string& key, const unsigned short* first, const unsigned short* last) const {
  kti18n_collation::BuildKeyUtf16(*tables_, first, last, key);
}
