#include "kti18n/locale/collate.h"

#include <cstdint>

#include "kti18n/unicode/collation.h"
#include "kti18n/text/ucs2string.h"
#include "kti18n/text/utf8string.h"

zv_locale::id zv_collate::id;

zv_collate_abc::~zv_collate_abc() = default;

zv_collate::zv_collate(unsigned refs) : zv_collate_abc(refs) {}

zv_collate::zv_collate(const std::string& name, unsigned refs)
    : zv_collate_abc(refs), m_collation(std::make_unique<ktCollation>(name.c_str())) {}

zv_collate::~zv_collate() = default;

namespace {

template <class Unit>
int CompareCodeUnits(const Unit* a, const Unit* aEnd, const Unit* b, const Unit* bEnd) {
  for (; a < aEnd && b < bEnd; ++a, ++b)
    if (*a != *b) return *a < *b ? -1 : 1;
  if (a < aEnd) return 1;
  return b < bEnd ? -1 : 0;
}

// Code-unit order's sort keys: each unit becomes three bytes of 2, 7 and 7
// bits, each raised by one. The bytes keep the order of the units, are never
// 0, and have the same width for every unit, so that comparing keys compares
// the units in turn and a prefix's key is a prefix of the longer key.
std::string CodeUnitKey(const unsigned short* first, const unsigned short* last) {
  std::string key;
  if (last > first) key.reserve(static_cast<std::size_t>(last - first) * 3);
  for (const unsigned short* p = first; p < last; ++p) {
    key.push_back(static_cast<char>((*p >> 14) + 1));
    key.push_back(static_cast<char>(((*p >> 7) & 0x7F) + 1));
    key.push_back(static_cast<char>((*p & 0x7F) + 1));
  }
  return key;
}

// FNV-1a over 32 bits, from the agreed start value of an empty range.
constexpr std::uint32_t kHashStart = 0xDEADBEEFu;
constexpr std::uint32_t kHashPrime = 16777619u;

template <class Unit>
std::uint32_t HashUnits(const Unit* first, const Unit* last) {
  std::uint32_t h = kHashStart;
  for (; first < last; ++first) h = (h ^ static_cast<std::uint32_t>(*first)) * kHashPrime;
  return h;
}

}  // namespace

int zv_collate::do_compare(const unsigned char* a, const unsigned char* aEnd, const unsigned char* b,
                           const unsigned char* bEnd) const {
  if (m_collation) return m_collation->CompareStrings(a, aEnd, b, bEnd);
  return CompareCodeUnits(a, aEnd, b, bEnd);
}

int zv_collate::do_compare(const unsigned short* a, const unsigned short* aEnd, const unsigned short* b,
                           const unsigned short* bEnd) const {
  if (m_collation) return m_collation->CompareStrings(a, aEnd, b, bEnd);
  return CompareCodeUnits(a, aEnd, b, bEnd);
}

std::string zv_collate::do_transform(const unsigned short* first, const unsigned short* last) const {
  if (!m_collation) return CodeUnitKey(first, last);
  std::string key;
  m_collation->BuildSortKey(key, first, last);
  return key;
}

// With a collation the sort key is hashed, so that texts the collation holds
// equal hash equally; code-unit order hashes the units themselves. An empty
// range hashes to the start value either way. The 32-bit value is returned
// sign-extended, as a 32-bit long would hold it.
long zv_collate::do_hash(const unsigned short* first, const unsigned short* last) const {
  std::uint32_t h = kHashStart;
  if (m_collation && first < last) {
    std::string key;
    m_collation->BuildSortKey(key, first, last);
    const auto* bytes = reinterpret_cast<const unsigned char*>(key.data());
    h = HashUnits(bytes, bytes + key.size());
  } else {
    h = HashUnits(first, last);
  }
  return static_cast<long>(static_cast<std::int32_t>(h));
}

bool zv_collate::less_predicate::operator()(const ucs2string& a, const ucs2string& b) const {
  return m_facet->compare(a.data(), a.data() + a.length(), b.data(), b.data() + b.length()) < 0;
}

bool zv_collate::less_predicate::operator()(const zv_utf8string& a, const zv_utf8string& b) const {
  return m_facet->compare(a.data(), a.data() + a.length(), b.data(), b.data() + b.length()) < 0;
}

bool zv_locale::operator()(const ucs2string& a, const ucs2string& b) const {
  return zv_use_facet<zv_collate>(*this).GetComparator()(a, b);
}

bool zv_locale::operator()(const zv_utf8string& a, const zv_utf8string& b) const {
  return zv_use_facet<zv_collate>(*this).GetComparator()(a, b);
}
