// Converters, actors and sinks of the encoding-conversion layer.
#include "kti18n/unicode/encoding_layer.h"

#include <algorithm>

#include "kti18n/base/exception.h"
#include "kti18n/unicode/encoding_codec.h"
#include "kti18n/text/ucs2string.h"
#include "kti18n/text/utf8string.h"

namespace {

// Units a converter converts ahead when it is read chunk by chunk (Peek).
constexpr std::size_t kChunkUnits = 4096;

// Serves the units left from a Peek: all of them or none, so that a
// character is never split.
template <class Unit>
std::size_t ReadPending(std::vector<Unit>& chunk, std::size_t& read, Unit* dst, std::size_t cap) {
  std::size_t pending = chunk.size() - read;
  if (pending > cap) return 0;
  std::copy_n(chunk.data() + read, pending, dst);
  read = chunk.size();
  return pending;
}

}  // namespace

template <class Unit>
std::size_t EncodingSource<Unit>::Read(Unit* dst, std::size_t cap) {
  std::span<const Unit> chunk = Peek();
  std::size_t n = std::min(cap, chunk.size());
  std::copy_n(chunk.data(), n, dst);
  Consume(n);
  return n;
}

template class EncodingSource<unsigned char>;
template class EncodingSource<unsigned short>;

// ---- Bytes to UCS-2 ----

InternalEncodingConverter::InternalEncodingConverter(CharSource& source, const ExternalEncoding& external,
                                                     const InternalEncoding&)
    : source_(source), decoder_(external.NewDecoder()) {}

InternalEncodingConverter::~InternalEncodingConverter() = default;

std::size_t InternalEncodingConverter::Read(unsigned short* dst, std::size_t cap) {
  if (chunkRead_ < chunk_.size()) return ReadPending(chunk_, chunkRead_, dst, cap);
  return Convert(dst, cap);
}

std::size_t InternalEncodingConverter::Convert(unsigned short* dst, std::size_t cap) {
  unsigned short* out = dst;
  unsigned short* const end = dst + cap;
  while (out < end) {
    std::span<const unsigned char> in = source_.Peek();
    if (in.empty()) break;
    const unsigned char* next = in.data();
    decoder_->Decode(next, in.data() + in.size(), out, end);
    std::size_t used = static_cast<std::size_t>(next - in.data());
    source_.Consume(used);
    if (used == 0) break;  // the next character does not fit
  }
  if (!finished_ && source_.Exhausted() && decoder_->Finish(out, end)) finished_ = true;
  return static_cast<std::size_t>(out - dst);
}

std::span<const unsigned short> InternalEncodingConverter::Peek() {
  if (chunkRead_ == chunk_.size()) {
    chunk_.resize(kChunkUnits);
    chunk_.resize(Convert(chunk_.data(), chunk_.size()));
    chunkRead_ = 0;
  }
  return {chunk_.data() + chunkRead_, chunk_.size() - chunkRead_};
}

void InternalEncodingConverter::Consume(std::size_t n) { chunkRead_ = std::min(chunk_.size(), chunkRead_ + n); }

// ---- UCS-2 to bytes ----

ExternalEncodingConverter::ExternalEncodingConverter(Char16Source& source, const InternalEncoding&,
                                                     const ExternalEncoding& external)
    : source_(source), encoder_(external.NewEncoder()), shiftReserve_(external.MaxShiftLength()) {}

ExternalEncodingConverter::ExternalEncodingConverter(CharSource& source, const ExternalEncoding& from,
                                                     const ExternalEncoding& to)
    : decoded_(std::make_unique<InternalEncodingConverter>(source, from, InternalEncoding::Unicode())),
      source_(*decoded_),
      encoder_(to.NewEncoder()),
      shiftReserve_(to.MaxShiftLength()) {}

ExternalEncodingConverter::~ExternalEncodingConverter() = default;

std::size_t ExternalEncodingConverter::Read(unsigned char* dst, std::size_t cap) {
  if (chunkRead_ < chunk_.size()) return ReadPending(chunk_, chunkRead_, dst, cap);
  return Convert(dst, cap, true);
}

// A stateful encoding (ISO-2022, HZ) returns to its initial mode once, at
// the end of the text, or where a caller's own buffer ends, so that each
// buffer the caller is given reads on its own. The internal chunks of Peek
// are pieces of one stream: shifting back at each of them would scatter
// returns and new designations through the text (and ISO-2022-KR allows its
// header only once, at the start).
std::size_t ExternalEncodingConverter::Convert(unsigned char* dst, std::size_t cap, bool callerBuffer) {
  if (finished_) return 0;
  unsigned char* out = dst;
  unsigned char* const end = dst + cap;
  // A stateful encoding keeps room to shift back at the end; a buffer with
  // no more than that room takes nothing but the final shift.
  unsigned char* const limit = cap > shiftReserve_ ? end - shiftReserve_ : dst;
  bool consumed = false;
  while (out < limit) {
    std::span<const unsigned short> in = source_.Peek();
    if (in.empty()) break;
    const unsigned short* next = in.data();
    encoder_->Encode(next, in.data() + in.size(), out, limit);
    std::size_t used = static_cast<std::size_t>(next - in.data());
    source_.Consume(used);
    if (used == 0) break;
    consumed = true;
  }
  if (source_.Exhausted()) {
    if (encoder_->Finish(out, end)) finished_ = true;
  } else if (callerBuffer && shiftReserve_ != 0 && out != dst) {
    encoder_->Finish(out, end);
    // An encoder may write the shift into a double-byte set before it finds
    // that the character itself does not fit. Without the character the
    // buffer would hold nothing but the shift and its return, and a caller
    // that tries again with the same room would get them again, forever:
    // the character does not fit, so the buffer takes nothing.
    if (!consumed) return 0;
  }
  return static_cast<std::size_t>(out - dst);
}

std::span<const unsigned char> ExternalEncodingConverter::Peek() {
  if (chunkRead_ == chunk_.size()) {
    chunk_.resize(kChunkUnits);
    chunk_.resize(Convert(chunk_.data(), chunk_.size(), false));
    chunkRead_ = 0;
  }
  return {chunk_.data() + chunkRead_, chunk_.size() - chunkRead_};
}

void ExternalEncodingConverter::Consume(std::size_t n) { chunkRead_ = std::min(chunk_.size(), chunkRead_ + n); }

// ---- Actors and sinks ----

void UnicodeLibActor::Act(const unsigned char*, std::size_t) {
  throw ZVException(ZV_E_INTERNAL, "this actor does not take bytes");
}

void UnicodeLibActor::Act(const unsigned short*, std::size_t) {
  throw ZVException(ZV_E_INTERNAL, "this actor does not take UCS-2 units");
}

void StringActor::Act(const unsigned char* bytes, std::size_t n) {
  out_.append(reinterpret_cast<const char*>(bytes), n);
}

void Ucs2StringActor::Act(const unsigned short* units, std::size_t n) {
  if (pending_.size() + n > ucs2string::max_length - out_.length()) throw ZVException(ZV_E_LENGTH);
  pending_.insert(pending_.end(), units, units + n);
}

void Ucs2StringActor::Flush() {
  if (pending_.empty()) return;
  out_.append(pending_.data(), static_cast<ucs2string::size_type>(pending_.size()));
  pending_.clear();
}

void Utf8StringActor::Act(const unsigned char* bytes, std::size_t n) {
  if (pending_.size() + n > zv_utf8string::max_length - out_.length()) throw ZVException(ZV_E_LENGTH);
  pending_.insert(pending_.end(), bytes, bytes + n);
}

void Utf8StringActor::Flush() {
  if (pending_.empty()) return;
  out_.append(pending_.data(), static_cast<zv_utf8string::size_type>(pending_.size()));
  pending_.clear();
}

namespace {

template <class Unit>
void PutAll(EncodingSource<Unit>& source, UnicodeLibActor& actor) {
  try {
    for (std::span<const Unit> chunk = source.Peek(); !chunk.empty(); chunk = source.Peek()) {
      actor.Act(chunk.data(), chunk.size());
      source.Consume(chunk.size());
    }
    actor.Flush();
  } catch (...) {
    actor.Discard();
    throw;
  }
}

}  // namespace

void CharSink::Put(CharSource& source) { PutAll(source, actor_); }
void Char16Sink::Put(Char16Source& source) { PutAll(source, actor_); }
