#include "kti18n/locale/numpunct.h"

#include <algorithm>

#include "kti18n/locale/ucs2_literal.h"

zv_locale::id zv_numpunct::id;

namespace {

const unsigned short* const kTrue = u"true"_ucs2;
const unsigned short* const kFalse = u"false"_ucs2;

}  // namespace

// ---------------------------------------------------------------------------
// zv_numeric_punctuation

zv_numeric_punctuation::zv_numeric_punctuation(unsigned refs) : facet(refs) {
  std::copy_n(kDefaultCharacters, kCharacterCount, m_characters);
}

zv_numeric_punctuation::zv_numeric_punctuation(const StaticStorage* record, unsigned refs)
    : zv_numeric_punctuation(refs) {
  if (record == nullptr) return;
  m_mode = static_cast<eNegativeMode>(record->negativeMode);
  m_decimalPoint = static_cast<unsigned short>(record->separators & 0xFFFF);
  m_thousandsSep = static_cast<unsigned short>(record->separators >> 16);
  if (record->grouping != nullptr) m_grouping.assign(record->grouping);
  if (record->characters != nullptr) std::copy_n(record->characters, kCharacterCount, m_characters);
  if (record->defaultPatterns != nullptr) m_defaultPatterns = record->defaultPatterns;
}

zv_numeric_punctuation::~zv_numeric_punctuation() = default;

const unsigned short* zv_numeric_punctuation::GetFmtLibDefaultFormat(int i) const {
  if (i < 0 || i >= static_cast<int>(kPatternCount)) throw ZVException(ZV_E_OUT_OF_RANGE);
  return m_defaultPatterns[i];
}

unsigned short zv_numeric_punctuation::do_decimal_point() const { return m_decimalPoint; }
unsigned short zv_numeric_punctuation::do_thousands_sep() const { return m_thousandsSep; }
void zv_numeric_punctuation::do_grouping(ucs2string& out) const { out = m_grouping; }
const unsigned short* zv_numeric_punctuation::do_grouping() const { return m_grouping.c_str(); }
zv_numeric_punctuation::eNegativeMode zv_numeric_punctuation::do_mode() const { return m_mode; }
unsigned short zv_numeric_punctuation::do_negative_sign() const { return GetNegativeSign(); }
unsigned short zv_numeric_punctuation::do_positive_sign() const { return GetPositiveSign(); }
unsigned short zv_numeric_punctuation::do_exponent_sign() const { return GetExponent(false); }
const unsigned short* zv_numeric_punctuation::do_true_string() const { return kTrue; }
const unsigned short* zv_numeric_punctuation::do_false_string() const { return kFalse; }

void zv_numeric_punctuation::init(unsigned short decimalPoint, unsigned short thousandsSep,
                                  const ucs2string& grouping, const unsigned short* table) {
  m_grouping = grouping;
  m_decimalPoint = decimalPoint;
  m_thousandsSep = thousandsSep;
  if (table != nullptr) std::copy_n(table, kCharacterCount, m_characters);
}

// ---------------------------------------------------------------------------
// zv_numpunct

zv_numpunct::zv_numpunct(unsigned refs) : zv_numeric_punctuation(refs), m_truename(kTrue), m_falsename(kFalse) {}

zv_numpunct::zv_numpunct(const StaticStorage* record, unsigned refs)
    : zv_numeric_punctuation(record, refs), m_truename(kTrue), m_falsename(kFalse) {}

zv_numpunct::~zv_numpunct() = default;

void zv_numpunct::do_truename(ucs2string& out) const { out = m_truename; }
const unsigned short* zv_numpunct::do_truename() const { return m_truename.c_str(); }
void zv_numpunct::do_falsename(ucs2string& out) const { out = m_falsename; }
const unsigned short* zv_numpunct::do_falsename() const { return m_falsename.c_str(); }

void zv_numpunct::init_boolnames(const ucs2string& truename, const ucs2string& falsename) {
  ucs2string t(truename), f(falsename);  // copy first: nothing changes if a copy fails
  m_truename.swap(t);
  m_falsename.swap(f);
}
