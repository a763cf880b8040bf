// zv_num_put: writes numbers as locale text into a ucs2string_formatter,
// with the sign characters, digits, decimal point and negative mode of the
// locale's zv_numpunct. convert() is the digit engine that the formatting
// library's number formats also call directly.
#ifndef KTI18N_LOCALE_NUM_PUT_H
#define KTI18N_LOCALE_NUM_PUT_H

#include <cstdint>

#include "kti18n/locale/locale.h"
#include "kti18n/text/formatter.h"

class zv_numpunct;

class zv_num_put : public zv_locale::facet {
 public:
  static zv_locale::id id;

  // Bound to a private zv_numpunct with the built-in defaults.
  explicit zv_num_put(unsigned refs = 0);
  // Shares punct (a locale's own punctuation), holding one reference on it;
  // a null punct gives a private default one.
  zv_num_put(const zv_numpunct* punct, unsigned refs);
  ~zv_num_put() override;

  // The fill argument is not used. long and unsigned long values are
  // written whole (64-bit on this host).
  ucs2string_formatter& put(ucs2string_formatter& out, unsigned short fill, double value) const {
    return do_put(out, fill, value);
  }
  ucs2string_formatter& put(ucs2string_formatter& out, unsigned short fill, unsigned long value) const {
    return do_put(out, fill, value);
  }
  ucs2string_formatter& put(ucs2string_formatter& out, unsigned short fill, long value) const {
    return do_put(out, fill, value);
  }
  ucs2string_formatter& put(ucs2string_formatter& out, unsigned short fill, bool value) const {
    return do_put(out, fill, value);
  }

  // The digit engine (digit_engine.h) with this locale's digits: clears and
  // fills the three digit strings and the three flags; true for a finite
  // value, false for NaN and the infinities (whose text is then in
  // fractionDigits). `reserved` has no effect. Throws 0x80041124 for a
  // floating-point class it does not know.
  bool convert(double value, int maxFraction, int minFraction, int maxInteger, int exponentStep,
               int minExponentDigits, bool scientific, bool reserved, ucs2string_formatter& integerDigits,
               ucs2string_formatter& fractionDigits, ucs2string_formatter& exponentDigits, bool& negative,
               bool& hasExponent, bool& negativeExponent) const;

  const zv_numpunct& punctuation() const { return *m_punct; }

  // Writes a number: the digits that write_digits() appends, decorated for
  // a negative number as the negative mode says. Modes other than 0 to 4
  // (a locale-data record can hold any 32-bit value) are written like
  // mode 1, so a number never loses its sign. Every signed number of the
  // facet and of the number formats' plain form goes through here.
  template <typename WriteDigits>
  static void put_signed(ucs2string_formatter& out, int mode, unsigned short sign, bool negative,
                         WriteDigits&& write_digits) {
    if (!negative) {
      write_digits();
      return;
    }
    if (mode == 0) {
      out.append(u'(');
    } else if (mode == 2) {
      out.append(sign);
      out.append(u' ');
    } else if (mode != 3 && mode != 4) {
      out.append(sign);
    }
    write_digits();
    if (mode == 0) out.append(u')');
    if (mode == 4) out.append(u' ');
    if (mode == 3 || mode == 4) out.append(sign);
  }

 protected:
  virtual ucs2string_formatter& do_put(ucs2string_formatter& out, unsigned short fill, double value) const;
  virtual ucs2string_formatter& do_put(ucs2string_formatter& out, unsigned short fill, unsigned long value) const;
  virtual ucs2string_formatter& do_put(ucs2string_formatter& out, unsigned short fill, long value) const;
  virtual ucs2string_formatter& do_put(ucs2string_formatter& out, unsigned short fill, bool value) const;

 private:

  void put_magnitude(ucs2string_formatter& out, std::uint64_t magnitude) const;

  const zv_numpunct* m_punct;
};

#endif
