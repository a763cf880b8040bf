#include "kti18n/locale/codecvt.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "kti18n/unicode/encoding_codec.h"
#include "kti18n/unicode/encoding_layer.h"
#include "kti18n/text/ucs2string.h"
#include "kti18n/text/utf8string.h"

zv_locale::id zv_codecvt::id;

zv_codecvt::zv_codecvt(unsigned refs)
    : zv_codecvt(refs, ExternalEncoding::CP1252(), InternalEncoding::Unicode()) {}

zv_codecvt::zv_codecvt(unsigned refs, ExternalEncoding& external, InternalEncoding& internal)
    : facet(refs), m_external(&external), m_internal(&internal) {}

zv_codecvt::~zv_codecvt() = default;

const unsigned char* zv_codecvt::GetEncodingDisplayName(const char*& name) {
  if (name == nullptr) return nullptr;
  const EncodingName* end = EncodingNamesEnd();
  const EncodingName* found = std::lower_bound(
      EncodingNamesBegin(), end, name, [](const EncodingName& row, const char* key) {
        return std::strcmp(row.technicalName, key) < 0;  // strcmp compares as unsigned bytes
      });
  if (found == end || std::strcmp(found->technicalName, name) != 0) return nullptr;
  name = found->technicalName;
  return reinterpret_cast<const unsigned char*>(found->displayName);
}

namespace {

// Converts the whole source straight into a buffer that grows by doubling:
// one pass of the converter, no intermediate chunks. The first guess is the
// usual size; stateful encodings end every fill in their initial state, so
// the fills join into one valid text.
template <class Unit, class Buffer>
void FillAll(EncodingSource<Unit>& converter, std::size_t guess, Buffer& buffer) {
  buffer.resize(guess + 16);
  std::size_t used = 0;
  for (;;) {
    BufferSink<Unit> sink(reinterpret_cast<Unit*>(buffer.data()) + used, buffer.size() - used);
    bool done = sink.Put(converter);
    used += sink.Size();
    if (done) break;
    buffer.resize(buffer.size() * 2);
  }
  buffer.resize(used);
  // Our strings count in 32 bits and refuse lengths beyond 0x7FFFFFFF.
  if (used > 0x7FFFFFFF) throw ZVException(ZV_E_LENGTH);
}

// A ucs2string seen as a growable buffer (it throws 0x8004112A past
// 0x7FFFFFFF units).
struct Ucs2Buffer {
  ucs2string& text;
  std::size_t size() const { return text.length(); }
  void resize(std::size_t n) { text.resize(static_cast<ucs2string::size_type>(std::min<std::size_t>(n, 0x80000000u))); }
  unsigned short* data() { return text.length() ? &text[0] : nullptr; }
};

std::size_t Count(const void* first, const void* last, std::size_t unit) {
  auto* a = static_cast<const char*>(first);
  auto* b = static_cast<const char*>(last);
  return b > a ? static_cast<std::size_t>(b - a) / unit : 0;
}

}  // namespace

void zv_codecvt::SetNarrowString(const unsigned short* first, const unsigned short* last, std::string& out) const {
  BufferChar16Source source(first, last);
  ExternalEncodingConverter converter(source, *m_internal, *m_external);
  std::size_t units = Count(first, last, sizeof(unsigned short));
  FillAll(converter, units + units / 2, out);
}

void zv_codecvt::SetString(const char* first, const char* last, ucs2string& out) const {
  BufferCharSource source(first, last);
  InternalEncodingConverter converter(source, *m_external, *m_internal);
  Ucs2Buffer buffer{out};
  FillAll(converter, Count(first, last, 1), buffer);
}

void zv_codecvt::SetString(const char* first, const char* last, zv_utf8string& out) const {
  BufferCharSource source(first, last);
  ExternalEncodingConverter converter(source, *m_external, ExternalEncoding::Unicode20UTF8());
  std::string bytes;
  std::size_t n = Count(first, last, 1);
  FillAll(converter, n + n / 2, bytes);
  out.assign(reinterpret_cast<const unsigned char*>(bytes.data()), static_cast<zv_utf8string::size_type>(bytes.size()));
}

namespace {

template <class Unit>
std::size_t Room(const Unit* to, const Unit* toEnd) {
  return toEnd > to ? static_cast<std::size_t>(toEnd - to) : 0;
}

std::vector<unsigned short> DecodeWhole(const ExternalEncoding& external, const unsigned char* first,
                                        const unsigned char* last) {
  BufferCharSource source(first, last);
  InternalEncodingConverter converter(source, external, InternalEncoding::Unicode());
  std::vector<unsigned short> units;
  FillAll(converter, Count(first, last, 1), units);
  return units;
}

// When its output fills, a decoder may hold back a character it has already
// read: CP1255 and CP1258 keep the last letter until they see whether an
// accent joins it. Those bytes are not converted yet, and a caller resuming
// after them would lose the letter. The bytes converted are the longest
// prefix of those read whose conversion as a whole text is what was written
// (usually all of them; one letter fewer when one was held back). Returns
// the prefix's length and stores the number of its units.
std::size_t ConvertedPrefix(const ExternalEncoding& external, const unsigned char* from, std::size_t read,
                            const unsigned short* written, std::size_t& count) {
  for (std::size_t n = read; n > 0; --n) {
    const std::vector<unsigned short> units = DecodeWhole(external, from, from + n);
    if (units.size() <= count && std::equal(units.begin(), units.end(), written)) {
      count = units.size();
      return n;
    }
  }
  count = 0;
  return 0;
}

}  // namespace

zv_codecvt::result zv_codecvt::do_out(state_type&, const unsigned short* from, const unsigned short* fromEnd,
                                      const unsigned short*& fromNext, char* to, char* toEnd, char*& toNext) const {
  BufferChar16Source source(from, fromEnd);
  ExternalEncodingConverter converter(source, *m_internal, *m_external);
  BufferCharSink sink(reinterpret_cast<unsigned char*>(to), Room(to, toEnd));
  bool complete = sink.Put(converter);
  sink.Flush();
  fromNext = source.Position();
  toNext = to + sink.Size();
  return complete ? ok : partial;
}

zv_codecvt::result zv_codecvt::do_unshift(state_type&, char* to, char*, char*& toNext) const {
  toNext = to;
  return noconv;
}

zv_codecvt::result zv_codecvt::do_in(state_type&, const char* from, const char* fromEnd, const char*& fromNext,
                                     unsigned short* to, unsigned short* toEnd, unsigned short*& toNext) const {
  BufferCharSource source(from, fromEnd);
  InternalEncodingConverter converter(source, *m_external, *m_internal);
  BufferChar16Sink sink(to, Room(to, toEnd));
  bool complete = sink.Put(converter);
  sink.Flush();
  const auto* start = reinterpret_cast<const unsigned char*>(from);
  std::size_t read = static_cast<std::size_t>(source.Position() - start);
  std::size_t written = sink.Size();
  if (!complete) read = ConvertedPrefix(*m_external, start, read, to, written);
  fromNext = from + read;
  toNext = to + written;
  return complete ? ok : partial;
}

int zv_codecvt::do_encoding() const noexcept { return 1; }

bool zv_codecvt::do_always_noconv() const noexcept { return false; }

// Decodes into a small scratch buffer, at most max units in all, and counts
// the bytes read; a character that would pass max is not counted.
int zv_codecvt::do_length(state_type&, const char* from, const char* fromEnd, std::size_t max) const {
  BufferCharSource source(from, fromEnd);
  InternalEncodingConverter converter(source, *m_external, *m_internal);
  unsigned short scratch[256];
  const std::size_t limit = max;
  while (max > 0) {
    std::size_t n = converter.Read(scratch, std::min(max, std::size(scratch)));
    if (n == 0) break;
    max -= n;
  }
  auto* start = reinterpret_cast<const unsigned char*>(from);
  std::size_t read = static_cast<std::size_t>(source.Position() - start);
  // Stopped by max: a character held back by the decoder (see
  // ConvertedPrefix) would be the one past max.
  if (max == 0)
    while (read > 0 && DecodeWhole(*m_external, start, start + read).size() > limit) --read;
  return static_cast<int>(std::min<std::size_t>(read, 0x7FFFFFFF));
}

int zv_codecvt::do_max_length() const noexcept { return 1; }

namespace {

ExternalEncoding& EncodingByName(const char* name) {
  if (name == nullptr || *name == '\0') return ExternalEncoding::CP1252();
  ExternalEncoding* encoding = ExternalEncoding::Lookup(name);
  if (encoding == nullptr) throw ZVException(ZV_E_UNKNOWN_ENCODING, std::string("unknown encoding ") + name);
  return *encoding;
}

}  // namespace

zv_codecvt_byname::zv_codecvt_byname(const char* name, unsigned refs)
    : zv_codecvt(refs, EncodingByName(name), InternalEncoding::Unicode()) {}

zv_codecvt_byname::~zv_codecvt_byname() = default;

ktEncoding::~ktEncoding() = default;
