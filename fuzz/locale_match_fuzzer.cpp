// Locale names matched in the catalog: the exact matching of names and of
// their four parts, the forgiving resolution of names people type (BCP 47
// tags, POSIX names, printed names), and locales made by name.
//
// The first byte chooses the entry point and whether custom locales may be
// made; the rest is the name (or four 0-separated parts).
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz_check.h"
#include "fuzz_input.h"
#include "kti18n/base/exception.h"
#include "kti18n/locale/locale.h"
#include "kti18n/locale/locale_catalog.h"

namespace {

constexpr unsigned kUntouched = 0xDEADu;

zv_locale_catalog& catalog() { return *zv_locale_catalog::GetInstance(); }

// Custom locales live as long as the catalog, and a long run cannot start
// it afresh: that unloads the locale-data module, whose coverage counters
// libFuzzer keeps. Every common key would match all of them and matching
// would slow to a crawl, so a run makes a few hundred: asking with create,
// or resolving a name with a codeset the locale does not use, or making a
// locale by a name that matches nothing as a whole (which makes one afresh
// each time when the name has neither language nor country).
unsigned g_highestLcid = 0;
unsigned g_madeByName = 0;

void note_lcids(const std::vector<unsigned>& lcids) {
  for (unsigned lcid : lcids)
    if (lcid != kUntouched) g_highestLcid = std::max(g_highestLcid, lcid);
}

bool may_make_locales() {
  return g_highestLcid < zv_locale_catalog::kLastReservedLcid + 300 && g_madeByName < 300;
}

// The name without its codeset, once no more locales may be made.
std::string bounded(std::string name) {
  if (may_make_locales()) return name;
  const auto dot = name.find('.');
  if (dot != std::string::npos) name.erase(dot, name.find('@', dot) - dot);
  return name;
}

// A successful match lists registered locales, ascending; no match leaves
// the list alone.
void check_matches(zvStatus status, const std::vector<unsigned>& lcids, bool create) {
  if (status == ZV_S_NOTHING_MATCHED) {
    FUZZ_CHECK(create ? lcids.empty() : lcids.size() == 1 && lcids[0] == kUntouched);
    return;
  }
  FUZZ_CHECK(zvSucceeded(status));
  FUZZ_CHECK(!lcids.empty() && lcids[0] != kUntouched);
  for (unsigned lcid : lcids) FUZZ_CHECK(catalog().GetStorage(lcid) != nullptr);
}

void check_resolve(const std::string& name) {
  unsigned lcid = kUntouched;
  const zvStatus status = catalog().ResolveLocaleName(name.c_str(), lcid);
  note_lcids({lcid});
  if (status != ZV_S_OK) {
    FUZZ_CHECK(status == ZV_S_NOTHING_MATCHED && lcid == kUntouched);
    return;
  }
  if (lcid == zv_locale_catalog::kClassicLcid) return;
  const zv_locale_ident* ident = catalog().GetLocaleIdentification(lcid);
  FUZZ_CHECK(ident != nullptr);
  // The locale's printed name leads back to a locale of that name.
  const std::string printed = ident->locale_name();
  unsigned again = kUntouched;
  FUZZ_CHECK(catalog().ResolveLocaleName(printed.c_str(), again) == ZV_S_OK);
  FUZZ_CHECK(catalog().GetLocaleIdentification(again)->locale_name() == printed);
  // And the locale can be built.
  const zv_locale locale = catalog().GetLocale(lcid);
  FUZZ_CHECK(zv_has_facet<zv_locale_ident>(locale));
}

void check_by_name_constructor(const std::string& name) {
  std::vector<unsigned> lcids;
  if (catalog().QueryMatchingLocales(name.c_str(), lcids, false) != ZV_S_OK) {
    if (!may_make_locales()) return;
    ++g_madeByName;
  }
  try {
    const zv_locale locale(name.c_str());
  } catch (const ZVException& e) {
    FUZZ_CHECK(e.code() == ZV_E_INVALID_DATA);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > 512) return 0;
  FuzzInput in(data, size);
  const unsigned mode = in.byte();
  // One input in four may make locales. A match replaces the list, a locale
  // made is appended to it.
  const bool create = (mode & 0x30) == 0x30 && may_make_locales();
  std::vector<unsigned> lcids;
  if (!create) lcids.push_back(kUntouched);
  switch (mode % 4) {
    case 0: {
      const std::string name = in.text();
      const zvStatus status = catalog().QueryMatchingLocales(name.c_str(), lcids, create);
      check_matches(status, lcids, create);
      break;
    }
    case 1: {
      const std::string language = in.text(), country = in.text(), encoding = in.text(), sort = in.text();
      const zvStatus status = catalog().QueryMatchingLocales(language.c_str(), country.c_str(), encoding.c_str(),
                                                             sort.c_str(), lcids, create);
      check_matches(status, lcids, create);
      break;
    }
    case 2: check_resolve(bounded(in.text())); break;
    default: check_by_name_constructor(in.text()); break;
  }
  note_lcids(lcids);
  return 0;
}
