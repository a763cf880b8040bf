// Text collected unit by unit or chunk by chunk grows in linear time and
// memory: the heap bytes of a conversion into a string grow with the input,
// not with its square (ucs2string has no capacity, so appending chunk after
// chunk to one would copy the whole text again each time).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "alloc_counter.h"
#include "kti18n/unicode/encoding_layer.h"
#include "kti18n/text/ucs2string.h"
#include "kti18n/text/utf8string.h"

namespace {

// Heap bytes of f(n) for n = 1K, 10K and 100K units; each tenfold input may
// cost at most fifteen times the bytes (linear growth plus a little slack).
template <class F>
void ExpectLinearHeapBytes(F f) {
  std::size_t previous = 0;
  for (std::size_t n : {1000u, 10000u, 100000u}) {
    std::size_t bytes;
    {
      alloc_counter::Watch watch;
      f(n);
      bytes = watch.bytes();
    }
    if (previous != 0) {
      EXPECT_LE(bytes, 15 * previous) << n << " units";
    }
    previous = bytes;
  }
}

TEST(TextGrowth, ConversionIntoAUcs2StringActor) {
  ExpectLinearHeapBytes([](std::size_t n) {
    const std::string bytes(n, 'a');
    BufferCharSource source(bytes.data(), bytes.data() + bytes.size());
    InternalEncodingConverter converter(source, ExternalEncoding::CP1252(), InternalEncoding::Unicode());
    ucs2string text;
    Ucs2StringActor actor(text);
    Char16Sink(actor).Put(converter);
    ASSERT_EQ(text.length(), n);
  });
}

TEST(TextGrowth, ConversionIntoAUtf8StringActor) {
  ExpectLinearHeapBytes([](std::size_t n) {
    const std::vector<unsigned short> units(n, u'\u00E9');
    BufferChar16Source source(units.data(), units.data() + units.size());
    ExternalEncodingConverter converter(source, InternalEncoding::Unicode(), ExternalEncoding::Unicode20UTF8());
    zv_utf8string text;
    Utf8StringActor actor(text);
    CharSink(actor).Put(converter);
    ASSERT_EQ(text.length(), 2 * n);
  });
}

}  // namespace
