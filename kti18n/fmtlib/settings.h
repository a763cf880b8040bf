// Settings: preferences bound to a locale. Everything the formats and
// scanners need from the locale is gathered once: the numeric punctuation,
// the calendar names and the character classes (used through an owned copy
// of the locale, which keeps them alive), the locale's digits, and a table
// of the digit positions after which a grouping separator is written.
// Settings are immutable and shared through izv_ptr by the formats and
// scanners made from them; they keep their preferences alive.
#ifndef KTI18N_FMTLIB_SETTINGS_H
#define KTI18N_FMTLIB_SETTINGS_H

#include <memory>

#include "kti18n/base/shared_object.h"
#include "kti18n/base/status.h"
#include "kti18n/fmtlib/izv_ptr.h"
#include "kti18n/fmtlib/preferences.h"
#include "kti18n/locale/locale.h"

class zv_numpunct;
class zv_ctime;
class zv_ctype;

namespace FmtLib {

// The kinds of default formats. The date kinds are the default-format
// tokens 300 to 314 less 300; 21 is the currency format, which has no
// keyword.
enum fmtLibDefaultFormats : int {
  FULL_DATE = 0,
  LONG_DATE = 1,
  DATE = 2,
  SHORT_DATE = 3,
  FULL_TIME = 4,
  LONG_TIME = 5,
  TIME = 6,
  SHORT_TIME = 7,
  FULL_DATE_TIME = 8,
  LONG_DATE_TIME = 9,
  DATE_TIME = 10,
  SHORT_DATE_TIME = 11,
  INPUT_DATE = 12,
  INPUT_TIME = 13,
  INPUT_DATE_TIME = 14,
  STANDARD = 20,
  CURRENCY = 21,
  PERCENT = 22,
  SCIENTIFIC = 23,
  BOOLEAN = 24,
};

class zvSettingsImp;

class zvSettings : public izvSharedObject {
 public:
  ~zvSettings() override;
  // The serial-dialect text of a default format, or null for a kind
  // without one.
  virtual const unsigned short* GetDefaultFormat(int kind) const = 0;
  virtual zvSettingsImp* GetImp() = 0;
  const zvSettingsImp* GetImp() const { return const_cast<zvSettings*>(this)->GetImp(); }

 protected:
  zvSettings() : izvSharedObject(1) {}
};

class zvSettingsImp : public zvSettings {
 public:
  static constexpr int kGroupingPositions = 256;

  // Throws when prefs is null (0x80041123) or the locale lacks zv_numpunct,
  // zv_ctime or zv_ctype (0x8004112B).
  zvSettingsImp(const zv_locale& locale, const izv_ptr<zvPreferences>& prefs);
  ~zvSettingsImp() override;
  zvSettingsImp(const zvSettingsImp&) = delete;
  zvSettingsImp& operator=(const zvSettingsImp&) = delete;

  const unsigned short* GetDefaultFormat(int kind) const override;
  zvSettingsImp* GetImp() override { return this; }

  const zvPreferencesImp* GetPreferences() const { return m_prefsImp; }
  const zv_locale& GetLocale() const { return *m_locale; }
  const zv_numpunct& GetNumpunct() const { return *m_numpunct; }
  const zv_ctime& GetCtime() const { return *m_ctime; }
  const zv_ctype& GetCtype() const { return *m_ctype; }
  // The locale's ten digits, zero first: digit d is written as entry d.
  const unsigned short* GetDigits() const { return m_digits; }
  // Whether a grouping separator is written between the digit at position
  // p and the one at p + 1 (positions from the units digit, 0-based), when
  // the latter is written. False outside 0..255.
  bool IsGroupingPosition(int p) const { return p >= 0 && p < kGroupingPositions && m_grouping[p]; }
  // The locale's am (0) or pm (1) string, or "AM" / "PM" when the locale's
  // is absent or empty. Throws 0x80041128 for any other index.
  const unsigned short* AmPm(int i) const;

 private:
  izv_ptr<zvPreferences> m_prefs;
  const zvPreferencesImp* m_prefsImp;
  std::unique_ptr<zv_locale> m_locale;
  const zv_numpunct* m_numpunct;
  bool m_grouping[kGroupingPositions] = {};
  const unsigned short* m_digits;
  const zv_ctime* m_ctime;
  const zv_ctype* m_ctype;
};

// Fills the 256 grouping flags from a 0-terminated list of group sizes
// (as zv_numpunct::grouping gives it): flag p set means a separator between
// the digits at positions p and p + 1. Sizes {3} set 2, 5, 8, ... 254;
// {3, 2} set 2, 4, 6, ...; {3, 0xFFFF} set 2 alone; null or {} set none.
void zvBuildGroupingTable(const unsigned short* sizes, bool (&flags)[zvSettingsImp::kGroupingPositions]);

// New settings bound to a copy of locale and to prefs (which should be
// built) into out. 0, or 0x80004005 if anything fails, in particular when
// the locale lacks one of the three facets or prefs is null; out is then
// left as it was.
zvStatus CreateSettings(const zv_locale& locale, izv_ptr<zvPreferences>& prefs, izv_ptr<zvSettings>& out);

}  // namespace FmtLib

#endif
