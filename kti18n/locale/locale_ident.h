// zv_locale_ident: the facet that says which locale a zv_locale is, as codes
// and as display names. Every locale built from locale data carries one; the
// classic locale has none.
#ifndef KTI18N_LOCALE_LOCALE_IDENT_H
#define KTI18N_LOCALE_LOCALE_IDENT_H

#include <string>

#include "kti18n/locale/locale.h"
#include "kti18n/text/ucs2string.h"

class zv_locale_ident : public zv_locale::facet {
 public:
  static zv_locale::id id;

  std::string locale_name() const { return do_locale_name(); }
  ucs2string locale_display_name(bool details = false) const { return do_locale_display_name(details); }
  const char* identification_code() const { return do_identification_code(); }
  ucs2string country_long_name() const { return widen_ucs2(do_country_long_name()); }
  ucs2string country_name() const { return widen_ucs2(do_country_name()); }
  const char* country_code_2() const { return do_country_code_2(); }
  const char* country_code_3() const { return do_country_code_3(); }
  ucs2string language_display_name() const { return widen_ucs2(do_language_display_name()); }
  const unsigned short* language_english_name() const { return do_language_english_name(); }
  const char* language_code_2() const { return do_language_code_2(); }
  const char* language_code_3() const { return do_language_code_3(); }
  ucs2string sort_order_display_name() const { return widen_utf8(do_sort_order_display_name()); }
  const char* sort_order_technical_name() const { return do_sort_order_technical_name(); }
  ucs2string encoding_display_name() const { return widen_utf8(do_encoding_display_name()); }
  const char* encoding_technical_name() const { return do_encoding_technical_name(); }

 protected:
  explicit zv_locale_ident(unsigned refs = 0) : zv_locale::facet(refs) {}
  ~zv_locale_ident() override;

  virtual std::string do_locale_name() const = 0;
  virtual ucs2string do_locale_display_name(bool details) const = 0;
  virtual const char* do_identification_code() const = 0;
  virtual const unsigned short* do_country_long_name() const = 0;
  virtual const unsigned short* do_country_name() const = 0;
  virtual const char* do_country_code_2() const = 0;
  virtual const char* do_country_code_3() const = 0;
  virtual const unsigned short* do_language_display_name() const = 0;
  virtual const unsigned short* do_language_english_name() const = 0;
  virtual const char* do_language_code_2() const = 0;
  virtual const char* do_language_code_3() const = 0;
  virtual const unsigned char* do_sort_order_display_name() const = 0;
  virtual const char* do_sort_order_technical_name() const = 0;
  virtual const unsigned char* do_encoding_display_name() const = 0;
  virtual const char* do_encoding_technical_name() const = 0;

 private:
  // A null text gives an empty string.
  static ucs2string widen_ucs2(const unsigned short* text) { return text ? ucs2string(text) : ucs2string(); }
  static ucs2string widen_utf8(const unsigned char* text) { return text ? ucs2string(text) : ucs2string(); }
};

class zv_locale_ident_impl : public zv_locale_ident {
 public:
  // The identification record: seven pointers to texts that must outlive
  // every facet built on the record (they are not copied).
  struct StaticStorage {
    const char* code;                            // country code, or identification code without a language
    const char* language;                        // ISO 639 two-letter code, or null
    const unsigned char* sortOrderDisplayName;   // UTF-8
    const char* sortOrderTechnicalName;
    const unsigned char* encodingDisplayName;    // UTF-8
    const char* encodingTechnicalName;           // an encoding name the converters know
    const unsigned short* localeDisplayName;     // UCS-2, or null to build it from the parts
  };

  // A null record stands for the built-in one (GetDefaultIdent()).
  explicit zv_locale_ident_impl(const StaticStorage* record, unsigned refs = 0);
  ~zv_locale_ident_impl() override;

  const StaticStorage& storage() const { return m_storage; }

 protected:
  std::string do_locale_name() const override;
  ucs2string do_locale_display_name(bool details) const override;
  const char* do_identification_code() const override;
  const unsigned short* do_country_long_name() const override;
  const unsigned short* do_country_name() const override;
  const char* do_country_code_2() const override;
  const char* do_country_code_3() const override;
  const unsigned short* do_language_display_name() const override;
  const unsigned short* do_language_english_name() const override;
  const char* do_language_code_2() const override;
  const char* do_language_code_3() const override;
  const unsigned char* do_sort_order_display_name() const override;
  const char* do_sort_order_technical_name() const override;
  const unsigned char* do_encoding_display_name() const override;
  const char* do_encoding_technical_name() const override;

 private:
  // A record "has a language" when its language code is neither null nor empty.
  bool has_language() const { return m_storage.language != nullptr && m_storage.language[0] != '\0'; }

  StaticStorage m_storage;
};

// The built-in identification record: "International", no language.
const zv_locale_ident_impl::StaticStorage* GetDefaultIdent();

#endif
