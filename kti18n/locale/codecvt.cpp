#include "kti18n/locale/codecvt.h"

#include <algorithm>
#include <cstring>

#include "kti18n/locale/encoding_codec.h"
#include "kti18n/locale/encoding_layer.h"
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

void zv_codecvt::SetNarrowString(const unsigned short* first, const unsigned short* last, std::string& out) const {
  out.clear();
  BufferChar16Source source(first, last);
  ExternalEncodingConverter converter(source, *m_internal, *m_external);
  StringActor actor(out);
  CharSink(actor).Put(converter);
}

void zv_codecvt::SetString(const char* first, const char* last, ucs2string& out) const {
  out.clear();
  BufferCharSource source(first, last);
  InternalEncodingConverter converter(source, *m_external, *m_internal);
  Ucs2StringActor actor(out);
  Char16Sink(actor).Put(converter);
}

void zv_codecvt::SetString(const char* first, const char* last, zv_utf8string& out) const {
  out = zv_utf8string();
  BufferCharSource source(first, last);
  ExternalEncodingConverter converter(source, *m_external, ExternalEncoding::Unicode20UTF8());
  Utf8StringActor actor(out);
  CharSink(actor).Put(converter);
}

namespace {

template <class Unit>
std::size_t Room(const Unit* to, const Unit* toEnd) {
  return toEnd > to ? static_cast<std::size_t>(toEnd - to) : 0;
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
  fromNext = reinterpret_cast<const char*>(source.Position());
  toNext = to + sink.Size();
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
  while (max > 0) {
    std::size_t n = converter.Read(scratch, std::min(max, std::size(scratch)));
    if (n == 0) break;
    max -= n;
  }
  auto* start = reinterpret_cast<const unsigned char*>(from);
  return static_cast<int>(std::min<std::size_t>(source.Position() - start, 0x7FFFFFFF));
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
