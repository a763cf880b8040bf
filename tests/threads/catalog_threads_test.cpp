// The locale catalog reached from several threads at once: the first use
// that loads the locale-data module, and custom locales made by matching.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "kti18n/locale/locale_catalog.h"
#include "kti18n/locale/locale_impl.h"
#include "threads_support.h"

namespace {

using threads_test::kThreads;
using threads_test::OnEightThreads;

// Each test starts and ends with no catalog, so the module loads inside it.
class CatalogThreads : public testing::Test {
 protected:
  void SetUp() override { zv_locale_catalog::ClearInstance(); }
  void TearDown() override { zv_locale_catalog::ClearInstance(); }
  static zv_locale_catalog& catalog() { return *zv_locale_catalog::GetInstance(); }
};

TEST_F(CatalogThreads, ConcurrentFirstUseSharesOneImplementation) {
  std::vector<zv_locale::_Impl*> seen(kThreads), seenDe(kThreads);
  OnEightThreads([&](int t) {
    // Half the threads ask for another locale first, so two builds race
    // with the load of the module.
    if (t % 2) seenDe[t] = zv_locale("de_DE")._M_implementation();
    seen[t] = zv_locale("fr_FR")._M_implementation();
  });
  for (int t = 0; t < kThreads; ++t) EXPECT_EQ(seen[t], seen[0]);
  for (int t = 3; t < kThreads; t += 2) EXPECT_EQ(seenDe[t], seenDe[1]);
  EXPECT_NE(seenDe[1], seen[0]);
  EXPECT_EQ(zv_locale("fr_FR")._M_implementation(), seen[0]);
  // Loaded once: each record is indexed once.
  std::ostringstream trace;
  catalog().Trace(trace);
  const std::string dump = trace.str();
  EXPECT_NE(dump.find("fr,1036"), std::string::npos);
  EXPECT_EQ(dump.find("fr,1036"), dump.rfind("fr,1036"));
  const std::size_t registered = catalog().GetRegisteredLocales().size();
  zv_locale_catalog::ClearInstance();
  EXPECT_EQ(catalog().GetRegisteredLocales().size(), registered);  // as many as one plain load gives
}

TEST_F(CatalogThreads, ConcurrentMatchingCreatesOneCustomLocale) {
  // Matching with creation is one step under the catalog lock: the first
  // thread registers the custom locale, the others find it.
  std::vector<std::vector<unsigned>> found(kThreads);
  std::vector<zvStatus> status(kThreads);
  OnEightThreads([&](int t) { status[t] = catalog().QueryMatchingLocales("fr_CA.CP932", found[t], true); });
  for (int t = 0; t < kThreads; ++t) {
    EXPECT_EQ(status[t], ZV_S_OK);
    EXPECT_EQ(found[t], std::vector<unsigned>{32001});
  }
  std::vector<unsigned> again;
  EXPECT_EQ(catalog().QueryMatchingLocales("", again, true), ZV_S_OK);
  EXPECT_EQ(again, std::vector<unsigned>{32002});
}

}  // namespace
