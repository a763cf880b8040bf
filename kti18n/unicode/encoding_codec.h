// The codecs behind the encoding-conversion layer: one decoder (bytes to
// UCS-2) and one encoder (UCS-2 to bytes) per conversion, made by a codec
// factory that knows one encoding.
//
// Contract shared by every codec, so that the layer above never has to know
// which one it drives:
//  - A call converts as much of the input as fits in the output and stops
//    only at the end of the input or when the next character does not fit;
//    it never writes a partial character (nor half a surrogate pair).
//  - The input given to a call is complete: an incomplete sequence at its
//    end is malformed. Callers feed whole characters (every source of the
//    layer ends its chunks on character boundaries).
//  - Malformed input decodes to U+FFFD and resumes one byte later, so a bad
//    byte costs one character and never the rest of the text.
//  - A character the encoding cannot represent encodes to its substitution
//    character: "?" for byte encodings (written in the encoder's current
//    shift state), U+FFFD for UTF-8.
//  - Decoders and encoders keep their state between calls; Finish ends the
//    text (an encoder writes its return to the initial shift state).
#ifndef KTI18N_LOCALE_ENCODING_CODEC_H
#define KTI18N_LOCALE_ENCODING_CODEC_H

#include <iconv.h>

#include <memory>

namespace zv_encoding_detail {

inline constexpr unsigned short kReplacementChar = 0xFFFD;
inline constexpr unsigned char kSubstitutionByte = '?';

inline bool IsHighSurrogate(unsigned short u) { return u >= 0xD800 && u < 0xDC00; }
inline bool IsLowSurrogate(unsigned short u) { return u >= 0xDC00 && u < 0xE000; }

class Decoder {
 public:
  virtual ~Decoder() = default;
  // Converts [in, inEnd) into [out, outEnd), advancing both pointers.
  virtual void Decode(const unsigned char*& in, const unsigned char* inEnd, unsigned short*& out,
                      unsigned short* outEnd) = 0;
  // Writes what the decoder still holds at the end of the text (a decoder
  // that composes a base letter with a following accent holds the last
  // letter back); false when it did not fit (nothing is then written).
  virtual bool Finish(unsigned short*& out, unsigned short* outEnd) {
    (void)out;
    (void)outEnd;
    return true;
  }
};

class Encoder {
 public:
  virtual ~Encoder() = default;
  // Converts [in, inEnd) into [out, outEnd), advancing both pointers.
  virtual void Encode(const unsigned short*& in, const unsigned short* inEnd, unsigned char*& out,
                      unsigned char* outEnd) = 0;
  // Writes the return to the initial shift state; false when it did not fit
  // (nothing is then written).
  virtual bool Finish(unsigned char*& out, unsigned char* outEnd) {
    (void)out;
    (void)outEnd;
    return true;
  }
};

class Codec {
 public:
  virtual ~Codec() = default;
  // False when the host cannot provide this codec (an iconv without the
  // encoding): the encoding is then listed but does not convert.
  virtual bool Available() const = 0;
  // Null when not Available().
  virtual std::unique_ptr<Decoder> NewDecoder() const = 0;
  virtual std::unique_ptr<Encoder> NewEncoder() const = 0;
};

// The codec factories, one per kind of encoding. The iconv codec opens its
// descriptors through `open` (iconv_open; tests pass one that fails). A
// descriptor that cannot be opened, or an iconv failure other than a bad or
// missing character, makes the conversion throw 0x80004005 with the reason.
using IconvOpener = iconv_t (*)(const char* to, const char* from);
std::unique_ptr<Codec> MakeIconvCodec(const char* iconvName, IconvOpener open = iconv_open);
std::unique_ptr<Codec> MakeTableCodec(const char* technicalName);
std::unique_ptr<Codec> MakeHzCodec();

}  // namespace zv_encoding_detail

#endif
