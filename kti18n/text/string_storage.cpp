#include "kti18n/text/string_storage.h"

#include <algorithm>
#include <memory>
#include <new>

namespace {

template <typename Unit>
struct static_buffer {
  typename zv_string_storage<Unit>::buffer_type header;
  Unit terminator[8 / sizeof(Unit)];
};

template <typename Unit>
static_buffer<Unit> g_nil{{0}, {}};
template <typename Unit>
static_buffer<Unit> g_null{{0}, {}};

template <typename Unit>
void fill_units(Unit* p, std::uint64_t n, Unit ch) {
  std::fill_n(p, n, ch);
}

}  // namespace

template <typename Unit>
typename zv_string_storage<Unit>::buffer_type* zv_string_storage<Unit>::nil_buffer() noexcept {
  static_assert(offsetof(static_buffer<Unit>, terminator) == sizeof(buffer_type));
  return &g_nil<Unit>.header;
}

template <typename Unit>
typename zv_string_storage<Unit>::buffer_type* zv_string_storage<Unit>::null_buffer() noexcept {
  return &g_null<Unit>.header;
}

template <typename Unit>
typename zv_string_storage<Unit>::buffer_type* zv_string_storage<Unit>::allocate(std::uint32_t n) {
  if (n == 0) return nil_buffer();
  void* block = ::operator new(block_size(n), std::nothrow);
  if (block == nullptr) throw ZVException(ZV_E_OUTOFMEMORY);
  auto* b = static_cast<buffer_type*>(block);
  b->length = n;
  b->units()[n] = 0;
  return b;
}

template <typename Unit>
void zv_string_storage<Unit>::release(buffer_type* b) noexcept {
  if (!is_static(b)) ::operator delete(b);
}

template <typename Unit>
Unit* zv_string_storage<Unit>::set_length(buffer_type*& b, std::uint64_t n, std::uint64_t maxLength) {
  if (n > maxLength) throw ZVException(ZV_E_LENGTH);
  const auto newLength = static_cast<std::uint32_t>(n);
  if (block_size(newLength) == block_size(b->length)) {
    if (!is_static(b)) {
      b->length = newLength;
      b->units()[newLength] = 0;
    }
    return b->units();
  }
  buffer_type* fresh = allocate(newLength);
  std::memcpy(fresh->units(), b->units(), std::min<std::uint32_t>(b->length, newLength) * sizeof(Unit));
  release(b);
  b = fresh;
  return b->units();
}

template <typename Unit>
void zv_string_storage<Unit>::replace(buffer_type*& b, std::uint32_t pos, std::uint32_t len, const Unit* s,
                                      std::uint64_t slen, Unit fill, std::uint64_t maxLength) {
  const std::uint32_t length = b->length;
  if (pos > length) throw ZVException(ZV_E_OUT_OF_RANGE);
  len = std::min(len, length - pos);
  const std::uint64_t newLength = std::uint64_t{length} - len + slen;
  if (newLength > maxLength) throw ZVException(ZV_E_LENGTH);
  const std::uint32_t tail = length - pos - len;

  // A source inside this string is copied aside before the string changes.
  std::unique_ptr<Unit[]> aside;
  if (s != nullptr && slen != 0 && s >= b->units() && s < b->units() + length) {
    aside.reset(new Unit[slen]);
    std::memcpy(aside.get(), s, slen * sizeof(Unit));
    s = aside.get();
  }

  Unit* out;
  if (block_size(newLength) == block_size(length)) {
    out = b->units();
    if (!is_static(b)) {
      std::memmove(out + pos + slen, out + pos + len, tail * sizeof(Unit));
      b->length = static_cast<std::uint32_t>(newLength);
      out[newLength] = 0;
    }
  } else {
    buffer_type* fresh = allocate(static_cast<std::uint32_t>(newLength));
    out = fresh->units();
    std::memcpy(out, b->units(), pos * sizeof(Unit));
    std::memcpy(out + pos + slen, b->units() + pos + len, tail * sizeof(Unit));
    release(b);
    b = fresh;
  }
  if (s != nullptr)
    std::memcpy(out + pos, s, slen * sizeof(Unit));
  else
    fill_units(out + pos, slen, fill);
}

template struct zv_string_storage<unsigned short>;
template struct zv_string_storage<unsigned char>;
