// Checks every record of the locale-data module for the invariants its
// readers rely on: well-formed serial patterns, a digit table that keeps
// the ASCII hexadecimal letters, era tables that end in the sentinel, one
// locale per name, and the known values of a few locales.
#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>
#include <string_view>

#include "kti18n/locale/codecvt.h"
#include "kti18n/locale/ctime.h"
#include "kti18n/locale/locale.h"
#include "kti18n/locale/locale_catalog.h"
#include "kti18n/locale/locale_ident.h"
#include "kti18n/locale/num_put.h"
#include "kti18n/locale/numpunct.h"
#include "kti18n/text/formatter.h"
#include "kti18n/text/ucs2string.h"

namespace {

// The serial codes of the date and the number side of the token vocabulary.
const std::set<std::u16string_view> kDateCodes = {
    u"am", u"amu", u"aml", u"amc", u"mt", u"mtu", u"mtl", u"mtc", u"amt", u"amtu", u"amtl", u"amtc", u"023",
    u"23", u"012", u"12", u"024", u"24", u"011", u"11", u"0M", u"M", u"0m", u"m", u"0s", u"s", u"0ms", u"0cs",
    u"tens", u"y4", u"y2", u"iy2", u"iy1", u"iyg", u"dn", u"dnu", u"dnl", u"dnc", u"adn", u"adnu", u"adnl",
    u"adnc", u"0d", u"d", u"era", u"dowim", u"00yd", u"0yd", u"yd", u"0wy", u"wy", u"wm", u"tz", u"da", u"ts",
    u"ywoy4", u"ywoy2", u"ip", u"jy", u"jy2", u"FS"};
const std::set<std::u16string_view> kNumberCodes = {u"-",  u"#",  u"0",  u"ds", u"gs", u"ns", u"ne", u"E+",
                                                    u"E-", u"e+", u"e-", u"+",  u"pc", u"pcs", u"FS"};

// True when the pattern is a sequence of T[code] with known codes and
// L[text] whose "]" and "\" are escaped; counts the tokens through `tokens`.
bool well_formed(std::u16string_view pattern, const std::set<std::u16string_view>& codes, int& tokens) {
  tokens = 0;
  std::size_t i = 0;
  while (i < pattern.size()) {
    if (i + 1 >= pattern.size() || pattern[i + 1] != u'[') return false;
    if (pattern[i] == u'T') {
      const std::size_t close = pattern.find(u']', i);
      if (close == std::u16string_view::npos || !codes.count(pattern.substr(i + 2, close - i - 2))) return false;
      i = close + 1;
    } else if (pattern[i] == u'L') {
      std::size_t j = i + 2;
      while (j < pattern.size() && pattern[j] != u']') j += pattern[j] == u'\\' ? 2 : 1;
      if (j >= pattern.size() || j == i + 2) return false;  // unclosed or empty literal
      i = j + 1;
    } else {
      return false;
    }
    ++tokens;
  }
  return tokens > 0;
}

// A view of static UCS-2 text (the module's own, which outlives the test).
std::u16string_view view(const unsigned short* s) {
  std::size_t n = 0;
  while (s[n] != 0) ++n;
  return {reinterpret_cast<const char16_t*>(s), n};
}

class ModuleRecords : public testing::Test {
 protected:
  void TearDown() override { zv_locale_catalog::ClearInstance(); }
  static zv_locale_catalog& catalog() { return *zv_locale_catalog::GetInstance(); }
};

TEST_F(ModuleRecords, WellOverAHundredLocalesWithTheNeutralOne) {
  const auto lcids = catalog().GetRegisteredLocales();
  EXPECT_GT(lcids.size(), 150u);
  ASSERT_NE(catalog().GetStorage(31000), nullptr);
  EXPECT_EQ(catalog().GetStorage(31000)->numeric, nullptr);  // the built-in punctuation
  EXPECT_EQ(catalog().GetStorage(31000)->ctime, nullptr);
  std::set<std::string> names;
  for (unsigned lcid : lcids) {
    EXPECT_TRUE(names.insert(catalog().GetLocaleIdentification(lcid)->locale_name()).second) << lcid;
  }
  // The catalog accepted every record of the module.
  std::ostringstream trace;
  catalog().Trace(trace);
  EXPECT_EQ(trace.str().find("Refused"), std::string::npos) << trace.str().substr(trace.str().find("Refused"));
}

TEST_F(ModuleRecords, EveryPatternIsWellFormedSerialText) {
  for (unsigned lcid : catalog().GetRegisteredLocales()) {
    const zv_locale_storage* record = catalog().GetStorage(lcid);
    int tokens = 0;
    if (record->numeric) {
      for (int i = 0; i < 4; ++i) {
        const auto pattern = view(record->numeric->defaultPatterns[i]);
        EXPECT_TRUE(well_formed(pattern, kNumberCodes, tokens)) << lcid << " number pattern " << i;
      }
    }
    if (record->ctime) {
      for (int i = 0; i < zv_ctime_impl::kPatternCount; ++i) {
        const auto pattern = view(record->ctime->fmtLibDefaultFormats[i]);
        EXPECT_TRUE(well_formed(pattern, kDateCodes, tokens)) << lcid << " date pattern " << i;
      }
    }
  }
}

TEST_F(ModuleRecords, TablesHoldWhatTheFacetsRead) {
  for (unsigned lcid : catalog().GetRegisteredLocales()) {
    const zv_locale_storage* record = catalog().GetStorage(lcid);
    if (record->numeric) {
      const unsigned short* table = record->numeric->characters;
      EXPECT_EQ(ucs2string(table + 12, 6).view(), u"abcdef") << lcid;
      EXPECT_EQ(ucs2string(table + 28, 6).view(), u"ABCDEF") << lcid;
      for (int d = 0; d < 10; ++d) EXPECT_EQ(table[2 + d], table[18 + d]) << lcid;
      EXPECT_NE(record->numeric->separators & 0xFFFF, 0u) << lcid;
    }
    if (record->ctime) {
      const auto& ct = *record->ctime;
      ASSERT_GE(ct.eraCount, 2u) << lcid;
      EXPECT_EQ(ct.eraStartYears[ct.eraCount - 1], zv_ctime_impl::kEraSentinel) << lcid;
      for (unsigned i = 1; i + 1 < ct.eraCount; ++i) EXPECT_GT(ct.eraStartYears[i - 1], ct.eraStartYears[i]);
      for (int d = 0; d < 7; ++d) EXPECT_FALSE(view(ct.dayNames[d]).empty()) << lcid;
      for (int m = 0; m < 12; ++m) EXPECT_FALSE(view(ct.shortMonthNames[m]).empty()) << lcid;
      EXPECT_FALSE(view(ct.dateSeparator).empty()) << lcid;
      EXPECT_FALSE(view(ct.timeSeparator).empty()) << lcid;
    }
  }
}

// Every locale builds, and its code page holds its own month and day names,
// except where the Windows code page of the language is known to lack
// letters of it (those keep their code page all the same).
TEST_F(ModuleRecords, EveryLocaleBuildsAndItsEncodingHoldsItsNames) {
  const std::set<std::string> lossy = {"az_AZ", "fa_IR", "kk_KZ", "ky_KG", "ro_MD", "ro_RO",
                                       "tt_RU", "uk_UA", "ur_IN", "ur_PK", "vi_VN"};
  for (unsigned lcid : catalog().GetRegisteredLocales()) {
    if (lcid == zv_locale_catalog::kNeutralLcid) continue;  // its name has no language to match by
    const std::string name = catalog().GetLocaleIdentification(lcid)->locale_name();
    const zv_locale loc(name.c_str());
    if (lossy.count(name.substr(0, 5))) continue;
    const zv_codecvt& cvt = zv_use_facet<zv_codecvt>(loc);
    const zv_ctime& ct = zv_use_facet<zv_ctime>(loc);
    for (const unsigned short* text : {ct.GetNameOfMonth(1), ct.GetNameOfMonth(12), ct.GetNameOfDay(0)}) {
      const std::u16string_view units = view(text);
      const auto* first = reinterpret_cast<const unsigned short*>(units.data());
      std::string narrow;
      cvt.SetNarrowString(first, first + units.size(), narrow);
      ucs2string back;
      cvt.SetString(narrow.data(), narrow.data() + narrow.size(), back);
      EXPECT_EQ(back.view(), units) << name;
    }
  }
}

TEST_F(ModuleRecords, KnownLocales) {
  const zv_numpunct& de = zv_use_facet<zv_numpunct>(zv_locale("de_DE"));
  EXPECT_EQ(de.decimal_point(), u',');
  EXPECT_EQ(de.thousands_sep(), u'.');
  EXPECT_EQ(view(de.GetFmtLibDefaultFormat(1)), u"T[#]T[gs]T[#]T[#]T[0]T[ds]T[0]T[0]L[\u00a0\u20ac]");

  const zv_numpunct& hi = zv_use_facet<zv_numpunct>(zv_locale("hi_IN"));
  EXPECT_EQ(view(hi.grouping()), u"\x3\x2");

  // The yen has no minor unit; the Kuwaiti dinar has three.
  EXPECT_EQ(view(zv_use_facet<zv_numpunct>(zv_locale("ja_JP")).GetFmtLibDefaultFormat(1)),
            u"L[\uffe5]T[#]T[gs]T[#]T[#]T[0]");
  EXPECT_NE(view(zv_use_facet<zv_numpunct>(zv_locale("ar_KW")).GetFmtLibDefaultFormat(1))
                .find(u"T[ds]T[0]T[0]T[0]"),
            std::u16string_view::npos);

  // Arabic digits, with the sign stripped of its directional mark.
  const zv_numpunct& ar = zv_use_facet<zv_numpunct>(zv_locale("ar_SA"));
  EXPECT_EQ(ar.GetDigits(false)[0], 0x0660);
  EXPECT_EQ(ar.negative_sign(), u'-');
  EXPECT_EQ(ar.exponent_sign(), u'e');  // CLDR's exponent is a word

  const zv_ctime& ja = zv_use_facet<zv_ctime>(zv_locale("ja_JP"));
  ASSERT_EQ(ja.GetNumberOfEra(), 6u);
  std::int32_t eraYear = 0;
  EXPECT_EQ(view(ja.FindEra(2019, &eraYear)), u"\u4ee4\u548c");
  EXPECT_EQ(eraYear, 1);
  EXPECT_EQ(view(ja.FindEra(1988, &eraYear)), u"\u662d\u548c");
  EXPECT_EQ(eraYear, 63);

  const zv_ctime& fr = zv_use_facet<zv_ctime>(zv_locale("fr_CA"));
  EXPECT_EQ(view(fr.GetTimeSeparator()), u" h ");
  EXPECT_EQ(view(fr.GetFmtLibDefaultFormat(12)), u"T[y4]L[-]T[M]L[-]T[d]");

  const zv_locale_ident& sr = zv_use_facet<zv_locale_ident>(zv_locale("sr_BA"));
  EXPECT_STREQ(sr.encoding_technical_name(), "CP1250");  // Latin script
  EXPECT_EQ(sr.sort_order_display_name().to_utf8(), "Serbian (Latin, Bosnia & Herzegovina)");
  EXPECT_STREQ(zv_use_facet<zv_locale_ident>(zv_locale("hy_AM")).encoding_technical_name(), "UTF-8");
}

}  // namespace

// A named locale's number facets write with the locale's own punctuation.
TEST_F(ModuleRecords, NumberOutputFollowsTheNamedLocale) {
  auto written = [](const char* name, double value) {
    ucs2string_formatter out;
    zv_use_facet<zv_num_put>(zv_locale(name)).put(out, u' ', value);
    return std::u16string(reinterpret_cast<const char16_t*>(out.data()), out.length());
  };
  EXPECT_EQ(written("de_DE", 2.5), u"2,5");
  EXPECT_EQ(written("en_US", 2.5), u"2.5");
  EXPECT_EQ(written("ar_SA", 2.5).front(), u'\u0662');
}
