#include "kti18n/locale/languages.h"

#include <cstring>

namespace {

// Orders two codes by their first two bytes read as signed characters, the
// order the tables are sorted in. Reading stops at a terminator, so a code
// shorter than two bytes is never read past its end.
int compare_two_letters(const char* a, const char* b) {
  for (int i = 0; i < 2; ++i) {
    const signed char ca = static_cast<signed char>(a[i]);
    const signed char cb = static_cast<signed char>(b[i]);
    if (ca != cb) return ca < cb ? -1 : 1;
    if (ca == 0) return 0;
  }
  return 0;
}

template <typename Row>
const Row* binary_search_two(const Row* first, const Row* last, const char* code) {
  if (code == nullptr) return last;
  const Row* lo = first;
  const Row* hi = last;
  while (lo < hi) {
    const Row* mid = lo + (hi - lo) / 2;
    const int c = compare_two_letters(mid->code2, code);
    if (c == 0) return mid;
    if (c < 0)
      lo = mid + 1;
    else
      hi = mid;
  }
  return last;
}

// Rows sharing a three-letter code (in/id, iw/he, ji/yi) resolve to the
// first in two-letter order, so the scan is linear rather than a search.
template <typename Row>
const Row* linear_search_three(const Row* first, const Row* last, const char* code) {
  if (code == nullptr) return last;
  for (const Row* r = first; r != last; ++r)
    if (std::strcmp(r->code3, code) == 0) return r;
  return last;
}

}  // namespace

const zv_languages::language* zv_languages::LookUpByTwoLetters(const char* code) {
  return binary_search_two(begin(), end(), code);
}

const zv_languages::language* zv_languages::LookUpByThreeLetters(const char* code) {
  return linear_search_three(begin(), end(), code);
}

const zv_countries::country* zv_countries::LookUpByTwoLetters(const char* code) {
  return binary_search_two(begin(), end(), code);
}

const zv_countries::country* zv_countries::LookUpByThreeLetters(const char* code) {
  return linear_search_three(begin(), end(), code);
}
