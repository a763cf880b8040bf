// A registration that runs out of memory part-way leaves the catalog
// exactly as it was, whichever allocation fails.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "alloc_counter.h"
#include "kti18n/locale/locale_catalog.h"

namespace {

std::string trace() {
  std::ostringstream out;
  zv_locale_catalog::GetInstance()->Trace(out);
  return out.str();
}

class CatalogFailure : public testing::Test {
 protected:
  void SetUp() override { zv_locale_catalog::ClearInstance(); }
  void TearDown() override { zv_locale_catalog::ClearInstance(); }
};

TEST_F(CatalogFailure, RegisterUndoesEverythingWhenAnyAllocationFails) {
  zv_locale_catalog& catalog = *zv_locale_catalog::GetInstance();
  const zv_locale_storage* fr = catalog.GetStorage(1036);
  ASSERT_NE(fr, nullptr);
  zv_locale_storage copy = *fr;
  copy.lcid = 40000;

  const std::string before = trace();
  const std::vector<unsigned> registered = catalog.GetRegisteredLocales();
  bool done = false;
  for (std::size_t n = 1; !done && n < 1000; ++n) {
    zvStatus status = 0;
    bool threw = false;
    {
      alloc_counter::FailAt fail(n);
      try {
        status = catalog.Register(&copy);
      } catch (const ZVException& e) {
        threw = true;
      } catch (const std::bad_alloc&) {
        threw = true;
      }
      done = !fail.fired();
    }
    if (done) {
      EXPECT_EQ(status, ZV_S_OK);
      break;
    }
    ASSERT_TRUE(threw) << "allocation " << n << " failed without a throw";
    EXPECT_EQ(trace(), before) << "after allocation " << n << " failed";
    EXPECT_EQ(catalog.GetRegisteredLocales(), registered);
    EXPECT_EQ(catalog.GetLocaleIdentification(40000), nullptr);
  }
  ASSERT_TRUE(done);
  EXPECT_NE(catalog.GetLocaleIdentification(40000), nullptr);
  EXPECT_NE(trace(), before);
}

TEST_F(CatalogFailure, CustomLocalesAreAllOrNothing) {
  zv_locale_catalog& catalog = *zv_locale_catalog::GetInstance();
  std::vector<unsigned> lcids;
  ASSERT_EQ(catalog.QueryMatchingLocales("fr_CA", lcids, false), ZV_S_OK);
  const std::string before = trace();
  const std::vector<unsigned> registered = catalog.GetRegisteredLocales();
  bool done = false;
  for (std::size_t n = 1; !done && n < 1000; ++n) {
    {
      alloc_counter::FailAt fail(n);
      try {
        lcids.clear();
        catalog.QueryMatchingLocales("fr_CA.CP932", lcids, true);
      } catch (...) {
      }
      done = !fail.fired();
    }
    if (done) break;
    EXPECT_EQ(trace(), before) << "after allocation " << n << " failed";
    EXPECT_EQ(catalog.GetRegisteredLocales(), registered) << "after allocation " << n << " failed";
  }
  ASSERT_TRUE(done);
  ASSERT_EQ(lcids.size(), 1u);
  EXPECT_GT(lcids[0], zv_locale_catalog::kLastReservedLcid);
}

}  // namespace
