// The built-in tables against the Unicode 3.0 character database: every one
// of the 65,536 code units, read through the built-in record and through a
// copy that walks the runs; and the committed tables against a fresh run of
// their generator.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "ctype_test_support.h"

namespace {

namespace fs = std::filesystem;
using Impl = zv_ctype_impl;

// The shared copy of the database when this machine has it, else the copy
// committed beside the generator.
const fs::path kUnicodeDir = fs::exists(fs::path(KTI18N_SHARED_DATA_DIR) / "unicode")
                                 ? fs::path(KTI18N_SHARED_DATA_DIR) / "unicode"
                                 : fs::path(KTI18N_SOURCE_DIR) / "third_party" / "data" / "unicode";
const fs::path kUnicodeData = kUnicodeDir / "UnicodeData-3.0.0.txt";
const fs::path kPropList = kUnicodeDir / "PropList-3.0.0.txt";

struct Expected {
  std::string category, bidi;
  int combining = 0;
  bool mirrored = false;
  std::optional<int> numerator, denominator;
  std::optional<unsigned> upper, lower;
};

std::vector<std::string> split(const std::string& line) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  for (std::size_t semi; (semi = line.find(';', start)) != std::string::npos; start = semi + 1) {
    fields.push_back(line.substr(start, semi - start));
  }
  fields.push_back(line.substr(start));
  return fields;
}

// One entry per BMP code unit; First/Last ranges filled from their First line.
std::vector<std::optional<Expected>> ReadUnicodeData(const fs::path& path) {
  std::vector<std::optional<Expected>> table(0x10000);
  std::ifstream in(path);
  std::string line;
  std::optional<std::pair<unsigned, Expected>> first;
  while (std::getline(in, line)) {
    if (line.empty()) continue;
    const auto f = split(line);
    if (f.size() != 15) throw std::runtime_error("bad line: " + line);
    const unsigned code = static_cast<unsigned>(std::stoul(f[0], nullptr, 16));
    Expected e;
    e.category = f[2];
    e.combining = std::stoi(f[3]);
    e.bidi = f[4];
    e.mirrored = f[9] == "Y";
    if (!f[8].empty()) {
      const auto slash = f[8].find('/');
      e.numerator = std::stoi(f[8].substr(0, slash));
      e.denominator = slash == std::string::npos ? 1 : std::stoi(f[8].substr(slash + 1));
    }
    if (!f[12].empty()) e.upper = static_cast<unsigned>(std::stoul(f[12], nullptr, 16));
    if (!f[13].empty()) e.lower = static_cast<unsigned>(std::stoul(f[13], nullptr, 16));
    if (f[1].ends_with(", First>")) {
      first.emplace(code, e);
    } else if (f[1].ends_with(", Last>")) {
      for (unsigned c = first->first; c <= code && c < 0x10000; ++c) table[c] = first->second;
      first.reset();
    } else if (code < 0x10000) {
      table[code] = e;
    }
  }
  return table;
}

std::set<unsigned> ReadWhiteSpace(const fs::path& path) {
  std::set<unsigned> units;
  std::ifstream in(path);
  std::string line;
  bool inside = false;
  while (std::getline(in, line)) {
    if (line.starts_with("Property dump for:")) {
      inside = line.find("(White space)") != std::string::npos;
    } else if (inside && !line.empty() && std::isxdigit(static_cast<unsigned char>(line[0]))) {
      const unsigned first = static_cast<unsigned>(std::stoul(line, nullptr, 16));
      const auto dots = line.find("..");
      const unsigned last = dots == std::string::npos ? first : static_cast<unsigned>(std::stoul(line.substr(dots + 2), nullptr, 16));
      for (unsigned c = first; c <= last; ++c) units.insert(c);
    }
  }
  return units;
}

// Unicode 3.0's White space property as the library documents it.
std::set<unsigned> DocumentedWhiteSpace() {
  std::set<unsigned> s = {0x0020, 0x0085, 0x00A0, 0x1680, 0x2028, 0x2029, 0x202F, 0x3000};
  for (unsigned c = 0x0009; c <= 0x000D; ++c) s.insert(c);
  for (unsigned c = 0x2000; c <= 0x200B; ++c) s.insert(c);
  return s;
}

const std::map<std::string, std::uint32_t> kCategories = {
    {"Cc", Impl::kCc}, {"Cf", Impl::kCf}, {"Zl", Impl::kZl}, {"Zp", Impl::kZp}, {"Zs", Impl::kZs},
    {"Lo", Impl::kLo}, {"Lu", Impl::kLu}, {"Ll", Impl::kLl}, {"Lt", Impl::kLt}, {"Lm", Impl::kLm},
    {"Nd", Impl::kNd}, {"Nl", Impl::kNl}, {"No", Impl::kNo}, {"Po", Impl::kPo}, {"Ps", Impl::kPs},
    {"Pe", Impl::kPe}, {"Pc", Impl::kPc}, {"Pd", Impl::kPd}, {"Pi", Impl::kPi}, {"Pf", Impl::kPf},
    {"So", Impl::kSo}, {"Sm", Impl::kSm}, {"Sc", Impl::kSc}, {"Sk", Impl::kSk}, {"Mn", Impl::kMn},
    {"Mc", Impl::kMc}, {"Me", Impl::kMe}, {"Co", Impl::kCo}, {"Cs", Impl::kCs}};

const std::map<std::string, std::uint32_t> kBidiClasses = {
    {"L", Impl::kL},     {"LRE", Impl::kLRE}, {"LRO", Impl::kLRO}, {"R", Impl::kR},   {"AL", Impl::kAL},
    {"RLE", Impl::kRLE}, {"RLO", Impl::kRLO}, {"PDF", Impl::kPDF}, {"EN", Impl::kEN}, {"ES", Impl::kES},
    {"ET", Impl::kET},   {"AN", Impl::kAN},   {"CS", Impl::kCS},   {"NSM", Impl::kNSM}, {"BN", Impl::kBN},
    {"B", Impl::kB},     {"S", Impl::kS},     {"WS", Impl::kWS},   {"ON", Impl::kON}};

// Compares every property of every code unit; stops at the first unit that
// differs, so one fault gives one readable failure.
void ExpectMatchesDatabase(const CtypeProbe& ct, const std::vector<std::optional<Expected>>& data,
                           const std::set<unsigned>& whiteSpace) {
  for (unsigned c = 0; c < 0x10000; ++c) {
    const auto u = static_cast<unsigned short>(c);
    SCOPED_TRACE(::testing::Message() << "U+" << std::hex << std::uppercase << c);
    ASSERT_EQ(ct.IsSpace(u), whiteSpace.count(c) == 1);
    const auto& e = data[c];
    if (!e) {
      ASSERT_EQ(ct.FindProperty(u), 0u);
      ASSERT_TRUE(ct.IsUndefined(u));
      continue;
    }
    ASSERT_FALSE(ct.IsUndefined(u));
    ASSERT_EQ(ct.FindProperty(u) & Impl::kCategoryMask, kCategories.at(e->category)) << e->category;
    ASSERT_EQ(ct.getbidi(u), kBidiClasses.at(e->bidi)) << e->bidi;
    ASSERT_EQ(ct.IsMirroring(u), e->mirrored);
    int den = -1;
    ASSERT_EQ(ct.getnumber(u, den), e->numerator.value_or(0));
    ASSERT_EQ(den, e->denominator.value_or(0));
    ASSERT_EQ(ct.ToUpper(u), e->upper.value_or(c));
    ASSERT_EQ(ct.ToLower(u), e->lower.value_or(c));
    // The small value holds a case delta or a combining class, not both.
    const bool hasCase = e->upper || e->lower;
    ASSERT_EQ(ct.getclass(u), hasCase ? 0 : e->combining);
  }
}

class CtypeUnicodeData : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    if (!fs::exists(kUnicodeData)) return;
    data_ = new std::vector<std::optional<Expected>>(ReadUnicodeData(kUnicodeData));
    whiteSpace_ = new std::set<unsigned>(fs::exists(kPropList) ? ReadWhiteSpace(kPropList) : DocumentedWhiteSpace());
  }
  static void TearDownTestSuite() {
    delete data_;
    delete whiteSpace_;
    data_ = nullptr;
    whiteSpace_ = nullptr;
  }
  void SetUp() override {
    if (data_ == nullptr) {
      GTEST_SKIP() << "no Unicode data at " << kUnicodeData << "; skipping";
    }
  }
  static std::vector<std::optional<Expected>>* data_;
  static std::set<unsigned>* whiteSpace_;
};

std::vector<std::optional<Expected>>* CtypeUnicodeData::data_ = nullptr;
std::set<unsigned>* CtypeUnicodeData::whiteSpace_ = nullptr;

TEST_F(CtypeUnicodeData, EveryCodeUnitThroughTheBuiltInRecord) {
  ExpectMatchesDatabase(CtypeProbe(), *data_, *whiteSpace_);
}

TEST_F(CtypeUnicodeData, EveryCodeUnitThroughWalkedRuns) {
  CopiedCtypeRecord copy;
  ExpectMatchesDatabase(CtypeProbe(copy.record()), *data_, *whiteSpace_);
}

TEST_F(CtypeUnicodeData, WhiteSpaceIsTheDocumentedSet) {
  EXPECT_EQ(*whiteSpace_, DocumentedWhiteSpace());
}

TEST_F(CtypeUnicodeData, FilledRangesAreWhole) {
  const CtypeProbe ct;
  for (unsigned c : {0x3400u, 0x4DB5u, 0x4E00u, 0x9FA5u, 0xAC00u, 0xD7A3u}) {
    EXPECT_EQ(ct.FindProperty(static_cast<unsigned short>(c)) & Impl::kCategoryMask, Impl::kLo) << std::hex << c;
  }
  EXPECT_TRUE(ct.IsUndefined(0x4DB6));
  EXPECT_TRUE(ct.IsUndefined(0x9FA6));
  EXPECT_TRUE(ct.IsUndefined(0xD7A4));
}

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

// The generator's input is committed beside it; it must be the database
// itself.
TEST_F(CtypeUnicodeData, CommittedInputIsTheDatabase) {
  const fs::path committed = fs::path(KTI18N_SOURCE_DIR) / "third_party" / "data" / "unicode";
  EXPECT_TRUE(ReadFile(committed / "UnicodeData-3.0.0.txt") == ReadFile(kUnicodeData));
  if (fs::exists(kPropList)) {
    EXPECT_TRUE(ReadFile(committed / "PropList-3.0.0.txt") == ReadFile(kPropList));
  }
}

TEST_F(CtypeUnicodeData, CommittedTablesAreWhatTheGeneratorWrites) {
  if (std::system("python3 -c pass > /dev/null 2>&1") != 0) {
    GTEST_SKIP() << "python3 not found; skipping";
  }
  const fs::path script = fs::path(KTI18N_SOURCE_DIR) / "tools" / "gen_ctype_tables.py";
  const fs::path committed = fs::path(KTI18N_SOURCE_DIR) / "kti18n" / "locale" / "ctype_tables.cpp";
  const fs::path output = fs::path(KTI18N_BINARY_DIR) / "ctype_tables.regenerated.cpp";
  fs::remove(output);
  std::string command = "python3 '" + script.string() + "' --unicode-data '" + kUnicodeData.string() + "'";
  // Without a shared PropList the committed copy stands in, so that only the
  // database decides.
  const fs::path propList = fs::exists(kPropList) ? kPropList : fs::path(KTI18N_SOURCE_DIR) / "third_party" / "data" / "unicode" / "PropList-3.0.0.txt";
  command += " --proplist '" + propList.string() + "'";
  command += " --output '" + output.string() + "'";
  ASSERT_EQ(std::system(command.c_str()), 0) << command;
  EXPECT_TRUE(ReadFile(output) == ReadFile(committed))
      << "kti18n/locale/ctype_tables.cpp differs from the generator's output " << output
      << "; run tools/gen_ctype_tables.py";
}

}  // namespace
