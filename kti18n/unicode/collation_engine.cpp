#include "kti18n/unicode/collation_engine.h"

#include <algorithm>
#include <vector>

namespace kti18n_collation {

namespace {

// Strict decoding of one code point at p (nothing for malformed input, which
// the fast comparison leaves to the full one), and the start of the code
// point that contains p.
struct Utf16Codec {
  using Unit = unsigned short;
  static bool Decode(const Unit*& p, const Unit* end, char32_t& cp) {
    cp = *p++;
    if (cp >= 0xD800 && cp < 0xDC00 && p < end && *p >= 0xDC00 && *p < 0xE000) cp = 0x10000 + ((cp - 0xD800) << 10) + (*p++ - 0xDC00);
    return true;
  }
  static const Unit* Start(const Unit* first, const Unit* p) {
    return p > first && *p >= 0xDC00 && *p < 0xE000 && p[-1] >= 0xD800 && p[-1] < 0xDC00 ? p - 1 : p;
  }
};

struct Utf8Codec {
  using Unit = unsigned char;
  static bool Decode(const Unit*& p, const Unit* end, char32_t& cp) {
    unsigned char b = *p;
    if (b < 0x80) {
      cp = b;
      ++p;
      return true;
    }
    int length = b >= 0xF0 && b <= 0xF4 ? 4 : b >= 0xE0 && b < 0xF0 ? 3 : b >= 0xC2 && b < 0xE0 ? 2 : 0;
    if (length == 0 || end - p < length) return false;
    cp = length == 4 ? b & 0x07 : length == 3 ? b & 0x0F : b & 0x1F;
    for (int k = 1; k < length; ++k) {
      if ((p[k] & 0xC0) != 0x80) return false;
      cp = cp << 6 | (p[k] & 0x3F);
    }
    // Overlong forms, surrogates and values past U+10FFFF are malformed.
    if ((length == 3 && (cp < 0x800 || (cp >= 0xD800 && cp < 0xE000))) || (length == 4 && (cp < 0x10000 || cp > 0x10FFFF)))
      return false;
    p += length;
    return true;
  }
  static const Unit* Start(const Unit* first, const Unit* p) {
    const Unit* q = p;
    while (q > first && p - q < 3 && (*q & 0xC0) == 0x80) --q;
    return q;
  }
};

// Work buffers reused by every call on a thread, so that comparing and
// keying do not allocate once they have grown.
struct Work {
  std::u32string text;     // the caller's text as code points
  std::u32string nfd;
  std::u32string scratch;  // the NFD text as the element loop consumes it
  bool marks = false;      // whether nfd may hold combining marks
  std::vector<Element> elements;
};

Work& WorkA() {
  thread_local Work work;
  return work;
}
Work& WorkB() {
  thread_local Work work;
  return work;
}

// Canonical decomposition, then canonical ordering: each run of combining
// marks sorted stably by combining class.
// Returns false when the text had nothing to decompose and no combining
// marks (out is then a copy of text).
bool ToNfd(const NormalizationData& norm, const std::u32string& text, std::u32string& out) {
  out.clear();
  bool marks = false;
  for (char32_t cp : text) {
    if (!norm.MayChange(cp)) {
      out.push_back(cp);
      continue;
    }
    norm.AppendDecomposition(cp, out);
    marks = true;
  }
  if (!marks) return false;
  for (std::size_t i = 1; i < out.size(); ++i) {
    std::uint8_t ccc = norm.CombiningClass(out[i]);
    if (ccc == 0) continue;
    std::size_t j = i;
    while (j > 0 && norm.CombiningClass(out[j - 1]) > ccc) {
      std::swap(out[j - 1], out[j]);
      --j;
    }
  }
  return true;
}

// The element loop consumes combining marks that complete discontiguous
// contractions, so text that may hold marks is mapped from a copy.
void MapNfd(const CollationTables& tables, Work& work) {
  work.elements.clear();
  if (!work.marks) {
    tables.AppendElements(work.nfd, work.elements);
    return;
  }
  work.scratch = work.nfd;
  tables.AppendElements(work.scratch, work.elements);
}

template <class Field>
int CompareLevel(const std::vector<Element>& a, const std::vector<Element>& b, Field field) {
  auto pa = a.begin(), pb = b.begin();
  for (;;) {
    std::uint32_t wa = 0, wb = 0;
    while (pa != a.end() && (wa = field(*pa)) == 0) ++pa;
    while (pb != b.end() && (wb = field(*pb)) == 0) ++pb;
    if (wa != wb) return wa < wb ? -1 : 1;
    if (pa == a.end()) return 0;  // and so is pb
    ++pa, ++pb;
  }
}

// The identical level: each code point as its difference from a position
// derived from the code point before (the middle of its block, or of the
// whole script for Hiragana, CJK ideographs and Hangul; combining marks do
// not move it), so that text of one
// script takes about a byte per code point. The difference is written in a
// prefix-free code whose byte order is numeric order (lead bytes: 0x02..0x1E
// three bytes below -8224, 0x20..0x3F two bytes below -64, 0x40..0xBF one
// byte, 0xC0..0xDF two bytes, 0xE0..0xF1 three bytes; no byte is 0). Two
// keys meet at their first differing code point with the same position
// behind them, so they order as the code points do.
constexpr std::int32_t kOneByte = 64, kTwoBytes = kOneByte + 32 * 255, kThreeByteSpan = 255 * 255;

char* AppendDifference(std::int32_t d, char* out) {
  auto put = [&out](std::int32_t b) { *out++ = static_cast<char>(b); };
  if (d >= -kOneByte && d < kOneByte) {
    put(0x80 + d);
  } else if (d >= kOneByte && d < kTwoBytes) {
    put(0xC0 + (d - kOneByte) / 255), put(1 + (d - kOneByte) % 255);
  } else if (d >= kTwoBytes) {
    std::int32_t x = d - kTwoBytes;
    put(0xE0 + x / kThreeByteSpan), put(1 + x / 255 % 255), put(1 + x % 255);
  } else if (d >= -kTwoBytes) {
    std::int32_t x = d + kTwoBytes;
    put(0x20 + x / 255), put(1 + x % 255);
  } else {
    std::int32_t x = d + kTwoBytes + 29 * kThreeByteSpan;
    put(0x02 + x / kThreeByteSpan), put(1 + x / 255 % 255), put(1 + x % 255);
  }
  return out;
}

char32_t PositionAfter(char32_t cp) {
  if (cp >= 0x3040 && cp < 0x30A0) return 0x3070;
  if (cp >= 0x4E00 && cp < 0xA000) return 0x7711;
  if (cp >= 0xAC00 && cp < 0xD7A4) return 0xC1D2;
  return (cp & ~char32_t{0x7F}) + 0x40;
}

char* AppendCodePoints(const std::u32string& text, char* out) {
  char32_t position = 0x60;
  for (char32_t cp : text) {
    out = AppendDifference(static_cast<std::int32_t>(cp) - static_cast<std::int32_t>(position), out);
    // Combining marks leave the position with the letters they follow.
    if (cp < 0x300 || cp >= 0x370) position = PositionAfter(cp);
  }
  return out;
}

// Secondary and tertiary weights: the common weight is by far the most
// frequent, so each run of it takes one byte. A run followed by the end of
// the level sorts below every run followed by a higher weight, and among
// those a longer run sorts lower (the higher weight comes later); among runs
// at the end a longer one sorts higher. Run bytes 0x02..0x21 code runs at the
// end (longer is higher), 0x22..0x41 runs before a weight (longer is lower),
// and other weights start at 0x42. Runs longer than 32 continue in a second
// byte of the same kind.
constexpr int kRunLimit = 32;
constexpr unsigned char kEndRunBase = 0x02, kMidRunTop = 0x41;

char* FlushRun(int run, bool at_end, char* out) {
  while (run > 0) {
    int n = std::min(run, kRunLimit);
    *out++ = static_cast<char>(at_end ? kEndRunBase + (n - 1) : kMidRunTop - (n - 1));
    run -= n;
  }
  return out;
}

template <class Field, class Code>
char* AppendLevel(const std::vector<Element>& elements, Field field, Code code, char* out) {
  int run = 0;
  for (Element e : elements) {
    std::uint16_t w = field(e);
    if (w == 0) continue;
    std::uint16_t c = w == kCommonWeight ? 0 : code(w);
    if (c == 0) {
      ++run;
      continue;
    }
    out = FlushRun(run, false, out);
    run = 0;
    if (c > 0xFF) *out++ = static_cast<char>(c >> 8);
    *out++ = static_cast<char>(c & 0xFF);
  }
  return FlushRun(run, true, out);
}

const auto kPrimary = [](Element e) { return PrimaryOf(e); };
const auto kSecondary = [](Element e) { return static_cast<std::uint32_t>(SecondaryOf(e)); };
const auto kTertiary = [](Element e) { return static_cast<std::uint32_t>(TertiaryOf(e)); };

}  // namespace

void DecodeUtf16(const unsigned short* first, const unsigned short* last, std::u32string& out) {
  out.clear();
  for (const unsigned short* p = first; p < last; ++p) {
    char32_t c = *p;
    if (c >= 0xD800 && c < 0xDC00 && p + 1 < last && p[1] >= 0xDC00 && p[1] < 0xE000) {
      c = 0x10000 + ((c - 0xD800) << 10) + (p[1] - 0xDC00);
      ++p;
    }
    out.push_back(c);
  }
}

void DecodeUtf8(const unsigned char* first, const unsigned char* last, std::u32string& out) {
  out.clear();
  for (const unsigned char* p = first; p < last;) {
    char32_t cp;
    if (!Utf8Codec::Decode(p, last, cp)) cp = 0xDC00 + *p++;
    out.push_back(cp);
  }
}

int Compare(const CollationTables& tables, const std::u32string& a, const std::u32string& b) {
  if (a == b) return 0;
  Work& wa = WorkA();
  Work& wb = WorkB();
  wa.marks = ToNfd(tables.Normalization(), a, wa.nfd);
  wb.marks = ToNfd(tables.Normalization(), b, wb.nfd);
  MapNfd(tables, wa);
  MapNfd(tables, wb);
  if (int r = CompareLevel(wa.elements, wb.elements, kPrimary)) return r;
  if (int r = CompareLevel(wa.elements, wb.elements, kSecondary)) return r;
  if (int r = CompareLevel(wa.elements, wb.elements, kTertiary)) return r;
  // Canonically equivalent texts are equal.
  return wa.nfd == wb.nfd ? 0 : wa.nfd < wb.nfd ? -1 : 1;
}

void BuildKey(const CollationTables& tables, const std::u32string& text, std::string& key) {
  Work& work = WorkA();
  work.marks = ToNfd(tables.Normalization(), text, work.nfd);
  MapNfd(tables, work);
  // At most 3 primary and 2 + 2 lower-level bytes per element, 3 bytes per
  // code point and 3 separators.
  key.resize(work.elements.size() * 7 + work.nfd.size() * 3 + 3);
  char* const begin = key.data();
  char* out = begin;
  for (Element e : work.elements) {
    std::uint32_t p = PrimaryOf(e);
    if (p == 0) continue;
    std::uint32_t code = p >> 8;
    *out++ = static_cast<char>(code >> 8);
    *out++ = static_cast<char>(code & 0xFF);
    if (tables.HasExtensions(code)) *out++ = static_cast<char>((p & 0xFF) + 1);
  }
  *out++ = '\x01';
  out = AppendLevel(work.elements, SecondaryOf, [&](std::uint16_t w) { return tables.SecondaryCode(w); }, out);
  *out++ = '\x01';
  out = AppendLevel(work.elements, TertiaryOf, [&](std::uint16_t w) { return tables.TertiaryCode(w); }, out);
  *out++ = '\x01';
  out = AppendCodePoints(work.nfd, out);
  key.resize(static_cast<std::size_t>(out - begin));
}

namespace {

// The first primary of the collation unit at p, when a unit begins there
// in the full text and its window (up to where the next unit begins) is
// short and well formed; 0 otherwise.
template <class Codec>
std::uint32_t FirstPrimaryAt(const CollationTables& tables, const typename Codec::Unit* p,
                             const typename Codec::Unit* end) {
  char32_t cp;
  if (!Codec::Decode(p, end, cp)) return 0;
  const NormalizationData& norm = tables.Normalization();
  char32_t first = norm.MayChange(cp) ? norm.FirstOfDecomposition(cp) : cp;
  if (!tables.BeginsUnit(first)) return 0;
  // A unit that begins with a code point starting no contraction is that
  // code point alone.
  if (std::uint32_t primary = tables.LonePrimary(first)) return primary;
  char32_t next;
  const typename Codec::Unit* after = p;
  // So is one that starts contractions when what follows cannot continue
  // them.
  if (first == cp && (p == end || (Codec::Decode(after, end, next) && tables.BeginsUnitBeforeNfd(next))))
    if (std::uint32_t primary = tables.OwnPrimary(cp)) return primary;
  Work& work = WorkA();
  work.text.assign(1, cp);
  while (p != end && work.text.size() < 16) {
    after = p;
    if (!Codec::Decode(after, end, next)) return 0;
    if (tables.BeginsUnitBeforeNfd(next)) break;
    work.text.push_back(next);
    p = after;
  }
  if (p != end && work.text.size() >= 16) return 0;
  work.marks = ToNfd(tables.Normalization(), work.text, work.nfd);
  MapNfd(tables, work);
  for (Element e : work.elements)
    if (PrimaryOf(e)) return PrimaryOf(e);
  return 0;
}

// Before decoding whole texts: where they first differ, if a collation unit
// begins in both and the first primaries of those units differ, they decide
// (the texts share every element before). 0 when this does not decide.
template <class Codec>
int CompareAtFirstDifference(const CollationTables& tables, const typename Codec::Unit* a,
                             const typename Codec::Unit* aEnd, const typename Codec::Unit* b,
                             const typename Codec::Unit* bEnd) {
  auto [pa, pb] = std::mismatch(a, aEnd, b, bEnd);
  if (pa == aEnd || pb == bEnd) return 0;
  std::ptrdiff_t at = std::min(Codec::Start(a, pa) - a, Codec::Start(b, pb) - b);
  std::uint32_t primary_a = FirstPrimaryAt<Codec>(tables, a + at, aEnd);
  if (primary_a == 0) return 0;
  std::uint32_t primary_b = FirstPrimaryAt<Codec>(tables, b + at, bEnd);
  if (primary_b == 0 || primary_a == primary_b) return 0;
  return primary_a < primary_b ? -1 : 1;
}

}  // namespace

template <class Unit>
bool SameUnits(const Unit* a, const Unit* aEnd, const Unit* b, const Unit* bEnd) {
  return aEnd - a == bEnd - b && std::equal(a, aEnd, b);
}

int CompareUtf16(const CollationTables& tables, const unsigned short* a, const unsigned short* aEnd,
                 const unsigned short* b, const unsigned short* bEnd) {
  if (SameUnits(a, aEnd, b, bEnd)) return 0;
  if (int r = CompareAtFirstDifference<Utf16Codec>(tables, a, aEnd, b, bEnd)) return r;
  // Compare's own work buffers hold the elements; the texts live in the
  // text buffers, which it does not touch.
  std::u32string& ta = WorkA().text;
  std::u32string& tb = WorkB().text;
  DecodeUtf16(a, aEnd, ta);
  DecodeUtf16(b, bEnd, tb);
  return Compare(tables, ta, tb);
}

int CompareUtf8(const CollationTables& tables, const unsigned char* a, const unsigned char* aEnd,
                const unsigned char* b, const unsigned char* bEnd) {
  if (SameUnits(a, aEnd, b, bEnd)) return 0;
  if (int r = CompareAtFirstDifference<Utf8Codec>(tables, a, aEnd, b, bEnd)) return r;
  std::u32string& ta = WorkA().text;
  std::u32string& tb = WorkB().text;
  DecodeUtf8(a, aEnd, ta);
  DecodeUtf8(b, bEnd, tb);
  return Compare(tables, ta, tb);
}

void BuildKeyUtf16(const CollationTables& tables, const unsigned short* first, const unsigned short* last,
                   std::string& key) {
  std::u32string& text = WorkB().text;
  DecodeUtf16(first, last, text);
  BuildKey(tables, text, key);
}

}  // namespace kti18n_collation
