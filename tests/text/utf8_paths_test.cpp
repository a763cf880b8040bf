// The vector UTF-8 <-> UCS-2 kernels against the scalar ones: for every input
// each path must give the scalar results byte for byte and status for status,
// and write nothing past the output it reports.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "kti18n/text/utf8.h"
#include "kti18n/text/utf8_simd.h"

namespace {

namespace detail = kti18n::utf8::detail;
using detail::Path;

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif
#else
constexpr bool kSanitized = false;
#endif

const char* path_name(Path p) { return p == Path::Scalar ? "scalar" : p == Path::Sse2 ? "SSE2" : "AVX2"; }

// Units written beyond the reported output must keep this value.
constexpr unsigned short kGuardUnit = 0xDEAD;
constexpr unsigned char kGuardByte = 0xA5;
constexpr std::size_t kGuard = 40;

struct Decoded {
  zvStatus status = ZV_S_OK;
  std::uint32_t chars = 0, bytes = 0;
  std::vector<unsigned short> units;  // chars units, then the guard
  unsigned char_count = 0;            // UTF8_GetCharCount
  unsigned char_length = 0;           // zv_utf8_traits::char_length
  bool operator==(const Decoded&) const = default;
};

// Measures and decodes n bytes with the current path; with counts, also the
// character counts that walk the same way.
void decode_with(const unsigned char* s, std::size_t n, bool counts, Decoded& out) {
  out.status = kti18n::utf8::measure(s, static_cast<std::uint32_t>(n), &out.chars, &out.bytes);
  out.units.clear();
  if (out.status == ZV_S_OK) {
    out.units.assign(out.chars + kGuard, kGuardUnit);
    const unsigned short* end = kti18n::utf8::decode(out.units.data(), s, out.bytes);
    // An end elsewhere shows as a mismatch of the recorded guard.
    if (end != out.units.data() + out.chars) out.units.push_back(0);
  } else {
    out.chars = out.bytes = 0;
  }
  if (counts) {
    out.char_count = UTF8_GetCharCount(s, static_cast<unsigned>(n));
    out.char_length = zv_utf8_traits::char_length(s, static_cast<unsigned>(n));
  }
}

// The terminated forms: up to the 0 byte.
struct DecodedTerminated {
  zvStatus status = ZV_S_OK;
  std::uint32_t chars = 0, bytes = 0;
  unsigned char_length = 0;
  bool operator==(const DecodedTerminated&) const = default;
};

DecodedTerminated decode_terminated(const unsigned char* s) {
  DecodedTerminated r;
  r.status = kti18n::utf8::measure(s, kti18n::utf8::npos, &r.chars, &r.bytes);
  r.char_length = zv_utf8_traits::char_length(s);
  return r;
}

struct Encoded {
  std::uint64_t length = 0;
  std::vector<unsigned char> bytes;  // length bytes, then the guard
  bool operator==(const Encoded&) const = default;
};

void encode_with(const unsigned short* s, std::size_t n, Encoded& out) {
  out.length = kti18n::utf8::encoded_length(s, n);
  out.bytes.assign(out.length + kGuard, kGuardByte);
  const unsigned char* end = kti18n::utf8::encode(out.bytes.data(), s, n);
  if (end != out.bytes.data() + out.length) out.bytes.push_back(0);
}

// Bytes or units in hexadecimal, two digits per byte.
template <typename Unit>
std::string hex(const Unit* s, std::size_t n) {
  std::string out;
  char buf[8];
  for (std::size_t i = 0; i < n; ++i) {
    std::snprintf(buf, sizeof buf, "%0*X ", static_cast<int>(2 * sizeof(Unit)), static_cast<unsigned>(s[i]));
    out += buf;
  }
  return out;
}

// Runs a test for each vector path of this build and processor, and leaves
// the best path selected.
class Utf8Paths : public ::testing::Test {
 protected:
  void SetUp() override {
    for (Path p : {Path::Sse2, Path::Avx2})
      if (detail::path_available(p)) paths_.push_back(p);
    if (paths_.empty()) GTEST_SKIP() << "no vector path in this build or on this processor";
  }
  void TearDown() override { detail::set_path(detail::best_path()); }

  // Stops a test after this many reported differences.
  bool report(const std::string& what) {
    ADD_FAILURE() << what;
    return ++failures_ < 10;
  }

  std::vector<Path> paths_;
  int failures_ = 0;
};

TEST(Utf8PathChoice, SelectsOnlyWhatRuns) {
  EXPECT_TRUE(detail::path_available(Path::Scalar));
  EXPECT_TRUE(detail::path_available(detail::best_path()));
  EXPECT_EQ(detail::current_path(), detail::best_path());
  ASSERT_TRUE(detail::set_path(Path::Scalar));
  EXPECT_EQ(detail::current_path(), Path::Scalar);
  for (Path p : {Path::Sse2, Path::Avx2}) {
    if (!detail::path_available(p)) {
      EXPECT_FALSE(detail::set_path(p));
      EXPECT_EQ(detail::current_path(), Path::Scalar);
    }
  }
  detail::set_path(detail::best_path());
}

// ---- Every short input at every offset of a 64-byte block ----

// The sequences tried: the encoding of every unit, and the irregular inputs
// of 1 to 3 bytes: every single byte, and pairs and triples of bytes taken
// from each class that the decoders tell apart and from its edges.
std::vector<std::vector<unsigned char>> short_inputs() {
  std::vector<std::vector<unsigned char>> inputs;
  for (unsigned u = 0; u < 0x10000; ++u) {
    const unsigned short unit = static_cast<unsigned short>(u);
    unsigned char buf[3];
    inputs.emplace_back(buf, kti18n::utf8::encode(buf, &unit, 1));
  }
  for (unsigned b = 0x80; b < 0x100; ++b) inputs.push_back({static_cast<unsigned char>(b)});
  const unsigned char edges[] = {0x00, 0x01, 0x41, 0x7F, 0x80, 0x8F, 0xBF, 0xC0, 0xC2, 0xDF,
                                 0xE0, 0xED, 0xEF, 0xF0, 0xF4, 0xF7, 0xF8, 0xFB, 0xFC, 0xFF};
  for (unsigned char a : edges)
    for (unsigned char b : edges) {
      inputs.push_back({a, b});
      for (unsigned char c : edges) inputs.push_back({a, b, c});
    }
  return inputs;
}

constexpr std::size_t kBlock = 64;
// Bytes after the block, so that the vector loops reach every byte of it.
constexpr std::size_t kTail = 64;

// The block around the input at offset: all ASCII, or 2-byte characters
// before it and 3-byte ones mixed with ASCII after it.
void place(std::vector<unsigned char>& buf, bool mixed, std::size_t offset, const std::vector<unsigned char>& input) {
  buf.assign(kBlock + kTail, 'a');
  std::size_t i = 0;
  if (mixed) {
    if (offset % 2) ++i;
    for (; i < offset; i += 2) buf[i] = 0xC3, buf[i + 1] = 0xA9;
  }
  i = offset;
  for (unsigned char b : input) buf[i++] = b;
  if (mixed) {
    static const unsigned char after[] = {0xE2, 0x82, 0xAC, 'x'};
    for (; i + 4 <= buf.size(); i += 4) std::copy(after, after + 4, buf.begin() + static_cast<std::ptrdiff_t>(i));
  }
}

TEST_F(Utf8Paths, DecodeEveryShortInputAtEveryOffset) {
  const auto inputs = short_inputs();
  std::vector<unsigned char> buf;
  Decoded expected, actual;
  for (bool mixed : {false, true}) {
    // Every unit's encoding in the ASCII block, where offset k is lane k mod
    // 32 of every window; a sample of them in the mixed one, whose windows
    // shift. The sanitizer build samples both.
    const std::size_t stride = (mixed ? 7 : 1) * (kSanitized ? 7 : 1);
    for (std::size_t offset = 0; offset < kBlock; ++offset) {
      for (std::size_t k = 0; k < inputs.size(); k += (k < 0x10000 ? stride : 1)) {
        // Always exactly sized, so that the sanitizer sees any read past the end.
        place(buf, mixed, offset, inputs[k]);
        const std::vector<unsigned char>& in = buf;
        detail::set_path(Path::Scalar);
        decode_with(in.data(), in.size(), false, expected);
        for (Path p : paths_) {
          detail::set_path(p);
          decode_with(in.data(), in.size(), false, actual);
          if (actual == expected) continue;
          if (!report(std::string(path_name(p)) + " decodes differently at offset " + std::to_string(offset) + ": " +
                      hex(in.data(), in.size()) + "\nstatus " + std::to_string(actual.status) + " vs " +
                      std::to_string(expected.status) + "\ngot      " + hex(actual.units.data(), actual.units.size()) +
                      "\nexpected " + hex(expected.units.data(), expected.units.size())))
            return;
        }
      }
    }
  }
}

// The encoder works on whole windows of units, aligned to the start of the
// input: blocks of 64 units, each holding the unit tried at the same offset,
// test every unit at that offset in one buffer.
TEST_F(Utf8Paths, EncodeEveryUnitAtEveryOffset) {
  const unsigned short mixed_fill[] = {'a', 0xE9, 0x4E2D, 'b', 0x3B1, 0xD800, 'c', 0xFFFF};
  std::vector<unsigned short> in;
  Encoded expected, actual;
  for (bool mixed : {false, true}) {
    // Every unit among ASCII, a sample among mixed units (and in the
    // sanitizer build).
    const unsigned step = (mixed ? 7 : 1) * (kSanitized ? 7 : 1);
    const unsigned units = (0x10000 + step - 1) / step;
    in.resize(std::size_t{units} * kBlock);
    for (std::size_t offset = 0; offset < kBlock; ++offset) {
      for (std::size_t i = 0; i < in.size(); ++i) in[i] = mixed ? mixed_fill[i % 8] : 'a';
      for (unsigned b = 0; b < units; ++b) in[b * kBlock + offset] = static_cast<unsigned short>(b * step);
      detail::set_path(Path::Scalar);
      encode_with(in.data(), in.size(), expected);
      for (Path p : paths_) {
        detail::set_path(p);
        encode_with(in.data(), in.size(), actual);
        if (actual == expected) continue;
        std::size_t at = 0;
        while (at < actual.bytes.size() && at < expected.bytes.size() && actual.bytes[at] == expected.bytes[at]) ++at;
        if (!report(std::string(path_name(p)) + " encodes differently at offset " + std::to_string(offset) +
                    (mixed ? " (mixed)" : " (ASCII)") + ": length " + std::to_string(actual.length) + " vs " +
                    std::to_string(expected.length) + ", first different byte " + std::to_string(at)))
          return;
      }
    }
  }
}

// ---- Random buffers ----

// Random text: units of a random mix of ASCII, 2-byte and 3-byte ranges,
// with surrogates and U+0000 among them.
std::vector<unsigned short> random_units(std::mt19937_64& rng, std::size_t n) {
  const unsigned ascii = rng() % 101, two = rng() % (101 - ascii);
  std::vector<unsigned short> units(n);
  for (auto& u : units) {
    const unsigned roll = rng() % 100;
    if (roll < ascii)
      u = static_cast<unsigned short>(rng() % 0x80);
    else if (roll < ascii + two)
      u = static_cast<unsigned short>(0x80 + rng() % 0x780);
    else
      u = static_cast<unsigned short>(0x800 + rng() % 0xF800);
  }
  return units;
}

std::vector<unsigned char> encoded(const std::vector<unsigned short>& units) {
  std::vector<unsigned char> out(units.size() * 3);
  out.resize(static_cast<std::size_t>(kti18n::utf8::encode(out.data(), units.data(), units.size()) - out.data()));
  return out;
}

// Valid text, text with a few bytes changed, dropped or added, or random
// bytes (uniform or mostly high).
std::vector<unsigned char> random_bytes(std::mt19937_64& rng, unsigned kind, std::size_t n) {
  if (kind == 0) return encoded(random_units(rng, n / 2));
  if (kind == 1) {
    std::vector<unsigned char> b = encoded(random_units(rng, n / 2));
    for (unsigned edits = 1 + rng() % 3; edits > 0 && !b.empty(); --edits) {
      const std::size_t at = rng() % b.size();
      switch (rng() % 3) {
        case 0: b[at] = static_cast<unsigned char>(rng()); break;
        case 1: b.erase(b.begin() + static_cast<std::ptrdiff_t>(at)); break;
        default: b.insert(b.begin() + static_cast<std::ptrdiff_t>(at), static_cast<unsigned char>(rng()));
      }
    }
    return b;
  }
  std::vector<unsigned char> b(n);
  const std::uint64_t high = rng() % 2 ? 0x8080808080808080ull : 0;
  for (std::size_t i = 0; i < n; i += 8) {
    const std::uint64_t r = rng() | high;
    std::memcpy(b.data() + i, &r, std::min<std::size_t>(8, n - i));
  }
  return b;
}

std::size_t random_length(std::mt19937_64& rng) { return rng() % 1000 == 0 ? rng() % 4000 : rng() % 200; }

TEST_F(Utf8Paths, RandomBuffersDecodeAsScalar) {
  const std::uint64_t seed = 20261208;
  std::mt19937_64 rng(seed);
  const int buffers = kSanitized ? 200000 : 1000000;
  Decoded expected, actual;
  for (int i = 0; i < buffers; ++i) {
    const std::vector<unsigned char> in = random_bytes(rng, static_cast<unsigned>(i % 3), random_length(rng));
    std::vector<unsigned char> terminated(in);
    terminated.push_back(0);
    detail::set_path(Path::Scalar);
    decode_with(in.data(), in.size(), true, expected);
    const DecodedTerminated expected_terminated = decode_terminated(terminated.data());
    for (Path p : paths_) {
      detail::set_path(p);
      decode_with(in.data(), in.size(), true, actual);
      if (actual == expected && decode_terminated(terminated.data()) == expected_terminated) continue;
      if (!report(std::string(path_name(p)) + " differs on buffer " + std::to_string(i) + " (seed " +
                  std::to_string(seed) + "): " + hex(in.data(), in.size())))
        return;
    }
  }
}

TEST_F(Utf8Paths, RandomBuffersEncodeAsScalar) {
  const std::uint64_t seed = 20261209;
  std::mt19937_64 rng(seed);
  const int buffers = kSanitized ? 100000 : 500000;
  Encoded expected, actual;
  for (int i = 0; i < buffers; ++i) {
    const std::vector<unsigned short> in = random_units(rng, random_length(rng));
    detail::set_path(Path::Scalar);
    encode_with(in.data(), in.size(), expected);
    for (Path p : paths_) {
      detail::set_path(p);
      encode_with(in.data(), in.size(), actual);
      if (actual == expected) continue;
      if (!report(std::string(path_name(p)) + " differs on buffer " + std::to_string(i) + " (seed " +
                  std::to_string(seed) + "): " + hex(in.data(), in.size())))
        return;
    }
  }
}

}  // namespace
