#include "kti18n/locale/compact_array.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <new>
#include <ostream>
#include <utility>

#include "kti18n/base/exception.h"

namespace {

template <typename U>
std::unique_ptr<U[]> allocate(unsigned n) {
  std::unique_ptr<U[]> p(new (std::nothrow) U[n]);
  if (!p) throw ZVException(ZV_E_OUTOFMEMORY);
  return p;
}

}  // namespace

// The table never writes through these pointers while it does not own them:
// writing expands into arrays of its own first.
template <typename T>
ktCompactArray<T>::ktCompactArray(const StaticStorage& storage)
    : m_index(const_cast<unsigned short*>(storage.index)),
      m_values(const_cast<T*>(storage.values)),
      m_indexLength(storage.indexLength),
      m_valuesLength(storage.valuesLength),
      m_compact(true),
      m_owner(false) {}

template <typename T>
ktCompactArray<T>::ktCompactArray(T value) {
  auto index = allocate<unsigned short>(kIndexLength);
  auto values = allocate<T>(kExpandedLength);
  for (unsigned b = 0; b < kIndexLength; ++b) index[b] = static_cast<unsigned short>(b * kBlockSize);
  std::fill_n(values.get(), kExpandedLength, value);
  m_index = index.release();
  m_values = values.release();
  m_indexLength = kIndexLength;
  m_valuesLength = kExpandedLength;
  m_compact = false;
  m_owner = true;
}

template <typename T>
ktCompactArray<T>::ktCompactArray(unsigned short* index, unsigned indexLength, T* values, unsigned valuesLength) {
  if (index == nullptr || values == nullptr || indexLength != kIndexLength) throw ZVException(ZV_E_OUT_OF_RANGE);
  for (unsigned b = 0; b < kIndexLength; ++b) {
    if (std::uint64_t{index[b]} + kBlockSize > valuesLength) throw ZVException(ZV_E_OUT_OF_RANGE);
  }
  m_index = index;
  m_values = values;
  m_indexLength = indexLength;
  m_valuesLength = valuesLength;
  m_compact = true;
  m_owner = true;
}

template <typename T>
ktCompactArray<T>::ktCompactArray(const ktInByteStream*) {}

template <typename T>
ktCompactArray<T>::ktCompactArray(const ktCompactArray& other)
    : m_indexLength(other.m_indexLength), m_valuesLength(other.m_valuesLength), m_compact(other.m_compact) {
  if (other.m_index == nullptr) {
    m_indexLength = m_valuesLength = 0;
    return;
  }
  auto index = allocate<unsigned short>(m_indexLength);
  auto values = allocate<T>(m_valuesLength);
  std::copy_n(other.m_index, m_indexLength, index.get());
  std::copy_n(other.m_values, m_valuesLength, values.get());
  m_index = index.release();
  m_values = values.release();
  m_owner = true;
}

template <typename T>
ktCompactArray<T>& ktCompactArray<T>::operator=(const ktCompactArray& other) {
  if (this != &other) {
    ktCompactArray copy(other);
    Swap(copy);
  }
  return *this;
}

template <typename T>
ktCompactArray<T>::~ktCompactArray() {
  Release();
}

template <typename T>
void ktCompactArray<T>::Release() {
  if (m_owner) {
    delete[] m_index;
    delete[] m_values;
  }
  m_index = nullptr;
  m_values = nullptr;
}

template <typename T>
void ktCompactArray<T>::Swap(ktCompactArray& other) noexcept {
  std::swap(m_index, other.m_index);
  std::swap(m_values, other.m_values);
  std::swap(m_indexLength, other.m_indexLength);
  std::swap(m_valuesLength, other.m_valuesLength);
  std::swap(m_compact, other.m_compact);
  std::swap(m_owner, other.m_owner);
}

template <typename T>
void ktCompactArray<T>::SetAt(unsigned short c, T value) {
  if (m_compact) Expand();
  m_values[c] = value;
}

template <typename T>
void ktCompactArray<T>::SetAt(unsigned short first, unsigned short last, T value) {
  if (first > last) return;
  if (m_compact) Expand();
  std::fill(m_values + first, m_values + last + 1, value);
}

// The new arrays are complete before the old ones are touched, so a failed
// allocation leaves the table as it was.
template <typename T>
void ktCompactArray<T>::Expand() {
  if (!m_compact) return;
  auto values = allocate<T>(kExpandedLength);
  for (unsigned c = 0; c < kExpandedLength; ++c) values[c] = GetAt(static_cast<unsigned short>(c));
  unsigned short* index = m_owner ? m_index : nullptr;
  if (index == nullptr) index = allocate<unsigned short>(kIndexLength).release();
  if (m_owner) delete[] m_values;
  for (unsigned b = 0; b < kIndexLength; ++b) index[b] = static_cast<unsigned short>(b * kBlockSize);
  m_index = index;
  m_values = values.release();
  m_indexLength = kIndexLength;
  m_valuesLength = kExpandedLength;
  m_compact = false;
  m_owner = true;
}

template <typename T>
unsigned ktCompactArray<T>::FindOverlappingPosition(const T* expanded, const unsigned short* map, unsigned placed,
                                                    unsigned blockStart) {
  for (unsigned p = 0; p < placed; p += kBlockSize) {
    const unsigned n = std::min(kBlockSize, placed - p);
    unsigned i = 0;
    while (i < n && expanded[map[p + i]] == expanded[blockStart + i]) ++i;
    if (i == n) return p;
  }
  return (placed + kBlockSize - 1) / kBlockSize * kBlockSize;
}

// Compaction places the blocks one after another in a new values array,
// reusing a place already filled with the same contents. `map` records, for
// each new position, the expanded position whose value goes there, so the
// new array is only built once every block has its place. Since the length
// placed stays a multiple of 128, whole blocks are shared, never parts.
template <typename T>
void ktCompactArray<T>::Compact() {
  if (m_compact) return;
  auto map = allocate<unsigned short>(kExpandedLength);
  unsigned short index[kIndexLength];
  for (unsigned i = 0; i < kBlockSize; ++i) map[i] = static_cast<unsigned short>(i);
  index[0] = 0;
  unsigned placed = kBlockSize;
  for (unsigned b = 1; b < kIndexLength; ++b) {
    const unsigned start = b * kBlockSize;
    const unsigned p = FindOverlappingPosition(m_values, map.get(), placed, start);
    for (unsigned q = placed; q < p + kBlockSize; ++q) map[q] = static_cast<unsigned short>(start + (q - p));
    placed = std::max(placed, p + kBlockSize);
    index[b] = static_cast<unsigned short>(p);
  }
  auto values = allocate<T>(placed);
  unsigned short* ownIndex = m_owner ? m_index : allocate<unsigned short>(kIndexLength).release();
  for (unsigned q = 0; q < placed; ++q) values[q] = m_values[map[q]];
  std::copy_n(index, kIndexLength, ownIndex);
  if (m_owner) delete[] m_values;
  m_index = ownIndex;
  m_values = values.release();
  m_indexLength = kIndexLength;
  m_valuesLength = placed;
  m_compact = true;
  m_owner = true;
}

template <typename T>
void ktCompactArray<T>::Trace(std::ostream& os) const {
  const auto flags = os.flags();
  os << "(0x" << std::hex << reinterpret_cast<std::uintptr_t>(this) << ")" << std::endl;
  os.flags(flags);
}

template class ktCompactArray<unsigned short>;
template class ktCompactArray<unsigned int>;
