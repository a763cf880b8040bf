// ktCollation: a named collation that compares text and builds sort keys.
//
// The order is the Unicode Collation Algorithm over CLDR's root collation,
// with the standard tailoring of the name's language where CLDR has one
// ("sv_SE" sorts å, ä, ö after z; "fr_FR", "i18n" and "" use root): three
// levels (letters, accents, case), non-ignorable variable weighting, ties
// broken by the code points of the canonical decomposition, so canonically
// equivalent texts are equal. UCS-2 input with surrogate pairs is read as
// the supplementary characters it encodes; the byte form reads UTF-8.
//
// Sort keys compare, byte by byte as unsigned bytes (memcmp,
// std::string::compare), exactly as CompareStrings compares the texts they
// were built from, and never contain a 0 byte, so they may also be compared
// as C strings.
#ifndef KTI18N_UNICODE_COLLATION_H
#define KTI18N_UNICODE_COLLATION_H

#include <string>

namespace kti18n_collation {
class CollationTables;
}

class ktCollation {
 public:
  // A null name is taken as "". The language is the name's part before the
  // first '_', '-', '.' or '@', in any case.
  explicit ktCollation(const char* name);
  ~ktCollation();
  ktCollation(const ktCollation&) = delete;
  ktCollation& operator=(const ktCollation&) = delete;

  const std::string& Name() const { return name_; }
  // The language whose tailoring applies, or "" for the root order.
  const std::string& Language() const;

  // -1, 0 or 1 as a sorts before, with or after b.
  int CompareStrings(const unsigned char* a, const unsigned char* aEnd, const unsigned char* b,
                     const unsigned char* bEnd) const;
  int CompareStrings(const unsigned short* a, const unsigned short* aEnd, const unsigned short* b,
                     const unsigned short* bEnd) const;
  // Replaces key with the sort key of [first, last).
  void BuildSortKey(std::string& key, const unsigned short* first, const unsigned short* last) const;

 private:
  std::string name_;
  const kti18n_collation::CollationTables* tables_;
};

#endif
