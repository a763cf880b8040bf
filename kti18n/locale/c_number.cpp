#include "kti18n/locale/c_number.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

namespace {

bool is_c_space(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// Out of range: from_chars leaves the value alone, strtod gives an infinity
// on overflow and zero on underflow. The digits and the exponent tell which.
double out_of_range(std::string_view digits, bool negative) {
  long exponent = 0;
  const std::size_t e = digits.find_first_of("eEpP");
  if (e != std::string_view::npos) exponent = std::strtol(std::string(digits.substr(e + 1)).c_str(), nullptr, 10);
  const std::string_view mantissa = digits.substr(0, e);
  const std::size_t point = mantissa.find('.');
  const std::size_t firstNonZero = mantissa.find_first_not_of("0.");
  // Digits before the point count up, zeros after it count down.
  long magnitude = exponent;
  if (firstNonZero != std::string_view::npos) {
    const std::size_t intEnd = point == std::string_view::npos ? mantissa.size() : point;
    magnitude += firstNonZero < intEnd ? static_cast<long>(intEnd - firstNonZero) : -static_cast<long>(firstNonZero - intEnd);
  }
  const double v = magnitude > 0 ? HUGE_VAL : 0.0;
  return negative ? -v : v;
}

double read_without_locale(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && is_c_space(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  std::chars_format format = std::chars_format::general;
  if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
    format = std::chars_format::hex;
    i += 2;
  }
  const char* first = text.data() + i;
  const char* last = text.data() + text.size();
  double value = 0;
  const auto [end, ec] = std::from_chars(first, last, value, format);
  if (ec == std::errc::result_out_of_range) return out_of_range(std::string_view(first, end - first), negative);
  if (ec != std::errc()) return 0;
  return negative ? -value : value;
}

}  // namespace

double zv_read_c_number(std::string_view text, locale_t cLocale) {
  if (cLocale == nullptr) return read_without_locale(text);
  const std::string terminated(text);
  return strtod_l(terminated.c_str(), nullptr, cLocale);
}

locale_t zv_c_locale() {
  static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", nullptr);
  return cLocale;
}
