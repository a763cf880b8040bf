// Writing patterns as spreadsheet codes: every expected code below is written
// by hand from what a spreadsheet shows for it.
#include <gtest/gtest.h>

#include "excel_support.h"
#include "kti18n/base/exception.h"

using namespace FmtLib;
using namespace excel_test;

namespace {

struct Case {
  const char* serial;
  const char* code;
};

class ExcelWriter : public testing::Test {
 protected:
  FmtLibInitExit guard;
  izv_ptr<zvSettings> settings = SettingsFor(zv_locale::classic());
  Format numbers{CreateExcelSerialStringFormatNumber(settings)};
  Format dates{CreateExcelSerialStringFormatDate(settings)};

  void Check(const zvStringFormat& writer, std::initializer_list<Case> cases, bool date) {
    for (const Case& c : cases) {
      Pattern p = Serial(c.serial, date);
      const std::string before = SerialText(*p);
      EXPECT_EQ(Write(writer, *p), c.code) << c.serial;
      EXPECT_EQ(SerialText(*p), before) << "Render changed " << c.serial;
    }
  }
};

TEST_F(ExcelWriter, NumberPlaceholdersSeparatorsAndExponents) {
  Check(*numbers,
        {
            {"T[0]", "0"},
            {"T[#]T[gs]T[#]T[#]T[0]", "#,##0"},
            {"T[#]T[gs]T[#]T[#]T[0]T[ds]T[0]T[0]", "#,##0.00"},
            {"T[0]T[ds]T[#]T[#]", "0.##"},
            {"T[0]T[ds]T[0]T[0]T[E+]T[0]T[0]", "0.00E+00"},
            {"T[#]T[#]T[0]T[ds]T[0]T[E+]T[0]", "##0.0E+0"},
            {"T[0]T[E-]T[#]", "0E-#"},
            {"T[0]T[e+]T[0]", "0e+0"},
            {"T[0]T[e-]T[0]T[0]", "0e-00"},
            {"T[An]", "General"},
            {"L[x]T[An]L[y]", "General"},
            {"T[Err]", ""},
            {"T[0]T[FS]T[0]", "0;0"},
        },
        false);
}

TEST_F(ExcelWriter, NumberCleaningDropsSeparatorsACodeCannotPlace) {
  Check(*numbers,
        {
            {"T[gs]T[#]T[0]", "#0"},                                        // before the first digit
            {"T[0]T[ds]T[0]T[ds]T[0]", "0.00"},                             // a second decimal separator
            {"T[0]T[ds]T[0]T[gs]T[0]", "0.00"},                             // grouping in the fraction
            {"T[0]T[E+]T[-]T[0]T[gs]T[0]T[ds]T[+]T[E-]", "0E+00"},          // anything but digits in the exponent
            {"T[#]T[gs]T[#]T[#]T[0]T[gs]", "#,##0"},                        // after the last digit: not "divide by 1000"
            {"T[#]T[gs]T[#]T[#]T[0]T[gs]T[ds]T[0]T[0]", "#,##0.00"},        // right before the decimal separator
            {"T[0]T[gs]T[E+]T[0]", "0E+0"},                                 // right before the exponent
            {"T[gs]T[ds]T[0]", ".0"},
            {"L[a]T[gs]L[b]", "\"ab\""},
        },
        false);
}

TEST_F(ExcelWriter, NumberSignsBracketsAndSectionCompletion) {
  Check(*numbers,
        {
            {"T[-]T[0]", "0;\\-0"},
            {"T[ns]T[0]T[ne]", "0;\\(0\\)"},
            {"T[#]T[gs]T[#]T[#]T[0]T[ds]T[0]T[0]T[FS]T[Cr]T[ns]T[#]T[gs]T[#]T[#]T[0]T[ds]T[0]T[0]T[ne]",
             "#,##0.00;[Red]\\(#,##0.00\\)"},
            {"T[+]T[0]", "\\+0"},
            {"T[+]T[0]T[FS]T[-]T[0]", "\\+0;\\-0"},
            {"T[0]T[FS]T[+]T[0]", "0;0"},
            {"T[0]T[-]T[FS]T[0]T[-]", "0;0\\-"},
            {"T[0]T[FS]T[FS]L[zero]", "0;0;\"zero\""},
            {"T[0]T[FS]T[FS]", "0"},
            {"T[0]T[FS]T[0]T[FS]T[-]", "0;0"},
            {"T[0]T[FS]T[0]T[FS]T[0]T[FS]L[text]", "0;0;0"},
            // A negative section emptied by the cleaning keeps its place
            // before the zero section.
            {"T[+]T[FS]T[+]T[FS]L[z]", "\\+;;\\z"},
        },
        false);
}

TEST_F(ExcelWriter, NumberBooleansAndDefaults) {
  Check(*numbers,
        {
            {"T[b]", "\"true\";\"true\";\"false\""},
            {"T[b]T[FS]L[neg]", "\"true\";\"neg\";\"false\""},
            {"T[bt]L[/]T[bf]", "\"true/false\""},
            {"T[Ab]", "\"true\";\"true\";\"false\""},
            {"T[Ap]", "#,##0\\%"},
            {"T[As]", "0.0#############E-0"},
            {"T[0]T[Ap]", "#,##0\\%"},
        },
        false);
  izv_ptr<zvSettings> french = SettingsFor(zv_locale::classic(), {{"true_word", "vrai"}, {"false_word", "faux"}});
  Format writer(CreateExcelSerialStringFormatNumber(french));
  EXPECT_EQ(Write(*writer, *Serial("T[b]")), "\"vrai\";\"vrai\";\"faux\"");
}

TEST_F(ExcelWriter, NumberPercentReconciledWithTheLiterals) {
  Check(*numbers,
        {
            {"T[0]T[pcs]", "0%"},
            {"T[0]T[pc]", "0%"},
            {"T[0]T[ds]T[0]T[pc]L[%]", "0.0%"},
            {"L[%]T[pc]T[0]", "%0"},
            {"T[0]T[pc]T[pc]L[ %]", "0\\ %%"},
            {"L[50%]T[0]T[pc]", "\"50\"%0"},
            {"T[0]T[pc]L[%%]", "0%\\%"},
            {"T[0]T[pcs]T[pcs]", "0%\\%"},
            {"T[0]T[pc]T[pcs]", "0%%"},
            {"T[0]L[%]", "0\\%"},
        },
        false);
}

TEST_F(ExcelWriter, ColoursFoldOntoTheEightSpreadsheetColours) {
  const char* expected[] = {"[Black]", "[White]",  "[Red]",     "[Green]", "[Blue]",  "[Yellow]",
                            "[Magenta]", "[Cyan]", "[Red]",     "[Green]", "[Blue]",  "[Yellow]",
                            "[Magenta]", "[Cyan]", "[Cyan]",    "[White]"};
  for (int k = 0; k < kColorCount; ++k) {
    zvFmtPatternImp number(false);
    number.push_back(TK_ZERO);
    number.push_back(static_cast<zvFmtTokens>(TK_FIRST_COLOR + k));
    EXPECT_EQ(Write(*numbers, number), std::string(expected[k]) + "0") << k;
    zvFmtPatternImp date(true);
    date.push_back(TK_MONTH_DAY_00);
    date.push_back(static_cast<zvFmtTokens>(TK_FIRST_COLOR + k));
    EXPECT_EQ(Write(*dates, date), std::string(expected[k]) + "dd") << k;
  }
  Check(*numbers,
        {
            {"T[Cdr]T[0]T[FS]T[Cdm]T[0]", "[Red]0;[Magenta]0"},
            {"T[Cr]T[0]T[Cb]", "[Blue]0"},
            {"T[0]T[FS]T[Cg]T[-]T[0]T[FS]T[Cy]T[0]", "0;[Green]\\-0;[Yellow]0"},
        },
        false);
}

TEST_F(ExcelWriter, Literals) {
  Check(*numbers,
        {
            {"L[USD ]T[0]", "\"USD \"0"},
            {"T[0]L[ ]L[kg]", "0\" kg\""},
            {"L[\"]T[0]", "\\\"0"},
            {"L[a\"b]", "\\a\\\"\\b"},
            {"L[ab\"cd]", "\"ab\"\\\"\"cd\""},
            {"L[ab\"c]", "\"ab\"\\\"\\c"},
            {"L[\"\"]", "\\\"\\\""},
            {"L[]T[0]", "0"},
        },
        false);
}

TEST_F(ExcelWriter, DateCodes) {
  Check(*dates,
        {
            {"T[0d]L[.]T[0M]T[da]T[y4]", "dd\\.mm/yyyy"},
            {"T[0d]L[ de ]T[mt]", "dd\" de \"mmmm"},
            {"T[dn]L[, ]T[mt]L[ ]T[d]L[, ]T[y4]", "dddd\", \"mmmm\\ d\", \"yyyy"},
            {"T[12]T[ts]T[0m]L[ ]T[am]", "h:mm\\ AM/PM"},
            {"T[023]L[:]T[0m]L[:]T[0s]T[0ms]", "hh\\:mm\\:ss.000"},
            {"T[0d]T[FS]L[text]", "dd"},
            {"T[0d]T[Cr]T[0M]", "[Red]ddmm"},
            {"T[Cb]T[0d]T[Cdg]", "[Green]dd"},
            {"T[ip]L[ ]T[jy]", "ggg\\ e"},
            {"T[y4]L[ ]T[tz]", "yyyy\\ "},
            {"T[Err]", ""},
        },
        true);
}

TEST_F(ExcelWriter, EveryDateTokenHasItsCode) {
  const std::pair<int, const char*> table[] = {
      {10, "AM/PM"}, {11, "AM/PM"}, {12, "AM/PM"}, {13, "AM/PM"}, {14, "mmmm"}, {15, "mmmm"}, {16, "mmmm"},
      {17, "mmmm"},  {18, "mmm"},   {19, "mmm"},   {20, "mmm"},   {21, "mmm"},  {22, "hh"},   {23, "h"},
      {24, "hh"},    {25, "h"},     {26, "hh"},    {27, "h"},     {28, "hh"},   {29, "h"},    {30, "mm"},
      {31, "m"},     {32, "mm"},    {33, "m"},     {34, "ss"},    {35, "s"},    {36, ".000"}, {37, ".00"},
      {38, ".0"},    {39, "yyyy"},  {40, "yy"},    {41, "ggg e"}, {42, "e"},    {43, "ge"},   {46, "dddd"},
      {47, "dddd"},  {48, "dddd"},  {49, "dddd"},  {50, "ddd"},   {51, "ddd"},  {52, "ddd"},  {53, "ddd"},
      {54, "dd"},    {55, "d"},     {56, ""},      {57, ""},      {58, ""},     {59, ""},     {60, ""},
      {61, ""},      {62, ""},      {63, ""},      {64, ""},      {65, "/"},    {66, ":"},    {67, ""},
      {68, ""},      {69, "ggg"},   {70, "e"},     {71, "ee"},
  };
  for (const auto& [token, code] : table) {
    zvFmtPatternImp p(true);
    p.push_back(static_cast<zvFmtTokens>(token));
    EXPECT_EQ(Write(*dates, p), code) << token;
  }
}

TEST_F(ExcelWriter, DateDefaultsComeFromTheSettings) {
  Check(*dates,
        {
            {"T[Adf]", "dddd\\ d\\ mmmm\\ yyyy"},
            {"T[Ads]", "dd\\/mm\\/yy"},
            {"T[0d]T[Ats]T[Adf]", "hh\\:mm"},
            {"T[Adi]", "m\\/d\\/yyyy"},
            {"T[Ati]", "h\\:mm\\:ss\\ AM/PM"},
        },
        true);
}

TEST_F(ExcelWriter, RenderAppendsAndParseNeverReads) {
  ucs2string text("code: ");
  EXPECT_TRUE(numbers->Render(*Serial("T[0]"), text));
  EXPECT_EQ(text.to_utf8(), "code: 0");
  for (const Format* writer : {&numbers, &dates}) {
    zvFmtPattern* p = CreateNumberFmtPattern();
    EXPECT_EQ((*writer)->Parse(ucs2string("0"), p), ZV_E_FAIL);
    EXPECT_EQ(p, nullptr);
  }
}

TEST_F(ExcelWriter, FactoriesRefuseMissingSettings) {
  izv_ptr<zvSettings> none;
  EXPECT_THROW(CreateExcelSerialStringFormatNumber(none), ZVException);
  EXPECT_THROW(CreateExcelSerialStringFormatDate(none), ZVException);
  EXPECT_THROW(CreateExcelStringFormatNumber(none), ZVException);
}

}  // namespace
