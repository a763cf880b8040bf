// Reading spreadsheet codes: the patterns read, and what they show next to
// what a spreadsheet shows for the same code and value.
#include <gtest/gtest.h>

#include "excel_support.h"

using namespace FmtLib;
using namespace excel_test;

namespace {

class ExcelReader : public testing::Test {
 protected:
  FmtLibInitExit guard;
  izv_ptr<zvSettings> classic = SettingsFor(zv_locale::classic());

  // What the classic locale (comma grouping by three is not its own, so the
  // values here avoid grouping unless the test says so) shows for a code.
  std::string Shown(const char* code, std::initializer_list<double> values) {
    Pattern p(CreateNumberFmtPattern());
    ReadExcelFormat(ucs2string(code), *p);
    return Show(classic, *p, values);
  }
};

TEST_F(ExcelReader, NumberCodesReadExactly) {
  const std::pair<const char*, const char*> cases[] = {
      {"0", "T[0]"},
      {"#,##0.00", "T[#]T[gs]T[#]T[#]T[0]T[ds]T[0]T[0]"},
      {"#,##0.00;[Red](#,##0.00)", "T[#]T[gs]T[#]T[#]T[0]T[ds]T[0]T[0]T[FS]T[Cr]L[(]T[#]T[gs]T[#]T[#]T[0]T[ds]T[0]T[0]L[)]"},
      {"0.00E+00", "T[0]T[ds]T[0]T[0]T[E+]T[0]T[0]"},
      {"##0.0e-0", "T[#]T[#]T[0]T[ds]T[0]T[e-]T[0]"},
      {"0%", "T[0]T[pcs]"},
      {"0%%", "T[0]T[pc]L[%]T[pc]L[%]"},
      {"0\\%", "T[0]L[%]"},
      {"General", "T[0]T[ds]T[#]T[#]T[#]T[#]T[#]T[#]T[#]T[#]T[#]"},
      {"\"USD \"0", "L[USD ]T[0]"},
      {"$#,##0;\\-$#,##0", "L[$]T[#]T[gs]T[#]T[#]T[0]T[FS]L[-$]T[#]T[gs]T[#]T[#]T[0]"},
      {"_(* #,##0_)", "L[ ]T[#]T[gs]T[#]T[#]T[0]L[ ]"},
      {"0;;", "T[0]T[FS]L[]T[FS]L[]"},
      {";;;", "T[FS]L[]T[FS]L[]"},
      {"\"abc\"", "T[-]L[abc]"},
      {"0;-0;\"-\"??", "T[0]T[FS]L[-]T[0]T[FS]L[-  ]"},
      {"[color10]0;[BLUE]0", "T[Cdg]T[0]T[FS]T[Cb]T[0]"},
      {"[$€]#,##0.00", "L[€]T[#]T[gs]T[#]T[#]T[0]T[ds]T[0]T[0]"},
      {"0;@", "T[0]"},
      {"_(@_)", "T[0]T[ds]T[#]T[#]T[#]T[#]T[#]T[#]T[#]T[#]T[#]"},
      {"", "T[0]T[ds]T[#]T[#]T[#]T[#]T[#]T[#]T[#]T[#]T[#]"},
      {"000-00-0000", "T[0]T[0]T[0]L[-]T[0]T[0]L[-]T[0]T[0]T[0]T[0]"},
      {"0.0.0", "T[0]T[ds]T[0]L[.]T[0]"},
      {"0 \"E\"", "T[0]L[ E]"},
  };
  for (const auto& [code, serial] : cases) EXPECT_EQ(Read(code), serial) << code;
}

TEST_F(ExcelReader, NumberCodesReadApproximately) {
  const struct {
    const char* code;
    const char* serial;
    std::uint32_t what;
  } cases[] = {
      {"#,##0,", "T[#]T[gs]T[#]T[#]T[0] ~", EXCEL_SCALING},
      {"0.0,,\"M\"", "T[0]T[ds]T[0]L[M] ~", EXCEL_SCALING},
      {"# ?/?", "T[0]T[ds]T[#]T[#] ~", EXCEL_FRACTION | EXCEL_SPACE_DIGIT},
      {"#,##0 ?\?/100", "T[#]T[gs]T[#]T[#]T[0]T[ds]T[#]T[#]T[#]T[#] ~", EXCEL_FRACTION | EXCEL_SPACE_DIGIT},
      {"?/8", "T[0]T[ds]T[#]T[#] ~", EXCEL_FRACTION | EXCEL_SPACE_DIGIT},
      {"0.0?", "T[0]T[ds]T[0]T[#] ~", EXCEL_SPACE_DIGIT},
      {"[>100]0;0", "T[0]T[FS]T[0] ~", EXCEL_CONDITION},
      {"[$€-407]#,##0", "L[€]T[#]T[gs]T[#]T[#]T[0] ~", EXCEL_LOCALE_TAG},
      {"[Color20]0", "T[Cw]T[0] ~", EXCEL_COLOR},
      {"[DBNum1]0", "T[0] ~", EXCEL_UNKNOWN_CODE},
      {"0;-0;0;\"Text: \"@", "T[0]T[FS]L[-]T[0]T[FS]T[0]T[FS]L[Text: ] ~", EXCEL_TEXT_SECTION},
  };
  for (const auto& c : cases) {
    std::uint32_t what = 0;
    EXPECT_EQ(Read(c.code, false, &what), c.serial) << c.code;
    EXPECT_EQ(what, c.what) << c.code << ": " << DescribeExcelApproximations(what);
  }
  EXPECT_EQ(DescribeExcelApproximations(EXCEL_FRACTION | EXCEL_SCALING), "fraction, scaling");
}

TEST_F(ExcelReader, UnreadableCodesAndCodesOfTheOtherKind) {
  for (const char* code : {"\"abc", "0\\", "[Red0", "0;0;0;@;0"}) {
    EXPECT_EQ(Read(code), "T[Err]") << code;
    EXPECT_EQ(Read(code, true), "T[Err]") << code;
  }
  std::uint32_t what = 0;
  EXPECT_EQ(Read("yyyy-mm-dd", false, &what), "T[Err]");
  EXPECT_EQ(what, EXCEL_UNKNOWN_CODE);
  EXPECT_EQ(Read("0.00", true), "T[Err]");
  EXPECT_EQ(Read("\"text\"", true), "L[text]");
  EXPECT_TRUE(IsExcelDateCode(ucs2string("[h]:mm")));
  EXPECT_TRUE(IsExcelDateCode(ucs2string("[$-F800]")));
  EXPECT_FALSE(IsExcelDateCode(ucs2string("#,##0 \"days\"")));
  EXPECT_FALSE(IsExcelDateCode(ucs2string("0.00E+00")));
}

TEST_F(ExcelReader, DateCodes) {
  const std::pair<const char*, const char*> cases[] = {
      {"yyyy-mm-dd", "T[y4]L[-]T[0M]L[-]T[0d]"},
      {"YYYY-MM-DD", "T[y4]L[-]T[0M]L[-]T[0d]"},
      {"m/d/yy", "T[M]T[da]T[d]T[da]T[y2]"},
      {"d-mmm-yy", "T[d]L[-]T[amt]L[-]T[y2]"},
      {"dddd, mmmm d, yyyy", "T[dn]L[, ]T[mt]L[ ]T[d]L[, ]T[y4]"},
      {"ddd mmm", "T[adn]L[ ]T[amt]"},
      {"h:mm", "T[23]T[ts]T[0m]"},
      {"hh:mm:ss AM/PM", "T[012]T[ts]T[0m]T[ts]T[0s]L[ ]T[amu]"},
      {"h:mm am/pm", "T[12]T[ts]T[0m]L[ ]T[aml]"},
      {"mm:ss", "T[0m]T[ts]T[0s]"},
      {"mm:ss.0", "T[0m]T[ts]T[0s]L[.]T[tens]"},
      {"h\" h \"m", "T[23]L[ h ]T[m]"},
      {"m \"min\" s", "T[m]L[ min ]T[s]"},
      {"mm/dd hh:mm", "T[0M]T[da]T[0d]L[ ]T[023]T[ts]T[0m]"},
      {"yy.mm.dd", "T[y2]L[.]T[0M]L[.]T[0d]"},
      {"ss.000", "T[0s]L[.]T[0ms]"},
      {"[Red]dd", "T[Cr]T[0d]"},
      {"yyyy-mm-dd;@", "T[y4]L[-]T[0M]L[-]T[0d]"},
      {"[$-F800]dddd, mmmm dd, yyyy", "T[Adl]"},
      {"[$-x-systime]h:mm:ss AM/PM", "T[Atl]"},
      {"ggg e\"年\"", "T[ip]L[ ]T[jy]L[年]"},
      {"ge.m.d", "T[iyg]L[.]T[M]L[.]T[d]"},
      {"e", "T[y4]"},
      {"\\d d", "L[d ]T[d]"},
  };
  for (const auto& [code, serial] : cases) EXPECT_EQ(Read(code, true), serial) << code;
}

TEST_F(ExcelReader, DateCodesReadApproximately) {
  const struct {
    const char* code;
    const char* serial;
    std::uint32_t what;
  } cases[] = {
      {"[h]:mm:ss", "T[23]T[ts]T[0m]T[ts]T[0s] ~", EXCEL_ELAPSED},
      {"[mm]:ss", "T[0m]T[ts]T[0s] ~", EXCEL_ELAPSED},
      {"mmmmm", "T[amt] ~", EXCEL_NAME_FORM},
      {"h A/P", "T[12]L[ ]T[amu] ~", EXCEL_NAME_FORM},
      {"[$-409]mmmm d, yyyy;@", "T[mt]L[ ]T[d]L[, ]T[y4] ~", EXCEL_LOCALE_TAG},
      {"dd;\"negative\"", "T[0d] ~", EXCEL_DATE_SECTIONS},
  };
  for (const auto& c : cases) {
    std::uint32_t what = 0;
    EXPECT_EQ(Read(c.code, true, &what), c.serial) << c.code;
    EXPECT_EQ(what, c.what) << c.code;
  }
}

// What the patterns read show, next to what a spreadsheet shows.
TEST_F(ExcelReader, ShowsWhatASpreadsheetShows) {
  EXPECT_EQ(Shown("#,##0.00;[Red](#,##0.00)", {12.5, -12.5, 0}), "12.50|(12.50)/3|0.00");
  EXPECT_EQ(Shown("0%", {0.256, -0.5}), "26%|-50%");
  EXPECT_EQ(Shown("0%%", {0.05}), "500%%");
  EXPECT_EQ(Shown("0\\%", {5}), "5%");
  EXPECT_EQ(Shown("0.00E+00", {12345, 0.00012}), "1.23E+04|1.20E-04");
  EXPECT_EQ(Shown("General", {12.5, -0.5, 0, 1.0 / 3, 123456789}), "12.5|-0.5|0|0.333333333|123456789");
  EXPECT_EQ(Shown("_(* 0.00_);_(* \\(0.00\\);_(* \"-\"??_);_(@_)", {12.5, -12.5, 0}), " 12.50 | (12.50)| -   ");
  EXPECT_EQ(Shown("0;;", {5, -5, 0}), "5||");
  EXPECT_EQ(Shown("0;-0;", {5, -5, 0}), "5|-5|");
  EXPECT_EQ(Shown("\"abc\"", {5, -5}), "abc|-abc");
  EXPECT_EQ(Shown("\"$\"0", {-5}), "-$5");
  EXPECT_EQ(Shown("000-00-0000", {123456789}), "123-45-6789");
  EXPECT_EQ(Shown("0.0;[Blue]-0.0;[Color3]\"zero\"", {1, -1, 0}), "1.0|-1.0/5|zero/3");
}

TEST_F(ExcelReader, GroupsAsTheLocaleDoes) {
  izv_ptr<zvSettings> us = SettingsFor(zv_locale("en_US"));
  izv_ptr<zvSettings> german = SettingsFor(zv_locale("de_DE"));
  Pattern p(CreateNumberFmtPattern());
  ReadExcelFormat(ucs2string("#,##0.00"), *p);
  EXPECT_EQ(Show(us, *p, {1234567.891}), "1,234,567.89");
  EXPECT_EQ(Show(german, *p, {1234567.891}), "1.234.567,89");
}

TEST_F(ExcelReader, ReaderStringFormats) {
  Format numbers(CreateExcelStringFormatNumber(classic));
  Format dates(CreateExcelStringFormatDate(classic));
  zvFmtPattern* raw = nullptr;
  EXPECT_EQ(numbers->Parse(ucs2string("#,##0,"), raw), ZV_S_READ_APPROXIMATELY);
  Pattern p(raw);
  EXPECT_FALSE(p->IsDate());
  raw = nullptr;
  EXPECT_EQ(dates->Parse(ucs2string("dd/mm/yyyy"), raw), 0);
  p.reset(raw);
  EXPECT_TRUE(p->IsDate());
  EXPECT_EQ(Write(*dates, *p), "dd/mm/yyyy");
  EXPECT_GT(ZV_S_READ_APPROXIMATELY, 0);
}

}  // namespace

namespace {

// Random codes over the characters that mean something to a spreadsheet:
// every one reads into a pattern (possibly the error pattern) that a format
// can be built from and that the writers can write and read again.
TEST(ExcelReaderFuzz, AnyCodeReadsIntoAUsablePattern) {
  FmtLibInitExit guard;
  izv_ptr<zvSettings> settings = SettingsFor(zv_locale::classic());
  Format numbers(CreateExcelStringFormatNumber(settings));
  Format dates(CreateExcelStringFormatDate(settings));
  const std::u16string alphabet = u"0#?.,%/:;@E+-e\"\\_*[]$<>=hmsdyAaPpGgbRrx €";
  std::uint32_t seed = 12345;
  for (int n = 0; n < 3000; ++n) {
    std::u16string code;
    const int length = static_cast<int>((seed = seed * 1103515245u + 12345u) >> 16) % 14;
    for (int k = 0; k < length; ++k) {
      seed = seed * 1103515245u + 12345u;
      code += alphabet[(seed >> 16) % alphabet.size()];
    }
    const ucs2string text(code.c_str());
    for (const Format* f : {&numbers, &dates}) {
      zvFmtPattern* raw = nullptr;
      ASSERT_GE((*f)->Parse(text, raw), 0) << text.to_utf8();
      Pattern p(raw);
      ucs2string written;
      EXPECT_TRUE((*f)->Render(*p, written));
      raw = nullptr;
      EXPECT_GE((*f)->Parse(written, raw), 0) << text.to_utf8() << " -> " << written.to_utf8();
      delete raw;
      if (f == &numbers) {
        EXPECT_NE(Show(settings, *p, {1.5, -2, 0}), "no format") << text.to_utf8();
      }
    }
  }
}

}  // namespace
