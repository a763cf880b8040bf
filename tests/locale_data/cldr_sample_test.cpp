// Samples locales of the locale-data module across scripts and checks them
// against the CLDR XML itself, read here by a deliberately small reader of
// its own (plain text search along the locale's parent files), so that a
// fault of the generator's inheritance and alias handling shows up as a
// difference. Skipped when CLDR is not installed.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "kti18n/locale/ctime.h"
#include "kti18n/locale/locale.h"
#include "kti18n/locale/locale_catalog.h"
#include "kti18n/locale/numpunct.h"
#include "kti18n/text/ucs2string.h"

namespace {

std::string cldr_dir() {
  const char* dir = std::getenv("KTI18N_CLDR_DIR");
  return dir ? dir : "/usr/share/unicode/cldr/common";
}

std::string read_file(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::string unescape(std::string_view text) {
  static const std::pair<std::string_view, char> kEntities[] = {
      {"&amp;", '&'}, {"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}, {"&apos;", '\''}};
  std::string out;
  for (std::size_t i = 0; i < text.size();) {
    bool replaced = false;
    for (const auto& [entity, ch] : kEntities) {
      if (text.substr(i, entity.size()) == entity) {
        out += ch;
        i += entity.size();
        replaced = true;
        break;
      }
    }
    if (!replaced) out += text[i++];
  }
  return out;
}

// The text of the element reached by a chain of opening tags, each given up
// to its distinguishing attributes ("<monthWidth type=\"wide\""). A tag
// with further attributes matches only when they are draft markers, so that
// alternates (alt="variant") are passed over as CLDR's users do.
std::optional<std::string> element_text(const std::string& xml, const std::vector<std::string>& path) {
  std::size_t begin = 0, end = xml.size();
  for (const std::string& open : path) {
    std::size_t at = begin;
    for (;;) {
      at = xml.find(open, at);
      if (at == std::string::npos || at >= end) return std::nullopt;
      const std::size_t after = at + open.size();
      if (xml[after] == '>' || xml.compare(after, 8, " draft=\"") == 0) break;
      at = after;
    }
    const std::size_t name_end = xml.find_first_of(" >", at);
    const std::string close = "</" + xml.substr(at + 1, name_end - at - 1) + ">";
    begin = xml.find('>', at) + 1;
    end = xml.find(close, begin);
    if (end == std::string::npos) return std::nullopt;
  }
  std::string text = unescape(std::string_view(xml).substr(begin, end - begin));
  if (text == "\u2191\u2191\u2191") return std::nullopt;  // "inherit from the parent"
  return text;
}

// A CLDR locale and its parents by truncation (zh_Hant_TW, zh_Hant, ...),
// or the chain given word by word where CLDR names another parent ("en_IN
// en_001 en"), then root.
class CldrLocale {
 public:
  explicit CldrLocale(std::string id) {
    if (id.find(' ') != std::string::npos) {
      std::istringstream words(id);
      for (std::string word; words >> word;) files_.push_back(read_file(cldr_dir() + "/main/" + word + ".xml"));
    } else {
      for (;;) {
        files_.push_back(read_file(cldr_dir() + "/main/" + id + ".xml"));
        const auto cut = id.rfind('_');
        if (cut == std::string::npos) break;
        id.resize(cut);
      }
    }
    files_.push_back(read_file(cldr_dir() + "/main/root.xml"));
  }

  std::optional<std::string> get(const std::vector<std::string>& path) const {
    for (const std::string& xml : files_) {
      if (auto text = element_text(xml, path)) return text;
    }
    return std::nullopt;
  }

  std::string numbering_system() const { return get({"<defaultNumberingSystem"}).value_or("latn"); }

  std::string symbol(const std::string& name) const {
    for (const std::string& system : {numbering_system(), std::string("latn")}) {
      if (auto text = get({"<symbols numberSystem=\"" + system + "\"", "<" + name})) return *text;
    }
    return "?";
  }

  std::string decimal_pattern() const {
    for (const std::string& system : {numbering_system(), std::string("latn")}) {
      if (auto text = get({"<decimalFormats numberSystem=\"" + system + "\"", "<decimalFormatLength",
                           "<decimalFormat", "<pattern"})) {
        return *text;
      }
    }
    return "?";
  }

  std::string name(const std::string& kind, const std::string& width, const std::string& key) const {
    const std::vector<std::string> calendar = {"<calendar type=\"gregorian\""};
    auto path = calendar;
    path.insert(path.end(), {"<" + kind + "s", "<" + kind + "Context type=\"format\"",
                             "<" + kind + "Width type=\"" + width + "\"", "<" + kind + " type=\"" + key + "\""});
    return get(path).value_or("?");
  }

  std::string am_pm(const std::string& key) const {
    return get({"<calendar type=\"gregorian\"", "<dayPeriods", "<dayPeriodContext type=\"format\"",
                "<dayPeriodWidth type=\"abbreviated\"", "<dayPeriod type=\"" + key + "\""})
        .value_or("?");
  }

 private:
  std::vector<std::string> files_;
};

std::string without_bidi_marks(const std::string& text) {
  std::string out;
  const ucs2string units(text.c_str());
  for (const char16_t c : units.view()) {
    if (c == 0x200E || c == 0x200F || c == 0x061C) continue;
    out += ucs2string(1, static_cast<unsigned short>(c)).to_utf8();
  }
  return out;
}

// Group sizes of a decimal pattern, primary first ("#,##,##0" gives 3, 2).
std::vector<unsigned short> grouping_of(const std::string& pattern) {
  const std::string integer = pattern.substr(0, pattern.find_first_of(".;E"));
  std::vector<std::size_t> commas;
  for (std::size_t i = 0; i < integer.size(); ++i) {
    if (integer[i] == ',') commas.push_back(i);
  }
  if (commas.empty()) return {};
  const auto digits_between = [&](std::size_t from, std::size_t to) {
    unsigned short n = 0;
    for (std::size_t i = from; i < to; ++i) n += integer[i] == '#' || integer[i] == '0';
    return n;
  };
  const unsigned short primary = digits_between(commas.back() + 1, integer.size());
  if (commas.size() >= 2) {
    const unsigned short secondary = digits_between(commas[commas.size() - 2] + 1, commas.back());
    if (secondary != primary) return {primary, secondary};
  }
  return {primary};
}

std::string text(const unsigned short* s) { return ucs2string(s).to_utf8(); }
std::string unit(unsigned short c) { return ucs2string(1, c).to_utf8(); }

std::string numbering_digits(const std::string& system) {
  const std::string xml = read_file(cldr_dir() + "/supplemental/numberingSystems.xml");
  const std::string key = "id=\"" + system + "\" type=\"numeric\" digits=\"";
  const auto at = xml.find(key);
  if (at == std::string::npos) return "?";
  const auto begin = at + key.size();
  return xml.substr(begin, xml.find('"', begin) - begin);
}

struct Sample {
  const char* name;     // the module's locale name
  const char* cldr_id;  // the CLDR locale it was made from, or its whole chain
};

// Latin, Cyrillic, Greek, Hebrew, Arabic (two digit sets), Devanagari,
// Bengali, Tamil, Thai, Lao, Khmer, Myanmar, Georgian, Armenian, Ethiopic,
// Sinhala, Tibetan, Han (simplified and traditional), Japanese and Hangul.
const Sample kSamples[] = {
    {"de_DE", "de_DE"}, {"fr_CA", "fr_CA"}, {"pl_PL", "pl_PL"},     {"sv_SE", "sv_SE"},
    {"vi_VN", "vi_VN"}, {"tr_TR", "tr_TR"}, {"ru_RU", "ru_RU"},     {"sr_BA", "sr_Latn_BA"},
    {"el_GR", "el_GR"}, {"he_IL", "he_IL"}, {"ar_EG", "ar_EG"},     {"fa_IR", "fa_IR"},
    {"hi_IN", "hi_IN"}, {"bn_BD", "bn_BD"}, {"ta_IN", "ta_IN"},     {"th_TH", "th_TH"},
    {"lo_LA", "lo_LA"}, {"km_KH", "km_KH"}, {"my_MM", "my_MM"},     {"ka_GE", "ka_GE"},
    {"hy_AM", "hy_AM"}, {"am_ET", "am_ET"}, {"si_LK", "si_LK"},     {"bo_CN", "bo_CN"},
    {"zh_CN", "zh_Hans_CN"}, {"zh_TW", "zh_Hant_TW"}, {"ja_JP", "ja_JP"}, {"ko_KR", "ko_KR"},
    {"en_IN", "en_IN en_001 en"}, {"es_MX", "es_MX es_419 es"},
};

class CldrSample : public testing::TestWithParam<Sample> {
 protected:
  void SetUp() override {
    if (!std::ifstream(cldr_dir() + "/main/root.xml")) {
      GTEST_SKIP() << "CLDR is not installed at " << cldr_dir() << " (package unicode-cldr-core)";
    }
  }
};

TEST_P(CldrSample, NumericPunctuationMatchesCldr) {
  const CldrLocale cldr(GetParam().cldr_id);
  const zv_locale loc(GetParam().name);
  const zv_numpunct& np = zv_use_facet<zv_numpunct>(loc);

  EXPECT_EQ(unit(np.decimal_point()), without_bidi_marks(cldr.symbol("decimal")));
  EXPECT_EQ(unit(np.thousands_sep()), without_bidi_marks(cldr.symbol("group")));
  EXPECT_EQ(unit(np.negative_sign()), without_bidi_marks(cldr.symbol("minusSign")));
  EXPECT_EQ(unit(np.positive_sign()), without_bidi_marks(cldr.symbol("plusSign")));
  const std::vector<unsigned short> grouping = grouping_of(cldr.decimal_pattern());
  EXPECT_EQ(ucs2string(np.grouping()), ucs2string(grouping.data(), static_cast<unsigned>(grouping.size())))
      << cldr.decimal_pattern();
  EXPECT_EQ(ucs2string(np.GetDigits(false), 10).to_utf8(), numbering_digits(cldr.numbering_system()));
  EXPECT_EQ(ucs2string(np.GetDigits(true), 10).to_utf8(), numbering_digits(cldr.numbering_system()));
}

TEST_P(CldrSample, CalendarNamesMatchCldr) {
  const CldrLocale cldr(GetParam().cldr_id);
  const zv_locale loc(GetParam().name);
  const zv_ctime& ct = zv_use_facet<zv_ctime>(loc);

  EXPECT_EQ(text(ct.GetNameOfMonth(1)), cldr.name("month", "wide", "1"));
  EXPECT_EQ(text(ct.GetNameOfMonth(12)), cldr.name("month", "wide", "12"));
  EXPECT_EQ(text(ct.GetShortNameOfMonth(1)), cldr.name("month", "abbreviated", "1"));
  EXPECT_EQ(text(ct.GetShortNameOfMonth(12)), cldr.name("month", "abbreviated", "12"));
  // Monday first.
  EXPECT_EQ(text(ct.GetNameOfDay(0)), cldr.name("day", "wide", "mon"));
  EXPECT_EQ(text(ct.GetNameOfDay(6)), cldr.name("day", "wide", "sun"));
  EXPECT_EQ(text(ct.GetShortNameOfDay(0)), cldr.name("day", "abbreviated", "mon"));
  EXPECT_EQ(text(ct.GetShortNameOfDay(6)), cldr.name("day", "abbreviated", "sun"));
  EXPECT_EQ(text(ct.GetAmPm(0)), cldr.am_pm("am"));
  EXPECT_EQ(text(ct.GetAmPm(1)), cldr.am_pm("pm"));
}

INSTANTIATE_TEST_SUITE_P(AcrossScripts, CldrSample, testing::ValuesIn(kSamples),
                         [](const testing::TestParamInfo<Sample>& info) { return std::string(info.param.name); });

}  // namespace
