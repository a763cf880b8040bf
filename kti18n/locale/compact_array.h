// ktCompactArray<T>: a table of one T per 16-bit key, stored in two levels.
//
// The index has 512 entries, one per block of 128 keys; the value of key c
// is values[index[c >> 7] + (c & 127)]. A table is either
//  - expanded: 65,536 values and the identity index (entry b = 128 b), the
//    form in which it is written; or
//  - compact: blocks with equal contents stored once, each index entry
//    pointing at its block's copy, the form in which it is read.
// Writing to a compact table expands it first; Compact() shrinks it again.
// Every index entry plus 128 never exceeds the values length.
//
// An owner frees both arrays when destroyed; a table over static arrays
// (StaticStorage) is not an owner until it is written to. Arrays are
// allocated with new[]. Instantiated for unsigned short and unsigned int.
#ifndef KTI18N_LOCALE_COMPACT_ARRAY_H
#define KTI18N_LOCALE_COMPACT_ARRAY_H

#include <iosfwd>

class ktInByteStream;

template <typename T>
class ktCompactArray {
 public:
  using value_type = T;
  static constexpr unsigned kBlockSize = 128;
  static constexpr unsigned kIndexLength = 512;
  static constexpr unsigned kExpandedLength = 0x10000;

  // A compact table kept in static data.
  struct StaticStorage {
    unsigned indexLength;
    unsigned valuesLength;
    const unsigned short* index;
    const T* values;
  };

  // A compact table over the static arrays; not an owner.
  explicit ktCompactArray(const StaticStorage& storage);
  // An expanded table with every value `value`; owner.
  explicit ktCompactArray(T value);
  // Adopts a compact table built elsewhere (arrays from new[]) and becomes
  // its owner. Throws 0x80041128, adopting nothing, unless indexLength is
  // 512 and every index entry plus 128 is at most valuesLength.
  ktCompactArray(unsigned short* index, unsigned indexLength, T* values, unsigned valuesLength);
  // No serialised form exists: reads nothing and gives an empty table (no
  // arrays, lengths 0) marked compact. An empty table reads as T() and is
  // expanded with T() when written.
  explicit ktCompactArray(const ktInByteStream* stream);

  // Deep copies; the copy owns its arrays. On allocation failure (0x80041122)
  // the target of an assignment keeps its contents.
  ktCompactArray(const ktCompactArray& other);
  ktCompactArray& operator=(const ktCompactArray& other);
  ~ktCompactArray();

  T GetAt(unsigned short c) const {
    if (m_index == nullptr) return T();
    return m_values[m_index[c >> 7] + (c & (kBlockSize - 1))];
  }
  void SetAt(unsigned short c, T value);
  // Every key from first to last inclusive; nothing when first > last.
  void SetAt(unsigned short first, unsigned short last, T value);

  // Stores alike blocks once. Throws 0x80041122 on allocation failure,
  // leaving the table as it was.
  void Compact();

  // Writes "(0x<address>)" and an end of line.
  void Trace(std::ostream& os) const;

  bool IsCompact() const { return m_compact; }
  bool IsOwner() const { return m_owner; }
  unsigned IndexLength() const { return m_indexLength; }
  unsigned ValuesLength() const { return m_valuesLength; }
  const unsigned short* Index() const { return m_index; }
  const T* Values() const { return m_values; }

 private:
  // Makes the table expanded and owner, with the same contents.
  void Expand();
  // The first multiple of 128 below placed where the values already placed
  // (expanded[map[p + i]]) equal the block of expanded starting at
  // blockStart; placed itself when none does.
  static unsigned FindOverlappingPosition(const T* expanded, const unsigned short* map, unsigned placed,
                                          unsigned blockStart);
  void Release();
  void Swap(ktCompactArray& other) noexcept;

  unsigned short* m_index = nullptr;
  T* m_values = nullptr;
  unsigned m_indexLength = 0;
  unsigned m_valuesLength = 0;
  bool m_compact = true;
  bool m_owner = false;
};

extern template class ktCompactArray<unsigned short>;
extern template class ktCompactArray<unsigned int>;

#endif
