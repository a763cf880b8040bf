// Floating-point and clock helpers of the calendar engine.
//
// Instants are double milliseconds; these wrappers give the engine one place
// for the classification and rounding it needs, with defined results for NaN
// and the infinities.
#ifndef KTI18N_CALENDAR_ENG_MATH_H
#define KTI18N_CALENDAR_ENG_MATH_H

// Seconds since 1970-01-01 00:00:00 UTC from the C runtime's clock.
double eng_getUTCtime();

double eng_floor(double x);
double eng_ceil(double x);
double eng_fabs(double x);
// Splits x into integral part (stored in *intPart) and fraction.
double eng_modf(double x, double* intPart);
double eng_fmod(double x, double y);
// Truncation towards zero; NaN gives NaN and an infinity gives itself.
double eng_trunc(double x);
double eng_max(double a, double b);
double eng_min(double a, double b);

bool eng_isNaN(double x);
bool eng_isInfinite(double x);
bool eng_isPositiveInfinity(double x);
bool eng_isNegativeInfinity(double x);
double eng_getNaN();
double eng_getInfinity();

#endif
