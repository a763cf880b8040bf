// Every character of every encoding goes to Unicode and back to the same
// bytes, or, where the encoding has two codes for one character, to the code
// the encoder prefers (which reads back as the same character).
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "encoding_helpers.h"
#include "kti18n/locale/codecvt.h"

using namespace encoding_test;

namespace {

bool HasReplacement(const Units& units) {
  return units.empty() || std::find(units.begin(), units.end(), 0xFFFD) != units.end();
}

// How an encoding frames one character, so that each candidate is read as a
// whole text: stateful encodings put their shift sequences around it, which
// is also the form their encoder writes (escapes normalised).
struct Framing {
  Bytes before;
  Bytes after;
};

Framing FramingFor(const std::string& name, bool multiByte) {
  if (!multiByte) return {};
  if (name == "ISO-2022-JP") return {"\x1B$B", "\x1B(B"};
  if (name == "ISO-2022-KR") return {"\x1B$)C\x0E", "\x0F"};
  if (name == "HZ-GB-2312") return {"~{", "~}"};
  return {};
}

// The byte sequences that may be one character of the encoding.
std::vector<Bytes> Candidates(const std::string& name, bool multiByte) {
  std::vector<Bytes> out;
  if (name == "ISO-2022-JP" || name == "ISO-2022-KR" || name == "HZ-GB-2312") {
    for (int a = 0x21; a <= 0x7E; ++a)
      for (int b = 0x21; b <= 0x7E; ++b) out.push_back({static_cast<char>(a), static_cast<char>(b)});
    return out;
  }
  for (int a = 0; a <= 0xFF; ++a) out.push_back({static_cast<char>(a)});
  if (!multiByte) return out;
  for (int a = 0x80; a <= 0xFF; ++a)
    for (int b = 0x21; b <= 0xFF; ++b) out.push_back({static_cast<char>(a), static_cast<char>(b)});
  if (name == "EUC-JP") {
    for (int a = 0xA1; a <= 0xFE; ++a)
      for (int b = 0xA1; b <= 0xFE; ++b) out.push_back({'\x8F', static_cast<char>(a), static_cast<char>(b)});
  }
  if (name == "CNS-11643") {
    // Plane 2 of the four-byte form (plane 1 is the two-byte form).
    for (int a = 0xA1; a <= 0xFE; ++a)
      for (int b = 0xA1; b <= 0xFE; ++b)
        out.push_back({'\x8E', '\xA2', static_cast<char>(a), static_cast<char>(b)});
  }
  return out;
}

bool IsMultiByte(const std::string& name) {
  static const char* const kMultiByte[] = {"Big5",   "CNS-11643",  "CP932",       "CP936",       "CP949",
                                           "CP950",  "EUC-JP",     "EUC-KR",      "GB2312",      "HZ-GB-2312",
                                           "ISO-2022-JP", "ISO-2022-KR", "MacJapanese", "Shift-JIS"};
  return std::find(std::begin(kMultiByte), std::end(kMultiByte), name) != std::end(kMultiByte);
}

class Repertoire : public testing::TestWithParam<std::string> {};

TEST_P(Repertoire, RoundTripsEveryCharacter) {
  const std::string& name = GetParam();
  const ExternalEncoding& encoding = Encoding(name.c_str());
  bool multiByte = IsMultiByte(name);
  Framing framing = FramingFor(name, multiByte);
  std::size_t characters = 0, identical = 0;
  for (const Bytes& candidate : Candidates(name, multiByte)) {
    Bytes framed = framing.before + candidate + framing.after;
    Units text = Decode(encoding, framed);
    if (HasReplacement(text)) continue;
    // A two-byte candidate whose first byte is a character by itself is two
    // characters, already covered.
    if (candidate.size() > 1 && !HasReplacement(Decode(encoding, framing.before + candidate.substr(0, 1))))
      continue;
    ++characters;
    Bytes back = Encode(encoding, text);
    if (back == framed) {
      ++identical;
      continue;
    }
    EXPECT_EQ(Decode(encoding, back), text)
        << name << ": " << testing::PrintToString(candidate) << " does not come back";
  }
  // Nearly all characters have one code only; the rest are duplicates (CP932
  // has the most: the NEC and IBM extensions repeat about 400).
  EXPECT_GT(characters, 100u) << name;
  EXPECT_GE(identical * 100, characters * 95) << name << ": " << identical << " of " << characters;
}

std::vector<std::string> TableNames() {
  std::vector<std::string> names;
  for (auto* row = zv_codecvt::EncodingNamesBegin(); row != zv_codecvt::EncodingNamesEnd(); ++row)
    names.push_back(row->technicalName);
  return names;
}

INSTANTIATE_TEST_SUITE_P(Table, Repertoire, testing::ValuesIn(TableNames()),
                         [](const testing::TestParamInfo<std::string>& info) {
                           std::string name = info.param;
                           std::replace(name.begin(), name.end(), '-', '_');
                           return name;
                         });

}  // namespace
