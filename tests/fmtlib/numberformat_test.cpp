// Number formats from the caller's pattern to the text: sections, the
// automatic sign, placeholders, grouping, percent, exponents, Boolean words,
// colours, the text section and the plain form.
#include "numberformat_support.h"

#include <cmath>
#include <limits>

#include "kti18n/fmtlib/number_format_imp.h"

using namespace FmtLib;
using namespace nf_test;

namespace {

constexpr const char* kTwoDecimals = "T[#]T[gs]T[#]T[#]T[0]T[ds]T[0]T[0]";

class NumberFormatTest : public testing::Test {
 protected:
  FmtLibInitExit guard;
  izv_ptr<zvSettings> classic = SettingsFor(zv_locale::classic());
  izv_ptr<zvSettings> grouped = SettingsFor(LocaleWith(kCommaPoint3));

  std::string Of(const char* serial, double value, izv_ptr<zvSettings>* settings = nullptr) {
    NumberFormat f = Build(settings ? *settings : classic, serial);
    if (f == nullptr) return "(no format)";
    return Text(*f, value);
  }
};

TEST_F(NumberFormatTest, TheStandardFormatCompilesAsDocumented) {
  zvNumberFormat* raw = nullptr;
  ASSERT_EQ(CreateDefaultNumberFormat(grouped, STANDARD, raw), 0);
  NumberFormat f(raw);
  const auto& imp = static_cast<const zvNumberFormatImp&>(*f);
  const zvNumberSection& s = imp.Section(0);
  std::vector<int> program;
  for (const zvNumberOp& op : s.program) program.push_back(op.code);
  EXPECT_EQ(program, (std::vector<int>{4, 6, 5, 5, 5, 7, 13, 8, 8}));
  EXPECT_EQ(s.integerMask, "###0");
  EXPECT_EQ(s.integerPlaceholders, 4);
  EXPECT_TRUE(s.grouping);
  EXPECT_EQ(s.minFraction, 0);
  EXPECT_EQ(s.maxFraction, 2);
  EXPECT_EQ(imp.NegativeSection(), 0);
  EXPECT_EQ(imp.ZeroSection(), 0);
  EXPECT_EQ(Text(*f, 1234.5), "1,234.5");
  EXPECT_EQ(Text(*f, 1234567.0), "1,234,567");
  EXPECT_EQ(Text(*f, 0.125), "0.13");
}

TEST_F(NumberFormatTest, OneSectionGetsTheAutomaticSign) {
  EXPECT_EQ(Of(kTwoDecimals, 1234567.891, &grouped), "1,234,567.89");
  EXPECT_EQ(Of(kTwoDecimals, -5, &grouped), "-5.00");
  EXPECT_EQ(Of(kTwoDecimals, 0, &grouped), "0.00");
  EXPECT_EQ(Of(kTwoDecimals, -0.0, &grouped), "0.00");
  EXPECT_EQ(Of(kTwoDecimals, 1234567.891), "1234567.89");
  EXPECT_EQ(Of("L[$]T[0]L[ ok]", -5), "-$5 ok");
  // A sign of its own replaces it.
  EXPECT_EQ(Of("T[0]T[-]", -5), "5-");
  EXPECT_EQ(Of("T[+]T[0]", 5), "+5");
  EXPECT_EQ(Of("T[+]T[0]", -5), "-5");
  // Without placeholders there is no number to sign.
  EXPECT_EQ(Of("L[x]", -5), "x");
}

TEST_F(NumberFormatTest, SectionsBySign) {
  const char* brackets = "T[#]T[0]T[FS]T[ns]T[#]T[0]T[ne]";
  EXPECT_EQ(Of(brackets, -5), "(5)");
  EXPECT_EQ(Of(brackets, 5), "5");
  EXPECT_EQ(Of("T[0]T[FS]T[ns]T[0]T[ne]T[FS]L[zero]", 0), "zero");
  // An empty zero section: zero uses the first section.
  EXPECT_EQ(Of("T[0]T[ds]T[0]T[FS]T[ns]T[0]T[ne]T[FS]T[FS]L[text]", 0), "0.0");
  // An empty negative section: negatives use the first, with its minus.
  EXPECT_EQ(Of("T[0]T[ds]T[0]T[FS]", -5), "-5.0");
  // A negative section with only a colour has no program either.
  NumberFormat f = Build(classic, "T[0]T[FS]T[Cr]");
  EXPECT_EQ(Text(*f, -5), "-5");
  EXPECT_EQ(f->GetColor(), 0);
}

TEST_F(NumberFormatTest, ColoursAndTheTextSection) {
  NumberFormat f = Build(classic, "T[0]T[FS]T[Cr]T[ns]T[0]T[ne]T[FS]T[Cgr]L[-]T[FS]L[n/a ]T[Cb]L[here]T[FS]L[gone]");
  EXPECT_EQ(Text(*f, 5), "5");
  EXPECT_EQ(f->GetColor(), 0);
  EXPECT_EQ(Text(*f, -5), "(5)");
  EXPECT_EQ(f->GetColor(), 3);
  EXPECT_EQ(Text(*f, 0), "-");
  EXPECT_EQ(f->GetColor(), 16);
  EXPECT_TRUE(f->FormatText());
  EXPECT_EQ(ucs2string(f->c_str()).to_utf8(), "n/a here");
  EXPECT_EQ(f->GetColor(), 5);
}

TEST_F(NumberFormatTest, Placeholders) {
  EXPECT_EQ(Of("T[0]T[ds]T[#]T[#]", 3), "3");
  EXPECT_EQ(Of("T[0]T[ds]T[0]", 3), "3.0");
  EXPECT_EQ(Of("T[#]T[ds]T[#]", 0.5), ".5");
  EXPECT_EQ(Of("T[0]T[0]T[0]T[0]", 42), "0042");
  EXPECT_EQ(Of("T[0]T[#]T[0]", 5), "005");
  EXPECT_EQ(Of("T[#]T[0]", 123456), "123456");
  EXPECT_EQ(Of("L[<]T[#]L[-]T[#]L[-]T[0]L[>]", 12345), "<123-4-5>");
  EXPECT_EQ(Of("T[0]T[ds]T[0]T[0]", 2.625), "2.63");
  EXPECT_EQ(Of("T[ds]T[0]T[0]", 42.5), "42.50");
}

// Amounts round as typed, not as the binary double's expansion: 2.675 is
// held as 2.67499999999999982..., yet prints as 2.68, as in a spreadsheet.
TEST_F(NumberFormatTest, TypedTiesRoundHalfUpAsTyped) {
  constexpr const char* kTwo = "T[0]T[ds]T[0]T[0]";
  const struct {
    const char* pattern;
    double typed;
    const char* shown;
  } ties[] = {
      {kTwo, 2.675, "2.68"},        {kTwo, 1.005, "1.01"},       {kTwo, 0.015, "0.02"},
      {kTwo, 1.115, "1.12"},        {kTwo, -2.675, "-2.68"},     {kTwo, 10.235, "10.24"},
      {kTwo, 0.285, "0.29"},        {kTwo, 1234.565, "1234.57"}, {kTwo, 0.125, "0.13"},
      {kTwo, 8.345, "8.35"},        {kTwo, 2.665, "2.67"},       {"T[0]", 0.5, "1"},
      {"T[0]", 2.5, "3"},           {"T[0]T[ds]T[0]", 0.45, "0.5"},
      {"T[0]T[ds]T[0]T[0]T[0]T[0]T[0]T[0]", 1e-7, "0.000000"},
      {"T[0]T[ds]T[0]T[0]T[0]T[0]T[0]T[0]", 5e-7, "0.000001"},
      {"T[0]T[ds]T[0]T[0]T[0]T[0]T[0]T[0]", 1.0000005, "1.000001"},
      // Below the ties: digits past the fifteenth never push a rounding.
      {kTwo, 2.6749999999999, "2.67"},
      // Sixteen significant digits round to fifteen first, ties to even.
      {"T[0]", 1000000000000005.0, "1000000000000000"},
      {"T[0]", 1000000000000015.0, "1000000000000020"},
  };
  for (const auto& t : ties) EXPECT_EQ(Of(t.pattern, t.typed), t.shown) << t.typed;
}

TEST_F(NumberFormatTest, GroupingFollowsTheSettingsTable) {
  EXPECT_EQ(Of("T[#]T[gs]T[0]", 123456789, &grouped), "123,456,789");
  EXPECT_EQ(Of("T[#]T[gs]T[0]", 999, &grouped), "999");
  EXPECT_EQ(Of("T[0]T[0]T[0]T[0]T[gs]T[0]", 12, &grouped), "00,012");
  auto indian = SettingsFor(LocaleWith(kIndian));
  EXPECT_EQ(Of("T[#]T[gs]T[0]", 123456789, &indian), "12,34,56,789");
  // A grouping separator outside the integer placeholders does not group.
  EXPECT_EQ(Of("T[gs]T[#]T[0]", 123456789, &grouped), "123456789");
  // The classic locale does not group at all.
  EXPECT_EQ(Of("T[#]T[gs]T[0]", 123456789), "123456789");
}

TEST_F(NumberFormatTest, PreferencesReplaceTheLocalesPunctuationAndWords) {
  auto prefs = SettingsFor(LocaleWith(kCommaPoint3),
                           {{"decimal_point", ","}, {"thousands_sep", "."}, {"true_word", "yes"}});
  EXPECT_EQ(Of(kTwoDecimals, 1234.5, &prefs), "1.234,50");
  EXPECT_EQ(Of("T[b]", 0, &prefs), "false");
  EXPECT_EQ(Of("T[b]", -2, &prefs), "yes");
  EXPECT_EQ(Of("T[b]", 0), "false");
  EXPECT_EQ(Of("T[b]", 0.5), "true");
  EXPECT_EQ(Of("T[bt]L[/]T[bf]", 1), "true/false");
}

TEST_F(NumberFormatTest, EmptySeparatorPreferencesWriteNothing) {
  auto none = SettingsFor(LocaleWith(kCommaPoint3), {{"decimal_point", ""}, {"thousands_sep", ""}});
  EXPECT_EQ(Of(kTwoDecimals, 1234567.89, &none), "123456789");
  EXPECT_EQ(Of(kTwoDecimals, -1234567.89, &none), "-123456789");
}

TEST_F(NumberFormatTest, PercentScaling) {
  EXPECT_EQ(Of("T[0]T[pc]", 0.25), "25");
  EXPECT_EQ(Of("T[0]T[pcs]", 0.25), "25%");
  EXPECT_EQ(Of("T[0]T[pc]T[pc]", 0.25), "2500");
  // With the sign, once however many plain tokens stand beside it.
  EXPECT_EQ(Of("T[0]T[pcs]T[pc]", 0.25), "25%");
  EXPECT_EQ(Of("T[0]T[ds]T[0]T[pcs]", -0.125), "-12.5%");
}

TEST_F(NumberFormatTest, Exponents) {
  EXPECT_EQ(Of("T[0]T[ds]T[0]T[0]T[E+]T[0]T[0]", 12345), "1.23E+04");
  EXPECT_EQ(Of("T[0]T[ds]T[0]T[0]T[E+]T[0]T[0]", 0.00012345), "1.23E-04");
  EXPECT_EQ(Of("T[0]T[ds]T[0]T[0]T[E-]T[0]", 12345), "1.23E4");
  EXPECT_EQ(Of("T[0]T[ds]T[0]T[0]T[e-]T[0]", 0.00012345), "1.23e-4");
  EXPECT_EQ(Of("T[0]T[ds]T[0]T[0]T[e+]T[#]", 12345), "1.23e+4");
  EXPECT_EQ(Of("T[0]T[ds]T[0]T[0]T[E+]T[0]", 1e123), "1.00E+123");
  // Three integer placeholders: exponents are multiples of 3.
  EXPECT_EQ(Of("T[#]T[#]T[0]T[ds]T[0]T[E+]T[0]", 12345), "12.3E+3");
  // The default scientific format of the built-in data.
  zvNumberFormat* raw = nullptr;
  ASSERT_EQ(CreateDefaultNumberFormat(classic, SCIENTIFIC, raw), 0);
  NumberFormat f(raw);
  EXPECT_EQ(Text(*f, 12345), "1.2345E4");
  EXPECT_EQ(Text(*f, -0.5), "-5.0E-1");
}

TEST_F(NumberFormatTest, ThePlainFormWhenTheSectionCannotHoldTheNumber) {
  // More than 256 integer digits in a fixed section.
  EXPECT_EQ(Of("L[x]T[#]T[gs]T[0]", 1e300, &grouped), "1e300");
  EXPECT_EQ(Of("T[0]", -2e300), "-2e300");
  EXPECT_EQ(Of("T[0]", std::numeric_limits<double>::infinity()), "1.#INF");
  EXPECT_EQ(Of("T[0]", -std::numeric_limits<double>::infinity()), "-1.#INF");
  EXPECT_EQ(Of("T[0]", std::numeric_limits<double>::quiet_NaN()), "0.#IND");
}

TEST_F(NumberFormatTest, IntegersAreConvertedExactly) {
  NumberFormat f = Build(grouped, kTwoDecimals);
  EXPECT_EQ(Text(*f, -5L), "-5.00");
  EXPECT_EQ(Text(*f, 4294967295UL), "4,294,967,295.00");
  EXPECT_EQ(Text(*f, static_cast<long>(-2147483647 - 1)), "-2,147,483,648.00");
}

TEST_F(NumberFormatTest, DefaultFormats) {
  auto text = [&](fmtLibDefaultFormats kind, double v) {
    zvNumberFormat* raw = nullptr;
    if (CreateDefaultNumberFormat(grouped, kind, raw) != 0) return std::string("(no format)");
    NumberFormat f(raw);
    return Text(*f, v);
  };
  EXPECT_EQ(text(STANDARD, -1234.567), "-1,234.57");
  // The built-in percent text has a literal "%" and no scaling.
  EXPECT_EQ(text(PERCENT, 25), "25%");
  EXPECT_EQ(text(BOOLEAN, 0), "false");
  EXPECT_EQ(text(BOOLEAN, -3), "true");
  EXPECT_EQ(text(BOOLEAN, 3), "true");
  for (fmtLibDefaultFormats kind : {CURRENCY, SHORT_DATE, static_cast<fmtLibDefaultFormats>(99)})
    EXPECT_EQ(text(kind, 1), "(no format)") << kind;
  // A default token anywhere replaces the whole pattern.
  EXPECT_EQ(Of("L[x]T[0]T[FS]T[Ab]", 0), "false");
}

TEST_F(NumberFormatTest, UnreadableOrUnusablePatterns) {
  EXPECT_EQ(Of("T[0", 5), "#FORMAT");
  EXPECT_EQ(Of("L[a]T[Err]T[0]", -5), "-a#FORMAT5");
  EXPECT_EQ(Of("T[0]T[FS]L[neg]T[Err]", -5), "neg#FORMAT");
  zvFmtPatternImp date(true);
  date.push_back(TK_MONTH_DAY_00);
  zvNumberFormat* out = nullptr;
  EXPECT_EQ(CreateNumberFormat(classic, &date, out), ZV_E_FAIL);
  EXPECT_EQ(CreateNumberFormat(classic, nullptr, out), ZV_E_FAIL);
  izv_ptr<zvSettings> none;
  zvFmtPatternImp number(false);
  EXPECT_EQ(CreateNumberFormat(none, &number, out), ZV_E_FAIL);
  EXPECT_EQ(out, nullptr);
}

// Settings whose default texts the test chooses.
class TextSettings : public zvSettingsImp {
 public:
  TextSettings(const char* text) : zvSettingsImp(zv_locale::classic(), Prefs()), m_text(text) {}
  const unsigned short* GetDefaultFormat(int kind) const override {
    return kind == STANDARD && !m_text.is_null() ? m_text.c_str() : nullptr;
  }

 private:
  static izv_ptr<zvPreferences> Prefs() {
    izv_ptr<zvPreferences> p;
    CreatePreferences(p);
    p->EndBuild();
    return p;
  }
  ucs2string m_text;
};

TEST_F(NumberFormatTest, DefaultTextsTheSettingsCannotGive) {
  auto settings = [](const char* text) { return izv_ptr<zvSettings>::adopt(new TextSettings(text)); };
  zvNumberFormat* out = nullptr;
  auto missing = settings(nullptr);
  EXPECT_EQ(CreateDefaultNumberFormat(missing, PERCENT, out), ZV_E_FAIL);
  // An unreadable text writes "#FORMAT".
  auto garbage = settings("T[0]garbage");
  ASSERT_EQ(CreateDefaultNumberFormat(garbage, STANDARD, out), 0);
  NumberFormat f(out);
  EXPECT_EQ(Text(*f, 5), "#FORMAT");
  // A text that names a default format again is refused, not followed
  // without end.
  auto loop = settings("T[An]");
  out = nullptr;
  EXPECT_EQ(CreateDefaultNumberFormat(loop, STANDARD, out), ZV_E_FAIL);
  EXPECT_EQ(out, nullptr);
}

TEST_F(NumberFormatTest, LongResultsGrowTheBuffer) {
  std::string serial = "T[0]";
  for (int i = 0; i < 300; ++i) serial += "L[ab]";
  NumberFormat f = Build(classic, serial.c_str());
  EXPECT_EQ(Text(*f, 7).size(), 601u);
  EXPECT_EQ(Text(*f, 1e255).size(), 256u + 600u);
}

}  // namespace
