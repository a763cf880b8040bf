#include "kti18n/unicode/collation.h"

#include <algorithm>

namespace {

// Lexicographic order of unsigned units, the shorter first when one range is
// a prefix of the other.
template <class Unit>
int CompareUnits(const Unit* a, const Unit* aEnd, const Unit* b, const Unit* bEnd) {
  auto [pa, pb] = std::mismatch(a, aEnd, b, bEnd);
  if (pa != aEnd && pb != bEnd) return *pa < *pb ? -1 : 1;
  if (pa == aEnd) return pb == bEnd ? 0 : -1;
  return 1;
}

}  // namespace

ktCollation::ktCollation(const char* name) : name_(name ? name : "") {}

ktCollation::~ktCollation() = default;

int ktCollation::CompareStrings(const unsigned char* a, const unsigned char* aEnd, const unsigned char* b,
                                const unsigned char* bEnd) const {
  return CompareUnits(a, aEnd, b, bEnd);
}

int ktCollation::CompareStrings(const unsigned short* a, const unsigned short* aEnd, const unsigned short* b,
                                const unsigned short* bEnd) const {
  return CompareUnits(a, aEnd, b, bEnd);
}

// Each unit becomes three bytes of 2, 7 and 7 bits, each raised by one: the
// bytes keep the order of the units, are never 0, and have the same width
// for every unit, so that comparing keys compares the units in turn and a
// prefix's key is a prefix of the longer key.
void ktCollation::BuildSortKey(std::string& key, const unsigned short* first, const unsigned short* last) const {
  key.clear();
  if (last > first) key.reserve(static_cast<std::size_t>(last - first) * 3);
  for (const unsigned short* p = first; p < last; ++p) {
    key.push_back(static_cast<char>((*p >> 14) + 1));
    key.push_back(static_cast<char>(((*p >> 7) & 0x7F) + 1));
    key.push_back(static_cast<char>((*p & 0x7F) + 1));
  }
}
