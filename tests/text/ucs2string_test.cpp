#include "kti18n/text/ucs2string.h"

#include <gtest/gtest.h>

#include <sstream>

#include "alloc_counter.h"
#include "kti18n/text/utf8string.h"

namespace {


template <typename F>
zvStatus thrown_code(F&& f) {
  try {
    f();
  } catch (const ZVException& e) {
    return e.code();
  }
  return 0;
}

// The heap block a string allocates when it grows to n units.
std::size_t block_after(ucs2string& s, unsigned n) {
  alloc_counter::Watch w;
  s.resize(n, u'x');
  return w.count() ? w.last_size() : 0;
}

TEST(Ucs2String, BlockSizeFollowsLength) {
  EXPECT_EQ(ucs2string::block_size(0), 0u);
  const std::pair<unsigned, std::size_t> classes[] = {{1, 8}, {2, 16}, {5, 16}, {6, 24}, {9, 24}, {10, 32}, {1000, 2008}};
  for (auto [n, bytes] : classes) {
    ucs2string s;
    EXPECT_EQ(block_after(s, n), bytes) << n;
  }
}

TEST(Ucs2String, ReallocatesOnlyWhenTheSizeClassChanges) {
  ucs2string s(u"ab");
  {
    alloc_counter::Watch w;
    s.append(u"cd");  // 2 -> 4 units: still 16 bytes
    EXPECT_EQ(w.count(), 0u);
  }
  EXPECT_EQ(block_after(s, 5), 0u);
  EXPECT_EQ(block_after(s, 6), 24u);  // 5 -> 6 moves to 24 bytes
  EXPECT_EQ(block_after(s, 5), 16u);  // and shrinking moves it back
  EXPECT_EQ(s.view(), std::u16string_view(u"abcdx"));
}

TEST(Ucs2String, EmptyAndNullAreDistinctStates) {
  const ucs2string empty;
  const ucs2string null = ucs2string::null();
  EXPECT_FALSE(empty.is_null());
  EXPECT_TRUE(null.is_null());
  EXPECT_EQ(null.length(), 0u);
  EXPECT_EQ(null.c_str()[0], 0);

  ucs2string copy(null);
  EXPECT_TRUE(copy.is_null());
  ucs2string assigned(u"abc");
  assigned = null;
  EXPECT_TRUE(assigned.is_null());

  // Operations that leave the length at 0 keep the null state.
  copy.append(u"", 0);
  copy.resize(0);
  EXPECT_TRUE(copy.is_null());

  ucs2string fromRange(u"xyz");
  fromRange.assign(fromRange.cbegin(), fromRange.cbegin());
  EXPECT_FALSE(fromRange.is_null());
  EXPECT_TRUE(fromRange.empty());

  const zv_utf8string nullUtf8 = zv_utf8string::null();
  EXPECT_TRUE(ucs2string(nullUtf8).is_null());
}

TEST(Ucs2String, PutAtAppendsAtTheEndAndRefusesBeyond) {
  struct Probe : ucs2string {
    using ucs2string::put_at;
    using ucs2string::ucs2string;
  };
  Probe s(u"ab");
  s.put_at(0, u'A');
  s.put_at(2, u'c');
  EXPECT_EQ(s.view(), std::u16string_view(u"Abc"));
  EXPECT_EQ(thrown_code([&] { s.put_at(4, u'x'); }), ZV_E_OUT_OF_RANGE);
  EXPECT_EQ(s.view(), std::u16string_view(u"Abc"));
}

TEST(Ucs2String, IteratorsCheckTheCurrentLengthAndSurviveReallocation) {
  ucs2string s(u"abc");
  auto it = s.begin() + 2;
  EXPECT_EQ(*it, u'c');
  s.append(u"defghijk");  // reallocates
  EXPECT_EQ(*it, u'c');
  EXPECT_EQ(it[3], u'f');
  EXPECT_EQ(thrown_code([&] { (void)*s.end(); }), ZV_E_OUT_OF_RANGE);
  EXPECT_EQ(thrown_code([&] { (void)it[9]; }), ZV_E_OUT_OF_RANGE);
}

TEST(Ucs2String, Searches) {
  const ucs2string s(u"abcabcabca");
  const unsigned short ab[] = {u'a', u'b'};
  EXPECT_EQ(s.find(ab, 1, 2), 3u);
  EXPECT_EQ(s.find(ab, 0, 0), 0u);
  EXPECT_EQ(s.find(ab, s.length(), 0), s.length());
  EXPECT_EQ(s.find(ab, s.length() + 1, 0), ucs2string::npos);
  EXPECT_EQ(s.rfind(ab, ucs2string::npos, 2), 6u);
  EXPECT_EQ(s.rfind(ab, 5, 2), 3u);

  const unsigned short set[] = {u'c', u'a'};
  EXPECT_EQ(s.find_first_of(set, 1, 2), 2u);
  EXPECT_EQ(s.find_first_not_of(set, 0, 2), 1u);
  EXPECT_EQ(s.find_first_not_of(set, 4, 0), 4u);
  // find_last_of(s, 3, n) looks at positions 2, 1, 0 only.
  EXPECT_EQ(s.find_last_of(ab, 3, 2), 1u);
  const unsigned short onlyC[] = {u'c'};
  EXPECT_EQ(s.find_last_of(onlyC, 3, 1), 2u);
  EXPECT_EQ(s.find_last_of(onlyC, 2, 1), ucs2string::npos);
  EXPECT_EQ(s.find_last_not_of(set, ucs2string::npos, 2), 7u);
  EXPECT_EQ(s.find_last_not_of(set, 5, 0), 4u);
  EXPECT_EQ(ucs2string().find_last_not_of(set, 5, 0), ucs2string::npos);
}

TEST(Ucs2String, CompareHelperOrdersByCodeUnit) {
  const ucs2string abc(u"abc");
  EXPECT_LT(abc.compare_helper(ucs2string(u"abd"), 0, ucs2string::npos), 0);
  EXPECT_EQ(abc.compare_helper(ucs2string(u"ab"), 0, ucs2string::npos), 1);
  EXPECT_EQ(abc.compare_helper(ucs2string(u"bc"), 1, ucs2string::npos), 0);
  EXPECT_EQ(abc.compare_helper(u"abcd", 0, 4), -1);
  EXPECT_EQ(thrown_code([&] { abc.compare_helper(abc, 4, 1); }), ZV_E_OUT_OF_RANGE);
  EXPECT_TRUE(ucs2string(u"\xFFFF") > ucs2string(u"a"));
}

TEST(Ucs2String, CompareKeepsTheSignOfLengthDifferencesBeyondInt) {
  const ucs2string abc(u"abc");
  // The other text is claimed far longer than this one; only the common 3
  // units are read, and the shorter text orders first whatever the width.
  for (unsigned n : {0x80000002u, 0x80000003u, 0x80000004u, 0xFFFFFFF0u})
    EXPECT_LT(abc.compare_helper(u"abc", 0, n), 0) << std::hex << n;
}

TEST(Ucs2String, NoEditEverWritesTheSharedEmptyBuffers) {
  ucs2string e;
  EXPECT_EQ(thrown_code([&] { e[0] = u'Z'; }), ZV_E_OUT_OF_RANGE);
  ucs2string abc(u"abc");
  EXPECT_EQ(thrown_code([&] { abc[3] = u'Z'; }), ZV_E_OUT_OF_RANGE);
  abc[2] = u'C';
  EXPECT_EQ(abc.view(), std::u16string_view(u"abC"));

  // Every way to reach length 0 from an empty, null or full string.
  for (ucs2string s : {ucs2string(), ucs2string::null(), ucs2string(u"xy")}) {
    const unsigned short z = u'Z';
    s.assign(0u, z);
    s.resize(0u, z);
    s.append(0u, z);
    s.replace(0u, 0u, 0u, z);
    s.insert(0u, 0u, z);
    s.assign(u"", 0);
    EXPECT_TRUE(s.empty());
  }
  EXPECT_EQ(ucs2string().c_str()[0], 0);
  EXPECT_EQ(ucs2string::null().c_str()[0], 0);
  EXPECT_EQ(ucs2string::nil_data()[0], 0);
}

TEST(Ucs2String, ReplaceKeepsTheTail) {
  ucs2string s(u"0123456789");
  s.replace(2, 4, 1, u'x');
  EXPECT_EQ(s.view(), std::u16string_view(u"01x6789"));
  s.replace(1, 100, u"AB", 2);
  EXPECT_EQ(s.view(), std::u16string_view(u"0AB"));
  EXPECT_EQ(thrown_code([&] { s.replace(4, 0, u"z", 1); }), ZV_E_OUT_OF_RANGE);
  EXPECT_EQ(s.view(), std::u16string_view(u"0AB"));
}

TEST(Ucs2String, EditsWithASourceInsideTheString) {
  ucs2string s(u"abcdef");
  s.replace(0, 1, s.data() + 2, 3);  // same size class, source inside
  EXPECT_EQ(s.view(), std::u16string_view(u"cdebcdef"));
  s.insert(s.begin() + 1, s.cbegin(), s.cend());
  EXPECT_EQ(s.view(), std::u16string_view(u"ccdebcdefdebcdef"));
  s.append(s.cbegin(), s.cbegin() + 3);
  EXPECT_EQ(s.view(), std::u16string_view(u"ccdebcdefdebcdefccd"));
  s.assign(s.data() + 10, 3);
  EXPECT_EQ(s.view(), std::u16string_view(u"ebc"));
}

TEST(Ucs2String, LengthLimitsAreCheckedBeforeAnyChange) {
  ucs2string s(u"abc");
  EXPECT_EQ(thrown_code([&] { s.append(0x7FFFFFFFu, u'x'); }), ZV_E_LENGTH);
  EXPECT_EQ(thrown_code([&] { s.resize(0x80000000u); }), ZV_E_LENGTH);
  EXPECT_EQ(s.view(), std::u16string_view(u"abc"));
}

TEST(Ucs2String, DecodesUtf8) {
  EXPECT_EQ(ucs2string("\xE2\x82\xAC" "a\xC3\xA9").view(), std::u16string_view(u"\u20ACa\u00E9"));
  EXPECT_EQ(ucs2string(reinterpret_cast<const unsigned char*>("abcdef"), 3).view(), std::u16string_view(u"abc"));
  // Sequences longer than 3 bytes are refused.
  EXPECT_EQ(thrown_code([] { ucs2string s("\xF0\x9F\x98\x80"); }), ZV_E_INVALID_DATA);
  // A last sequence cut short by the byte count, or by the terminator, is refused
  // rather than read beyond the input.
  const unsigned char cut[] = {'a', 0xE2, 0x82};
  EXPECT_EQ(thrown_code([&] { ucs2string s(cut, 3); }), ZV_E_INVALID_DATA);
  EXPECT_EQ(thrown_code([] { ucs2string s("a\xC3"); }), ZV_E_INVALID_DATA);
}

TEST(Ucs2String, StreamsAsUtf8) {
  std::ostringstream out;
  out << ucs2string(u"\u00E9\u4E2D") << ucs2string() << ucs2string(3000, u'\u00E9');
  EXPECT_EQ(out.str().size(), 5u + 6000u);
  EXPECT_EQ(out.str().substr(0, 5), "\xC3\xA9\xE4\xB8\xAD");
}

TEST(AutoArray, CopyTransfersOwnershipAndFreesOnce) {
  ktAutoArray<unsigned short> a(new unsigned short[4]);
  ktAutoArray<unsigned short> b(a);
  EXPECT_EQ(a.get(), b.get());
  EXPECT_FALSE(a.owns());
  EXPECT_TRUE(b.owns());
  ktAutoArray<unsigned short> c;
  c = b;
  EXPECT_TRUE(c.owns());
  EXPECT_FALSE(b.owns());
  b = c;  // same pointer: ownership moves back
  EXPECT_TRUE(b.owns());
  EXPECT_FALSE(c.owns());
  unsigned short* p = b.release();
  EXPECT_FALSE(b.owns());
  delete[] p;  // the sanitizer build reports a double free if any holder still owned it
}

TEST(Ucs2Traits, AssignFillsBothWays) {
  unsigned short buf[19] = {};
  zv_ucs2_traits::assign(buf, 19, 0x4141);  // byte fill
  zv_ucs2_traits::assign(buf, 11, 0x1234);
  EXPECT_EQ(buf[10], 0x1234);
  EXPECT_EQ(buf[11], 0x4141);
  EXPECT_EQ(buf[18], 0x4141);
}

}  // namespace
