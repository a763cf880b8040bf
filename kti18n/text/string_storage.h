// Storage shared by ucs2string (16-bit units) and zv_utf8string (bytes).
//
// A string holds one pointer to a buffer: a 32-bit length followed by the
// units and a 0 terminator. A string of n > 0 units owns a heap block of
// (4 + (n + 1) * unit size) bytes rounded up to a multiple of 8; the block
// size is a pure function of the length, so there is no capacity field and
// a change of length reallocates exactly when the size class changes.
// Length 0 points at one of two static buffers that are never freed: nil
// (the empty string) and null (the "no value" state).
#ifndef KTI18N_TEXT_STRING_STORAGE_H
#define KTI18N_TEXT_STRING_STORAGE_H

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "kti18n/base/exception.h"

template <typename Unit>
struct zv_string_storage {
  struct buffer_type {
    std::uint32_t length;
    Unit* units() noexcept { return reinterpret_cast<Unit*>(this + 1); }
    const Unit* units() const noexcept { return reinterpret_cast<const Unit*>(this + 1); }
  };

  static buffer_type* nil_buffer() noexcept;
  static buffer_type* null_buffer() noexcept;
  static bool is_static(const buffer_type* b) noexcept { return b == nil_buffer() || b == null_buffer(); }

  static constexpr std::size_t block_size(std::uint64_t n) noexcept {
    return n == 0 ? 0 : static_cast<std::size_t>((sizeof(std::uint32_t) + (n + 1) * sizeof(Unit) + 7) & ~std::uint64_t{7});
  }

  // A block for n units with its length set and terminator written; the nil
  // buffer for n = 0. Throws 0x80041122 when memory runs out.
  static buffer_type* allocate(std::uint32_t n);
  static void release(buffer_type* b) noexcept;

  // Makes the length of b equal to n, keeping the first min(n, length) units.
  // Throws 0x8004112A (before changing anything) when n exceeds maxLength.
  // Returns the units.
  static Unit* set_length(buffer_type*& b, std::uint64_t n, std::uint64_t maxLength);

  // Replaces [pos, pos + len) by slen units of s (s may point into b) or,
  // when s is null, by slen copies of fill. pos beyond the length throws
  // 0x80041128; len is clipped to the end.
  static void replace(buffer_type*& b, std::uint32_t pos, std::uint32_t len, const Unit* s,
                      std::uint64_t slen, Unit fill, std::uint64_t maxLength);
};

extern template struct zv_string_storage<unsigned short>;
extern template struct zv_string_storage<unsigned char>;

#endif
