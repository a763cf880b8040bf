// The locale from several threads at once: handles, combining, the global
// locale and the first installation of facet ids.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <thread>
#include <vector>

#include "kti18n/locale/ctime.h"
#include "kti18n/locale/locale.h"
#include "kti18n/locale/locale_impl.h"
#include "kti18n/locale/numpunct.h"

namespace {

constexpr int kThreads = 8;

template <int N>
struct RacingFacet : zv_locale::facet {
  static zv_locale::id id;
  RacingFacet() : facet(0) {}
};
template <int N>
zv_locale::id RacingFacet<N>::id;

template <int N>
void install_racing(zv_locale::_Impl& impl) {
  impl._M_install_facet(&RacingFacet<N>::id, new RacingFacet<N>);
}

// Run alone (as ctest runs each test), the threads race to build the classic
// locale: all must get the one implementation.
TEST(LocaleThreads, ClassicLocaleIsBuiltOnce) {
  std::vector<zv_locale::_Impl*> seen(kThreads);
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([t, &seen] { seen[t] = (t % 2 ? zv_locale() : zv_locale::classic())._M_implementation(); });
  }
  for (auto& th : threads) th.join();
  for (zv_locale::_Impl* impl : seen) EXPECT_EQ(impl, zv_locale::classic()._M_implementation());
}

TEST(LocaleThreads, HandlesCombiningAndGlobalFromEightThreads) {
  const zv_locale classic = zv_locale::classic();
  const zv_locale original = zv_locale::global(classic);
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([t, &classic] {
      for (int i = 0; i < 300; ++i) {
        zv_locale current;  // the global locale, whichever thread set it
        const zv_locale combined(current, classic, (i + t) % 2 ? zv_locale::numeric : zv_locale::all & ~zv_locale::identification);
        zv_locale copy = combined;
        copy = current;
        const zv_locale again(copy, combined, zv_locale::time);
        if (i % 7 == t % 7) zv_locale::global(again);
        // Facets stay reachable through every handle while it lives.
        EXPECT_EQ(zv_use_facet<zv_numpunct>(again).decimal_point(), u'.');
        EXPECT_EQ(zv_use_facet<zv_ctime>(combined).GetNumberOfEra(), 2u);
      }
    });
  }
  for (auto& th : threads) th.join();
  zv_locale::global(original);
  // Every combined implementation is gone: the classic facets are held by
  // the classic implementation alone again (the punctuation also by the two
  // number facets bound to it).
  EXPECT_EQ(classic._M_implementation()->_M_facet(zv_ctime::id)->RefCount(), 1u);
  EXPECT_EQ(classic._M_implementation()->_M_facet(zv_numpunct::id)->RefCount(), 3u);
}

TEST(LocaleThreads, FirstInstallationsNeverShareAnIndex) {
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([t] {
      zv_locale::_Impl impl(1);
      // Each thread installs the same eight new facet kinds in its own order.
      if (t % 2 == 0) {
        install_racing<0>(impl), install_racing<1>(impl), install_racing<2>(impl), install_racing<3>(impl);
        install_racing<4>(impl), install_racing<5>(impl), install_racing<6>(impl), install_racing<7>(impl);
      } else {
        install_racing<7>(impl), install_racing<6>(impl), install_racing<5>(impl), install_racing<4>(impl);
        install_racing<3>(impl), install_racing<2>(impl), install_racing<1>(impl), install_racing<0>(impl);
      }
    });
  }
  for (auto& th : threads) th.join();
  const std::set<unsigned> indices = {RacingFacet<0>::id._M_index(), RacingFacet<1>::id._M_index(),
                                      RacingFacet<2>::id._M_index(), RacingFacet<3>::id._M_index(),
                                      RacingFacet<4>::id._M_index(), RacingFacet<5>::id._M_index(),
                                      RacingFacet<6>::id._M_index(), RacingFacet<7>::id._M_index()};
  EXPECT_EQ(indices.size(), 8u);
  EXPECT_EQ(indices.count(0u), 0u);
  EXPECT_EQ(indices.count(zv_numpunct::id._M_index()), 0u);
}

}  // namespace
