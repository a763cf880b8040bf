// The character-class facet of a locale, in the manner of the standard
// library's ctype<wchar_t>, over UCS-2 code units; and whole-string case
// conversion through a locale.
#ifndef KTI18N_LOCALE_CTYPE_H
#define KTI18N_LOCALE_CTYPE_H

#include "kti18n/locale/ctype_impl.h"
#include "kti18n/locale/locale.h"
#include "kti18n/text/ucs2string.h"

// The facet's interface. Each public operation calls its protected virtual
// do_ operation. Range forms return the end of the range; scans return the
// position found (the end when none). A range whose first lies beyond its
// last is empty.
class zv_ctype_abc : public zv_locale::facet {
 public:
  unsigned short toupper(unsigned short c) const { return do_toupper(c); }
  const unsigned short* toupper(unsigned short* first, const unsigned short* last) const {
    return do_toupper(first, last);
  }
  unsigned short tolower(unsigned short c) const { return do_tolower(c); }
  const unsigned short* tolower(unsigned short* first, const unsigned short* last) const {
    return do_tolower(first, last);
  }
  unsigned short widen(char c) const { return do_widen(c); }
  const char* widen(const char* first, const char* last, unsigned short* out) const {
    return do_widen(first, last, out);
  }
  char narrow(unsigned short c, char dfault) const { return do_narrow(c, dfault); }
  const unsigned short* narrow(const unsigned short* first, const unsigned short* last, char dfault,
                               char* out) const {
    return do_narrow(first, last, dfault, out);
  }
  bool is(unsigned mask, unsigned short c) const { return do_is(mask, c); }
  const unsigned short* is(const unsigned short* first, const unsigned short* last, unsigned* masks) const {
    return do_is(first, last, masks);
  }
  const unsigned short* scan_is(unsigned mask, const unsigned short* first, const unsigned short* last) const {
    return do_scan_is(mask, first, last);
  }
  const unsigned short* scan_not(unsigned mask, const unsigned short* first, const unsigned short* last) const {
    return do_scan_not(mask, first, last);
  }

  ~zv_ctype_abc() override;

 protected:
  explicit zv_ctype_abc(unsigned refs = 0) : facet(refs) {}

  virtual const unsigned short* do_toupper(unsigned short* first, const unsigned short* last) const = 0;
  virtual unsigned short do_toupper(unsigned short c) const = 0;
  virtual const unsigned short* do_tolower(unsigned short* first, const unsigned short* last) const = 0;
  virtual unsigned short do_tolower(unsigned short c) const = 0;
  virtual const char* do_widen(const char* first, const char* last, unsigned short* out) const = 0;
  virtual unsigned short do_widen(char c) const = 0;
  virtual const unsigned short* do_narrow(const unsigned short* first, const unsigned short* last, char dfault,
                                          char* out) const = 0;
  virtual char do_narrow(unsigned short c, char dfault) const = 0;
  virtual const unsigned short* do_is(const unsigned short* first, const unsigned short* last,
                                      unsigned* masks) const = 0;
  virtual bool do_is(unsigned mask, unsigned short c) const = 0;
  virtual const unsigned short* do_scan_is(unsigned mask, const unsigned short* first,
                                           const unsigned short* last) const = 0;
  virtual const unsigned short* do_scan_not(unsigned mask, const unsigned short* first,
                                            const unsigned short* last) const = 0;
};

// The facet over character tables: the built-in Unicode 3.0 tables, or those
// of a locale-data record.
class zv_ctype : public zv_ctype_abc, public zv_ctype_impl {
 public:
  static zv_locale::id id;

  explicit zv_ctype(unsigned refs = 0) : zv_ctype(nullptr, refs) {}
  ~zv_ctype() override;

 protected:

  const unsigned short* do_toupper(unsigned short* first, const unsigned short* last) const override;
  unsigned short do_toupper(unsigned short c) const override { return ToUpper(c); }
  const unsigned short* do_tolower(unsigned short* first, const unsigned short* last) const override;
  unsigned short do_tolower(unsigned short c) const override { return ToLower(c); }
  // A byte becomes the code unit of the same value; there is no code page.
  const char* do_widen(const char* first, const char* last, unsigned short* out) const override;
  unsigned short do_widen(char c) const override { return static_cast<unsigned char>(c); }
  // Units below 255 become their low byte; 255 and above give dfault.
  const unsigned short* do_narrow(const unsigned short* first, const unsigned short* last, char dfault,
                                  char* out) const override;
  char do_narrow(unsigned short c, char dfault) const override {
    return c < 255 ? static_cast<char>(c) : dfault;
  }
  // Stores GetPropertyMask of each unit.
  const unsigned short* do_is(const unsigned short* first, const unsigned short* last,
                              unsigned* masks) const override;
  // True when every bit of mask is set for c.
  bool do_is(unsigned mask, unsigned short c) const override { return (GetPropertyMask(c) & mask) == mask; }
  // The first unit sharing a bit with mask.
  const unsigned short* do_scan_is(unsigned mask, const unsigned short* first,
                                   const unsigned short* last) const override;
  // The first unit sharing no bit with mask.
  const unsigned short* do_scan_not(unsigned mask, const unsigned short* first,
                                    const unsigned short* last) const override;

 private:
  friend class zv_locale;
  friend class zv_locale_catalog;
  // For locales built from locale data; a null record gives kCtype_i18n.
  zv_ctype(const zv_ctype_impl::StaticStorage* storage, unsigned refs)
      : zv_ctype_abc(refs), zv_ctype_impl(storage) {}
};

// Character classes by name are not supported: construction always throws
// ZVException 0x80041130.
class zv_ctype_byname : public zv_ctype {
 public:
  explicit zv_ctype_byname(const char* name, unsigned refs = 0);
  ~zv_ctype_byname() override;
};

// out becomes in with every unit mapped by the zv_ctype facet of loc
// (do_toupper / do_tolower). out may be in itself. Throws 0x8004112B when
// loc has no zv_ctype.
void zv_toupper(ucs2string& out, const ucs2string& in, const zv_locale& loc);
void zv_tolower(ucs2string& out, const ucs2string& in, const zv_locale& loc);

#endif
