#include "kti18n/locale/double_traits.h"

#include <bit>
#include <cstdint>

int zv_double_traits::GetIeeeClass(double value) noexcept {
  const std::uint64_t bits = std::bit_cast<std::uint64_t>(value);
  const bool negative = (bits >> 63) != 0;
  const unsigned biased = static_cast<unsigned>(bits >> 52) & 0x7FFu;
  const std::uint64_t fraction = bits & ((std::uint64_t{1} << 52) - 1);
  if (biased == 0x7FFu) {
    if (fraction == 0) return negative ? kNegativeInfinity : kPositiveInfinity;
    // The top fraction bit tells a quiet NaN from a signalling one.
    return (fraction >> 51) != 0 ? kQuietNaN : kSignalingNaN;
  }
  if (biased == 0) {
    if (fraction == 0) return negative ? kNegativeZero : kPositiveZero;
    return negative ? kNegativeDenormal : kPositiveDenormal;
  }
  return negative ? kNegativeNormal : kPositiveNormal;
}
