// UTF-8 decoding: every public decoder reads any bytes safely, the ones that
// accept them agree on the characters, and they accept and refuse the same
// inputs. The input is the UTF-8 text itself.
#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <vector>

#include "fuzz_check.h"
#include "kti18n/base/exception.h"
#include "kti18n/text/formatter.h"
#include "kti18n/text/ucs2string.h"
#include "kti18n/text/utf8.h"
#include "kti18n/text/utf8string.h"
#include "kti18n/unicode/encoding_layer.h"

namespace {

using Units = std::vector<unsigned short>;

// The free functions: whole-text conversion, measuring, and stepping.
Units check_free_functions(const std::uint8_t* data, unsigned n, bool* accepted) {
  unsigned short* block = nullptr;
  unsigned count = 0;
  const zvStatus st = UTF8_ConvertToUCS2(data, n, &block, &count);

  std::uint32_t chars = 0, bytes = 0;
  const zvStatus measured = kti18n::utf8::measure(data, n, &chars, &bytes);
  // Empty input measures as no characters but is refused by the conversion.
  FUZZ_CHECK((st >= 0) == (measured >= 0 && n > 0));
  FUZZ_CHECK(st >= 0 || (block == nullptr && count == 0));
  *accepted = measured >= 0;
  if (*accepted) {
    FUZZ_CHECK(bytes == n);
    FUZZ_CHECK(n == 0 || chars == count);
    FUZZ_CHECK(UTF8_GetCharCount(data, n) == chars);
    FUZZ_CHECK(zv_utf8_traits::char_length(data, n) == chars);
  }

  Units decoded;
  if (*accepted && chars > 0) {
    decoded.resize(chars);
    FUZZ_CHECK(kti18n::utf8::decode(decoded.data(), data, n) == decoded.data() + chars);
    FUZZ_CHECK(std::memcmp(decoded.data(), block, chars * sizeof(unsigned short)) == 0);
    Units copied(chars);
    zv_utf8_traits::copy(copied.data(), data, chars);
    FUZZ_CHECK(copied == decoded);
  }
  delete[] block;

  // Character by character, to the end or the first refusal.
  const unsigned char* p = data;
  const unsigned char* end = data + n;
  std::size_t stepped = 0;
  while (p < end) {
    const unsigned char* before = p;
    const unsigned short c = UTF8_ConvertNextChar(&p, end);
    if (p == before) {
      FUZZ_CHECK(c == 0xFFFF);
      break;
    }
    FUZZ_CHECK(p <= end);
    if (*accepted) FUZZ_CHECK(decoded[stepped] == c);
    ++stepped;
  }
  FUZZ_CHECK(*accepted == (p == end));
  return decoded;
}

// Readers of 0-terminated text stop at the first 0 byte.
void check_terminated_readers(const std::uint8_t* data, unsigned n, bool accepted, const Units& decoded) {
  const std::string text(reinterpret_cast<const char*>(data), n);
  const auto* s = reinterpret_cast<const unsigned char*>(text.c_str());
  const bool has_nul = std::memchr(data, 0, n) != nullptr;
  std::uint32_t chars = 0, bytes = 0;
  const bool terminated_ok = kti18n::utf8::measure(s, kti18n::utf8::npos, &chars, &bytes) >= 0;
  if (!has_nul) {
    FUZZ_CHECK(terminated_ok == accepted);
    FUZZ_CHECK(zv_utf8_traits::char_length(s) == zv_utf8_traits::char_length(data, n));
  }
  try {
    const ucs2string whole(s);
    FUZZ_CHECK(terminated_ok && whole.length() == chars);
    if (!has_nul) FUZZ_CHECK(Units(whole.data(), whole.data() + whole.length()) == decoded);
  } catch (const ZVException&) {
    FUZZ_CHECK(!terminated_ok);
  }
  try {
    ucs2string_formatter f(s);
    FUZZ_CHECK(terminated_ok && f.length() == chars);
  } catch (const ZVException&) {
    FUZZ_CHECK(!terminated_ok);
  }
}

// The string classes built from the counted bytes.
void check_strings(const std::uint8_t* data, unsigned n, bool accepted, const Units& decoded) {
  try {
    const ucs2string s(data, n);
    FUZZ_CHECK(accepted && Units(s.data(), s.data() + s.length()) == decoded);
  } catch (const ZVException&) {
    FUZZ_CHECK(!accepted);
  }
  try {
    const ucs2string_formatter f(data, n);
    FUZZ_CHECK(accepted && Units(f.data(), f.data() + f.length()) == decoded);
  } catch (const ZVException&) {
    FUZZ_CHECK(!accepted);
  }
  zv_utf8_traits::_is_valid_utf8(data, n);

  const zv_utf8string u8(data, n);
  FUZZ_CHECK(u8.length() == n && std::memcmp(u8.data(), data, n) == 0);
  FUZZ_CHECK(u8.char_length() == zv_utf8_traits::char_length(data, n));
  // Positions step by lead bytes; reading one agrees with the stepping
  // decoder. Refusals throw, which is slow: a few of them tell enough.
  int refusals = 0;
  for (zv_utf8_pos pos(u8, 0); pos.offset() < n && refusals < 3; ++pos) {
    const unsigned char* p = u8.data() + pos.offset();
    const unsigned char* before = p;
    const unsigned short expected = UTF8_ConvertNextChar(&p, u8.data() + n);
    try {
      FUZZ_CHECK(*pos == expected && p != before);
    } catch (const ZVException&) {
      FUZZ_CHECK(p == before);
      ++refusals;
    }
  }
}

// The encoding layer's UTF-8 codec is strict: where it finds nothing to
// replace and no character beyond the BMP, the lenient decoders above must
// accept the text and read the same units, and encoding them gives the
// bytes back.
void check_codec(const std::uint8_t* data, unsigned n, bool accepted, const Units& decoded) {
  const ExternalEncoding& utf8 = ExternalEncoding::Unicode20UTF8();
  BufferCharSource source(data, data + n);
  InternalEncodingConverter converter(source, utf8, InternalEncoding::Unicode());
  // Every byte gives at most one unit, or a 4-byte sequence two.
  Units strict(n + 1);
  BufferChar16Sink sink(strict.data(), strict.size());
  FUZZ_CHECK(sink.Put(converter));
  strict.resize(sink.Size());
  for (unsigned short u : strict)
    if (u == 0xFFFD || (u >= 0xD800 && u <= 0xDFFF)) return;
  FUZZ_CHECK(accepted && strict == decoded);

  BufferChar16Source units(strict.data(), strict.data() + strict.size());
  ExternalEncodingConverter encoder(units, InternalEncoding::Unicode(), utf8);
  std::string back(n + 1, '\0');
  BufferCharSink out(reinterpret_cast<unsigned char*>(back.data()), back.size());
  FUZZ_CHECK(out.Put(encoder));
  back.resize(out.Size());
  FUZZ_CHECK(back.size() == n && std::memcmp(back.data(), data, n) == 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > 0xFFFE) return 0;  // within what the formatter holds
  static const std::uint8_t kEmpty = 0;
  if (data == nullptr) data = &kEmpty;
  const unsigned n = static_cast<unsigned>(size);
  bool accepted = false;
  const Units decoded = check_free_functions(data, n, &accepted);
  check_terminated_readers(data, n, accepted, decoded);
  check_strings(data, n, accepted, decoded);
  check_codec(data, n, accepted, decoded);
  return 0;
}
