#include "kti18n/fmtlib/preferences.h"

#include <utility>

namespace FmtLib {

namespace {

// A copy of any preference, through its interface.
std::unique_ptr<zvPref> copy_of(const zvPref& pref) {
  ucs2string text;
  if (pref.GetValue(text)) return std::make_unique<zvPrefValue>(text);
  long value = 0;
  pref.GetValue(value);
  return std::make_unique<zvPrefValue>(value);
}

zvPreferencesImp::map_type copy_of(const zvPreferencesImp::map_type& prefs) {
  zvPreferencesImp::map_type copy;
  for (const auto& [key, pref] : prefs) copy.emplace(key, copy_of(*pref));
  return copy;
}

}  // namespace

zvPref::~zvPref() = default;
zvPrefValue::~zvPrefValue() = default;
zvPreferences::~zvPreferences() = default;

bool zvPrefValue::GetValue(ucs2string& out) const {
  if (!m_isString) return false;
  out = m_string;
  return true;
}

bool zvPrefValue::GetValue(long& out) const {
  if (m_isString) return false;
  out = m_long;
  return true;
}

zvPreferencesImp::zvPreferencesImp(const zvPreferencesImp& other)
    : zvPreferences(other),
      m_built(other.m_built),
      m_prefs(copy_of(other.m_prefs)),
      m_decimalPoint(other.m_decimalPoint),
      m_thousandsSep(other.m_thousandsSep),
      m_true(other.m_true),
      m_false(other.m_false),
      m_isDecimalPoint(other.m_isDecimalPoint),
      m_isThousandsSep(other.m_isThousandsSep),
      m_isTrue(other.m_isTrue),
      m_isFalse(other.m_isFalse) {}

zvPreferencesImp& zvPreferencesImp::operator=(const zvPreferencesImp& other) {
  if (this == &other) return *this;
  // Everything that can fail first, so that a failure leaves *this as it was.
  map_type prefs = copy_of(other.m_prefs);
  ucs2string decimalPoint = other.m_decimalPoint, thousandsSep = other.m_thousandsSep;
  ucs2string trueWord = other.m_true, falseWord = other.m_false;
  m_prefs.swap(prefs);
  m_decimalPoint = std::move(decimalPoint);
  m_thousandsSep = std::move(thousandsSep);
  m_true = std::move(trueWord);
  m_false = std::move(falseWord);
  m_built = other.m_built;
  m_isDecimalPoint = other.m_isDecimalPoint;
  m_isThousandsSep = other.m_isThousandsSep;
  m_isTrue = other.m_isTrue;
  m_isFalse = other.m_isFalse;
  return *this;
}

zvPreferencesImp::~zvPreferencesImp() = default;

bool zvPreferencesImp::add(const char* key, std::unique_ptr<zvPref> value) {
  if (m_built || key == nullptr) return false;
  return m_prefs.try_emplace(key, std::move(value)).second;
}

bool zvPreferencesImp::AddPreference(const char* key, long value) {
  return add(key, std::make_unique<zvPrefValue>(value));
}

bool zvPreferencesImp::AddPreference(const char* key, const ucs2string& value) {
  return add(key, std::make_unique<zvPrefValue>(value));
}

bool zvPreferencesImp::RemovePreference(const char* key) {
  if (m_built || key == nullptr) return false;
  return m_prefs.erase(key) != 0;
}

bool zvPreferencesImp::EndBuild() {
  if (m_built) return false;
  // Each value is resolved aside and committed by swaps that cannot fail:
  // running out of memory part-way leaves the object unbuilt and unchanged.
  struct Resolved {
    ucs2string text;
    bool found = false;
  };
  // A key with a meaning counts only when it holds a string.
  const auto resolve = [this](const char* key) {
    Resolved r;
    const auto it = m_prefs.find(key);
    if (it != m_prefs.end() && it->second->IsString() && it->second->GetValue(r.text)) r.found = true;
    return r;
  };
  Resolved decimal = resolve("decimal_point");
  Resolved thousands = resolve("thousands_sep");
  Resolved yes = resolve("true_word");
  Resolved no = resolve("false_word");
  const auto commit = [](Resolved& from, ucs2string& text, bool& flag) noexcept {
    text.swap(from.text);
    flag = from.found;
  };
  commit(decimal, m_decimalPoint, m_isDecimalPoint);
  commit(thousands, m_thousandsSep, m_isThousandsSep);
  commit(yes, m_true, m_isTrue);
  commit(no, m_false, m_isFalse);
  m_built = true;
  return false;
}

const zvPref& zvPreferencesImp::GetAt(const char* key, bool& found) const {
  static const zvPrefValue absent{ucs2string()};
  const auto it = key != nullptr ? m_prefs.find(key) : m_prefs.end();
  found = it != m_prefs.end();
  if (found) return *it->second;
  return absent;
}

zvStatus CreatePreferences(izv_ptr<zvPreferences>& out) {
  try {
    out = izv_ptr<zvPreferences>::adopt(new zvPreferencesImp);
    return 0;
  } catch (...) {
    return ZV_E_FAIL;
  }
}

zvStatus CreatePreferences(const zvPreferences& source, izv_ptr<zvPreferences>& out) {
  try {
    const zvPreferencesImp* from = source.GetImp();
    if (from == nullptr) return ZV_E_FAIL;
    auto copy = izv_ptr<zvPreferences>::adopt(new zvPreferencesImp);
    // Re-added in key order with the same kind and value; unbuilt.
    for (const auto& [key, pref] : from->Preferences()) {
      ucs2string text;
      long value = 0;
      if (pref->GetValue(text)) {
        copy->AddPreference(key.c_str(), text);
      } else {
        pref->GetValue(value);
        copy->AddPreference(key.c_str(), value);
      }
    }
    out = copy;
    return 0;
  } catch (...) {
    return ZV_E_FAIL;
  }
}

}  // namespace FmtLib
