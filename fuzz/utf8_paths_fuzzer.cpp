// The UTF-8 <-> UCS-2 kernels of every path this processor runs give the
// scalar results: the input read as UTF-8, and (as pairs of bytes) as UCS-2.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "kti18n/text/utf8.h"
#include "kti18n/text/utf8_simd.h"

namespace {

namespace detail = kti18n::utf8::detail;

struct Results {
  zvStatus status = ZV_S_OK;
  std::uint32_t chars = 0, bytes = 0;
  std::vector<unsigned short> units;
  unsigned char_count = 0;
  std::uint64_t encoded_length = 0;
  std::vector<unsigned char> encoded;
  bool operator==(const Results&) const = default;
};

Results run(const std::uint8_t* data, std::size_t size, const std::vector<unsigned short>& ucs2) {
  Results r;
  r.status = kti18n::utf8::measure(data, static_cast<std::uint32_t>(size), &r.chars, &r.bytes);
  if (r.status == ZV_S_OK) {
    r.units.resize(r.chars);
    if (kti18n::utf8::decode(r.units.data(), data, r.bytes) != r.units.data() + r.chars) std::abort();
  }
  r.char_count = UTF8_GetCharCount(data, static_cast<unsigned>(size));
  r.encoded_length = kti18n::utf8::encoded_length(ucs2.data(), ucs2.size());
  r.encoded.resize(r.encoded_length);
  if (kti18n::utf8::encode(r.encoded.data(), ucs2.data(), ucs2.size()) != r.encoded.data() + r.encoded.size())
    std::abort();
  return r;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<unsigned short> ucs2(size / 2);
  if (!ucs2.empty()) std::memcpy(ucs2.data(), data, ucs2.size() * 2);
  detail::set_path(detail::Path::Scalar);
  const Results expected = run(data, size, ucs2);
  for (detail::Path p : {detail::Path::Sse2, detail::Path::Avx2}) {
    if (!detail::set_path(p)) continue;
    if (!(run(data, size, ucs2) == expected)) std::abort();
  }
  detail::set_path(detail::best_path());
  return 0;
}
