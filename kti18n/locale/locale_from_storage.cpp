// Building a named locale's implementation from its locale-data record.
#include "kti18n/locale/codecvt.h"
#include "kti18n/locale/collate.h"
#include "kti18n/locale/ctime.h"
#include "kti18n/locale/ctype.h"
#include "kti18n/locale/locale_impl.h"
#include "kti18n/locale/locale_storage.h"
#include "kti18n/locale/num_get.h"
#include "kti18n/locale/num_put.h"
#include "kti18n/locale/numpunct.h"
#include "kti18n/locale/placeholder_facets.h"

namespace {

// Slots for every facet class of the library (slot 0 is never used).
constexpr std::size_t kNamedSlots = 14;

// The collation of a record is chosen by its locale's name: "en_US", or the
// country (identification) code alone for a locale without language.
std::string collation_name(const zv_locale_ident_impl::StaticStorage* ident) {
  if (ident == nullptr) ident = GetDefaultIdent();
  const std::string language = ident->language ? ident->language : "";
  const std::string code = ident->code ? ident->code : "";
  if (language.empty()) return code;
  return code.empty() ? language : language + "_" + code;
}

}  // namespace

// The facets are installed in category order, each from its part of the
// record; a part the record leaves null gives that facet's built-in data.
// A null record leaves the implementation empty.
zv_locale::zv_locale(const zv_locale_storage* record) : m_impl(new _Impl(kNamedSlots, 1)) {
  if (record == nullptr) return;
  try {
    _Impl& impl = *m_impl;
    const zv_locale_ident_impl::StaticStorage* ident = record->ident ? record->ident : GetDefaultIdent();
    impl._M_install_facet(&zv_ctype::id, new zv_ctype(record->ctype, 0));
    impl._M_install_facet(&zv_collate::id, new zv_collate(collation_name(ident), 0));
    impl._M_install_facet(&zv_codecvt::id, new zv_codecvt_byname(ident->encodingTechnicalName, 0));
    impl._M_install_facet(&zv_moneypunct::id, new zv_moneypunct(0));
    impl._M_install_facet(&zv_money_get::id, new zv_money_get(0));
    impl._M_install_facet(&zv_money_put::id, new zv_money_put(0));
    auto* punct = new zv_numpunct(record->numeric, 0);
    impl._M_install_facet(&zv_numpunct::id, punct);
    impl._M_install_facet(&zv_num_get::id, new zv_num_get(punct, 0));
    impl._M_install_facet(&zv_num_put::id, new zv_num_put(punct, 0));
    impl._M_install_facet(&zv_time_get::id, new zv_time_get(0));
    impl._M_install_facet(&zv_time_put::id, new zv_time_put(0));
    impl._M_install_facet(&zv_ctime::id, new zv_ctime(record->ctime, 0));
    impl._M_install_facet(&zv_locale_ident::id, new zv_locale_ident_impl(ident, 0));
    impl._M_set_named(true);
  } catch (...) {
    delete m_impl;
    throw;
  }
}
