// Numeric punctuation: the number conventions of a locale (decimal point,
// thousands separator, grouping, signs, digits, exponent letters, negative
// mode, the formatting library's default number patterns, Boolean words).
//
// zv_numeric_punctuation holds the data; zv_numpunct adds the Boolean names
// used by number input and output and is the class installed in every locale.
#ifndef KTI18N_LOCALE_NUMPUNCT_H
#define KTI18N_LOCALE_NUMPUNCT_H

#include <cstdint>

#include "kti18n/locale/locale.h"
#include "kti18n/text/ucs2string.h"

class zv_numeric_punctuation : public zv_locale::facet {
 public:
  // How a negative number is shown; the number facets and the formatting
  // library write and read these forms. Records may hold other values, which
  // this facet stores and returns unchanged.
  enum eNegativeMode : std::int32_t {
    kNegativeParentheses = 0,   // "(" digits ")"
    kNegativeSignFirst = 1,     // sign, digits
    kNegativeSignSpaceFirst = 2,  // sign, space, digits
    kNegativeSignLast = 3,      // digits, sign
    kNegativeSpaceSignLast = 4,  // digits, space, sign
  };

  // The character table: positive sign, negative sign, sixteen lower-case
  // digits, sixteen upper-case digits, lower- and upper-case exponent letter.
  static constexpr unsigned kCharacterCount = 36;
  static constexpr unsigned kPatternCount = 4;  // number, currency, percentage, scientific

  // The numeric record of locale data, five words in this order. Tables are
  // not copied: a record and what it points to are static data that outlive
  // every facet built on them. A null pointer stands for the default.
  struct StaticStorage {
    std::int32_t negativeMode;
    std::uint32_t separators;                       // decimal point (low 16 bits), thousands separator (high 16)
    const unsigned short* grouping;                 // null-terminated group sizes
    const unsigned short* characters;               // kCharacterCount units, not terminated
    const unsigned short* const* defaultPatterns;   // kPatternCount patterns
  };

  // The built-in defaults (the classic locale's punctuation).
  static const unsigned short kDefaultCharacters[kCharacterCount];
  static const unsigned short* const kDefaultPatterns[kPatternCount];

  explicit zv_numeric_punctuation(unsigned refs = 0);
  // Every field from the record; a null record gives the defaults.
  zv_numeric_punctuation(const StaticStorage* record, unsigned refs);
  ~zv_numeric_punctuation() override;

  unsigned short decimal_point() const { return do_decimal_point(); }
  unsigned short thousands_sep() const { return do_thousands_sep(); }
  const unsigned short* grouping() const { return do_grouping(); }
  void grouping(ucs2string& out) const { do_grouping(out); }
  eNegativeMode mode() const { return do_mode(); }
  unsigned short negative_sign() const { return do_negative_sign(); }
  unsigned short positive_sign() const { return do_positive_sign(); }
  unsigned short exponent_sign() const { return do_exponent_sign(); }
  const unsigned short* true_string() const { return do_true_string(); }
  const unsigned short* false_string() const { return do_false_string(); }

  // Default pattern i: 0 number, 1 currency, 2 percentage, 3 scientific.
  // Throws 0x80041128 for any other index.
  const unsigned short* GetFmtLibDefaultFormat(int i) const;

  // Helpers for the number facets and the formatting library, reading the
  // stored data directly.
  const unsigned short* GetDigits(bool upper) const { return m_characters + (upper ? 18 : 2); }
  unsigned short GetPositiveSign() const { return m_characters[0]; }
  unsigned short GetNegativeSign() const { return m_characters[1]; }
  unsigned short GetExponent(bool upper) const { return m_characters[upper ? 35 : 34]; }
  eNegativeMode GetMode() const { return m_mode; }

 protected:
  virtual unsigned short do_decimal_point() const;
  virtual unsigned short do_thousands_sep() const;
  virtual void do_grouping(ucs2string& out) const;
  virtual const unsigned short* do_grouping() const;
  virtual eNegativeMode do_mode() const;
  virtual unsigned short do_negative_sign() const;
  virtual unsigned short do_positive_sign() const;
  // The lower-case exponent letter.
  virtual unsigned short do_exponent_sign() const;
  // Always "true" and "false", whatever a derived facet's Boolean names are.
  virtual const unsigned short* do_true_string() const;
  virtual const unsigned short* do_false_string() const;

  // For derived facets: replaces the separators and grouping and copies
  // kCharacterCount units from table (a null table keeps the current one).
  void init(unsigned short decimalPoint, unsigned short thousandsSep, const ucs2string& grouping,
            const unsigned short* table);

 private:
  eNegativeMode m_mode = kNegativeSignFirst;
  unsigned short m_decimalPoint = u'.';
  unsigned short m_thousandsSep = 0;
  ucs2string m_grouping;
  unsigned short m_characters[kCharacterCount];
  const unsigned short* const* m_defaultPatterns = kDefaultPatterns;
};

class zv_numpunct : public zv_numeric_punctuation {
 public:
  static zv_locale::id id;

  explicit zv_numpunct(unsigned refs = 0);
  // The punctuation from the record (null: the defaults); the Boolean names
  // are always "true" and "false" until init_boolnames.
  zv_numpunct(const StaticStorage* record, unsigned refs);
  ~zv_numpunct() override;

  const unsigned short* truename() const { return do_truename(); }
  const unsigned short* falsename() const { return do_falsename(); }
  void truename(ucs2string& out) const { do_truename(out); }
  void falsename(ucs2string& out) const { do_falsename(out); }

 protected:
  virtual void do_truename(ucs2string& out) const;
  virtual const unsigned short* do_truename() const;
  virtual void do_falsename(ucs2string& out) const;
  virtual const unsigned short* do_falsename() const;

  // For derived facets.
  void init_boolnames(const ucs2string& truename, const ucs2string& falsename);

 private:
  ucs2string m_truename;
  ucs2string m_falsename;
};

#endif
