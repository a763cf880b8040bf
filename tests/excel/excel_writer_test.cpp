// Writing patterns as spreadsheet codes: every expected code below is written
// by hand from what a spreadsheet shows for it.
#include <gtest/gtest.h>

#include <span>

#include "excel_support.h"
#include "writer_cases.h"
#include "kti18n/base/exception.h"

using namespace FmtLib;
using namespace excel_test;

namespace {

class ExcelWriter : public testing::Test {
 protected:
  FmtLibInitExit guard;
  izv_ptr<zvSettings> settings = SettingsFor(zv_locale::classic());
  Format numbers{CreateExcelSerialStringFormatNumber(settings)};
  Format dates{CreateExcelSerialStringFormatDate(settings)};

  void Check(const zvStringFormat& writer, std::span<const Case> cases, bool date) {
    for (const Case& c : cases) {
      Pattern p = Serial(c.serial, date);
      const std::string before = SerialText(*p);
      EXPECT_EQ(Write(writer, *p), c.code) << c.serial;
      EXPECT_EQ(SerialText(*p), before) << "Render changed " << c.serial;
    }
  }
};

TEST_F(ExcelWriter, NumberPlaceholdersSeparatorsAndExponents) {
  Check(*numbers, kNumberPlaceholders, false);
}

TEST_F(ExcelWriter, NumberCleaningDropsSeparatorsACodeCannotPlace) {
  Check(*numbers, kNumberCleaning, false);
}

TEST_F(ExcelWriter, NumberSignsBracketsAndSectionCompletion) {
  Check(*numbers, kNumberSigns, false);
}

TEST_F(ExcelWriter, NumberBooleansAndDefaults) {
  Check(*numbers, kNumberBooleansAndDefaults, false);
  izv_ptr<zvSettings> french = SettingsFor(zv_locale::classic(), {{"true_word", "vrai"}, {"false_word", "faux"}});
  Format writer(CreateExcelSerialStringFormatNumber(french));
  EXPECT_EQ(Write(*writer, *Serial("T[b]")), "\"vrai\";\"vrai\";\"faux\"");
}

TEST_F(ExcelWriter, NumberPercentReconciledWithTheLiterals) {
  Check(*numbers, kNumberPercent, false);
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
  Check(*numbers, kNumberColours, false);
}

TEST_F(ExcelWriter, Literals) {
  Check(*numbers, kLiterals, false);
}

TEST_F(ExcelWriter, DateCodes) {
  Check(*dates, kDateCodes, true);
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
  Check(*dates, kDateDefaults, true);
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
