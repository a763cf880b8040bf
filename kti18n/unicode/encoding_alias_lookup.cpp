#include <algorithm>
#include <cstring>

#include "kti18n/unicode/encoding_aliases.h"

namespace zv_encoding_detail {

std::string EncodingAliasKey(const char* name) {
  std::string key;
  for (; *name != '\0'; ++name) {
    const char c = *name;
    if (c >= 'A' && c <= 'Z')
      key += static_cast<char>(c - 'A' + 'a');
    else if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))
      key += c;
  }
  return key;
}

const char* FindEncodingAlias(const char* name) {
  const std::string key = EncodingAliasKey(name);
  if (key.empty()) return nullptr;
  const EncodingAlias* end = kEncodingAliases + kEncodingAliasCount;
  const EncodingAlias* found = std::lower_bound(
      kEncodingAliases, end, key, [](const EncodingAlias& row, const std::string& k) { return k.compare(row.key) > 0; });
  if (found == end || key != found->key) return nullptr;
  return found->technicalName;
}

}  // namespace zv_encoding_detail
