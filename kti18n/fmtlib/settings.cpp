#include "kti18n/fmtlib/settings.h"

#include <algorithm>
#include <iterator>

#include "kti18n/locale/ctime.h"
#include "kti18n/locale/ctype.h"
#include "kti18n/locale/numpunct.h"
#include "kti18n/locale/ucs2_literal.h"

namespace FmtLib {

namespace {

const unsigned short* const kBooleanFormat = u"T[bt]T[FS]T[bt]T[FS]T[bf]"_ucs2;
const unsigned short* const kAm = u"AM"_ucs2;
const unsigned short* const kPm = u"PM"_ucs2;

const zvPreferencesImp* checked_imp(const izv_ptr<zvPreferences>& prefs) {
  if (!prefs || prefs->GetImp() == nullptr) throw ZVException(ZV_E_INVALID_DATA);
  return prefs->GetImp();
}

}  // namespace

zvSettings::~zvSettings() = default;

zvSettingsImp::zvSettingsImp(const zv_locale& locale, const izv_ptr<zvPreferences>& prefs)
    : m_prefs(prefs),
      m_prefsImp(checked_imp(prefs)),
      m_locale(std::make_unique<zv_locale>(locale)),
      m_numpunct(&zv_use_facet<zv_numpunct>(*m_locale)),
      m_digits(m_numpunct->GetDigits(false)),
      m_ctime(&zv_use_facet<zv_ctime>(*m_locale)),
      m_ctype(&zv_use_facet<zv_ctype>(*m_locale)) {
  zvBuildGroupingTable(m_numpunct->grouping(), m_grouping);
}

zvSettingsImp::~zvSettingsImp() = default;

// Group sizes come nearest the decimal point first; a size of 0 (the end of
// the list) repeats the last size to the end of the table, and a size that
// passes the table (such as 0xFFFF) ends the grouping.
void zvBuildGroupingTable(const unsigned short* sizes, bool (&flags)[zvSettingsImp::kGroupingPositions]) {
  constexpr int kEnd = zvSettingsImp::kGroupingPositions;
  std::fill(std::begin(flags), std::end(flags), false);
  if (sizes == nullptr || sizes[0] == 0) return;
  int p = -1;
  for (const unsigned short* g = sizes; *g > 0; ++g) {
    p += *g;
    if (p >= kEnd) return;
    flags[p] = true;
    if (g[1] == 0) {
      for (p += *g; p < kEnd; p += *g) flags[p] = true;
      return;
    }
  }
}

const unsigned short* zvSettingsImp::GetDefaultFormat(int kind) const {
  if (kind >= FULL_DATE && kind <= INPUT_DATE_TIME) return m_ctime->GetFmtLibDefaultFormat(kind);
  if (kind >= STANDARD && kind <= SCIENTIFIC) return m_numpunct->GetFmtLibDefaultFormat(kind - STANDARD);
  if (kind == BOOLEAN) return kBooleanFormat;
  return nullptr;
}

const unsigned short* zvSettingsImp::AmPm(int i) const {
  const unsigned short* text = m_ctime->GetAmPm(i);
  if (text != nullptr && text[0] != 0) return text;
  return i == 0 ? kAm : kPm;
}

zvStatus CreateSettings(const zv_locale& locale, izv_ptr<zvPreferences>& prefs, izv_ptr<zvSettings>& out) {
  try {
    out = izv_ptr<zvSettings>::adopt(new zvSettingsImp(locale, prefs));
    return 0;
  } catch (...) {
    return ZV_E_FAIL;
  }
}

}  // namespace FmtLib
