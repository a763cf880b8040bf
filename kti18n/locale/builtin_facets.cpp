// The library's own facets: which ids each category selects, and which facets
// the classic locale holds. A facet class added to the library joins both
// lists here.
#include "kti18n/locale/codecvt.h"
#include "kti18n/locale/collate.h"
#include "kti18n/locale/ctime.h"
#include "kti18n/locale/ctype.h"
#include "kti18n/locale/locale_ident.h"
#include "kti18n/locale/locale_impl.h"
#include "kti18n/locale/num_get.h"
#include "kti18n/locale/num_put.h"
#include "kti18n/locale/numpunct.h"
#include "kti18n/locale/placeholder_facets.h"

namespace {

using id_list = const zv_locale::id* const[];

// One null-terminated list per category, in category bit order.
id_list kCollateIds = {&zv_collate::id, nullptr};
id_list kCtypeIds = {&zv_ctype::id, &zv_codecvt::id, nullptr};
id_list kMonetaryIds = {&zv_moneypunct::id, &zv_money_get::id, &zv_money_put::id, nullptr};
id_list kNumericIds = {&zv_numpunct::id, &zv_num_get::id, &zv_num_put::id, nullptr};
id_list kTimeIds = {&zv_time_get::id, &zv_time_put::id, &zv_ctime::id, nullptr};
// Messages select the time placeholders: locales have no message facet.
id_list kMessagesIds = {&zv_time_get::id, &zv_time_put::id, nullptr};
id_list kIdentificationIds = {&zv_locale_ident::id, nullptr};

const zv_locale::id* const* const kCategoryIds[zv_locale::kCategoryCount] = {
    kCollateIds, kCtypeIds, kMonetaryIds, kNumericIds, kTimeIds, kMessagesIds, kIdentificationIds};

}  // namespace

const zv_locale::id* const* zv_locale::_Impl::_S_category_ids(int position) noexcept {
  return kCategoryIds[position];
}

// The installation order gives the ids of a fresh process their indices, so
// it follows the category table: collate, ctype, codecvt, the monetary
// placeholders, the numeric facets, the time placeholders, calendar names.
void zv_locale::_Impl::_S_install_classic_facets(_Impl& classic) {
  classic._M_install_facet(&zv_collate::id, new zv_collate(0));
  classic._M_install_facet(&zv_ctype::id, new zv_ctype(0));
  classic._M_install_facet(&zv_codecvt::id, new zv_codecvt(0));
  classic._M_install_facet(&zv_moneypunct::id, new zv_moneypunct(0));
  classic._M_install_facet(&zv_money_get::id, new zv_money_get(0));
  classic._M_install_facet(&zv_money_put::id, new zv_money_put(0));
  auto* punct = new zv_numpunct(0);
  classic._M_install_facet(&zv_numpunct::id, punct);
  classic._M_install_facet(&zv_num_get::id, new zv_num_get(punct, 0));
  classic._M_install_facet(&zv_num_put::id, new zv_num_put(punct, 0));
  classic._M_install_facet(&zv_time_get::id, new zv_time_get(0));
  classic._M_install_facet(&zv_time_put::id, new zv_time_put(0));
  classic._M_install_facet(&zv_ctime::id, new zv_ctime(0));
}
