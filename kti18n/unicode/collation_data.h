// The collation tables: the CLDR root collation and the language tailorings,
// decoded once from the compact generated streams (collation_tables.cpp) into
// lookup structures shared by every ktCollation of the same language.
//
// A collation element is a 64-bit value whose numeric fields order text:
//   bits 48..63  primary: 16-bit code of a root primary (no zero byte)
//   bits 40..47  primary extension: non-zero for primaries a tailoring
//                inserts after that root primary
//   bits 16..31  secondary: rank of the root weight << 8, low byte tailored
//   bits  0..15  tertiary: likewise
// A zero field is ignorable at that level.
#ifndef KTI18N_UNICODE_COLLATION_DATA_H
#define KTI18N_UNICODE_COLLATION_DATA_H

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace kti18n_collation {

// Generated data.
struct TailoringBlob {
  const char* language;
  const char* data;  // base64 of the tailoring stream
};
extern const char kRootData[];
extern const TailoringBlob kTailorings[];
extern const unsigned kTailoringCount;

using Element = std::uint64_t;

// The primary as code << 8 | extension.
constexpr std::uint32_t PrimaryOf(Element e) { return static_cast<std::uint32_t>(e >> 40); }
constexpr std::uint16_t SecondaryOf(Element e) { return static_cast<std::uint16_t>(e >> 16); }
constexpr std::uint16_t TertiaryOf(Element e) { return static_cast<std::uint16_t>(e); }
constexpr Element MakeElement(std::uint32_t code, std::uint32_t ext, std::uint32_t s, std::uint32_t t) {
  return static_cast<Element>(code) << 48 | static_cast<Element>(ext) << 40 | static_cast<Element>(s) << 16 | t;
}
// The common secondary and tertiary weights (rank 1).
constexpr std::uint16_t kCommonWeight = 0x100;

// Canonical decompositions and combining classes (shared by every collation).
class NormalizationData {
 public:
  std::uint8_t CombiningClass(char32_t cp) const { return cp < 0x300 ? 0 : Value(cp) & 0xFF; }
  // Appends the canonical decomposition of cp (cp itself when it has none).
  void AppendDecomposition(char32_t cp, std::u32string& out) const;
  // The first code point of cp's canonical decomposition.
  char32_t FirstOfDecomposition(char32_t cp) const;
  // True when cp may change under canonical decomposition or reordering.
  bool MayChange(char32_t cp) const { return cp >= 0xC0 && (Value(cp) != 0 || (cp >= 0xAC00 && cp <= 0xD7A3)); }

 private:
  friend class TableBuilder;
  std::uint32_t Value(char32_t cp) const {
    return cp < 0x110000 ? data_[index_[cp >> 7] + (cp & 127)] : 0;
  }
  std::vector<std::uint32_t> index_;
  std::vector<std::uint32_t> data_;     // ccc | start << 8 | length << 24
  std::vector<char32_t> decompositions_;
};

// One collation: root, or root with a language's tailoring applied.
class CollationTables {
 public:
  // The root collation.
  static const CollationTables& Root();
  // The tailoring of a language ("sv"), or the root collation when the
  // language has none.
  static const CollationTables& ForLanguage(std::string_view language);

  const NormalizationData& Normalization() const { return *norm_; }

  // Appends the collation elements of text, which must already be in NFD
  // (the text may be modified: discontiguous contractions consume marks).
  void AppendElements(std::u32string& text, std::vector<Element>& out) const;

  // Whether a collation unit always begins at cp in NFD text: cp is a
  // starter that continues no contraction.
  bool BeginsUnit(char32_t cp) const { return norm_->CombiningClass(cp) == 0 && !MayContinue(cp); }
  // The same for text not yet decomposed.
  bool BeginsUnitBeforeNfd(char32_t cp) const {
    return BeginsUnit(norm_->MayChange(cp) ? norm_->FirstOfDecomposition(cp) : cp);
  }
  // The primary of cp when it is one element by itself, whatever follows
  // it: not changed by decomposition, starting no contraction. 0 otherwise.
  std::uint32_t LonePrimary(char32_t cp) const;
  // The primary of cp's own single element (0 when it has none), for a cp
  // the caller knows to stand alone: not changed by decomposition and
  // followed by the beginning of another unit.
  std::uint32_t OwnPrimary(char32_t cp) const;

  // Key bytes of a secondary or tertiary weight; 0 for the common weight.
  std::uint16_t SecondaryCode(std::uint16_t w) const { return secondary_codes_[w]; }
  std::uint16_t TertiaryCode(std::uint16_t w) const { return tertiary_codes_[w]; }
  // True when the primary code has tailored extensions (its key takes 3 bytes).
  bool HasExtensions(std::uint32_t code) const { return extended_[code >> 6] >> (code & 63) & 1; }

  const std::string& Language() const { return language_; }

 private:
  friend class TableBuilder;
  struct Contraction {
    std::u32string rest;  // the code points after the first
    std::uint32_t entry;
  };
  std::uint32_t Entry(char32_t cp) const { return cp < 0x110000 ? data_[index_[cp >> 7] + (cp & 127)] : 0; }
  void AppendEntry(std::uint32_t entry, std::vector<Element>& out) const;
  void AppendImplicit(char32_t cp, std::vector<Element>& out) const;
  const Contraction* FindContraction(char32_t first, const std::u32string& rest) const;
  // Whether cp appears after the first code point of some contraction: most
  // text can be told not to continue a contraction without a search.
  bool MayContinue(char32_t cp) const { return cp >= 0x10000 || (continues_[cp >> 6] >> (cp & 63) & 1); }

  struct ImplicitRange {
    char32_t first, last;
    std::uint32_t lead;  // primary code of the lead weight
    char32_t base;       // 0: lead grows with cp >> 15
  };

  std::string language_;
  const NormalizationData* norm_ = nullptr;
  std::vector<std::uint32_t> index_;
  std::vector<std::uint32_t> data_;
  std::vector<Element> pool_;
  std::unordered_map<char32_t, std::vector<Contraction>> contractions_;
  std::vector<std::uint64_t> continues_ = std::vector<std::uint64_t>(0x10000 / 64);
  std::vector<ImplicitRange> implicit_;
  std::uint32_t unassigned_lead_ = 0;
  std::vector<std::uint16_t> secondary_codes_;
  std::vector<std::uint16_t> tertiary_codes_;
  std::vector<std::uint64_t> extended_;
};

}  // namespace kti18n_collation

#endif
