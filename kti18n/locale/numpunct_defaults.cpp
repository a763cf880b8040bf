// The built-in numeric punctuation of the classic locale.
#include "kti18n/locale/numpunct.h"
#include "kti18n/locale/ucs2_literal.h"

constinit const unsigned short zv_numeric_punctuation::kDefaultCharacters[kCharacterCount] = {
    u'+', u'-',
    u'0', u'1', u'2', u'3', u'4', u'5', u'6', u'7', u'8', u'9', u'a', u'b', u'c', u'd', u'e', u'f',
    u'0', u'1', u'2', u'3', u'4', u'5', u'6', u'7', u'8', u'9', u'A', u'B', u'C', u'D', u'E', u'F',
    u'e', u'E'};

// Number, currency (a space and the generic currency sign after the number),
// percentage, and scientific (one mandatory decimal, fourteen optional ones,
// an exponent signed only when negative).
constinit const unsigned short* const zv_numeric_punctuation::kDefaultPatterns[kPatternCount] = {
    u"T[#]T[gs]T[#]T[#]T[0]T[ds]T[#]T[#]"_ucs2,
    u"T[#]T[gs]T[#]T[#]T[0]T[ds]T[0]T[0]L[ \u00A4]"_ucs2,
    u"T[#]T[gs]T[#]T[#]T[0]L[%]"_ucs2,
    u"T[0]T[ds]T[0]T[#]T[#]T[#]T[#]T[#]T[#]T[#]T[#]T[#]T[#]T[#]T[#]T[#]T[E-]T[0]"_ucs2,
};
