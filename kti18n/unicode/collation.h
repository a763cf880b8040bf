// ktCollation: a named collation that compares text and builds sort keys.
//
// For now every name orders by code unit (bytes for the byte form) as
// unsigned numbers, a prefix first; language-sensitive orderings come later
// behind the same interface. Sort keys compare, byte by byte as unsigned
// bytes (memcmp, std::string::compare), exactly as CompareStrings compares
// the text they were built from, and never contain a 0 byte, so they may
// also be compared as C strings.
#ifndef KTI18N_LOCALE_COLLATION_H
#define KTI18N_LOCALE_COLLATION_H

#include <string>

class ktCollation {
 public:
  // A null name is taken as "".
  explicit ktCollation(const char* name);
  ~ktCollation();
  ktCollation(const ktCollation&) = delete;
  ktCollation& operator=(const ktCollation&) = delete;

  const std::string& Name() const { return name_; }

  // -1, 0 or 1 as a sorts before, with or after b.
  int CompareStrings(const unsigned char* a, const unsigned char* aEnd, const unsigned char* b,
                     const unsigned char* bEnd) const;
  int CompareStrings(const unsigned short* a, const unsigned short* aEnd, const unsigned short* b,
                     const unsigned short* bEnd) const;
  // Replaces key with the sort key of [first, last).
  void BuildSortKey(std::string& key, const unsigned short* first, const unsigned short* last) const;

 private:
  std::string name_;
};

#endif
