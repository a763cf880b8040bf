#include "kti18n/locale/locale_catalog.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <ostream>

#include "kti18n/base/thread.h"
#include "kti18n/locale/codecvt.h"
#include "kti18n/locale/locale_impl.h"
#include "kti18n/locale/locale_module.h"

zv_locale_catalog* zv_locale_catalog::s_Singleton = nullptr;

namespace {

// The catalog mutex. It is recursive: the module's registrations re-enter
// it on the thread that loads the module.
os_critical_section& catalog_mutex() {
  static os_critical_section mutex;
  return mutex;
}

const char* or_empty(const char* s) { return s ? s : ""; }

std::vector<unsigned> intersect(const std::vector<unsigned>& a, const std::vector<unsigned>& b) {
  std::vector<unsigned> out;
  std::set_intersection(a.begin(), a.end(), b.begin(), b.end(), std::back_inserter(out));
  return out;
}

// The four parts of "language_COUNTRY.encoding@sortorder": the country
// starts after the first underscore, the encoding after the first full stop
// that follows it, the sort order after the first at sign after that. A
// missing separator leaves its part (and the later ones) empty.
struct NameParts {
  std::string language, country, encoding, sortOrder;
};

NameParts split_locale_name(const std::string& name) {
  NameParts parts;
  const auto underscore = name.find('_');
  parts.language = name.substr(0, underscore);
  if (underscore == std::string::npos) return parts;
  const auto dot = name.find('.', underscore + 1);
  parts.country = name.substr(underscore + 1, dot == std::string::npos ? std::string::npos : dot - underscore - 1);
  if (dot == std::string::npos) return parts;
  const auto at = name.find('@', dot + 1);
  parts.encoding = name.substr(dot + 1, at == std::string::npos ? std::string::npos : at - dot - 1);
  if (at == std::string::npos) return parts;
  parts.sortOrder = name.substr(at + 1);
  return parts;
}

}  // namespace

zv_locale_catalog::zv_locale_catalog() = default;

zv_locale_catalog::~zv_locale_catalog() {
  for (auto& [lcid, impl] : m_instances) impl->_M_remove_reference();
  for (auto& [lcid, ident] : m_idents) ident->_M_remove_reference();
}

zv_locale_catalog* zv_locale_catalog::GetInstance() {
  os_lock_guard lock(catalog_mutex());
  if (s_Singleton == nullptr) s_Singleton = new zv_locale_catalog;
  return s_Singleton;
}

void zv_locale_catalog::ClearInstance() {
  // Releasing cached implementations may delete them: take the locale mutex
  // first to keep the order of the two locks.
  os_lock_guard localeLock(zv_locale_mutex());
  os_lock_guard lock(catalog_mutex());
  if (s_Singleton == nullptr) return;
  zv_locale_catalog* catalog = s_Singleton;
  s_Singleton = nullptr;
  // The records live in the module: forget them before it goes.
  void* module = catalog->m_module;
  catalog->m_module = nullptr;
  delete catalog;
  if (module != nullptr && !zv_locale_module::Unload(module))
    throw ZVException(ZV_E_FAIL, "Could not unload dynamic library");
}

void zv_locale_catalog::LoadLocales() const {
  os_lock_guard lock(catalog_mutex());
  if (m_module != nullptr) return;
  // The module's start-up calls Register on this thread, which re-enters
  // the catalog mutex. A failed load leaves the handle null, so the next
  // call tries again.
  m_module = zv_locale_module::Load();
  if (m_module == nullptr) throw ZVException(ZV_E_FAIL, "Could not load dynamic library");
}

zvStatus zv_locale_catalog::Register(const zv_locale_storage* record) {
  os_lock_guard lock(catalog_mutex());
  const zvStatus status = DoRegister(record);
  if (zvFailed(status)) m_refused.emplace_back(record != nullptr ? record->lcid : 0u, status);
  return status;
}

zvStatus zv_locale_catalog::DoRegister(const zv_locale_storage* record) {
  // A record without identification cannot be named or matched.
  if (record == nullptr || record->ident == nullptr) return ZV_E_INVALID_DATA;
  const unsigned lcid = record->lcid;
  if (m_idents.count(lcid) != 0 || m_records.count(lcid) != 0) return ZV_E_INVALID_DATA;

  auto owned = std::make_unique<zv_locale_ident_impl>(record->ident, 1);
  zv_locale_ident_impl* ident = owned.get();
  // The index keys are made before anything changes.
  const char* language = ident->language_code_2();
  const std::pair<Index*, std::string> keys[] = {
      {&m_languages, language},
      {&m_countries, language[0] != '\0' ? ident->country_code_2() : ident->identification_code()},
      {&m_encodings, or_empty(ident->encoding_technical_name())},
      {&m_sortOrders, or_empty(ident->sort_order_technical_name())},
  };
  // Running out of memory part-way undoes every entry made so far: a failed
  // registration leaves the catalog exactly as it was.
  std::pair<Index*, Index::iterator> added[std::size(keys)];
  std::size_t addedCount = 0;
  m_records.emplace(lcid, record);
  try {
    m_idents.emplace(lcid, ident);
    for (const auto& [index, key] : keys) {
      if (index == &m_languages && key.empty()) continue;  // a locale without a language
      added[addedCount] = {index, index->emplace(key, lcid)};
      ++addedCount;
    }
  } catch (...) {
    while (addedCount > 0) {
      --addedCount;
      added[addedCount].first->erase(added[addedCount].second);
    }
    m_idents.erase(lcid);
    m_records.erase(lcid);
    throw;
  }
  owned.release();  // the catalog releases it with the rest
  return ZV_S_OK;
}

std::vector<unsigned> zv_locale_catalog::MatchLocale(const Index& index, const char* key) const {
  std::vector<unsigned> lcids;
  const auto range = index.equal_range(key);
  for (auto it = range.first; it != range.second; ++it) lcids.push_back(it->second);
  std::sort(lcids.begin(), lcids.end());
  lcids.erase(std::unique(lcids.begin(), lcids.end()), lcids.end());
  return lcids;
}

zvStatus zv_locale_catalog::QueryMatchingLocales(const char* name, std::vector<unsigned>& lcids, bool create) {
  const NameParts parts = split_locale_name(or_empty(name));
  return QueryMatchingLocales(parts.language.c_str(), parts.country.c_str(), parts.encoding.c_str(),
                              parts.sortOrder.c_str(), lcids, create);
}

// Matching, from the widest part to the narrowest:
//  - language and country pick the base set B (their intersection when both
//    are given; {31000} when neither is) and the result R (empty when
//    neither is given);
//  - the sort order, then the encoding, narrow R;
//  - a part that no registered locale has is no match, except an unknown
//    encoding with create, which is ignored while R is not empty.
// When R ends empty and create is set, a custom locale is made from B's
// first locale, the first locale with the encoding and the first with the
// sort order (31000 standing in for a part not given).
zvStatus zv_locale_catalog::QueryMatchingLocales(const char* language, const char* country, const char* encoding,
                                                 const char* sortOrder, std::vector<unsigned>& lcids, bool create) {
  language = or_empty(language);
  country = or_empty(country);
  encoding = or_empty(encoding);
  sortOrder = or_empty(sortOrder);

  os_lock_guard lock(catalog_mutex());
  LoadLocales();

  std::vector<unsigned> base, result;
  if (*country != '\0') {
    result = MatchLocale(m_countries, country);
    if (result.empty()) return ZV_S_NOTHING_MATCHED;
  }
  if (*language != '\0') {
    std::vector<unsigned> byLanguage = MatchLocale(m_languages, language);
    if (byLanguage.empty()) return ZV_S_NOTHING_MATCHED;
    result = *country != '\0' ? intersect(byLanguage, result) : std::move(byLanguage);
    if (result.empty()) return ZV_S_NOTHING_MATCHED;
  }
  if (*language == '\0' && *country == '\0')
    base = {kNeutralLcid};
  else
    base = result;

  std::vector<unsigned> sorts{kNeutralLcid};
  if (*sortOrder != '\0') {
    sorts = MatchLocale(m_sortOrders, sortOrder);
    if (sorts.empty()) return ZV_S_NOTHING_MATCHED;
    if (!result.empty()) result = intersect(result, sorts);
  }

  std::vector<unsigned> encodings{kNeutralLcid};
  if (*encoding != '\0') {
    encodings = MatchLocale(m_encodings, encoding);
    if (encodings.empty() && !create) return ZV_S_NOTHING_MATCHED;
    if (!encodings.empty() && !result.empty()) result = intersect(result, encodings);
  }

  if (!result.empty()) {
    lcids = std::move(result);
    return ZV_S_OK;
  }
  if (!create) return ZV_S_NOTHING_MATCHED;

  // Room for the answer before the custom locale exists: nothing may fail
  // after it is registered.
  lcids.reserve(lcids.size() + 1);
  unsigned newLcid = 0;
  zvStatus status;
  if (!encodings.empty()) {
    status = RegisterCustomLocale(base[0], encodings[0], sorts[0], newLcid, nullptr, nullptr);
  } else {
    const char* tableName = encoding;
    const unsigned char* displayName = zv_codecvt::GetEncodingDisplayName(tableName);
    if (displayName == nullptr) return ZV_S_NOTHING_MATCHED;
    status = RegisterCustomLocale(base[0], 0, sorts[0], newLcid, displayName, tableName);
  }
  if (zvSucceeded(status)) lcids.push_back(newLcid);
  return status;
}

// A custom locale is a copy of base's record whose identification takes the
// sort order of sortSource and the encoding of encodingSource (or the names
// given when encodingSource is 0); its display name is rebuilt from the
// parts. The catalog owns the copies.
zvStatus zv_locale_catalog::RegisterCustomLocale(unsigned base, unsigned encodingSource, unsigned sortSource,
                                                 unsigned& newLcid, const unsigned char* encodingDisplayName,
                                                 const char* encodingName) {
  const zv_locale_storage* baseRecord = GetStorage(base);
  const zv_locale_storage* sortRecord = GetStorage(sortSource);
  if (baseRecord == nullptr || sortRecord == nullptr) return ZV_E_INVALID_DATA;
  if (encodingSource != 0) {
    const zv_locale_storage* encodingRecord = GetStorage(encodingSource);
    if (encodingRecord == nullptr) return ZV_E_INVALID_DATA;
    encodingDisplayName = encodingRecord->ident->encodingDisplayName;
    encodingName = encodingRecord->ident->encodingTechnicalName;
  } else if (encodingDisplayName == nullptr || encodingName == nullptr) {
    return ZV_E_INVALID_DATA;
  }
  // Custom LCIDs must stay unique: never wrap into the numbers of the module.
  if (m_nextCustomLcid == 0xFFFFFFFFu) return ZV_E_INVALID_DATA;

  auto ident = std::make_unique<zv_locale_ident_impl::StaticStorage>(*baseRecord->ident);
  ident->sortOrderDisplayName = sortRecord->ident->sortOrderDisplayName;
  ident->sortOrderTechnicalName = sortRecord->ident->sortOrderTechnicalName;
  ident->encodingDisplayName = encodingDisplayName;
  ident->encodingTechnicalName = encodingName;
  ident->localeDisplayName = nullptr;

  auto record = std::make_unique<zv_locale_storage>(*baseRecord);
  record->lcid = m_nextCustomLcid + 1;
  record->ident = ident.get();

  // Room first, then the registration, then moves that cannot fail: running
  // out of memory anywhere leaves the catalog and its next LCID unchanged.
  m_customIdents.reserve(m_customIdents.size() + 1);
  m_customRecords.reserve(m_customRecords.size() + 1);
  const zvStatus status = DoRegister(record.get());
  if (zvFailed(status)) return status;
  ++m_nextCustomLcid;
  newLcid = record->lcid;
  m_customIdents.push_back(std::move(ident));
  m_customRecords.push_back(std::move(record));
  return status;
}

const zv_locale_storage* zv_locale_catalog::GetStorage(unsigned lcid) const {
  os_lock_guard lock(catalog_mutex());
  LoadLocales();
  const auto it = m_records.find(lcid);
  return it == m_records.end() ? nullptr : it->second;
}

const zv_locale_ident* zv_locale_catalog::GetLocaleIdentification(unsigned lcid) const {
  os_lock_guard lock(catalog_mutex());
  LoadLocales();
  const auto it = m_idents.find(lcid);
  return it == m_idents.end() ? nullptr : it->second;
}

std::vector<unsigned> zv_locale_catalog::GetRegisteredLocales() const {
  os_lock_guard lock(catalog_mutex());
  LoadLocales();
  std::vector<unsigned> lcids;
  for (const auto& [lcid, record] : m_records) lcids.push_back(lcid);
  return lcids;
}

zv_locale zv_locale_catalog::GetLocaleInstance(unsigned lcid) {
  // Building or sharing an implementation changes reference counts that the
  // locale mutex guards; it is taken before the catalog mutex.
  os_lock_guard localeLock(zv_locale_mutex());
  os_lock_guard lock(catalog_mutex());
  LoadLocales();
  auto cached = m_instances.find(lcid);
  if (cached == m_instances.end()) {
    const auto record = m_records.find(lcid);
    if (record == m_records.end()) throw ZVException(ZV_E_INVALID_DATA, "bad lcid");
    zv_locale built(record->second);
    zv_locale::_Impl* impl = built._M_implementation();
    impl->_M_add_reference();  // the cache's own reference
    cached = m_instances.emplace(lcid, impl).first;
  }
  return zv_locale(cached->second);
}

void zv_locale_catalog::Trace(std::ostream& out) const {
  os_lock_guard lock(catalog_mutex());
  const std::pair<const char*, const Index*> sections[] = {
      {"***** Languages *****", &m_languages},
      {"**** Territories ****", &m_countries},
      {"***** Encoding ******", &m_encodings},
      {"***** Collation *****", &m_sortOrders},
  };
  for (const auto& [header, index] : sections) {
    out << header << '\n';
    for (const auto& [key, lcid] : *index) out << key << ',' << lcid << '\n';
  }
  if (m_refused.empty()) return;
  out << "****** Refused ******\n";
  for (const auto& [lcid, status] : m_refused) {
    char hex[16];
    std::snprintf(hex, sizeof hex, "0x%08X", static_cast<unsigned>(status));
    out << lcid << ',' << hex << '\n';
  }
}

// A name other than "C" and "POSIX": the best match the catalog finds,
// creating a custom locale when the name's parts allow one.
zv_locale::_Impl* zv_locale::_S_named_impl(const char* name) {
  if (name == nullptr) throw ZVException(ZV_E_INVALID_DATA);
  zv_locale_catalog* catalog = zv_locale_catalog::GetInstance();
  std::vector<unsigned> lcids;
  const zvStatus status = catalog->QueryMatchingLocales(name, lcids, true);
  if (zvFailed(status) || lcids.empty()) throw ZVException(ZV_E_INVALID_DATA);
  os_lock_guard lock(zv_locale_mutex());
  const zv_locale shared = catalog->GetLocaleInstance(lcids[0]);
  _Impl* impl = shared._M_implementation();
  impl->_M_add_reference();  // the caller's reference
  return impl;
}
