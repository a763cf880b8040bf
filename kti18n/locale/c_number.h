// Reading a number in the C locale's syntax whatever the process's locale.
#ifndef KTI18N_LOCALE_C_NUMBER_H
#define KTI18N_LOCALE_C_NUMBER_H

#include <locale.h>

#include <string_view>

// The value strtod gives for text in the C locale: leading white space, a
// sign, decimal or "0x" hexadecimal digits, "inf" and "nan"; 0 when nothing
// is a number. With a null cLocale (newlocale can fail) the same syntax is
// read without any locale, so the reading itself never fails.
double zv_read_c_number(std::string_view text, locale_t cLocale);

// The C locale made once for the process, or null when it could not be made.
locale_t zv_c_locale();

#endif
