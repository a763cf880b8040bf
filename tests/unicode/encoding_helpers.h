// Whole-text conversions through the encoding layer, for the tests.
#ifndef KTI18N_TESTS_LOCALE_ENCODING_HELPERS_H
#define KTI18N_TESTS_LOCALE_ENCODING_HELPERS_H

#include <string>
#include <vector>

#include "kti18n/unicode/encoding_layer.h"

namespace encoding_test {

using Units = std::vector<unsigned short>;
using Bytes = std::string;

inline ExternalEncoding& Encoding(const char* name) {
  ExternalEncoding* encoding = ExternalEncoding::Lookup(name);
  if (encoding == nullptr) throw std::runtime_error(std::string("unknown encoding ") + name);
  return *encoding;
}

// The input is copied into a block of exactly its size, so that the
// sanitizer sees any read past its end.
inline Units Decode(const ExternalEncoding& encoding, const Bytes& bytes) {
  std::vector<unsigned char> exact(bytes.begin(), bytes.end());
  BufferCharSource source(exact.data(), exact.data() + exact.size());
  InternalEncodingConverter converter(source, encoding, InternalEncoding::Unicode());
  Units out;
  for (auto chunk = converter.Peek(); !chunk.empty(); chunk = converter.Peek()) {
    out.insert(out.end(), chunk.begin(), chunk.end());
    converter.Consume(chunk.size());
  }
  return out;
}

inline Bytes Encode(const ExternalEncoding& encoding, const Units& units) {
  std::vector<unsigned short> exact(units.begin(), units.end());
  BufferChar16Source source(exact.data(), exact.data() + exact.size());
  ExternalEncodingConverter converter(source, InternalEncoding::Unicode(), encoding);
  Bytes out;
  StringActor actor(out);
  CharSink(actor).Put(converter);
  return out;
}

inline Units U(std::u16string_view text) { return Units(text.begin(), text.end()); }

}  // namespace encoding_test

#endif
