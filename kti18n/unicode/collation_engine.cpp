#include "kti18n/unicode/collation_engine.h"

#include <algorithm>
#include <vector>

namespace kti18n_collation {

namespace {

// Work buffers reused by every call on a thread, so that comparing and
// keying do not allocate once they have grown.
struct Work {
  std::u32string nfd;
  std::u32string scratch;  // the NFD text as the element loop consumes it
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
void ToNfd(const NormalizationData& norm, const std::u32string& text, std::u32string& out) {
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
  if (!marks) return;
  for (std::size_t i = 1; i < out.size(); ++i) {
    std::uint8_t ccc = norm.CombiningClass(out[i]);
    if (ccc == 0) continue;
    std::size_t j = i;
    while (j > 0 && norm.CombiningClass(out[j - 1]) > ccc) {
      std::swap(out[j - 1], out[j]);
      --j;
    }
  }
}

void ToElements(const CollationTables& tables, const std::u32string& text, Work& work) {
  ToNfd(tables.Normalization(), text, work.nfd);
  work.scratch = work.nfd;
  work.elements.clear();
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

// Code points in an order-keeping, prefix-free code without 0 or 1 bytes.
void AppendCodePoint(char32_t cp, std::string& key) {
  constexpr char32_t kOne = 0xBE, kTwo = kOne + 32 * 255;
  if (cp < kOne) {
    key.push_back(static_cast<char>(cp + 2));
  } else if (cp < kTwo) {
    char32_t x = cp - kOne;
    key.push_back(static_cast<char>(0xC0 + x / 255));
    key.push_back(static_cast<char>(1 + x % 255));
  } else {
    char32_t x = cp - kTwo;
    key.push_back(static_cast<char>(0xE0 + x / (255 * 255)));
    key.push_back(static_cast<char>(1 + x / 255 % 255));
    key.push_back(static_cast<char>(1 + x % 255));
  }
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

void FlushRun(int run, bool at_end, std::string& key) {
  while (run > 0) {
    int n = std::min(run, kRunLimit);
    key.push_back(static_cast<char>(at_end ? kEndRunBase + (n - 1) : kMidRunTop - (n - 1)));
    run -= n;
  }
}

template <class Field, class Code>
void AppendLevel(const std::vector<Element>& elements, Field field, Code code, std::string& key) {
  int run = 0;
  for (Element e : elements) {
    std::uint16_t w = field(e);
    if (w == 0) continue;
    std::uint16_t c = code(w);
    if (c == 0) {
      ++run;
      continue;
    }
    FlushRun(run, false, key);
    run = 0;
    if (c > 0xFF) key.push_back(static_cast<char>(c >> 8));
    key.push_back(static_cast<char>(c & 0xFF));
  }
  FlushRun(run, true, key);
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
    unsigned char b = *p;
    if (b < 0x80) {
      out.push_back(b);
      ++p;
      continue;
    }
    int length = b >= 0xF0 && b <= 0xF4 ? 4 : b >= 0xE0 ? 3 : b >= 0xC2 && b < 0xE0 ? 2 : 0;
    char32_t cp = length == 4 ? b & 0x07 : length == 3 ? b & 0x0F : b & 0x1F;
    bool ok = length > 0 && last - p >= length;
    for (int k = 1; ok && k < length; ++k) {
      if ((p[k] & 0xC0) != 0x80) ok = false;
      cp = cp << 6 | (p[k] & 0x3F);
    }
    // Overlong forms, surrogates and values past U+10FFFF are malformed.
    if (ok && ((length == 3 && (cp < 0x800 || (cp >= 0xD800 && cp < 0xE000))) ||
               (length == 4 && (cp < 0x10000 || cp > 0x10FFFF))))
      ok = false;
    if (!ok) {
      out.push_back(0xDC00 + b);
      ++p;
      continue;
    }
    out.push_back(cp);
    p += length;
  }
}

int Compare(const CollationTables& tables, const std::u32string& a, const std::u32string& b) {
  if (a == b) return 0;
  Work& wa = WorkA();
  Work& wb = WorkB();
  ToElements(tables, a, wa);
  ToElements(tables, b, wb);
  if (int r = CompareLevel(wa.elements, wb.elements, kPrimary)) return r;
  if (int r = CompareLevel(wa.elements, wb.elements, kSecondary)) return r;
  if (int r = CompareLevel(wa.elements, wb.elements, kTertiary)) return r;
  // Canonically equivalent texts are equal.
  return wa.nfd == wb.nfd ? 0 : wa.nfd < wb.nfd ? -1 : 1;
}

void BuildKey(const CollationTables& tables, const std::u32string& text, std::string& key) {
  Work& work = WorkA();
  ToElements(tables, text, work);
  key.clear();
  key.reserve(work.elements.size() * 3 + text.size() + 4);
  for (Element e : work.elements) {
    std::uint32_t p = PrimaryOf(e);
    if (p == 0) continue;
    std::uint32_t code = p >> 8;
    key.push_back(static_cast<char>(code >> 8));
    key.push_back(static_cast<char>(code & 0xFF));
    if (tables.HasExtensions(code)) key.push_back(static_cast<char>((p & 0xFF) + 1));
  }
  key.push_back('\x01');
  AppendLevel(work.elements, SecondaryOf, [&](std::uint16_t w) { return tables.SecondaryCode(w); }, key);
  key.push_back('\x01');
  AppendLevel(work.elements, TertiaryOf, [&](std::uint16_t w) { return tables.TertiaryCode(w); }, key);
  key.push_back('\x01');
  for (char32_t cp : work.nfd) AppendCodePoint(cp, key);
}

}  // namespace kti18n_collation
