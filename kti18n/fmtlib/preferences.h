// Preferences: a caller's keyed overrides of locale conventions, built once
// (add, remove, EndBuild) and then read-only. Settings (settings.h) bind
// them to a locale for the formats and scanners.
//
// Keys with a meaning, resolved by EndBuild when they hold a string:
// "decimal_point", "thousands_sep" (the first character is used),
// "true_word", "false_word". Other keys are kept and returned by GetAt.
// Long values are 32-bit by contract.
#ifndef KTI18N_FMTLIB_PREFERENCES_H
#define KTI18N_FMTLIB_PREFERENCES_H

#include <cstdint>
#include <map>
#include <memory>
#include <string>

#include "kti18n/base/shared_object.h"
#include "kti18n/base/status.h"
#include "kti18n/fmtlib/izv_ptr.h"
#include "kti18n/text/ucs2string.h"

namespace FmtLib {

// One preference value: a string or a long.
class zvPref {
 public:
  virtual bool IsString() const = 0;
  // Copies the value out and returns true when it is a string; else false.
  virtual bool GetValue(ucs2string& out) const = 0;
  // Copies the value out and returns true when it is a long; else false.
  virtual bool GetValue(long& out) const = 0;
  virtual ~zvPref();
};

class zvPrefValue : public zvPref {
 public:
  explicit zvPrefValue(long value) : m_isString(false), m_long(static_cast<std::int32_t>(value)) {}
  explicit zvPrefValue(const ucs2string& value) : m_isString(true), m_string(value) {}
  ~zvPrefValue() override;

  bool IsString() const override { return m_isString; }
  bool GetValue(ucs2string& out) const override;
  bool GetValue(long& out) const override;

 private:
  bool m_isString;
  ucs2string m_string;       // empty for a long
  std::int32_t m_long = 0;   // meaningful for a long
};

class zvPreferencesImp;

class zvPreferences : public izvSharedObject {
 public:
  ~zvPreferences() override;
  // False after EndBuild, for a null key, or when the key is present (an
  // existing preference is never replaced).
  virtual bool AddPreference(const char* key, long value) = 0;
  virtual bool AddPreference(const char* key, const ucs2string& value) = 0;
  // False after EndBuild or when the key is absent.
  virtual bool RemovePreference(const char* key) = 0;
  // Resolves the keys with a meaning and ends the building. Always false
  // (the result carries no information).
  virtual bool EndBuild() = 0;
  // The preference under key, with found set; for an absent key found is
  // false and the result is a shared empty string preference.
  virtual const zvPref& GetAt(const char* key, bool& found) const = 0;
  virtual const zvPreferencesImp* GetImp() const = 0;

 protected:
  zvPreferences() : izvSharedObject(1) {}
  zvPreferences(const zvPreferences&) : izvSharedObject(1) {}
  zvPreferences& operator=(const zvPreferences&) { return *this; }
};

class zvPreferencesImp : public zvPreferences {
 public:
  // Keys compare byte by byte as unsigned characters (std::string's order).
  using map_type = std::map<std::string, std::unique_ptr<zvPref>>;

  zvPreferencesImp() = default;
  // An equal, independent copy (the count of the copy starts at 1).
  zvPreferencesImp(const zvPreferencesImp& other);
  zvPreferencesImp& operator=(const zvPreferencesImp& other);
  ~zvPreferencesImp() override;

  bool AddPreference(const char* key, long value) override;
  bool AddPreference(const char* key, const ucs2string& value) override;
  bool RemovePreference(const char* key) override;
  bool EndBuild() override;
  const zvPref& GetAt(const char* key, bool& found) const override;
  const zvPreferencesImp* GetImp() const override { return this; }

  bool IsBuilt() const { return m_built; }
  const map_type& Preferences() const { return m_prefs; }

  // The resolved overrides: the first unit of the string, or 0 when the
  // preference was not given (also for a string given empty).
  unsigned short decimal_point() const { return m_isDecimalPoint ? m_decimalPoint.c_str()[0] : 0; }
  unsigned short thousands_sep() const { return m_isThousandsSep ? m_thousandsSep.c_str()[0] : 0; }
  // The words, or null when not given.
  const unsigned short* true_string() const { return m_isTrue ? m_true.c_str() : nullptr; }
  const unsigned short* false_string() const { return m_isFalse ? m_false.c_str() : nullptr; }
  bool IsDecimalPoint() const { return m_isDecimalPoint; }
  bool IsThousandsSep() const { return m_isThousandsSep; }
  bool IsTrue() const { return m_isTrue; }
  bool IsFalse() const { return m_isFalse; }

 private:
  bool add(const char* key, std::unique_ptr<zvPref> value);

  bool m_built = false;
  map_type m_prefs;
  ucs2string m_decimalPoint, m_thousandsSep, m_true, m_false;
  bool m_isDecimalPoint = false, m_isThousandsSep = false, m_isTrue = false, m_isFalse = false;
};

// A new, empty, unbuilt preferences object into out. 0, or 0x80004005 if
// anything fails (out is then left as it was).
zvStatus CreatePreferences(izv_ptr<zvPreferences>& out);
// A new unbuilt object holding a copy of each of source's preferences; the
// copy needs its own EndBuild. Results as above.
zvStatus CreatePreferences(const zvPreferences& source, izv_ptr<zvPreferences>& out);

}  // namespace FmtLib

#endif
