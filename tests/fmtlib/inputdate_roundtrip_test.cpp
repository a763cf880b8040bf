// Dates written with a locale's input date-time default read back as the
// same fields, in twenty locales of many scripts; and random and mutated
// texts and patterns never read outside their buffers.
#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>
#include <vector>

#include "kti18n/fmtlib/input_date.h"
#include "kti18n/fmtlib/predefined_dictionaries.h"
#include "kti18n/fmtlib/string_format.h"

namespace {

using namespace FmtLib;
using namespace TimeLib;

izv_ptr<zvSettings> SettingsFor(const zv_locale& locale) {
  izv_ptr<zvPreferences> prefs;
  EXPECT_EQ(CreatePreferences(prefs), 0);
  prefs->EndBuild();
  izv_ptr<zvSettings> settings;
  EXPECT_EQ(CreateSettings(locale, prefs, settings), 0);
  return settings;
}

std::unique_ptr<zvInputDate> InputDefault(izv_ptr<zvSettings>& settings, int baseYear) {
  std::unique_ptr<zvFmtPattern> pattern(CreateDateFmtPattern());
  pattern->push_back(TK_DEF_INPUT_DATE_TIME);
  zvInputDate* raw = nullptr;
  if (CreateInputDate(settings, pattern.get(), raw, baseYear) != 0) return nullptr;
  return std::unique_ptr<zvInputDate>(raw);
}

TEST(InputDateRoundTrip, InputDefaultsReadBackWhatTheyWrite) {
  FmtLibInitExit guard;
  const char* locales[] = {"en_US", "de_DE", "fr_FR", "ja_JP", "zh_CN", "ru_RU", "ar_EG", "hi_IN", "es_ES", "it_IT",
                           "pt_BR", "nl_NL", "sv_SE", "pl_PL", "tr_TR", "ko_KR", "th_TH", "he_IL", "el_GR", "fa_IR"};
  std::mt19937 rng(2004);
  for (const char* name : locales) {
    const zv_locale locale(name);
    izv_ptr<zvSettings> settings = SettingsFor(locale);
    // Two-digit years then denote 1950 to 2049.
    auto input = InputDefault(settings, 2049);
    ASSERT_NE(input, nullptr) << name;
    for (int i = 0; i < 500; ++i) {
      zvFields f;
      f.set(Year, 1950 + static_cast<int>(rng() % 100)).set(Month, static_cast<int>(rng() % 12));
      f.set(Day_of_month, 1 + static_cast<int>(rng() % 28)).set(Hour_of_day, static_cast<int>(rng() % 24));
      f.set(Minute, static_cast<int>(rng() % 60));
      const zvCalendarTime written(f, zvTimeZone::utc(), zvCalendar::gregorian());
      ASSERT_TRUE(input->Format(written));
      const ucs2string text(input->c_str());
      zvCalendarTime read(zvFields(), zvTimeZone::utc(), zvCalendar::gregorian());
      int length = 0;
      ASSERT_TRUE(input->Scan(text.c_str(), read, length)) << name << ": " << text << " stops at " << length;
      EXPECT_EQ(length, static_cast<int>(text.length())) << name << ": " << text;
      ASSERT_TRUE(read == written) << name << ": " << text << " read as " << read.year() << '-' << read.month() + 1
                                   << '-' << read.day_of_month() << ' ' << read.hour_of_day() << ':'
                                   << read.minute();
    }
  }
}

TEST(InputDateFuzz, RandomPatternsAndTextsStayInsideTheirBuffers) {
  FmtLibInitExit guard;
  izv_ptr<zvSettings> settings = SettingsFor(zv_locale::classic());
  std::unique_ptr<zvStringFormatDate> reader(CreateSerialStringFormatDate());
  const char* tokens[] = {"T[0d]", "T[d]",  "T[0M]", "T[M]",  "T[y4]", "T[y2]",  "T[023]", "T[012]", "T[24]",
                          "T[0m]", "T[0s]", "T[am]", "T[mt]", "T[amt]", "T[dn]", "T[adn]", "T[da]",  "T[ts]",
                          "T[iy2]", "T[iy1]", "T[iyg]", "L[ ]", "L[/]", "L[ - ]", "L[h]", "T[Adti]"};
  const unsigned short alphabet[] = {'0', '1', '2', '3', '9', '/', ':', ' ', '-', 'M', 'a', 'P', 'm', 'J',
                                     'H', 'R', 0x5E73, 0x6210, 0x0663, 0x00A0, 0xD800, 0xFFFF};
  const char* seeds[] = {" 7/ 3/2004", "12:30 AM", "7 March 2004", "Sunday 7 March", "3/7/2004 6:05:09 PM"};
  std::mt19937_64 rng(17);
  for (int i = 0; i < 100'000; ++i) {
    std::string serial;
    for (int n = 1 + static_cast<int>(rng() % 6); n > 0; --n) serial += tokens[rng() % std::size(tokens)];
    zvFmtPattern* raw = nullptr;
    ASSERT_EQ(reader->Parse(ucs2string(serial.c_str()), raw), 0);
    std::unique_ptr<zvFmtPattern> pattern(raw);
    zvInputDate* made = nullptr;
    if (CreateInputDate(settings, pattern.get(), made, 2000) != 0) continue;
    std::unique_ptr<zvInputDate> input(made);

    std::vector<unsigned short> text;
    if (i % 2 == 0) {
      for (std::size_t n = rng() % 20; n > 0; --n) text.push_back(alphabet[rng() % std::size(alphabet)]);
    } else {
      const ucs2string seed(seeds[rng() % std::size(seeds)]);
      text.assign(seed.data(), seed.data() + seed.length());
      const std::size_t at = text.empty() ? 0 : rng() % text.size();
      if (rng() % 2 == 0) text.insert(text.begin() + static_cast<long>(at), alphabet[rng() % std::size(alphabet)]);
      else if (!text.empty()) text.erase(text.begin() + static_cast<long>(at));
    }
    text.push_back(0);
    text.shrink_to_fit();
    zvCalendarTime time(zvFields(), zvTimeZone::utc(), zvCalendar::gregorian());
    int length = -1;
    input->Scan(text.data(), time, length);
    ASSERT_GE(length, 0) << serial;
    ASSERT_LT(length, static_cast<int>(text.size())) << serial;
  }
}

}  // namespace
