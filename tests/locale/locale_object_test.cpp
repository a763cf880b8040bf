// The locale handle, its shared implementation and facet registry.
#include <gtest/gtest.h>

#include <memory>

#include "kti18n/locale/ctime.h"
#include "kti18n/locale/locale.h"
#include "kti18n/locale/locale_impl.h"
#include "kti18n/locale/numpunct.h"
#include "kti18n/locale/placeholder_facets.h"

namespace {

// Every category the classic locale can give: it has no identification.
constexpr int kAllButIdentification = zv_locale::all & ~zv_locale::identification;

// A facet that counts its destructions, with an id of its own.
struct CountingFacet : zv_locale::facet {
  static zv_locale::id id;
  CountingFacet(int* deaths, unsigned refs) : facet(refs), deaths_(deaths) {}
  ~CountingFacet() override { ++*deaths_; }
  int* deaths_;
};
zv_locale::id CountingFacet::id;

// A facet class that no locale ever installs.
struct NeverInstalledFacet : zv_locale::facet {
  static zv_locale::id id;
};
zv_locale::id NeverInstalledFacet::id;

// A facet class installed only outside the classic locale, so its index lies
// beyond the classic table.
struct LateFacet : zv_locale::facet {
  static zv_locale::id id;
  LateFacet() : facet(0) {}
};
zv_locale::id LateFacet::id;

template <typename F>
zvStatus status_of(F&& f) {
  try {
    f();
  } catch (const ZVException& e) {
    return e.code();
  }
  return 0;
}

TEST(LocaleHandle, ClassicGlobalAndNames) {
  const zv_locale classic = zv_locale::classic();
  EXPECT_EQ(classic.name(), "*");
  EXPECT_EQ(zv_locale("C")._M_implementation(), classic._M_implementation());
  EXPECT_EQ(zv_locale("POSIX")._M_implementation(), classic._M_implementation());
  // Names other than the two exact spellings go to the catalog.
  EXPECT_EQ(status_of([] { zv_locale("c"); }), ZV_E_INVALID_DATA);
  EXPECT_EQ(status_of([] { zv_locale(static_cast<const char*>(nullptr)); }), ZV_E_INVALID_DATA);

  const zv_locale copy(classic);
  EXPECT_TRUE(copy == classic);
  EXPECT_FALSE(copy != classic);
}

TEST(LocaleHandle, GlobalReturnsPreviousAndDefaultConstructorFollowsIt) {
  const zv_locale classic = zv_locale::classic();
  const zv_locale other(classic, classic, zv_locale::numeric);
  ASSERT_NE(other._M_implementation(), classic._M_implementation());

  const zv_locale before = zv_locale::global(other);
  EXPECT_EQ(zv_locale()._M_implementation(), other._M_implementation());
  const zv_locale previous = zv_locale::global(before);
  EXPECT_EQ(previous._M_implementation(), other._M_implementation());
  EXPECT_EQ(zv_locale()._M_implementation(), before._M_implementation());
}

TEST(LocaleHandle, GlobalKeepsItsLocaleAliveAfterEveryHandleIsGone) {
  const zv_locale classic = zv_locale::classic();
  zv_locale before = classic;
  {
    const zv_locale temporary(classic, classic, kAllButIdentification);
    before = zv_locale::global(temporary);
  }
  // The only reference left is the global one.
  const zv_locale global;
  EXPECT_EQ(&zv_use_facet<zv_numpunct>(global), &zv_use_facet<zv_numpunct>(classic));
  zv_locale::global(before);
}

TEST(LocaleHandle, UnnamedLocalesCompareByImplementation) {
  const zv_locale classic = zv_locale::classic();
  const zv_locale combined(classic, classic, kAllButIdentification);
  EXPECT_FALSE(combined == classic);
  EXPECT_FALSE(classic == combined);
  EXPECT_EQ(combined.name(), "*");
  zv_locale assigned = classic;
  assigned = combined;
  EXPECT_TRUE(assigned == combined);
  zv_locale& alias = assigned;
  assigned = alias;  // self-assignment keeps the implementation alive
  EXPECT_TRUE(assigned == combined);
}

TEST(LocaleFacets, ClassicHoldsTheBuiltInFacets) {
  const zv_locale classic = zv_locale::classic();
  EXPECT_TRUE(zv_has_facet<zv_numpunct>(classic));
  EXPECT_TRUE(zv_has_facet<zv_ctime>(classic));
  EXPECT_TRUE(zv_has_facet<zv_moneypunct>(classic));
  EXPECT_TRUE(zv_has_facet<zv_money_get>(classic));
  EXPECT_TRUE(zv_has_facet<zv_money_put>(classic));
  EXPECT_TRUE(zv_has_facet<zv_time_get>(classic));
  EXPECT_TRUE(zv_has_facet<zv_time_put>(classic));
  // Every locale handle on one implementation gives the same facet object.
  EXPECT_EQ(&zv_use_facet<zv_ctime>(classic), &zv_use_facet<zv_ctime>(zv_locale("C")));
}

TEST(LocaleFacets, MissingFacetThrows) {
  const zv_locale classic = zv_locale::classic();
  // An id that was never given an index.
  EXPECT_EQ(NeverInstalledFacet::id._M_index(), 0u);
  EXPECT_EQ(status_of([&] { zv_use_facet<NeverInstalledFacet>(classic); }), ZV_E_NO_FACET);
  EXPECT_FALSE(zv_has_facet<NeverInstalledFacet>(classic));

  // An id with an index that the classic locale leaves empty or lies beyond
  // its table.
  zv_locale::_Impl elsewhere(1);
  elsewhere._M_install_facet(&LateFacet::id, new LateFacet);
  EXPECT_EQ(status_of([&] { zv_use_facet<LateFacet>(classic); }), ZV_E_NO_FACET);

  // A table shorter than the index of a facet it lacks.
  const zv_locale::_Impl tiny(1);
  EXPECT_EQ(tiny._M_table_size(), 1u);
  EXPECT_EQ(tiny._M_facet(zv_numpunct::id), nullptr);
}

TEST(LocaleCategories, BadCategoriesThrowBeforeAnythingIsBuilt) {
  const zv_locale classic = zv_locale::classic();
  for (int bad : {6, 7, -1, 0x8000, 0x0080, 0x0101, 0x17F00, static_cast<int>(0x80000100u)}) {
    EXPECT_EQ(status_of([&] { zv_locale(classic, classic, bad); }), ZV_E_BAD_CATEGORY) << std::hex << bad;
  }
  for (int good : {1, 2, 3, 4, 5, 0x0100, 0x0300}) {
    EXPECT_EQ(status_of([&] { zv_locale(classic, classic, good); }), 0) << std::hex << good;
  }
  // The classic locale has no identification facet to give.
  for (int identification : {0, 0x4000, 0x7F00}) {
    EXPECT_EQ(status_of([&] { zv_locale(classic, classic, identification); }), ZV_E_NO_FACET)
        << std::hex << identification;
  }
}

// ---------------------------------------------------------------------------
// The implementation: facet reference counts and replacement by category.

TEST(LocaleImpl, FacetIsDeletedOnceByTheLastImplementationHoldingIt) {
  int deaths = 0;
  auto* f = new CountingFacet(&deaths, 0);
  auto first = std::make_unique<zv_locale::_Impl>(2);
  first->_M_install_facet(&CountingFacet::id, f);
  auto copy = std::make_unique<zv_locale::_Impl>(*first, 1);
  EXPECT_EQ(copy->_M_facet(CountingFacet::id), f);
  first.reset();
  EXPECT_EQ(deaths, 0);
  copy.reset();
  EXPECT_EQ(deaths, 1);
}

TEST(LocaleImpl, FacetMadeWithOneReferenceOutlivesItsLocales) {
  int deaths = 0;
  CountingFacet owned(&deaths, 1);
  {
    zv_locale::_Impl impl(1);
    impl._M_install_facet(&CountingFacet::id, &owned);
    impl._M_install_facet(&CountingFacet::id, &owned);
  }
  EXPECT_EQ(deaths, 0);
  EXPECT_EQ(owned.RefCount(), 1u);
}

TEST(LocaleImpl, ReinstallingAndReplacingFacets) {
  int deaths = 0;
  auto* f = new CountingFacet(&deaths, 0);
  zv_locale::_Impl impl(1);
  impl._M_install_facet(&CountingFacet::id, nullptr);  // ignored
  EXPECT_EQ(impl._M_facet(CountingFacet::id), nullptr);
  impl._M_install_facet(&CountingFacet::id, f);
  // The occupant installed again must survive: its count rises first.
  impl._M_install_facet(&CountingFacet::id, f);
  EXPECT_EQ(deaths, 0);
  EXPECT_EQ(f->RefCount(), 1u);
  // A different facet releases the occupant.
  impl._M_install_facet(&CountingFacet::id, new CountingFacet(&deaths, 0));
  EXPECT_EQ(deaths, 1);
}

TEST(LocaleImpl, ReplacingCategoriesTakesTheOtherImplementationsFacets) {
  const zv_locale classic = zv_locale::classic();
  const zv_locale::_Impl* source = classic._M_implementation();

  zv_locale::_Impl target(1);
  target._M_install_facet(&zv_numpunct::id, new zv_numpunct(0));
  target._M_replace_categories(source, zv_locale::numeric | zv_locale::time);
  EXPECT_EQ(target._M_facet(zv_numpunct::id), source->_M_facet(zv_numpunct::id));
  EXPECT_EQ(target._M_facet(zv_ctime::id), source->_M_facet(zv_ctime::id));
  EXPECT_EQ(target._M_facet(zv_time_get::id), source->_M_facet(zv_time_get::id));
  // Monetary was not asked for.
  EXPECT_EQ(target._M_facet(zv_moneypunct::id), nullptr);
  EXPECT_EQ(target._M_category_name(3), "*");

  // Selector values carry no category bit: nothing happens.
  zv_locale::_Impl untouched(1);
  untouched._M_replace_categories(source, 4);
  EXPECT_EQ(untouched._M_facet(zv_numpunct::id), nullptr);
}

TEST(LocaleImpl, ReplacingFromAnImplementationThatLacksTheFacetThrows) {
  const zv_locale classic = zv_locale::classic();
  const zv_locale::_Impl empty(1);
  zv_locale::_Impl target(*classic._M_implementation(), 1);
  EXPECT_EQ(status_of([&] { target._M_replace_categories(&empty, zv_locale::numeric); }), ZV_E_NO_FACET);
  EXPECT_EQ(status_of([&] { target._M_replace_facet(&empty, &NeverInstalledFacet::id); }), ZV_E_NO_FACET);
  // The failed replacement left the facets it had.
  EXPECT_NE(target._M_facet(zv_numpunct::id), nullptr);
}

TEST(LocaleImpl, CombinedLocaleSharesFacetsWithItsSources) {
  const zv_locale classic = zv_locale::classic();
  const std::uint32_t before = classic._M_implementation()->_M_facet(zv_ctime::id)->RefCount();
  {
    const zv_locale combined(classic, classic, zv_locale::time);
    EXPECT_EQ(&zv_use_facet<zv_ctime>(combined), &zv_use_facet<zv_ctime>(classic));
    EXPECT_EQ(classic._M_implementation()->_M_facet(zv_ctime::id)->RefCount(), before + 1);
  }
  EXPECT_EQ(classic._M_implementation()->_M_facet(zv_ctime::id)->RefCount(), before);
}

TEST(LocaleIds, IndicesAreUniqueAndStable) {
  zv_locale::classic();  // gives the built-in facets their indices
  const unsigned numpunct = zv_numpunct::id._M_index();
  EXPECT_NE(numpunct, 0u);
  EXPECT_NE(numpunct, zv_ctime::id._M_index());
  EXPECT_EQ(zv_numpunct::id._M_assign_index(), numpunct);
}

TEST(LocaleIdentifiers, MakeAndSplit) {
  EXPECT_EQ(zv_locale::makeLocaleId("en", "US"), "en_US");
  EXPECT_EQ(zv_locale::makeLocaleId("fr", ""), "fr");
  EXPECT_EQ(zv_locale::makeLocaleId("", "US"), "_US");
  EXPECT_EQ(zv_locale::splitLocaleId("pt_BR_x"), (std::pair<std::string, std::string>("pt", "BR_x")));
  EXPECT_EQ(zv_locale::splitLocaleId("de"), (std::pair<std::string, std::string>("de", "")));
  EXPECT_EQ(zv_locale::splitLocaleId("_CA"), (std::pair<std::string, std::string>("", "CA")));
}

}  // namespace
