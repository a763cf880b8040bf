// UTF-8 decoding: every decoder reads the bytes safely, and the ones that
// accept them agree on the characters.
#include <cstdint>
#include <cstdlib>

#include "kti18n/text/utf8.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const unsigned n = static_cast<unsigned>(size);

  unsigned short* units = nullptr;
  unsigned count = 0;
  zvStatus st = UTF8_ConvertToUCS2(data, n, &units, &count);

  std::uint32_t chars = 0, bytes = 0;
  zvStatus measured = kti18n::utf8::measure(data, n, &chars, &bytes);
  if ((st >= 0) != (measured >= 0)) std::abort();
  if (st >= 0 && chars != count) std::abort();

  // Character by character, to the end or the first refusal.
  const unsigned char* p = data;
  const unsigned char* end = data + size;
  unsigned stepped = 0;
  while (p < end) {
    const unsigned char* before = p;
    unsigned short c = UTF8_ConvertNextChar(&p, end);
    if (p == before) break;
    if (units && (stepped >= count || units[stepped] != c)) std::abort();
    ++stepped;
  }
  if (st >= 0 && stepped != count) std::abort();
  delete[] units;
  return 0;
}
