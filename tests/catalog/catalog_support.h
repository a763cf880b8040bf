// Shared helpers of the catalog tests: each test starts and ends with an
// empty catalog, so custom LCIDs and extra records never leak between tests.
#ifndef KTI18N_TESTS_CATALOG_SUPPORT_H
#define KTI18N_TESTS_CATALOG_SUPPORT_H

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "kti18n/locale/locale_catalog.h"

struct zv_locale_catalog_test_access {
  static zv_locale instance(unsigned lcid) { return zv_locale_catalog::GetInstance()->GetLocaleInstance(lcid); }
};

class CatalogTest : public testing::Test {
 protected:
  void SetUp() override { zv_locale_catalog::ClearInstance(); }
  void TearDown() override { zv_locale_catalog::ClearInstance(); }

  static zv_locale_catalog& catalog() { return *zv_locale_catalog::GetInstance(); }

  // The LCIDs a name matches, or {status} when the status is not success.
  static std::vector<unsigned> match(const char* name, bool create = false) {
    std::vector<unsigned> lcids;
    const zvStatus status = catalog().QueryMatchingLocales(name, lcids, create);
    if (status != ZV_S_OK) return {static_cast<unsigned>(status)};
    return lcids;
  }
};

inline const std::vector<unsigned> kNoMatch = {static_cast<unsigned>(ZV_S_NOTHING_MATCHED)};

inline std::string text(const ucs2string& s) { return s.to_utf8(); }
inline std::string text(const unsigned short* s) { return s ? ucs2string(s).to_utf8() : std::string("<null>"); }

#endif
