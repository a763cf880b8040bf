// The patterns the writer tests render, with the spreadsheet code written by
// hand for each. The round-trip test reads every code back; `lossy` names
// why a code cannot show what its pattern shows (a spreadsheet has no such
// form), and such cases are left out of the round trip.
#ifndef KTI18N_TESTS_EXCEL_WRITER_CASES_H
#define KTI18N_TESTS_EXCEL_WRITER_CASES_H

namespace excel_test {

struct Case {
  const char* serial;
  const char* code;
  const char* lossy = nullptr;
};

inline constexpr const char* kGeneral = "General is the spreadsheet's display, not the locale's standard format";
inline constexpr const char* kHiddenPercent = "a spreadsheet shows a % for every multiplication by 100";
inline constexpr const char* kError = "the error token has no code";
inline constexpr const char* kTextOnly = "a spreadsheet shows a minus before a lone section even without digits";

inline const Case kNumberPlaceholders[] = {
    {"T[0]", "0"},
    {"T[#]T[gs]T[#]T[#]T[0]", "#,##0"},
    {"T[#]T[gs]T[#]T[#]T[0]T[ds]T[0]T[0]", "#,##0.00"},
    {"T[0]T[ds]T[#]T[#]", "0.##"},
    {"T[0]T[ds]T[0]T[0]T[E+]T[0]T[0]", "0.00E+00"},
    {"T[#]T[#]T[0]T[ds]T[0]T[E+]T[0]", "##0.0E+0"},
    {"T[0]T[E-]T[#]", "0E-#"},
    {"T[0]T[e+]T[0]", "0e+0"},
    {"T[0]T[e-]T[0]T[0]", "0e-00"},
    {"T[An]", "General", kGeneral},
    {"L[x]T[An]L[y]", "General", kGeneral},
    {"T[Err]", "", kError},
    {"T[0]T[FS]T[0]", "0;0"},
};

// Separators a code cannot place are dropped.
inline const Case kNumberCleaning[] = {
    {"T[gs]T[#]T[0]", "#0"},                                // before the first digit
    {"T[0]T[ds]T[0]T[ds]T[0]", "0.00"},                     // a second decimal separator
    {"T[0]T[ds]T[0]T[gs]T[0]", "0.00"},                     // grouping in the fraction
    {"T[0]T[E+]T[-]T[0]T[gs]T[0]T[ds]T[+]T[E-]", "0E+00"},  // anything but digits in the exponent
    {"T[#]T[gs]T[#]T[#]T[0]T[gs]", "#,##0"},                // after the last digit: not "divide by 1000"
    {"T[#]T[gs]T[#]T[#]T[0]T[gs]T[ds]T[0]T[0]", "#,##0.00"},  // right before the decimal separator
    {"T[0]T[gs]T[E+]T[0]", "0E+0"},                         // right before the exponent
    {"T[gs]T[ds]T[0]", ".0"},
    {"L[a]T[gs]L[b]", "\"ab\"", kTextOnly},
};

inline const Case kNumberSigns[] = {
    {"T[-]T[0]", "0;\\-0"},
    {"T[ns]T[0]T[ne]", "0;\\(0\\)"},
    {"T[#]T[gs]T[#]T[#]T[0]T[ds]T[0]T[0]T[FS]T[Cr]T[ns]T[#]T[gs]T[#]T[#]T[0]T[ds]T[0]T[0]T[ne]",
     "#,##0.00;[Red]\\(#,##0.00\\)"},
    {"T[+]T[0]", "\\+0;\\-0"},
    {"T[+]T[0]T[FS]T[-]T[0]", "\\+0;\\-0"},
    {"T[0]T[FS]T[+]T[0]", "0;\\-0"},
    {"T[0]T[-]T[FS]T[0]T[-]", "0;0\\-"},
    {"T[0]T[FS]T[FS]L[zero]", "0;\\-0;\"zero\""},
    {"L[x]T[FS]T[FS]L[zero]", "\\x;\\x;\"zero\""},
    {"T[0]T[FS]T[FS]", "0"},
    {"T[0]T[FS]T[0]T[FS]T[-]", "0;0;"},
    {"T[0]T[FS]T[0]T[FS]T[0]T[FS]L[text]", "0;0;0"},
    {"T[+]T[FS]T[+]T[FS]L[z]", "\\+;\\-;\\z"},
};

inline const Case kNumberBooleansAndDefaults[] = {
    {"T[b]", "\"true\";\"true\";\"false\""},
    {"T[b]T[FS]L[neg]", "\"true\";\"neg\";\"false\""},
    {"T[bt]L[/]T[bf]", "\"true/false\"", kTextOnly},
    {"T[Ab]", "\"true\";\"true\";\"false\""},
    {"T[Ap]", "#,##0\\%"},
    {"T[As]", "0.0#############E-0"},
    {"T[0]T[Ap]", "#,##0\\%"},
};

inline const Case kNumberPercent[] = {
    {"T[0]T[pcs]", "0%"},
    {"T[0]T[pc]", "0%", kHiddenPercent},
    {"T[0]T[ds]T[0]T[pc]L[%]", "0.0%"},
    {"L[%]T[pc]T[0]", "%0"},
    {"T[0]T[pc]T[pc]L[ %]", "0\\ %%", kHiddenPercent},
    {"L[50%]T[0]T[pc]", "\"50\"%0"},
    {"T[0]T[pc]L[%%]", "0%\\%"},
    {"T[0]T[pcs]T[pcs]", "0%\\%"},
    {"T[0]T[pc]T[pcs]", "0%%", kHiddenPercent},
    {"T[0]L[%]", "0\\%"},
};

inline const Case kNumberColours[] = {
    {"T[Cdr]T[0]T[FS]T[Cdm]T[0]", "[Red]0;[Magenta]0", "dark red and purple fold onto red and magenta"},
    {"T[Cr]T[0]T[Cb]", "[Blue]0"},
    {"T[Cr]T[-]T[0]", "[Red]0;[Red]\\-0"},  // the section made for negatives keeps the colour
    {"T[Cg]T[0]T[FS]T[FS]T[0]", "[Green]0;[Green]\\-0;0"},
    {"T[0]T[FS]T[Cg]T[-]T[0]T[FS]T[Cy]T[0]", "0;[Green]\\-0;[Yellow]0"},
};

inline const Case kLiterals[] = {
    {"L[USD ]T[0]", "\"USD \"0"},
    {"T[0]L[ ]L[kg]", "0\" kg\""},
    {"L[\"]T[0]", "\\\"0"},
    {"L[a\"b]", "\\a\\\"\\b", kTextOnly},
    {"L[ab\"cd]", "\"ab\"\\\"\"cd\"", kTextOnly},
    {"L[ab\"c]", "\"ab\"\\\"\\c", kTextOnly},
    {"L[\"\"]", "\\\"\\\"", kTextOnly},
    {"L[]T[0]", "0"},
};

inline const Case kDateCodes[] = {
    {"T[0d]L[.]T[0M]T[da]T[y4]", "dd\\.mm/yyyy"},
    {"T[0d]L[ de ]T[mt]", "dd\" de \"mmmm"},
    {"T[dn]L[, ]T[mt]L[ ]T[d]L[, ]T[y4]", "dddd\", \"mmmm\\ d\", \"yyyy"},
    {"T[12]T[ts]T[0m]L[ ]T[am]", "h:mm\\ AM/PM"},
    {"T[023]L[:]T[0m]L[:]T[0s]L[.]T[0ms]", "hh\\:mm\\:ss.000"},  // the fraction's code brings its point
    {"T[0d]T[FS]L[text]", "dd"},
    {"T[0d]T[Cr]T[0M]", "[Red]ddmm"},
    {"T[Cb]T[0d]T[Cdg]", "[Green]dd", "dark green folds onto green"},
    {"T[ip]L[ ]T[jy]", "ggg\\ e"},
    {"T[y4]L[ ]T[tz]", "yyyy\\ "},
    {"T[Err]", "", kError},
};

// The classic locale's default formats.
inline const Case kDateDefaults[] = {
    {"T[Adf]", "dddd\\ d\\ mmmm\\ yyyy"},
    {"T[Ads]", "dd\\/mm\\/yy"},
    {"T[0d]T[Ats]T[Adf]", "hh\\:mm"},
    {"T[Adi]", "m\\/d\\/yyyy"},
    {"T[Ati]", "h\\:mm\\:ss\\ AM/PM"},
};

}  // namespace excel_test

#endif
