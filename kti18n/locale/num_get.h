// zv_num_get: reads integers, Booleans and floating-point numbers from a
// range of a ucs2string, with the signs, digits, grouping and negative mode
// of the locale's zv_numpunct.
//
// Integers: white space (classic character classes), a leading sign (or
// "(" in mode 0), base-10 digits with the locale's thousands separators
// where they match its grouping, a trailing sign in modes 3 and 4 (or ")").
// A value that does not fit its type is stored clamped and then reported
// with ZVException 0x80041129. When no digit is read, the value is left
// alone and `first` is returned.
//
// Floating point: the whole range is read as a C-locale decimal number
// ("." as decimal point, no punctuation of the locale); `last` is returned.
//
// long and unsigned long hold 32-bit ranges by contract.
#ifndef KTI18N_LOCALE_NUM_GET_H
#define KTI18N_LOCALE_NUM_GET_H

#include "kti18n/locale/locale.h"
#include "kti18n/text/ucs2string.h"

class zv_numpunct;

class zv_num_get : public zv_locale::facet {
 public:
  static zv_locale::id id;
  using iter_type = const_ucs2string_iterator;

  // Bound to a private zv_numpunct with the built-in defaults.
  explicit zv_num_get(unsigned refs = 0);
  // Shares punct (a locale's own punctuation), holding one reference on it;
  // a null punct gives a private default one.
  zv_num_get(const zv_numpunct* punct, unsigned refs);
  ~zv_num_get() override;

  // first and last must be positions of one string with first <= last <=
  // its end; otherwise 0x80041123 (different strings, reversed) or
  // 0x80041128 (past the end) is thrown before anything is read.
  iter_type get(iter_type first, iter_type last, double& v) const { return do_get(first, last, v); }
  iter_type get(iter_type first, iter_type last, float& v) const { return do_get(first, last, v); }
  iter_type get(iter_type first, iter_type last, unsigned short& v) const { return do_get(first, last, v); }
  iter_type get(iter_type first, iter_type last, unsigned int& v) const { return do_get(first, last, v); }
  iter_type get(iter_type first, iter_type last, unsigned long& v) const { return do_get(first, last, v); }
  iter_type get(iter_type first, iter_type last, short& v) const { return do_get(first, last, v); }
  iter_type get(iter_type first, iter_type last, int& v) const { return do_get(first, last, v); }
  iter_type get(iter_type first, iter_type last, long& v) const { return do_get(first, last, v); }
  iter_type get(iter_type first, iter_type last, bool& v) const { return do_get(first, last, v); }

  const zv_numpunct& punctuation() const { return *m_punct; }

 protected:
  virtual iter_type do_get(iter_type first, iter_type last, double& v) const;
  virtual iter_type do_get(iter_type first, iter_type last, float& v) const;
  virtual iter_type do_get(iter_type first, iter_type last, unsigned short& v) const;
  virtual iter_type do_get(iter_type first, iter_type last, unsigned int& v) const;
  virtual iter_type do_get(iter_type first, iter_type last, unsigned long& v) const;
  virtual iter_type do_get(iter_type first, iter_type last, short& v) const;
  virtual iter_type do_get(iter_type first, iter_type last, int& v) const;
  virtual iter_type do_get(iter_type first, iter_type last, long& v) const;
  virtual iter_type do_get(iter_type first, iter_type last, bool& v) const;

 private:

  const zv_numpunct* m_punct;
};

#endif
