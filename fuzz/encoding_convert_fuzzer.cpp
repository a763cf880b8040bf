// Conversion between UCS-2 and each byte encoding of the encoding layer, and
// through the codecvt facet. The input chooses an encoding (and a second one
// for byte-to-byte chains) and a buffer size, then gives the text: read
// both as bytes in the encoding and as UCS-2 units to encode.
//
// Promised and checked: a conversion read in small pieces gives what it gives
// in one go; encoding decoded text and decoding it again changes nothing
// but replacements (U+FFFD becomes "?" where the encoding lacks it); a
// chain from one encoding to another equals decoding then encoding; and the
// facet's codecvt calls, resumed where they stop, convert the whole text.
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz_check.h"
#include "fuzz_input.h"
#include "kti18n/locale/codecvt.h"
#include "kti18n/text/ucs2string.h"
#include "kti18n/unicode/encoding_layer.h"

namespace {

using Units = std::vector<unsigned short>;
using Bytes = std::string;

template <class Unit>
std::vector<Unit> drain(EncodingSource<Unit>& source) {
  std::vector<Unit> out;
  for (auto chunk = source.Peek(); !chunk.empty(); chunk = source.Peek()) {
    out.insert(out.end(), chunk.begin(), chunk.end());
    source.Consume(chunk.size());
  }
  return out;
}

// Whole conversions straight into a buffer that doubles until all fits
// (the converters' own chunks of Peek are checked by the chains below).
template <class Unit, class Out>
void fill_all(EncodingSource<Unit>& converter, std::size_t guess, Out& out) {
  out.resize(guess + 16);
  std::size_t used = 0;
  for (;;) {
    BufferSink<Unit> sink(reinterpret_cast<Unit*>(out.data()) + used, out.size() - used);
    const bool done = sink.Put(converter);
    used += sink.Size();
    if (done) break;
    out.resize(out.size() * 2);
  }
  out.resize(used);
}

Units decode(const ExternalEncoding& encoding, const Bytes& bytes) {
  const std::vector<unsigned char> exact(bytes.begin(), bytes.end());
  BufferCharSource source(exact.data(), exact.data() + exact.size());
  InternalEncodingConverter converter(source, encoding, InternalEncoding::Unicode());
  Units out;
  fill_all(converter, bytes.size(), out);
  return out;
}

Bytes encode(const ExternalEncoding& encoding, const Units& units) {
  BufferChar16Source source(units.data(), units.data() + units.size());
  ExternalEncodingConverter converter(source, InternalEncoding::Unicode(), encoding);
  Bytes out;
  fill_all(converter, 2 * units.size(), out);
  return out;
}

// The string sinks, which read the converters' chunks, agree.
void check_sinks(const ExternalEncoding& encoding, const Bytes& bytes, const Units& decoded) {
  const std::vector<unsigned char> exact(bytes.begin(), bytes.end());
  BufferCharSource source(exact.data(), exact.data() + exact.size());
  InternalEncodingConverter converter(source, encoding, InternalEncoding::Unicode());
  ucs2string text;
  Ucs2StringActor actor(text);
  Char16Sink(actor).Put(converter);
  FUZZ_CHECK(Units(text.data(), text.data() + text.length()) == decoded);
}

// Decoding into a buffer of room units at a time, resumed until the end.
void check_decoding_in_pieces(const ExternalEncoding& encoding, const Bytes& bytes, const Units& whole,
                              std::size_t room) {
  const std::vector<unsigned char> exact(bytes.begin(), bytes.end());
  BufferCharSource source(exact.data(), exact.data() + exact.size());
  InternalEncodingConverter converter(source, encoding, InternalEncoding::Unicode());
  Units pieces;
  std::vector<unsigned short> buffer(room);
  for (std::size_t round = 0;; ++round) {
    FUZZ_CHECK(round <= whole.size() + 1);
    BufferChar16Sink sink(buffer.data(), room);
    const bool done = sink.Put(converter);
    FUZZ_CHECK(sink.Size() <= room);
    pieces.insert(pieces.end(), buffer.begin(), buffer.begin() + sink.Size());
    if (done) break;
    // Only a character wider than the buffer (a surrogate pair in room 1) stops it empty.
    if (sink.Size() == 0) return;
  }
  FUZZ_CHECK(pieces == whole);
}

// Encoding into a buffer of room bytes at a time: each piece is complete
// text on its own, and the pieces decode to what the whole text does.
void check_encoding_in_pieces(const ExternalEncoding& encoding, const Units& units, const Bytes& whole,
                              std::size_t room) {
  BufferChar16Source source(units.data(), units.data() + units.size());
  ExternalEncodingConverter converter(source, InternalEncoding::Unicode(), encoding);
  Units pieces;
  std::vector<unsigned char> buffer(room);
  for (std::size_t round = 0;; ++round) {
    FUZZ_CHECK(round <= units.size() + 1);
    BufferCharSink sink(buffer.data(), room);
    const bool done = sink.Put(converter);
    FUZZ_CHECK(sink.Size() <= room);
    const Units piece = decode(encoding, Bytes(buffer.begin(), buffer.begin() + sink.Size()));
    pieces.insert(pieces.end(), piece.begin(), piece.end());
    if (done) break;
    if (sink.Size() == 0) return;  // a character with its shifts wider than the buffer
  }
  FUZZ_CHECK(pieces == decode(encoding, whole));
}

// Decoded text survives encoding and decoding again, but for replacements.
void check_round_trip(const ExternalEncoding& encoding, const Units& decoded) {
  const Units again = decode(encoding, encode(encoding, decoded));
  FUZZ_CHECK(again.size() == decoded.size());
  for (std::size_t i = 0; i < again.size(); ++i)
    FUZZ_CHECK(again[i] == decoded[i] || (decoded[i] == 0xFFFD && again[i] == u'?'));
}

void check_chain(const ExternalEncoding& from, const ExternalEncoding& to, const Bytes& bytes, const Units& decoded) {
  const std::vector<unsigned char> exact(bytes.begin(), bytes.end());
  BufferCharSource source(exact.data(), exact.data() + exact.size());
  ExternalEncodingConverter chain(source, from, to);
  const std::vector<unsigned char> chained = drain(chain);
  const Bytes direct = encode(to, decoded);
  // Buffers filled by a stateful encoding each end in its initial state, so
  // the bytes may differ where the fills join; the text may not.
  if (to.MaxShiftLength() == 0)
    FUZZ_CHECK(Bytes(chained.begin(), chained.end()) == direct);
  else
    FUZZ_CHECK(decode(to, Bytes(chained.begin(), chained.end())) == decode(to, direct));
}

// The facet's codecvt calls on a small output buffer, resumed from where
// each stopped, convert the whole text. Each call is a whole text of its
// own, so this holds for encodings without shift states.
void check_facet(const ExternalEncoding& encoding, const Bytes& bytes, const Units& decoded, std::size_t room) {
  const zv_codecvt_byname facet(encoding.Name(), 1);
  ucs2string text;
  facet.SetString(bytes.data(), bytes.data() + bytes.size(), text);
  FUZZ_CHECK(Units(text.data(), text.data() + text.length()) == decoded);

  std::mbstate_t state{};
  const std::vector<char> exact(bytes.begin(), bytes.end());
  const char* from = exact.data();
  const char* end = exact.data() + exact.size();
  // length: the bytes that convert to at most room units.
  const int length = facet.length(state, from, end, room);
  FUZZ_CHECK(length >= 0 && length <= static_cast<int>(exact.size()));
  FUZZ_CHECK(decode(encoding, Bytes(from, from + length)).size() <= room);
  if (encoding.MaxShiftLength() != 0) return;
  Units pieces;
  std::vector<unsigned short> buffer(room);
  for (std::size_t round = 0;; ++round) {
    FUZZ_CHECK(round <= exact.size() + 1);
    const char* next = nullptr;
    unsigned short* written = nullptr;
    const auto result = facet.in(state, from, end, next, buffer.data(), buffer.data() + room, written);
    FUZZ_CHECK(next >= from && next <= end && written >= buffer.data() && written <= buffer.data() + room);
    pieces.insert(pieces.end(), buffer.data(), written);
    if (result == zv_codecvt::ok) {
      FUZZ_CHECK(next == end);
      break;
    }
    FUZZ_CHECK(result == zv_codecvt::partial);
    if (next == from) return;  // a character wider than the buffer
    from = next;
  }
  FUZZ_CHECK(pieces == decoded);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > 4096) return 0;
  FuzzInput in(data, size);
  const std::vector<ExternalEncoding*>& all = ExternalEncoding::All();
  const ExternalEncoding& encoding = *all[in.choice(all.size())];
  const ExternalEncoding& other = *all[in.choice(all.size())];
  const std::size_t room = 1 + in.choice(16);
  if (!encoding.CanConvert()) return 0;

  const std::vector<std::uint8_t> rest = in.rest();
  const Bytes bytes(rest.begin(), rest.end());
  const Units decoded = decode(encoding, bytes);
  check_decoding_in_pieces(encoding, bytes, decoded, room);
  check_round_trip(encoding, decoded);
  if (size % 8 == 0) check_sinks(encoding, bytes, decoded);
  check_facet(encoding, bytes, decoded, room);
  if (size % 4 == 0 && other.CanConvert()) check_chain(encoding, other, bytes, decoded);

  // The same bytes as UCS-2 units, any of them, to encode.
  Units units(rest.size() / 2);
  for (std::size_t i = 0; i < units.size(); ++i)
    units[i] = static_cast<unsigned short>(rest[2 * i] | (rest[2 * i + 1] << 8));
  // ESC, SO and SI written as themselves into a stateful encoding's bytes
  // read back as escapes and shifts, so such text has no one reading.
  if (encoding.MaxShiftLength() != 0)
    for (unsigned short& u : units)
      if (u == 0x1B || u == 0x0E || u == 0x0F) u = u'x';
  const Bytes encoded = encode(encoding, units);
  // CP1255 and CP1258 join a letter and the accent after it when they
  // decode: pieces cut between the two read differently from the whole.
  const std::string name = encoding.Name();
  if (name != "CP1255" && name != "CP1258")
    check_encoding_in_pieces(encoding, units, encoded, room + encoding.MaxShiftLength());
  return 0;
}
