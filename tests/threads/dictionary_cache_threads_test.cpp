// The cache of spreadsheet-style date dictionaries, filled on demand by
// whichever thread asks first.
#include <gtest/gtest.h>

#include <vector>

#include "kti18n/fmtlib/predefined_dictionaries.h"
#include "threads_support.h"

namespace {

using namespace FmtLib;
using threads_test::kThreads;
using threads_test::OnEightThreads;

TEST(DictionaryCacheThreads, OneDictionaryPerKeyWhoeverBuildsIt) {
  FmtLibInitExit guard;
  // Four keys, each asked for by two threads, in orders that differ, so the
  // cache grows while other threads read it.
  const char* const codes[] = {"PL", "GE", "RU", "EN"};
  const char* const languages[] = {"pl", "de", "ru", "en"};
  std::vector<std::vector<const zvTokensDefinition*>> got(kThreads, std::vector<const zvTokensDefinition*>(4));
  OnEightThreads([&](int t) {
    for (int i = 0; i < 4; ++i) {
      const int key = (t % 2 ? 3 - i : i);
      got[t][key] = GetHalcyonDateTokensDefinition(codes[key], languages[key], nullptr);
    }
  });
  for (int key = 0; key < 4; ++key) {
    ASSERT_NE(got[0][key], nullptr);
    for (int t = 1; t < kThreads; ++t) EXPECT_EQ(got[t][key], got[0][key]) << codes[key];
    EXPECT_EQ(GetHalcyonDateTokensDefinition(codes[key], languages[key], nullptr), got[0][key]);
  }
  EXPECT_EQ(got[0][0]->size(), 108u);
  EXPECT_EQ(GetHalcyonDateTokensDefinition("PL", "pl", "PL"), got[0][0]);  // same separator key
}

}  // namespace
