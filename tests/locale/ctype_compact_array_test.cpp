// ktCompactArray: reading and writing through both forms, compaction,
// copying, adoption of arrays built elsewhere.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <sstream>

#include "kti18n/base/exception.h"
#include "kti18n/locale/compact_array.h"

namespace {

using Table16 = ktCompactArray<unsigned short>;
using Table32 = ktCompactArray<unsigned int>;

template <typename T>
void ExpectSameContents(const ktCompactArray<T>& a, const ktCompactArray<T>& b) {
  for (unsigned c = 0; c < 0x10000; ++c) {
    const auto u = static_cast<unsigned short>(c);
    ASSERT_EQ(a.GetAt(u), b.GetAt(u)) << std::hex << c;
  }
}

// Every index entry leaves room for a whole block in the values.
template <typename T>
void ExpectIndexInBounds(const ktCompactArray<T>& t) {
  ASSERT_EQ(t.IndexLength(), 512u);
  for (unsigned b = 0; b < 512; ++b) ASSERT_LE(t.Index()[b] + 128u, t.ValuesLength()) << b;
}

TEST(CompactArray, FilledTableCompactsToOneBlock) {
  Table16 t(0x1234);
  EXPECT_FALSE(t.IsCompact());
  EXPECT_EQ(t.ValuesLength(), 0x10000u);
  t.Compact();
  EXPECT_TRUE(t.IsCompact());
  EXPECT_EQ(t.ValuesLength(), 128u);
  EXPECT_TRUE(std::all_of(t.Index(), t.Index() + 512, [](unsigned short e) { return e == 0; }));
  EXPECT_EQ(t.GetAt(0), 0x1234);
  EXPECT_EQ(t.GetAt(0xFFFF), 0x1234);
  t.Compact();  // already compact: nothing changes
  EXPECT_EQ(t.ValuesLength(), 128u);
}

TEST(CompactArray, CompactionKeepsEveryValueAndSharesAlikeBlocks) {
  Table32 t(7u);
  t.SetAt(0x0041, 0x005A, 1u);       // part of block 0
  t.SetAt(0x0400, 0x047F, 2u);       // blocks 8 whole
  t.SetAt(0x4E00, 0x9FFF, 3u);       // many whole blocks alike
  t.SetAt(0xFFFF, 9u);               // the very last unit
  t.SetAt(0x2000, 0x2000, 5u);       // a one-unit range
  t.SetAt(0x3001, 0x3000, 4u);       // first > last: nothing
  const Table32 expanded(t);
  t.Compact();
  ExpectSameContents(t, expanded);
  ExpectIndexInBounds(t);
  // Distinct blocks: block 0, the filler, block 8, the Han block, the block
  // of U+2000 and the last block.
  EXPECT_EQ(t.ValuesLength(), 6u * 128);
  EXPECT_EQ(t.Index()[0x4E00 >> 7], t.Index()[0x9F80 >> 7]);
  EXPECT_EQ(t.GetAt(0x3000), 7u);
}

TEST(CompactArray, WritingACompactTableExpandsIt) {
  Table16 t(Table16::value_type{0});
  t.SetAt(0x0100, 0x01FF, 3);
  t.Compact();
  t.SetAt(0x0150, 4);
  EXPECT_FALSE(t.IsCompact());
  EXPECT_EQ(t.ValuesLength(), 0x10000u);
  EXPECT_EQ(t.GetAt(0x0150), 4);
  EXPECT_EQ(t.GetAt(0x0151), 3);
  EXPECT_EQ(t.GetAt(0x0250), 0);
  for (unsigned b = 0; b < 512; ++b) ASSERT_EQ(t.Index()[b], b * 128) << b;
}

TEST(CompactArray, StaticTableIsReadInPlaceAndCopiedOnWrite) {
  static unsigned short index[512] = {};
  static unsigned short values[256];
  for (unsigned i = 0; i < 256; ++i) values[i] = static_cast<unsigned short>(i);
  index[1] = 128;  // block 1 reads the second half; all others the first
  const Table16::StaticStorage storage = {512, 256, index, values};
  Table16 t(storage);
  EXPECT_TRUE(t.IsCompact());
  EXPECT_FALSE(t.IsOwner());
  EXPECT_EQ(t.Values(), values);
  EXPECT_EQ(t.GetAt(0x0005), 5);
  EXPECT_EQ(t.GetAt(0x0085), 133);
  EXPECT_EQ(t.GetAt(0x0105), 5);

  t.SetAt(0x0005, 999);
  EXPECT_TRUE(t.IsOwner());
  EXPECT_NE(t.Index(), index);
  EXPECT_EQ(values[5], 5);  // the static arrays are untouched
  EXPECT_EQ(index[2], 0);
  EXPECT_EQ(t.GetAt(0x0005), 999);
  EXPECT_EQ(t.GetAt(0x0085), 133);
  EXPECT_EQ(t.GetAt(0x0105), 5);
}

TEST(CompactArray, CopiesAreDeepAndSelfAssignmentIsHarmless) {
  Table16 a(1);
  a.SetAt(0x1000, 2);
  a.Compact();
  Table16 b(a);
  EXPECT_TRUE(b.IsOwner());
  EXPECT_TRUE(b.IsCompact());
  EXPECT_NE(b.Values(), a.Values());
  EXPECT_EQ(b.ValuesLength(), a.ValuesLength());
  b.SetAt(0x1000, 3);
  EXPECT_EQ(a.GetAt(0x1000), 2);
  EXPECT_EQ(b.GetAt(0x1000), 3);

  Table16 c(9);
  c = a;
  ExpectSameContents(c, a);
  const auto* values = c.Values();
  c = *&c;
  EXPECT_EQ(c.Values(), values);
  EXPECT_EQ(c.GetAt(0x1000), 2);
}

TEST(CompactArray, AdoptsValidArraysAndRejectsOthers) {
  auto* index = new unsigned short[512]();
  auto* values = new unsigned int[128];
  std::fill_n(values, 128, 42u);
  index[511] = 0;
  Table32 t(index, 512, values, 128);
  EXPECT_TRUE(t.IsOwner());
  EXPECT_TRUE(t.IsCompact());
  EXPECT_EQ(t.GetAt(0xABCD), 42u);

  unsigned short badIndex[512] = {};
  unsigned int few[200] = {};
  badIndex[300] = 100;  // 100 + 128 > 200
  EXPECT_THROW(Table32(badIndex, 512, few, 200), ZVException);
  try {
    Table32 wrongLength(badIndex, 511, few, 200);
    FAIL() << "an index of 511 entries was adopted";
  } catch (const ZVException& e) {
    EXPECT_EQ(e.code(), ZV_E_OUT_OF_RANGE);
  }
  EXPECT_THROW(Table32(nullptr, 512, few, 200), ZVException);
}

TEST(CompactArray, StreamedTableIsEmptyAndSafe) {
  Table16 t(static_cast<const ktInByteStream*>(nullptr));
  EXPECT_TRUE(t.IsCompact());
  EXPECT_EQ(t.Index(), nullptr);
  EXPECT_EQ(t.Values(), nullptr);
  EXPECT_EQ(t.IndexLength(), 0u);
  EXPECT_EQ(t.ValuesLength(), 0u);
  EXPECT_EQ(t.GetAt(0x1234), 0);
  Table16 copy(t);
  EXPECT_EQ(copy.Values(), nullptr);
  t.SetAt(0x10, 5);
  EXPECT_EQ(t.GetAt(0x10), 5);
  EXPECT_EQ(t.GetAt(0x11), 0);
}

TEST(CompactArray, TraceWritesTheAddress) {
  Table16 t(Table16::value_type{0});
  std::ostringstream os;
  os << std::dec;
  t.Trace(os);
  std::ostringstream expected;
  expected << "(0x" << std::hex << reinterpret_cast<std::uintptr_t>(&t) << ")\n";
  EXPECT_EQ(os.str(), expected.str());
  os << 10;  // the stream's base is restored
  EXPECT_EQ(os.str(), expected.str() + "10");
}

}  // namespace
