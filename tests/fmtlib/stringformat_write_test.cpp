// Writing patterns as dialect text: literal protection per dialect, colours,
// the percent sign, and the switch to plain text after the last section.
#include <gtest/gtest.h>

#include <variant>

#include "stringformat_support.h"

using namespace FmtLib;
using namespace sf_test;

namespace {

class StringFormatWrite : public testing::Test {
 protected:
  FmtLibInitExit guard;

  static zvFmtPatternImp Number(std::initializer_list<std::variant<int, const char*>> items) {
    zvFmtPatternImp p(false);
    for (const auto& item : items) {
      if (item.index() == 0)
        p.push_back(static_cast<zvFmtTokens>(std::get<0>(item)));
      else
        p.push_back(ucs2string(std::get<1>(item)));
    }
    return p;
  }
};

TEST_F(StringFormatWrite, SerialLiteralsEscapeTheirBracketAndBackslash) {
  Format f(CreateSerialStringFormatNumber());
  EXPECT_EQ(Write(*f, Number({"/"})), "L[/]");
  EXPECT_EQ(Write(*f, Number({"]"})), "L[\\]]");
  EXPECT_EQ(Write(*f, Number({"a\\b", ""})), "L[a\\\\b]L[]");
  EXPECT_EQ(Write(*f, Number({102, 2, 402, 3})), "T[0]T[FS]T[Cr]T[Err]");
  // A date token has no number code: nothing is written for it.
  EXPECT_EQ(Write(*f, Number({102, 54, 102})), "T[0]T[0]");
}

TEST_F(StringFormatWrite, RenderAppends) {
  Format f(CreateSerialStringFormatNumber());
  ucs2string out("x");
  EXPECT_TRUE(f->Render(Number({102}), out));
  EXPECT_EQ(out.to_utf8(), "xT[0]");
}

TEST_F(StringFormatWrite, NativeLiteralsAreQuoted) {
  Format f(CreateStringFormatNumber("en", nullptr));
  EXPECT_EQ(Write(*f, Number({102, "abc", 102})), "0'abc'0");
  EXPECT_EQ(Write(*f, Number({"it's a\\b"})), "'it''s a\\\\b'");
  EXPECT_EQ(Write(*f, Number({102, " ", 102})), "0 0");
  EXPECT_EQ(Write(*f, Number({"'"})), "''");
  // Quoted, two quotes would be '''''' which reads as three.
  EXPECT_EQ(Write(*f, Number({"''"})), "''''");
  // A lone escape character is escaped: after a quote it would open a run
  // that never closes.
  EXPECT_EQ(Write(*f, Number({"\\"})), "\\\\");
  // Neighbouring literals are one run: 'a''b' would read as a'b.
  EXPECT_EQ(Write(*f, Number({"a", "b", 102})), "'ab'0");
  // An empty literal writes nothing ('' would read as a quote).
  EXPECT_EQ(Write(*f, Number({102, "", 102})), "00");
  Format ja(CreateStringFormatNumber("ja", nullptr));
  EXPECT_EQ(Write(*ja, Number({"!", "\\"})), "'!!\\'");
}

TEST_F(StringFormatWrite, ColoursInTheLanguageOfTheDictionary) {
  EXPECT_EQ(Write(*Format(CreateStringFormatNumber("en", nullptr)), Number({402, 102})), "[Red]0");
  EXPECT_EQ(Write(*Format(CreateStringFormatNumber("de", nullptr)), Number({415, 102})), "[Grau]0");
  EXPECT_EQ(Write(*Format(CreateHalcyonStringFormatNumber("GE", "de", nullptr, false)), Number({402})), "[Rot]");
}

TEST_F(StringFormatWrite, HalcyonEscapesEveryCharacterButTheSpace) {
  Format percent(CreateHalcyonStringFormatNumber("EN", "en", nullptr, true));
  Format plain(CreateHalcyonStringFormatNumber("EN", "en", nullptr, false));
  EXPECT_EQ(Write(*percent, Number({102, "a b", 113})), "0\\a \\b%");
  // Without the percent sign the dictionary has no text for the token.
  EXPECT_EQ(Write(*plain, Number({102, 113})), "0");
  Format fr(CreateHalcyonStringFormatNumber("FR", "fr", nullptr, false));
  EXPECT_EQ(Write(*fr, Number({101, 104, 101, 102, 103, 102})), "#\u00a0#0,0");
}

TEST_F(StringFormatWrite, TextAfterTheLastSectionIsWrittenPlain) {
  Format f(CreateStringFormatNumber("en", nullptr));
  EXPECT_EQ(Write(*f, Number({102, 2, "a", 2, 102, 2, "it's", 402})), "0;'a';0;it's[Red]");
  zvFmtPatternImp date(true);
  date.push_back(TK_MONTH_DAY_00);
  date.push_back(TK_FORMAT_SEPARATOR);
  date.push_back(ucs2string("'x'"));
  EXPECT_EQ(Write(*Format(CreateStringFormatDate("en", nullptr)), date), "dd;'x'");
}

}  // namespace
