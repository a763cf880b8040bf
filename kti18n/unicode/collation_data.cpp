#include "kti18n/unicode/collation_data.h"

#include <algorithm>
#include <map>
#include <memory>
#include <mutex>
#include <stdexcept>

namespace kti18n_collation {

namespace {

// Trie entries. 0: no mapping (implicit weight). Otherwise either one
// element packed in place (kSingle: primary code, secondary rank, tertiary
// rank, all without tailored extensions) or a run of the element pool
// (kExpansion: start, length). kContraction marks a code point that starts
// contractions.
constexpr std::uint32_t kSingle = 1u << 31;
constexpr std::uint32_t kContraction = 1u << 30;
constexpr std::uint32_t kExpansion = 1u << 29;
constexpr std::uint32_t kBlockShift = 7;
constexpr std::uint32_t kBlockSize = 1u << kBlockShift;
constexpr char32_t kCodeSpace = 0x110000;

// Hangul syllables decompose arithmetically (Unicode chapter 3.12).
constexpr char32_t kSBase = 0xAC00, kLBase = 0x1100, kVBase = 0x1161, kTBase = 0x11A7;
constexpr char32_t kVCount = 21, kTCount = 28, kSCount = 11172;

std::vector<unsigned char> DecodeBase64(const char* text) {
  auto value = [](char c) -> int {
    if (c >= 'A' && c <= 'Z') return c - 'A';
    if (c >= 'a' && c <= 'z') return c - 'a' + 26;
    if (c >= '0' && c <= '9') return c - '0' + 52;
    if (c == '+') return 62;
    if (c == '/') return 63;
    return -1;
  };
  std::vector<unsigned char> out;
  unsigned bits = 0;
  int count = 0;
  for (const char* p = text; *p; ++p) {
    int v = value(*p);
    if (v < 0) continue;
    bits = bits << 6 | static_cast<unsigned>(v);
    count += 6;
    if (count >= 8) {
      count -= 8;
      out.push_back(static_cast<unsigned char>(bits >> count));
    }
  }
  return out;
}

class Reader {
 public:
  explicit Reader(std::vector<unsigned char> bytes) : bytes_(std::move(bytes)) {}
  std::uint32_t Uint() {
    std::uint32_t n = 0;
    for (int shift = 0;; shift += 7) {
      unsigned char b = Byte();
      n |= static_cast<std::uint32_t>(b & 0x7F) << shift;
      if (!(b & 0x80)) return n;
    }
  }
  // Signed numbers are zigzag coded: 0, -1, 1, -2, ... as 0, 1, 2, 3, ...
  static std::int32_t Unzigzag(std::uint32_t z) {
    return (z & 1) ? -static_cast<std::int32_t>((z + 1) >> 1) : static_cast<std::int32_t>(z >> 1);
  }
  unsigned char Byte() {
    if (pos_ >= bytes_.size()) throw std::logic_error("collation tables: truncated stream");
    return bytes_[pos_++];
  }

  // Elements as the generator writes them: the primary as a delta against
  // the last non-zero primary, the secondary and tertiary ranks together,
  // and for tailorings the three extension bytes.
  Element ReadElement(bool tailored) {
    std::uint32_t pv = Uint();
    std::uint32_t code = 0;
    if (pv) {
      last_primary_ = static_cast<std::uint32_t>(static_cast<std::int32_t>(last_primary_) + Unzigzag(pv - 1));
      code = last_primary_;
    }
    std::uint32_t st = Uint();
    bool extended = tailored && (st & 1);
    if (tailored) st >>= 1;
    std::uint32_t s = (st >> 6) << 8, t = (st & 63) << 8, ext = 0;
    if (extended) {
      ext = Byte();
      s |= Byte();
      t |= Byte();
    }
    return MakeElement(code, ext, s, t);
  }

  // A key: its length, its first code point as a delta against the
  // previous key's, the others as they are.
  std::u32string ReadKey() {
    std::u32string key(Uint(), U'\0');
    last_first_ = static_cast<char32_t>(static_cast<std::int32_t>(last_first_) + Unzigzag(Uint()));
    key[0] = last_first_;
    for (std::size_t i = 1; i < key.size(); ++i) key[i] = Uint();
    return key;
  }

 private:
  std::vector<unsigned char> bytes_;
  std::size_t pos_ = 0;
  std::uint32_t last_primary_ = 0;
  char32_t last_first_ = 0;
};

// A two-stage table of 32-bit values over the code space; block 0 is all
// zeros and shared by every empty block.
struct Trie {
  std::vector<std::uint32_t>* index;
  std::vector<std::uint32_t>* data;
  void Init() {
    index->assign(kCodeSpace >> kBlockShift, 0);
    data->assign(kBlockSize, 0);
  }
  void Set(char32_t cp, std::uint32_t value) {
    std::uint32_t& block = (*index)[cp >> kBlockShift];
    if (block == 0) {
      block = static_cast<std::uint32_t>(data->size());
      data->resize(data->size() + kBlockSize, 0);
    }
    (*data)[block + (cp & (kBlockSize - 1))] = value;
  }
};

}  // namespace

void NormalizationData::AppendDecomposition(char32_t cp, std::u32string& out) const {
  if (cp - kSBase < kSCount) {
    char32_t s = cp - kSBase;
    out.push_back(kLBase + s / (kVCount * kTCount));
    out.push_back(kVBase + (s % (kVCount * kTCount)) / kTCount);
    if (s % kTCount) out.push_back(kTBase + s % kTCount);
    return;
  }
  std::uint32_t v = Value(cp);
  std::uint32_t length = v >> 24;
  if (length == 0) {
    out.push_back(cp);
    return;
  }
  std::uint32_t start = (v >> 8) & 0xFFFF;
  out.append(decompositions_.data() + start, length);
}

char32_t NormalizationData::FirstOfDecomposition(char32_t cp) const {
  if (cp - kSBase < kSCount) return kLBase + (cp - kSBase) / (kVCount * kTCount);
  std::uint32_t v = Value(cp);
  return v >> 24 ? decompositions_[(v >> 8) & 0xFFFF] : cp;
}

// Builds tables from the generated streams.
class TableBuilder {
 public:
  static std::unique_ptr<NormalizationData> norm;

  static std::unique_ptr<CollationTables> BuildRoot() {
    auto t = std::make_unique<CollationTables>();
    Reader r(DecodeBase64(kRootData));
    Trie trie{&t->index_, &t->data_};
    trie.Init();
    std::uint32_t singles = r.Uint();
    char32_t cp = static_cast<char32_t>(-1);
    std::vector<Element> ces;
    for (std::uint32_t i = 0; i < singles; ++i) {
      std::uint32_t header = r.Uint();
      cp += (header >> 4) + 1;
      std::uint32_t n = header & 15;
      if (n == 15) n += r.Uint();
      ReadElements(r, n, false, ces);
      trie.Set(cp, MakeEntry(*t, ces));
    }
    std::uint32_t contractions = r.Uint();
    for (std::uint32_t i = 0; i < contractions; ++i) {
      std::u32string key = ReadKey(r);
      ReadElements(r, r.Uint(), false, ces);
      AddMapping(*t, trie, key, MakeEntry(*t, ces));
    }
    ReadNormalization(r);
    std::uint32_t ranges = r.Uint();
    for (std::uint32_t i = 0; i < ranges; ++i) {
      CollationTables::ImplicitRange range;
      range.first = r.Uint();
      range.last = range.first + r.Uint();
      range.lead = r.Uint();
      range.base = r.Uint();
      t->implicit_.push_back(range);
    }
    t->unassigned_lead_ = r.Uint();
    t->norm_ = norm.get();
    FinishKeyCodes(*t);
    return t;
  }

  static std::unique_ptr<CollationTables> BuildTailored(const CollationTables& root, const TailoringBlob& blob) {
    auto t = std::make_unique<CollationTables>(root);
    t->language_ = blob.language;
    Reader r(DecodeBase64(blob.data));
    Trie trie{&t->index_, &t->data_};
    std::uint32_t count = r.Uint();
    std::vector<Element> ces;
    for (std::uint32_t i = 0; i < count; ++i) {
      std::u32string key = ReadKey(r);
      ReadElements(r, r.Uint(), true, ces);
      AddMapping(*t, trie, key, MakeEntry(*t, ces));
    }
    FinishKeyCodes(*t);
    return t;
  }

 private:
  static std::u32string ReadKey(Reader& r) { return r.ReadKey(); }

  static void ReadElements(Reader& r, std::uint32_t n, bool tailored, std::vector<Element>& ces) {
    ces.clear();
    for (std::uint32_t j = 0; j < n; ++j) ces.push_back(r.ReadElement(tailored));
  }

  static std::uint32_t MakeEntry(CollationTables& t, const std::vector<Element>& ces) {
    if (ces.size() == 1) {
      Element e = ces[0];
      std::uint32_t code = PrimaryOf(e) >> 8, s = SecondaryOf(e), ter = TertiaryOf(e);
      if ((PrimaryOf(e) & 0xFF) == 0 && (s & 0xFF) == 0 && (ter & 0xFF) == 0 && ter < (64 << 8))
        return kSingle | code | (s >> 8) << 16 | (ter >> 8) << 24;
    }
    if (ces.size() > 255 || t.pool_.size() >= (1u << 20)) throw std::logic_error("collation tables: expansion too long");
    std::uint32_t entry = kExpansion | static_cast<std::uint32_t>(t.pool_.size()) |
                          static_cast<std::uint32_t>(ces.size()) << 20;
    t.pool_.insert(t.pool_.end(), ces.begin(), ces.end());
    return entry;
  }

  static void AddMapping(CollationTables& t, Trie& trie, const std::u32string& key, std::uint32_t entry) {
    char32_t first = key[0];
    std::uint32_t old = t.Entry(first);
    if (key.size() == 1) {
      trie.Set(first, entry | (old & kContraction));
      return;
    }
    trie.Set(first, old | kContraction);
    auto& list = t.contractions_[first];
    std::u32string rest = key.substr(1);
    for (char32_t c : rest)
      if (c < 0x10000) t.continues_[c >> 6] |= std::uint64_t{1} << (c & 63);
    auto it = std::lower_bound(list.begin(), list.end(), rest,
                               [](const CollationTables::Contraction& c, const std::u32string& k) { return c.rest < k; });
    if (it != list.end() && it->rest == rest)
      it->entry = entry;
    else
      list.insert(it, CollationTables::Contraction{rest, entry});
  }

  static void ReadNormalization(Reader& r) {
    if (norm) {  // a second root build (never happens) reads past the data
      for (std::uint32_t n = r.Uint(); n; --n) {
        r.Uint();
        for (std::uint32_t k = r.Uint(); k; --k) r.Uint();
      }
      for (std::uint32_t n = r.Uint(); n; --n) r.Uint(), r.Uint(), r.Uint();
      return;
    }
    norm = std::make_unique<NormalizationData>();
    Trie trie{&norm->index_, &norm->data_};
    trie.Init();
    char32_t cp = static_cast<char32_t>(-1);
    for (std::uint32_t n = r.Uint(); n; --n) {
      cp += r.Uint() + 1;
      std::uint32_t length = r.Uint();
      auto start = static_cast<std::uint32_t>(norm->decompositions_.size());
      for (std::uint32_t k = 0; k < length; ++k) norm->decompositions_.push_back(r.Uint());
      trie.Set(cp, start << 8 | length << 24);
    }
    char32_t next = 0;
    for (std::uint32_t n = r.Uint(); n; --n) {
      char32_t first = next + r.Uint();
      std::uint32_t length = r.Uint(), ccc = r.Uint();
      for (char32_t c = first; c < first + length; ++c) {
        std::uint32_t old = norm->Value(c);
        trie.Set(c, (old & ~0xFFu) | ccc);
      }
      next = first + length;
    }
  }

  // Key codes of secondary and tertiary weights: the common weight is run-
  // length coded (code 0); the others, in order, take one byte from
  // kFirstSingle up, then two bytes with a lead from 0xF0.
  static void FinishKeyCodes(CollationTables& t) {
    std::vector<bool> sec(65536), ter(65536);
    std::vector<bool> ext(65536);
    auto note = [&](Element e) {
      sec[SecondaryOf(e)] = true;
      ter[TertiaryOf(e)] = true;
      if (PrimaryOf(e) & 0xFF) ext[PrimaryOf(e) >> 8] = true;
    };
    for (std::size_t b = 0; b < t.data_.size(); ++b) {
      std::uint32_t v = t.data_[b];
      if (v & kSingle) {
        sec[(v >> 16 & 0xFF) << 8] = true;
        ter[(v >> 24 & 0x3F) << 8] = true;
      }
    }
    for (Element e : t.pool_) note(e);
    t.secondary_codes_ = Codes(sec);
    t.tertiary_codes_ = Codes(ter);
    t.extended_.assign(65536 / 64, 0);
    for (std::uint32_t c = 0; c < 65536; ++c)
      if (ext[c]) t.extended_[c >> 6] |= std::uint64_t{1} << (c & 63);
  }

  static std::vector<std::uint16_t> Codes(const std::vector<bool>& used) {
    constexpr std::uint32_t kFirstSingle = 0x42, kFirstDouble = 0xF0;
    std::vector<std::uint16_t> codes(65536, 0);
    std::uint32_t rank = 0;
    for (std::uint32_t w = kCommonWeight + 1; w < 65536; ++w) {
      if (!used[w]) continue;
      std::uint32_t code = kFirstSingle + rank;
      if (code >= kFirstDouble) {
        std::uint32_t x = code - kFirstDouble;
        code = (kFirstDouble + x / 255) << 8 | (1 + x % 255);
      }
      codes[w] = static_cast<std::uint16_t>(code);
      ++rank;
    }
    // Weights between two used ones (never produced) share the next code.
    std::uint16_t next = 0xFFFF;
    for (std::uint32_t w = 65535; w > kCommonWeight; --w) {
      if (codes[w])
        next = codes[w];
      else
        codes[w] = next;
    }
    return codes;
  }
};

std::unique_ptr<NormalizationData> TableBuilder::norm;

const CollationTables& CollationTables::Root() {
  static const std::unique_ptr<CollationTables> root = TableBuilder::BuildRoot();
  return *root;
}

const CollationTables& CollationTables::ForLanguage(std::string_view language) {
  const CollationTables& root = Root();
  const TailoringBlob* blob = nullptr;
  for (unsigned i = 0; i < kTailoringCount; ++i)
    if (language == kTailorings[i].language) blob = &kTailorings[i];
  if (!blob) return root;
  static std::mutex mutex;
  static std::map<std::string, std::unique_ptr<CollationTables>, std::less<>> built;
  std::lock_guard<std::mutex> lock(mutex);
  auto it = built.find(language);
  if (it == built.end()) it = built.emplace(std::string(language), TableBuilder::BuildTailored(root, *blob)).first;
  return *it->second;
}

std::uint32_t CollationTables::LonePrimary(char32_t cp) const {
  std::uint32_t e = Entry(cp);
  if ((e & (kSingle | kContraction)) != kSingle || norm_->MayChange(cp)) return 0;
  return (e & 0xFFFF) << 8;
}

std::uint32_t CollationTables::OwnPrimary(char32_t cp) const {
  std::uint32_t e = Entry(cp);
  return (e & kSingle) ? (e & 0xFFFF) << 8 : 0;
}

void CollationTables::AppendEntry(std::uint32_t entry, std::vector<Element>& out) const {
  if (entry & kSingle) {
    out.push_back(MakeElement(entry & 0xFFFF, 0, (entry >> 16 & 0xFF) << 8, (entry >> 24 & 0x3F) << 8));
    return;
  }
  std::uint32_t start = entry & 0xFFFFF, length = entry >> 20 & 0xFF;
  out.insert(out.end(), pool_.begin() + start, pool_.begin() + start + length);
}

// Code points without a mapping get two primaries computed from the code
// point: a lead chosen by script (Han, Tangut, ... or unassigned) and a
// second half from its low 15 bits, coded like the generator's.
void CollationTables::AppendImplicit(char32_t cp, std::vector<Element>& out) const {
  std::uint32_t lead = unassigned_lead_ + (cp >> 15);
  char32_t offset = cp;
  auto it = std::upper_bound(implicit_.begin(), implicit_.end(), cp,
                             [](char32_t c, const ImplicitRange& r) { return c < r.first; });
  if (it != implicit_.begin() && cp <= (--it)->last) {
    if (it->base) {
      lead = it->lead;
      offset = cp - it->base;
    } else {
      lead = it->lead + (cp >> 15);
    }
  }
  std::uint32_t x = offset & 0x7FFF;
  std::uint32_t second = (2 + x / 255) << 8 | (1 + x % 255);
  out.push_back(MakeElement(lead, 0, kCommonWeight, kCommonWeight));
  out.push_back(MakeElement(second, 0, 0, 0));
}

const CollationTables::Contraction* CollationTables::FindContraction(char32_t first, const std::u32string& rest) const {
  auto list = contractions_.find(first);
  if (list == contractions_.end()) return nullptr;
  auto it = std::lower_bound(list->second.begin(), list->second.end(), rest,
                             [](const Contraction& c, const std::u32string& k) { return c.rest < k; });
  return it != list->second.end() && it->rest == rest ? &*it : nullptr;
}

// The main loop of the collation algorithm: at each position the longest
// contiguous match, then unblocked combining marks further on that extend
// the match (discontiguous contractions; those marks are consumed). Every
// prefix of a contraction has an entry of its own, so the contiguous match
// can stop at the first extension that is not in the table.
void CollationTables::AppendElements(std::u32string& text, std::vector<Element>& out) const {
  std::u32string rest;
  for (std::size_t i = 0; i < text.size();) {
    char32_t cp = text[i];
    std::uint32_t entry = Entry(cp);
    std::size_t end = i + 1;
    if (entry & kContraction) {
      rest.clear();
      while (end < text.size() && MayContinue(text[end])) {
        rest.push_back(text[end]);
        const Contraction* c = FindContraction(cp, rest);
        if (!c) {
          rest.pop_back();
          break;
        }
        entry = c->entry;
        ++end;
      }
      std::uint8_t blocking = 0;
      for (std::size_t k = end; k < text.size();) {
        std::uint8_t ccc = norm_->CombiningClass(text[k]);
        if (ccc == 0) break;
        if (blocking < ccc && MayContinue(text[k])) {
          rest.push_back(text[k]);
          if (const Contraction* c = FindContraction(cp, rest)) {
            entry = c->entry;
            text.erase(k, 1);
            continue;
          }
          rest.pop_back();
        }
        blocking = ccc;
        ++k;
      }
    }
    if ((entry & ~kContraction) == 0)
      AppendImplicit(cp, out);
    else
      AppendEntry(entry, out);
    i = end;
  }
}

}  // namespace kti18n_collation
