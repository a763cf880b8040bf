// zv_locale_catalog: the process-wide registry of named locales.
//
// The locale data lives in the locale-data module (libkti18nloc), a shared
// library that the catalog loads on first need from the folder that holds
// libkti18n; while it loads, the module registers each of its records
// through Register on the loading thread. The catalog indexes the records by
// LCID and by their language, country, encoding and sort-order codes,
// matches names against them, builds the shared implementation of each LCID
// once and caches it, and can make custom locales that combine one locale's
// data with another's encoding and sort order.
//
// Locking: one recursive catalog mutex guards the singleton and every map.
// Operations that may create or release locale implementations take the
// locale mutex first, so the order is always locale mutex, then catalog
// mutex.
//
// Lifetime: records belong to whoever registered them and must outlive the
// catalog. Callers release every locale obtained through the catalog before
// they call ClearInstance, which frees the module.
#ifndef KTI18N_LOCALE_LOCALE_CATALOG_H
#define KTI18N_LOCALE_LOCALE_CATALOG_H

#include <iosfwd>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "kti18n/base/status.h"
#include "kti18n/locale/locale.h"
#include "kti18n/locale/locale_ident.h"
#include "kti18n/locale/locale_storage.h"

class zv_locale_catalog {
 public:
  // LCID of the locale without language and country: the base of matching
  // when a name gives neither, and the default source of sort order and
  // encoding of custom locales.
  static constexpr unsigned kNeutralLcid = 31000;
  // Custom locales take the LCIDs after this one.
  static constexpr unsigned kLastReservedLcid = 32000;

  // The singleton, created on first call.
  static zv_locale_catalog* GetInstance();
  // Destroys the singleton and frees the module; the next GetInstance starts
  // empty. Throws 0x80004005 "Could not unload dynamic library" when the
  // module cannot be freed.
  static void ClearInstance();

  // Indexes a record: 0x41100, or 0x80041123 for a null or duplicate one.
  // A refused record is remembered with its status and shown by Trace.
  // Running out of memory throws and leaves the catalog as it was.
  zvStatus Register(const zv_locale_storage* record);

  // Matches "language_COUNTRY.encoding@sortorder" (every part optional).
  // 0x41100 replaces lcids with the matches, best first; 0x41121 leaves
  // them unchanged. With create, a name that no registered locale matches
  // as a whole but whose parts are known gets a custom locale.
  zvStatus QueryMatchingLocales(const char* name, std::vector<unsigned>& lcids, bool create);
  zvStatus QueryMatchingLocales(const char* language, const char* country, const char* encoding,
                                const char* sortOrder, std::vector<unsigned>& lcids, bool create);

  // Resolves a locale name as people and hosts write it: a BCP 47 tag in
  // any letter case ("de-DE", "sr-Latn-RS", "zh-Hant-TW"), a POSIX name as
  // `locale -a` and LANG give it ("de_DE.utf8", "de_DE@euro", "C.UTF-8",
  // "POSIX"), or a name this catalog prints ("fr_CA.CP1252@fr_CA",
  // "i18n.CP1252@i18n"). Unlike QueryMatchingLocales, which keeps its exact
  // rules, the codes are compared without regard to case, a country the
  // language is not registered for falls back to the language alone, a
  // script subtag prefers the locales written in that script, and the
  // codeset goes through the encoding aliases (a codeset the locale does
  // not use gives a custom locale with it). 0x41100 stores the best match in
  // lcid (kClassicLcid for "C" and "POSIX"); 0x41121 leaves lcid unchanged.
  static constexpr unsigned kClassicLcid = 0;
  zvStatus ResolveLocaleName(const char* name, unsigned& lcid);
  // The locale of lcid (the classic locale for kClassicLcid). Throws
  // 0x80041123 "bad lcid" for an unregistered LCID.
  zv_locale GetLocale(unsigned lcid);

  // The record registered under lcid, or null.
  const zv_locale_storage* GetStorage(unsigned lcid) const;
  // The identification facet made at registration, or null. It lives as
  // long as the catalog.
  const zv_locale_ident* GetLocaleIdentification(unsigned lcid) const;
  // Every registered LCID, ascending.
  std::vector<unsigned> GetRegisteredLocales() const;

  // Dumps the four indexes, one "key,lcid" line per entry, then (only when
  // there were any) the refused registrations, one "lcid,0xSTATUS" line each.
  void Trace(std::ostream& out) const;

  zv_locale_catalog(const zv_locale_catalog&) = delete;
  zv_locale_catalog& operator=(const zv_locale_catalog&) = delete;

 protected:
  friend class zv_locale;
  friend struct zv_locale_catalog_test_access;
  // The shared implementation of lcid, built on first request and cached
  // for the catalog's lifetime. Throws 0x80041123 "bad lcid" for an
  // unregistered LCID.
  zv_locale GetLocaleInstance(unsigned lcid);

 private:
  struct ImplHolder;
  using Index = std::multimap<std::string, unsigned>;  // byte-wise order, equal keys in insertion order

  zv_locale_catalog();
  ~zv_locale_catalog();

  zvStatus DoRegister(const zv_locale_storage* record);
  zvStatus RegisterCustomLocale(unsigned base, unsigned encodingSource, unsigned sortSource, unsigned& newLcid,
                                const unsigned char* encodingDisplayName, const char* encodingName);
  std::vector<unsigned> MatchLocale(const Index& index, const char* key) const;
  // Loads the module when it is not loaded yet; throws 0x80004005.
  void LoadLocales() const;
  // Frees the module; false when the host's loader refuses.
  bool UnloadLocales();

  unsigned m_nextCustomLcid = kLastReservedLcid;
  std::vector<std::unique_ptr<zv_locale_storage>> m_customRecords;
  std::vector<std::unique_ptr<zv_locale_ident_impl::StaticStorage>> m_customIdents;
  std::map<unsigned, const zv_locale_storage*> m_records;
  std::map<unsigned, zv_locale_ident_impl*> m_idents;  // created with refs 1, released by the catalog
  std::map<unsigned, zv_locale::_Impl*> m_instances;   // one reference each
  Index m_languages;
  Index m_countries;
  Index m_encodings;
  Index m_sortOrders;
  std::vector<std::pair<unsigned, zvStatus>> m_refused;  // LCID (0 for a null record) and status
  mutable void* m_module = nullptr;

  static zv_locale_catalog* s_Singleton;
};

#endif
