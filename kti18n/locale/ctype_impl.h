// zv_ctype_impl: Unicode character properties of the 65,536 UCS-2 code units,
// read from five constant tables.
//
// Table layout (also the record layout that locale data supplies):
//  - block index: 512 uint16, one per block of 128 code units: the position
//    in the run table where the block's runs begin; alike blocks share runs;
//  - run table: uint16 entries, bits 0-6 a run length, bits 7-15 a property
//    number. A block is either one entry of length 0 (every unit has that
//    property) or runs whose lengths add up to 128;
//  - property table: uint32 property words (layout below);
//  - numeric table: int32 pairs (numerator, denominator); pair 0 is (0, 0),
//    "no numeric value";
//  - small-value table: int16, indexed by the low byte of a property word:
//    a case delta for units with a case mapping, else the canonical
//    combining class.
//
// Property word:
//   bits  0-7   small-value index
//   bits  8-13  numeric index
//   bit   14    has an upper-case mapping: upper = c - small value
//   bit   15    has a lower-case mapping: lower = c + small value
//   bits 16-19  bidirectional class (with bit 31)
//   bit   20    mirrored in right-to-left text
//   bit   21    white space
//   bits 22-30  general category; 0 is unassigned
//   bit   31    bidirectionally neutral
// The category codes group the categories so that masks select families:
// bits 29-30 are 01 for controls and 10 for printables; bits 28-30 are 101
// for graphics; bits 26-30 are 10100 letters and numbers, 10101
// punctuation, 10110 symbols, 10111 marks; bits 25-30 tell letters
// (0x50000000) from numbers (0x52000000).
#ifndef KTI18N_LOCALE_CTYPE_IMPL_H
#define KTI18N_LOCALE_CTYPE_IMPL_H

#include <cstdint>

class zv_ctype_impl {
 public:
  // The five tables, in the order above. Records of this form stay in
  // static data and are never copied.
  struct StaticStorage {
    const std::uint16_t* blockIndex;
    const std::uint16_t* runs;
    const std::uint32_t* properties;
    const std::int32_t* numerics;
    const std::int16_t* smallValues;
  };

  // The Unicode 3.0 character database (generated, ctype_tables.cpp).
  static const StaticStorage kCtype_i18n;

  // A faster form of a record's block index and run table: the property
  // numbers of each distinct block stored whole, and where each block's
  // numbers begin. Generated beside kCtype_i18n; records from locale data
  // have none and are read through their runs.
  struct DirectTable {
    const std::uint16_t* blockStarts;      // 512 entries
    const std::uint16_t* propertyNumbers;  // 128 per distinct block
  };
  static const DirectTable kCtype_i18n_direct;

  // General categories, the property word masked with kCategoryMask.
  enum Category : std::uint32_t {
    kCn = 0x00000000, kCc = 0x20000000, kCf = 0x20400000, kZl = 0x20800000, kZp = 0x20C00000,
    kZs = 0x40000000, kLo = 0x50000000, kLu = 0x50400000, kLl = 0x50800000, kLt = 0x50C00000,
    kLm = 0x51000000, kNd = 0x52000000, kNl = 0x52400000, kNo = 0x52800000, kPo = 0x54000000,
    kPs = 0x54400000, kPe = 0x54800000, kPc = 0x54C00000, kPd = 0x55000000,
    kPi = 0x55400000,  // initial quotation mark
    kPf = 0x55800000,  // final quotation mark
    kSo = 0x58000000, kSm = 0x58400000, kSc = 0x58800000, kSk = 0x58C00000, kMn = 0x5C000000,
    kMc = 0x5C400000, kMe = 0x5C800000, kCo = 0x60000000, kCs = 0x60400000,
  };
  static constexpr std::uint32_t kCategoryMask = 0x7FC00000;

  // Bidirectional classes, the property word masked with kBidiMask.
  enum Bidi : std::uint32_t {
    kBidiNone = 0, kL = 0x00010000, kLRE = 0x00020000, kLRO = 0x00030000, kR = 0x00040000,
    kAL = 0x00050000, kRLE = 0x00060000, kRLO = 0x00070000, kPDF = 0x00080000, kEN = 0x00090000,
    kES = 0x000A0000, kET = 0x000B0000, kAN = 0x000C0000, kCS = 0x000D0000, kNSM = 0x000E0000,
    kBN = 0x000F0000, kB = 0x80010000, kS = 0x80020000, kWS = 0x80030000, kON = 0x80040000,
  };
  static constexpr std::uint32_t kBidiMask = 0x800F0000;

  static constexpr std::uint32_t kHasUpper = 1u << 14;
  static constexpr std::uint32_t kHasLower = 1u << 15;
  static constexpr std::uint32_t kMirrored = 1u << 20;
  static constexpr std::uint32_t kWhiteSpace = 1u << 21;
  static constexpr std::uint32_t kNeutral = 1u << 31;

  // Classification masks of GetPropertyMask. 0x0080 is never set, and there
  // is no punctuation mask.
  enum Mask : unsigned {
    print = 0x0002,   // printable family
    cntrl = 0x0004,   // control family
    upper = 0x0008,   // Lu
    lower = 0x0010,   // Ll
    alpha = 0x0020,   // Lo, Lu, Ll, Lt, Lm
    digit = 0x0040,   // Nd
    xdigit = 0x0100,  // 0-9, A-F, a-f
    graph = 0x0200,   // letters, numbers, punctuation, symbols, marks
    space = 0x200000, // the white-space bit of the property word
  };

  // Tables of `storage`; null means kCtype_i18n.
  explicit zv_ctype_impl(const StaticStorage* storage = nullptr);

  // Single categories.
  bool IsIsoCntrl(unsigned short c) const { return category(c) == kCc; }
  bool IsFmtCntrl(unsigned short c) const { return category(c) == kCf; }
  bool IsLsep(unsigned short c) const { return category(c) == kZl; }
  bool IsPsep(unsigned short c) const { return category(c) == kZp; }
  bool IsBlank(unsigned short c) const { return category(c) == kZs; }
  bool IsUpper(unsigned short c) const { return category(c) == kLu; }
  bool IsLower(unsigned short c) const { return category(c) == kLl; }
  bool IsTitle(unsigned short c) const { return category(c) == kLt; }
  bool IsModif(unsigned short c) const { return category(c) == kLm; }
  bool IsDigit(unsigned short c) const { return category(c) == kNd; }
  bool IsLetnum(unsigned short c) const { return category(c) == kNl; }
  bool IsOpenPunct(unsigned short c) const { return category(c) == kPs; }
  bool IsClosePunct(unsigned short c) const { return category(c) == kPe; }
  bool IsConnect(unsigned short c) const { return category(c) == kPc; }
  bool IsDash(unsigned short c) const { return category(c) == kPd; }
  bool IsMath(unsigned short c) const { return category(c) == kSm; }
  bool IsCurrency(unsigned short c) const { return category(c) == kSc; }
  bool IsModifSymbol(unsigned short c) const { return category(c) == kSk; }
  bool IsNsMark(unsigned short c) const { return category(c) == kMn; }
  bool IsSpMark(unsigned short c) const { return category(c) == kMc; }
  bool IsEnclosing(unsigned short c) const { return category(c) == kMe; }
  bool IsPrivate(unsigned short c) const { return category(c) == kCo; }
  bool IsSurrogate(unsigned short c) const { return category(c) == kCs; }

  // Families.
  bool IsCntrl(unsigned short c) const { return (FindProperty(c) & 0x60000000) == 0x20000000; }
  bool IsPrint(unsigned short c) const { return (FindProperty(c) & 0x60000000) == 0x40000000; }
  bool IsGraph(unsigned short c) const { return (FindProperty(c) & 0x70000000) == 0x50000000; }
  bool IsAlnum(unsigned short c) const { return (FindProperty(c) & 0x7C000000) == 0x50000000; }
  bool IsAlpha(unsigned short c) const { return (FindProperty(c) & 0x7E000000) == 0x50000000; }
  bool IsNumber(unsigned short c) const { return (FindProperty(c) & 0x7E000000) == 0x52000000; }
  bool IsPunct(unsigned short c) const { return (FindProperty(c) & 0x7C000000) == 0x54000000; }
  bool IsSymbol(unsigned short c) const { return (FindProperty(c) & 0x7C000000) == 0x58000000; }
  bool IsMark(unsigned short c) const { return (FindProperty(c) & 0x7C000000) == 0x5C000000; }
  bool IsSpace(unsigned short c) const { return (FindProperty(c) & kWhiteSpace) != 0; }
  bool IsMirroring(unsigned short c) const { return (FindProperty(c) & kMirrored) != 0; }
  // U+FFFF is never a character, whatever the tables say.
  bool IsUndefined(unsigned short c) const { return c == 0xFFFF || FindProperty(c) == 0; }

  // Fixed code points; no table involved.
  static bool IsReplacement(unsigned short c) { return c == 0xFFFD; }
  static bool IsObjReplacement(unsigned short c) { return c == 0xFFFC; }
  static bool IsSwapped(unsigned short c) { return c == 0xFFFE; }
  static bool IsZigamorph(unsigned short c) { return c == 0xFFFF; }
  static bool IsHan(unsigned short c) { return (c >= 0x4E00 && c < 0xA000) || (c >= 0xF900 && c < 0xFB00); }
  static bool IsHangul(unsigned short c) { return c >= 0xAC00 && c < 0xD800; }
  static bool IsXDigit(unsigned short c) {
    return (c >= '0' && c <= '9') || ((c | 0x20) >= 'a' && (c | 0x20) <= 'f');
  }

  // Bidirectional class and its groups.
  std::uint32_t getbidi(unsigned short c) const { return FindProperty(c) & kBidiMask; }
  bool IsRtl(unsigned short c) const;
  bool IsLtr(unsigned short c) const;
  // L, LRE, LRO, R, AL, RLE, RLO and unassigned.
  bool IsStrong(unsigned short c) const { return getbidi(c) < kPDF; }
  // Everything else: PDF, the weak classes and the neutrals (bit 31).
  bool IsWeak(unsigned short c) const { return getbidi(c) >= kPDF; }
  bool IsNeutral(unsigned short c) const { return (FindProperty(c) & kNeutral) != 0; }
  bool IsSeparator(unsigned short c) const {
    const std::uint32_t b = getbidi(c);
    return b == kB || b == kS;
  }

  // Canonical combining class; 0 for units with a case mapping, whose small
  // value is a case delta.
  int getclass(unsigned short c) const {
    const std::uint32_t w = FindProperty(c);
    return (w & (kHasUpper | kHasLower)) != 0 ? 0 : m_smallValues[w & 0xFF];
  }
  // Numerator of the numeric value (0 when there is none).
  int getdigit(unsigned short c) const { return m_numerics[2 * numericIndex(c)]; }
  // Numerator; the denominator goes to `denominator` (0 when there is none).
  int getnumber(unsigned short c, int& denominator) const {
    const unsigned i = numericIndex(c);
    denominator = m_numerics[2 * i + 1];
    return m_numerics[2 * i];
  }

  // Simple case mappings (16-bit wrap-around of the delta).
  unsigned short ToUpper(unsigned short c) const {
    const std::uint32_t w = FindProperty(c);
    return (w & kHasUpper) != 0 ? static_cast<unsigned short>(c - m_smallValues[w & 0xFF]) : c;
  }
  unsigned short ToLower(unsigned short c) const {
    const std::uint32_t w = FindProperty(c);
    return (w & kHasLower) != 0 ? static_cast<unsigned short>(c + m_smallValues[w & 0xFF]) : c;
  }
  unsigned short totitle(unsigned short c) const;

 protected:
  std::uint32_t FindProperty(unsigned short c) const;
  unsigned GetPropertyMask(unsigned short c) const;

 private:
  std::uint32_t category(unsigned short c) const { return FindProperty(c) & kCategoryMask; }
  unsigned numericIndex(unsigned short c) const { return (FindProperty(c) >> 8) & 0x3F; }

  const std::uint16_t* m_blockIndex;
  const std::uint16_t* m_runs;
  const std::uint32_t* m_properties;
  const std::int32_t* m_numerics;
  const std::int16_t* m_smallValues;
  // Set when the record's block index, runs and properties are those of
  // kCtype_i18n; null otherwise.
  const DirectTable* m_direct;
};

// The property word of c: find the run of c's block that covers c. A
// uniform block answers from its single entry; a mixed block is walked run
// by run, adding lengths until the run that ends beyond c. The direct table,
// when there is one, gives the same property number without the walk.
inline std::uint32_t zv_ctype_impl::FindProperty(unsigned short c) const {
  if (m_direct != nullptr) {
    return m_properties[m_direct->propertyNumbers[m_direct->blockStarts[c >> 7] + (c & 127u)]];
  }
  unsigned p = m_blockIndex[c >> 7];
  unsigned run = m_runs[p];
  unsigned end = run & 127;
  if (end != 0) {
    const unsigned offset = c & 127u;
    while (end <= offset) {
      run = m_runs[++p];
      end += run & 127;
    }
  }
  return m_properties[run >> 7];
}

inline unsigned zv_ctype_impl::GetPropertyMask(unsigned short c) const {
  const std::uint32_t w = FindProperty(c);
  const std::uint32_t cat = w & kCategoryMask;
  unsigned mask = w & kWhiteSpace;
  if ((w & 0x60000000) == 0x40000000) mask |= print;
  if ((w & 0x60000000) == 0x20000000) mask |= cntrl;
  if (cat == kLu) mask |= upper;
  if (cat == kLl) mask |= lower;
  if ((w & 0x7E000000) == 0x50000000) mask |= alpha;
  if (cat == kNd) mask |= digit;
  if (IsXDigit(c)) mask |= xdigit;
  if ((w & 0x70000000) == 0x50000000) mask |= graph;
  return mask;
}

#endif
