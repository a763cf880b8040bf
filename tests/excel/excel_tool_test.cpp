// kti18n number and kti18n translate with the spreadsheet dialect, run as a
// separate program.
#include <gtest/gtest.h>

#include <string>

#include "tool_runner.h"

namespace {

using namespace tool_test;

class ExcelTools : public testing::Test {};

TEST_F(ExcelTools, TranslateWritesSpreadsheetCodes) {
  ToolRun r = RunTool("translate --number --from native --to excel '#,##0.00;[Red](#,##0.00)'");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "#,##0.00;[Red]\\(#,##0.00\\)\n");
  EXPECT_EQ(RunTool("translate --number --from serial --to excel 'T[b]'").out, "\"true\";\"true\";\"false\"\n");
  EXPECT_EQ(RunTool("translate --date --from serial --to excel 'T[0d]L[.]T[0M]T[da]T[y4]'").out, "dd\\.mm/yyyy\n");
  // Default formats come from --locale, en_US without it.
  EXPECT_EQ(RunTool("translate --date --from serial --to excel 'T[Ads]'").out, "m\\/d\\/yy\n");
  EXPECT_EQ(RunTool("translate --number --from excel --to serial '0.0%;[Red]-0.0%'").out,
            "T[0]T[ds]T[0]T[pcs]T[FS]T[Cr]L[-]T[0]T[ds]T[0]T[pcs]\n");
  EXPECT_EQ(RunTool("translate --date --from excel --to serial 'h:mm AM/PM'").out,
            "T[12]T[ts]T[0m]L[ ]T[amu]\n");
}

TEST_F(ExcelTools, TranslateNotesApproximationsAndRefusesUnreadableCodes) {
  ToolRun r = RunTool("translate --number --from excel --to serial '#,##0,'");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.err, "kti18n: translate: '#,##0,' is shown approximately (scaling)\n");
  EXPECT_EQ(r.out, "T[#]T[gs]T[#]T[#]T[0]\n");
  EXPECT_EQ(RunTool("translate --number --from excel --to serial '\"open'").status, 1);  // a warning
}

TEST_F(ExcelTools, NumberFormatsThroughSpreadsheetCodes) {
  // en_US punctuation without --locale, whatever the host's locale is.
  ToolRun r = RunTool("number --dialect excel --pattern '#,##0.00;[Red](#,##0.00)' -- 1234.5 -1234.5 0");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "1,234.50\n(1,234.50)\tRed\n0.00\n");
  EXPECT_EQ(RunTool("number --dialect excel --locale de_DE --pattern '#,##0.00 [$€]' -- 1234.5").out, "1.234,50 €\n");
  EXPECT_EQ(RunTool("number --dialect excel --pattern General -- 1234.5678 -0.5").out, "1234.5678\n-0.5\n");
  EXPECT_EQ(RunTool("number --dialect excel --pattern '_(* #,##0_);_(* \\(#,##0\\);_(* \"-\"??_)' -- 5 -5 0").out,
            " 5 \n (5)\n -   \n");
  r = RunTool("number --dialect excel --pattern yyyy-mm-dd -- 1");
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("date code"), std::string::npos);
}

TEST_F(ExcelTools, DateFormatsThroughSpreadsheetCodes) {
  ToolRun r = RunTool("date --dialect excel --pattern 'dddd, mmmm d, yyyy h:mm:ss AM/PM' --serial 45000.75");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "Wednesday, March 15, 2023 6:00:00 PM\n");
  EXPECT_EQ(RunTool("date --dialect excel --pattern 'yyyy-mm-dd hh:mm' 2024-03-05T14:07:00Z").out, "2024-03-05 14:07\n");
  EXPECT_EQ(RunTool("date --dialect excel --locale de_DE --pattern 'dd/mm/yyyy' 2024-03-05T14:07:00Z").out,
            "05.03.2024\n");  // "/" shows the locale's date separator
  r = RunTool("date --dialect excel --pattern '[h]:mm' --serial 0.5");
  EXPECT_EQ(r.err, "kti18n: date: '[h]:mm' is shown approximately (elapsed time)\n");
  EXPECT_EQ(r.out, "12:00\n");
  r = RunTool("date --dialect excel --pattern '0.00' --serial 1");
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("number code"), std::string::npos);
}

}  // namespace
