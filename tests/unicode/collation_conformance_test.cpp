// The CLDR root collation against CLDR's own conformance file: every line
// must sort after the line before it (or equal it, when canonically equivalent), by comparison and by sort key.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "kti18n/unicode/collation_engine.h"

namespace {

using namespace kti18n_collation;

const char kConformanceFile[] = "/usr/share/unicode/cldr/common/uca/CollationTest_CLDR_NON_IGNORABLE.txt";

std::vector<std::pair<int, std::u32string>> ReadLines(std::ifstream& in) {
  std::vector<std::pair<int, std::u32string>> lines;
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    if (line.empty() || line[0] == '#' || line[0] == '@') continue;
    std::istringstream fields(line.substr(0, line.find(';')));
    std::u32string text;
    for (std::string hex; fields >> hex;) text.push_back(static_cast<char32_t>(std::stoul(hex, nullptr, 16)));
    lines.emplace_back(number, text);
  }
  return lines;
}

std::string Hex(const std::u32string& s) {
  std::ostringstream out;
  for (char32_t c : s) out << std::hex << std::uppercase << static_cast<unsigned long>(c) << ' ';
  return out.str();
}

TEST(CollationConformance, RootNonIgnorableOrderHoldsForComparisonAndKeys) {
  std::ifstream in(kConformanceFile);
  if (!in) GTEST_SKIP() << kConformanceFile << " is absent (Debian package unicode-cldr-core; make collation-data)";
  const auto lines = ReadLines(in);
  ASSERT_GT(lines.size(), 100000u);
  const CollationTables& root = CollationTables::Root();
  int failures = 0;
  std::string previous_key, key;
  BuildKey(root, lines[0].second, previous_key);
  for (std::size_t i = 1; i < lines.size(); ++i) {
    const auto& [number, text] = lines[i];
    BuildKey(root, text, key);
    int by_compare = Compare(root, lines[i - 1].second, text);
    bool by_key = previous_key <= key;
    // Canonically equivalent neighbours compare equal.
    if ((by_compare > 0 || !by_key || (by_compare == 0) != (previous_key == key)) && ++failures <= 20)
      ADD_FAILURE() << "line " << number << ": " << Hex(lines[i - 1].second) << "vs " << Hex(text)
                    << "compare " << by_compare << ", keys " << (by_key ? "ordered" : "not ordered");
    previous_key.swap(key);
  }
  EXPECT_EQ(failures, 0);
}

}  // namespace
