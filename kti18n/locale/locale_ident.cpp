#include "kti18n/locale/locale_ident.h"

#include "kti18n/locale/languages.h"

zv_locale::id zv_locale_ident::id;

zv_locale_ident::~zv_locale_ident() = default;

namespace {

const unsigned short kEmptyUcs2[] = {0};
// "language neutral"
const unsigned short kLanguageNeutral[] = {'l', 'a', 'n', 'g', 'u', 'a', 'g', 'e', ' ',
                                           'n', 'e', 'u', 't', 'r', 'a', 'l', 0};

const char* or_empty(const char* s) { return s ? s : ""; }

}  // namespace

zv_locale_ident_impl::zv_locale_ident_impl(const StaticStorage* record, unsigned refs)
    : zv_locale_ident(refs), m_storage(record ? *record : *GetDefaultIdent()) {}

zv_locale_ident_impl::~zv_locale_ident_impl() = default;

// Names: "fr_FR.CP1252@sort" with a language, "code.CP1252@sort" without.
std::string zv_locale_ident_impl::do_locale_name() const {
  std::string name;
  if (has_language()) {
    name += m_storage.language;
    name += '_';
  }
  name += or_empty(m_storage.code);
  name += '.';
  name += or_empty(m_storage.encodingTechnicalName);
  name += '@';
  name += or_empty(m_storage.sortOrderTechnicalName);
  return name;
}

// "français (French Republic)", optionally followed by ".encoding@sort order"
// in display names. A record that names itself is shown as it stands.
ucs2string zv_locale_ident_impl::do_locale_display_name(bool details) const {
  if (m_storage.localeDisplayName != nullptr) return ucs2string(m_storage.localeDisplayName);
  if (m_storage.code == nullptr) return ucs2string();
  ucs2string text;
  if (has_language()) {
    if (const unsigned short* language = do_language_display_name()) text.append(language);
    text.append(" (");
    if (const unsigned short* country = do_country_long_name()) text.append(country);
    text.append(")");
  } else {
    text.append(m_storage.code);  // identification codes are ASCII
  }
  if (details) {
    text.append(".");
    text.append(encoding_display_name());
    text.append("@");
    text.append(sort_order_display_name());
  }
  return text;
}

const char* zv_locale_ident_impl::do_identification_code() const {
  return has_language() ? "" : or_empty(m_storage.code);
}

const char* zv_locale_ident_impl::do_country_code_2() const {
  return has_language() ? or_empty(m_storage.code) : "";
}

const char* zv_locale_ident_impl::do_country_code_3() const {
  if (!has_language()) return "";
  const auto* row = zv_countries::LookUpByTwoLetters(m_storage.code);
  return row == zv_countries::end() ? nullptr : row->GetIsoCode3();
}

const unsigned short* zv_locale_ident_impl::do_country_name() const {
  if (!has_language()) return kEmptyUcs2;
  const auto* row = zv_countries::LookUpByTwoLetters(m_storage.code);
  return row == zv_countries::end() ? nullptr : row->GetShortName();
}

const unsigned short* zv_locale_ident_impl::do_country_long_name() const {
  if (!has_language()) return kEmptyUcs2;
  const auto* row = zv_countries::LookUpByTwoLetters(m_storage.code);
  if (row == zv_countries::end()) return nullptr;
  return row->GetLongName() ? row->GetLongName() : row->GetShortName();
}

const char* zv_locale_ident_impl::do_language_code_2() const {
  return has_language() ? m_storage.language : "";
}

const char* zv_locale_ident_impl::do_language_code_3() const {
  if (!has_language()) return "";
  const auto* row = zv_languages::LookUpByTwoLetters(m_storage.language);
  return row == zv_languages::end() ? nullptr : row->GetIsoCode3();
}

const unsigned short* zv_locale_ident_impl::do_language_english_name() const {
  if (!has_language()) return kLanguageNeutral;
  const auto* row = zv_languages::LookUpByTwoLetters(m_storage.language);
  return row == zv_languages::end() ? nullptr : row->GetEnglishName();
}

const unsigned short* zv_locale_ident_impl::do_language_display_name() const {
  if (!has_language()) return kLanguageNeutral;
  const auto* row = zv_languages::LookUpByTwoLetters(m_storage.language);
  return row == zv_languages::end() ? nullptr : row->GetDisplayName();
}

const unsigned char* zv_locale_ident_impl::do_sort_order_display_name() const {
  return m_storage.sortOrderDisplayName;
}

const char* zv_locale_ident_impl::do_sort_order_technical_name() const { return m_storage.sortOrderTechnicalName; }

const unsigned char* zv_locale_ident_impl::do_encoding_display_name() const { return m_storage.encodingDisplayName; }

const char* zv_locale_ident_impl::do_encoding_technical_name() const { return m_storage.encodingTechnicalName; }
