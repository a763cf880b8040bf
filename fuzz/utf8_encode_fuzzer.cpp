// UTF-8 encoding: any UCS-2 units (lone surrogates and 0 included) encode to
// 1 to 3 bytes each, every encoder writes the same bytes, and decoding them
// gives the units back. The input is the units, two bytes each.
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "fuzz_check.h"
#include "kti18n/text/ucs2string.h"
#include "kti18n/text/utf8.h"
#include "kti18n/text/utf8string.h"

namespace {

using Units = std::vector<unsigned short>;

Units all_units(const std::uint8_t* data, std::size_t size) {
  Units units(size / 2);
  for (std::size_t i = 0; i < units.size(); ++i)
    units[i] = static_cast<unsigned short>(data[2 * i] | (data[2 * i + 1] << 8));
  return units;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const Units units = all_units(data, size);
  const unsigned n = static_cast<unsigned>(units.size());
  const unsigned short* u = units.empty() ? nullptr : units.data();

  unsigned char* block = nullptr;
  unsigned bytes = 0;
  FUZZ_CHECK(UCS2_ConvertToUTF8(u, n, &block, &bytes) >= 0);
  FUZZ_CHECK(bytes == zv_utf8_traits::length(u, n));
  FUZZ_CHECK(bytes == kti18n::utf8::encoded_length(u, n));
  FUZZ_CHECK(bytes >= n && bytes <= 3 * n);
  const std::string encoded(reinterpret_cast<const char*>(block), bytes);
  delete[] block;
  const auto* e = reinterpret_cast<const unsigned char*>(encoded.data());

  // The other encoders write the same bytes.
  FUZZ_CHECK(ucs2string(u, n).to_utf8() == encoded);
  FUZZ_CHECK(zv_utf8string(u, n).view() == encoded);
  std::string assigned(bytes, '\0');
  if (n) zv_utf8_traits::assign(reinterpret_cast<unsigned char*>(assigned.data()), bytes, u);
  FUZZ_CHECK(assigned == encoded);
  // A repeated unit fills whole encodings of it.
  if (n) {
    const unsigned each = zv_utf8_traits::GetUTF8Bytes(units[0]);
    std::string fill(each * 5, '\0');
    zv_utf8_traits::assign(reinterpret_cast<unsigned char*>(fill.data()), each * 5, units[0]);
    const zv_utf8string one(u, 1);
    for (unsigned k = 0; k < 5; ++k) FUZZ_CHECK(fill.compare(k * each, each, one.view()) == 0);
  }

  // Every encoding is well formed and decodes back to the units.
  FUZZ_CHECK(zv_utf8_traits::_is_valid_utf8(e, bytes));
  FUZZ_CHECK(zv_utf8_traits::char_length(e, bytes) == n);
  FUZZ_CHECK(UTF8_GetCharCount(e, bytes) == n);
  if (n) {
    unsigned short* back = nullptr;
    unsigned count = 0;
    FUZZ_CHECK(UTF8_ConvertToUCS2(e, bytes, &back, &count) >= 0);
    FUZZ_CHECK(count == n && std::memcmp(back, u, n * sizeof(unsigned short)) == 0);
    delete[] back;
  }
  const ucs2string decoded(e, bytes);
  FUZZ_CHECK(Units(decoded.data(), decoded.data() + decoded.length()) == units);
  return 0;
}
