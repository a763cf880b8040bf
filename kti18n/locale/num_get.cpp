#include "kti18n/locale/num_get.h"

#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <locale.h>
#include <string>
#include <vector>

#include "kti18n/locale/c_number.h"
#include "kti18n/locale/ctype_impl.h"
#include "kti18n/locale/numpunct.h"

zv_locale::id zv_num_get::id;

namespace {

const zv_numpunct* hold(const zv_numpunct* punct) {
  const_cast<zv_numpunct*>(punct)->_M_add_reference();
  return punct;
}

// The units of [first, last), after checking that the two positions belong
// to one string and lie in order within it.
struct unit_range {
  const unsigned short* data;
  std::uint32_t begin, end;
};

unit_range checked_range(const zv_num_get::iter_type& first, const zv_num_get::iter_type& last) {
  if (first.string() != last.string() || first.index() > last.index()) throw ZVException(ZV_E_INVALID_DATA);
  if (first.string() == nullptr) return {nullptr, 0, 0};
  if (last.index() > first.string()->length()) throw ZVException(ZV_E_OUT_OF_RANGE);
  return {first.string()->data(), first.index(), last.index()};
}

bool is_space(unsigned short c) {
  static const zv_ctype_impl classic;
  return classic.IsSpace(c);
}

int digit_value(unsigned short c, const unsigned short* digits) {
  for (int d = 0; d < 10; ++d) {
    if (digits[d] == c) return d;
  }
  return -1;
}

// The locale's grouping as a rule for accepting thousands separators.
// Group sizes count from the decimal point leftwards; the last size
// repeats; 0xFFFF ends the grouping (no separator further left).
class grouping_rule {
 public:
  explicit grouping_rule(const unsigned short* grouping) {
    if (grouping == nullptr) return;
    while (grouping[length_] != 0) ++length_;
    sizes_ = grouping;
    for (std::size_t i = 0; i < length_; ++i) {
      if (grouping[i] == 0xFFFF) {
        ended_ = i;
        break;
      }
    }
  }

  bool enabled() const { return length_ > 0 && sizes_[0] >= 1 && sizes_[0] <= 65534; }

  // The size of group k from the right; 0 where the grouping has ended.
  unsigned size(std::size_t k) const {
    if (k >= ended_) return 0;
    return k < length_ ? sizes_[k] : sizes_[length_ - 1];
  }
  // From this group on every size is size(steady()).
  std::size_t steady() const { return ended_ < length_ - 1 ? ended_ : length_ - 1; }

 private:
  const unsigned short* sizes_ = nullptr;
  std::size_t length_ = 0;
  std::size_t ended_ = SIZE_MAX;  // the first group where the grouping has ended
};

// Digits read as groups between separators, left to right.
struct digit_groups {
  std::vector<std::uint32_t> lengths;     // digits per group
  std::vector<std::uint32_t> separators;  // separators[i]: the one before group i + 1
};

// Whether the first j groups, read as a whole number, form valid groups:
// every group but the leftmost has its exact size, the leftmost at most its
// size (any size where the grouping has ended).
class group_checker {
 public:
  group_checker(const grouping_rule& rule, const digit_groups& groups) : rule_(rule), groups_(groups) {
    // steadyRun_[i]: groups 1..i all have the steady size.
    const unsigned steady = rule.size(rule.steady());
    steadyRun_.assign(groups.lengths.size(), true);
    for (std::size_t i = 1; i < groups.lengths.size(); ++i)
      steadyRun_[i] = steadyRun_[i - 1] && steady != 0 && groups.lengths[i] == steady;
  }

  bool valid(std::size_t j) const {
    const auto& L = groups_.lengths;
    for (std::size_t k = 0; k + 1 < j; ++k) {
      if (k >= rule_.steady()) {
        if (!steadyRun_[j - 1 - k]) return false;
        break;
      }
      const unsigned size = rule_.size(k);
      if (size == 0 || L[j - 1 - k] != size) return false;
    }
    const unsigned leftmost = rule_.size(j - 1);
    return leftmost == 0 || L[0] <= leftmost;
  }

 private:
  const grouping_rule& rule_;
  const digit_groups& groups_;
  std::vector<bool> steadyRun_;
};

struct integer_read {
  std::uint32_t magnitude = 0;
  bool negative = false;
  bool overflow = false;
  bool anyDigit = false;
  std::uint32_t stop = 0;  // where reading stopped
};

// The shared integer scanner.
integer_read scan_integer(const unit_range& r, const zv_numpunct& punct, bool grouping) {
  integer_read result;
  result.stop = r.begin;
  const unsigned short* s = r.data;
  const unsigned short* digits = punct.GetDigits(false);
  const int mode = punct.mode();
  std::uint32_t p = r.begin;
  auto at = [&](std::uint32_t i, unsigned short c) { return i < r.end && s[i] == c; };

  while (p < r.end && is_space(s[p])) ++p;
  bool parenthesis = false;
  if (at(p, punct.negative_sign())) {
    result.negative = true;
    ++p;
  } else if (at(p, punct.positive_sign())) {
    ++p;
  } else if (mode == 0 && at(p, u'(')) {
    result.negative = parenthesis = true;
    ++p;
  }

  // Digits and the separators between them.
  const unsigned short separator = punct.thousands_sep();
  const grouping_rule rule(punct.grouping());
  const bool grouped = grouping && separator != 0 && rule.enabled();
  digit_groups groups;
  std::uint32_t current = 0, q = p;
  while (q < r.end) {
    if (digit_value(s[q], digits) >= 0) {
      ++current;
      ++q;
    } else if (grouped && s[q] == separator && current > 0 && q + 1 < r.end &&
               digit_value(s[q + 1], digits) >= 0) {
      groups.lengths.push_back(current);
      groups.separators.push_back(q);
      current = 0;
      ++q;
    } else {
      break;
    }
  }
  if (q == p) return result;  // no digit
  groups.lengths.push_back(current);

  // Stop before the first separator from which on the groups break the pattern.
  std::uint32_t stop = q;
  if (groups.lengths.size() > 1) {
    const group_checker checker(rule, groups);
    std::size_t j = groups.lengths.size();
    while (j > 1 && !checker.valid(j)) --j;
    if (j < groups.lengths.size()) stop = groups.separators[j - 1];
  }

  std::uint64_t value = 0;
  for (std::uint32_t i = p; i < stop; ++i) {
    const int d = digit_value(s[i], digits);
    if (d < 0) continue;  // an accepted separator
    value = value * 10 + static_cast<unsigned>(d);
    if (value > 0xFFFFFFFFu) {
      result.overflow = true;
      value = 0xFFFFFFFFu;
    }
  }
  result.magnitude = static_cast<std::uint32_t>(value);
  result.anyDigit = true;

  // A trailing sign.
  const unsigned short sign = punct.negative_sign();
  if (mode == 3 && at(stop, sign)) {
    result.negative = true;
    ++stop;
  } else if (mode == 4) {
    std::uint32_t t = stop;
    while (t < r.end && is_space(s[t])) ++t;
    if (t > stop && at(t, sign)) {
      result.negative = true;
      stop = t + 1;
    }
  } else if (parenthesis && at(stop, u')')) {
    ++stop;
  }
  result.stop = stop;
  return result;
}

template <class T>
void store_signed(const integer_read& r, T& v, std::int64_t lowest, std::int64_t highest) {
  if (r.overflow) {
    v = static_cast<T>(r.negative ? lowest : highest);
    throw ZVException(ZV_E_NUMBER_OVERFLOW);
  }
  const std::int64_t value = r.negative ? -std::int64_t{r.magnitude} : std::int64_t{r.magnitude};
  if (value < lowest || value > highest) {
    v = static_cast<T>(value < lowest ? lowest : highest);
    throw ZVException(ZV_E_NUMBER_OVERFLOW);
  }
  v = static_cast<T>(value);
}

template <class T>
void store_unsigned(const integer_read& r, T& v, std::uint64_t highest) {
  if (r.negative && (r.magnitude != 0 || r.overflow)) {
    v = 0;
    throw ZVException(ZV_E_NUMBER_OVERFLOW);
  }
  if (r.overflow || r.magnitude > highest) {
    v = static_cast<T>(highest);
    throw ZVException(ZV_E_NUMBER_OVERFLOW);
  }
  v = static_cast<T>(r.magnitude);
}

// Reads an integer and stores it through `store`, which may throw after
// storing. Nothing is stored when no digit is read.
template <class Store>
zv_num_get::iter_type get_integer(const zv_num_get::iter_type& first, const zv_num_get::iter_type& last,
                                  const zv_numpunct& punct, Store store) {
  const unit_range range = checked_range(first, last);
  const integer_read r = scan_integer(range, punct, true);
  if (!r.anyDigit) return first;
  store(r);
  return zv_num_get::iter_type(first.string(), r.stop);
}

// The range as a C-locale number: ASCII up to the first other unit.
double read_double(const zv_num_get::iter_type& first, const zv_num_get::iter_type& last) {
  const unit_range range = checked_range(first, last);
  std::string text;
  for (std::uint32_t i = range.begin; i < range.end; ++i) {
    const unsigned short c = range.data[i];
    if (c == 0 || c >= 0x80) break;
    text += static_cast<char>(c);
  }
  // The process's locale must not change the decimal point.
  return zv_read_c_number(text, zv_c_locale());
}

}  // namespace

zv_num_get::zv_num_get(unsigned refs) : facet(refs), m_punct(hold(new zv_numpunct(0))) {}

zv_num_get::zv_num_get(const zv_numpunct* punct, unsigned refs)
    : facet(refs), m_punct(hold(punct != nullptr ? punct : new zv_numpunct(0))) {}

zv_num_get::~zv_num_get() { const_cast<zv_numpunct*>(m_punct)->_M_remove_reference(); }

zv_num_get::iter_type zv_num_get::do_get(iter_type first, iter_type last, double& v) const {
  v = read_double(first, last);
  return last;
}

zv_num_get::iter_type zv_num_get::do_get(iter_type first, iter_type last, float& v) const {
  // Beyond the float range the value becomes an infinity, as IEEE rounding
  // would make it; converting such a double directly is undefined.
  const double d = read_double(first, last);
  if (std::fabs(d) > std::numeric_limits<float>::max())
    v = std::copysign(std::numeric_limits<float>::infinity(), static_cast<float>(std::signbit(d) ? -1 : 1));
  else
    v = static_cast<float>(d);
  return last;
}

zv_num_get::iter_type zv_num_get::do_get(iter_type first, iter_type last, unsigned short& v) const {
  return get_integer(first, last, *m_punct, [&](const integer_read& r) { store_unsigned(r, v, 65535u); });
}

zv_num_get::iter_type zv_num_get::do_get(iter_type first, iter_type last, unsigned int& v) const {
  return get_integer(first, last, *m_punct, [&](const integer_read& r) { store_unsigned(r, v, 4294967295u); });
}

zv_num_get::iter_type zv_num_get::do_get(iter_type first, iter_type last, unsigned long& v) const {
  return get_integer(first, last, *m_punct, [&](const integer_read& r) { store_unsigned(r, v, 4294967295u); });
}

zv_num_get::iter_type zv_num_get::do_get(iter_type first, iter_type last, short& v) const {
  return get_integer(first, last, *m_punct, [&](const integer_read& r) { store_signed(r, v, -32768, 32767); });
}

zv_num_get::iter_type zv_num_get::do_get(iter_type first, iter_type last, int& v) const {
  return get_integer(first, last, *m_punct,
                     [&](const integer_read& r) { store_signed(r, v, -2147483648LL, 2147483647); });
}

zv_num_get::iter_type zv_num_get::do_get(iter_type first, iter_type last, long& v) const {
  return get_integer(first, last, *m_punct,
                     [&](const integer_read& r) { store_signed(r, v, -2147483648LL, 2147483647); });
}

zv_num_get::iter_type zv_num_get::do_get(iter_type first, iter_type last, bool& v) const {
  return get_integer(first, last, *m_punct,
                     [&](const integer_read& r) { v = r.overflow || r.magnitude != 0; });
}
