// UTF-8 traits, UTF-8 <-> UCS-2 conversion functions, and the codec
// helpers that every UTF-8 reader and writer of the library shares.
//
// Only the Basic Multilingual Plane is converted: a UCS-2 unit becomes 1, 2
// or 3 bytes; sequences of 4 or more bytes are rejected by every decoder.
// Continuation bytes are not validated (except by _is_valid_utf8): a 2-byte
// sequence decodes as (b0 << 6) + b1 - 0x3080 and a 3-byte one as
// (b0 << 12) + (b1 << 6) + b2 - 0xE2080, truncated to 16 bits.
#ifndef KTI18N_TEXT_UTF8_H
#define KTI18N_TEXT_UTF8_H

#include <cstdint>

#include "kti18n/base/status.h"

// Sequence length by lead byte: continuation bytes count as 1.
extern const unsigned char sAddBytesFromUTF8[256];
// Trailing-byte count by lead byte (sAddBytesFromUTF8 - 1).
extern const unsigned char sTrailingBytesFromUTF8[256];

struct zv_utf8_traits {
  using char_type = unsigned char;

  static unsigned length(const unsigned char* s);
  static unsigned length(const unsigned short* s);
  static unsigned length(const unsigned short* s, unsigned n);
  static unsigned length(unsigned short ch, unsigned n);
  static unsigned char_length(const unsigned char* s);
  static unsigned char_length(const unsigned char* s, unsigned nbytes);
  static unsigned GetNbBytes(unsigned char lead) { return sAddBytesFromUTF8[lead]; }
  static unsigned GetUTF8Bytes(unsigned short ch) { return ch < 0x80 ? 1 : ch < 0x800 ? 2 : 3; }
  static unsigned GetUTF8Bytes(unsigned int ch);
  static bool is_lead_byte(unsigned char b) { return (b & 0xC0) != 0x80; }
  static unsigned char eos() { return 0; }
  static int compare(const unsigned char* a, const unsigned char* b, unsigned n);
  // Comparing bytes with units is not supported: always throws 0x80041123.
  [[noreturn]] static int compare(const unsigned char* a, const unsigned short* b, unsigned n);
  static unsigned char* copy(unsigned char* dst, const unsigned char* src, unsigned n);
  static unsigned char* move(unsigned char* dst, const unsigned char* src, unsigned n);
  // Decodes nchars characters; a lead byte of 4 or more bytes throws 0x80041123.
  static unsigned short* copy(unsigned short* dst, const unsigned char* src, unsigned nchars);
  // Encodes units of src until exactly nbytes bytes are written.
  static unsigned char* assign(unsigned char* dst, unsigned nbytes, const unsigned short* src);
  // Fills nbytes with the encoding of ch repeated.
  static unsigned char* assign(unsigned char* dst, unsigned nbytes, unsigned short ch);
  static bool _is_valid_utf8(const unsigned char* s, unsigned nbytes);
};

// Encodes n units into a new[] block of exactly the needed size (free it
// with delete[]). Returns ZV_S_OK, or ZV_E_OUTOFMEMORY with *out = 0.
zvStatus UCS2_ConvertToUTF8(const unsigned short* src, unsigned n, unsigned char** out, unsigned* outBytes);
// Decodes nbytes bytes into a new[] block of units (free it with delete[]).
// Returns ZV_S_OK, or ZV_E_INVALID_DATA / ZV_E_OUTOFMEMORY with *out = 0.
zvStatus UTF8_ConvertToUCS2(const unsigned char* src, unsigned nbytes, unsigned short** out, unsigned* outUnits);
// Decodes the character at *p and advances past it. Returns 0xFFFF without
// moving when the sequence does not lie wholly before end or has 4 or more
// bytes.
unsigned short UTF8_ConvertNextChar(const unsigned char** p, const unsigned char* end);
// Characters in nbytes bytes, or 0 when the sequences do not end exactly there.
unsigned UTF8_GetCharCount(const unsigned char* s, unsigned nbytes);

namespace kti18n::utf8 {

inline constexpr std::uint32_t npos = 0xFFFFFFFFu;

// Bytes needed to encode n units.
std::uint64_t encoded_length(const unsigned short* s, std::uint64_t n) noexcept;
// Encodes n units at dst (which has room for encoded_length bytes); returns
// the end of the written bytes.
unsigned char* encode(unsigned char* dst, const unsigned short* s, std::uint64_t n) noexcept;

// Decodes one unit of a well-formed-length sequence of 1 to 3 bytes.
inline unsigned short decode_sequence(const unsigned char* p, unsigned len) noexcept {
  switch (len) {
    case 1: return p[0];
    case 2: return static_cast<unsigned short>((p[0] << 6) + p[1] - 0x3080);
    default: return static_cast<unsigned short>((p[0] << 12) + (p[1] << 6) + p[2] - 0xE2080);
  }
}

// Measures UTF-8 input for decoding into UCS-2: nbytes bytes, or up to the
// 0 byte when nbytes is npos. On success stores the character count and the
// byte count and returns ZV_S_OK. A sequence of 4 or more bytes, or one cut
// short by the end of the input, gives ZV_E_INVALID_DATA.
zvStatus measure(const unsigned char* s, std::uint32_t nbytes, std::uint32_t* chars, std::uint32_t* bytes) noexcept;
// Decodes bytes already accepted by measure(); returns the end of the units.
unsigned short* decode(unsigned short* dst, const unsigned char* s, std::uint32_t nbytes) noexcept;

}  // namespace kti18n::utf8

#endif
