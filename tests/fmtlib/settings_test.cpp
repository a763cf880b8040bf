// Settings: binding preferences to a locale, the default formats by kind,
// the grouping table, and the lifetime of what settings hold.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "kti18n/fmtlib/settings.h"
#include "kti18n/locale/ctime.h"
#include "kti18n/locale/locale_impl.h"
#include "kti18n/locale/numpunct.h"

namespace {

using namespace FmtLib;

std::string narrow(const unsigned short* s) {
  std::string out;
  for (; s != nullptr && *s != 0; ++s) out += static_cast<char>(*s);
  return out;
}

izv_ptr<zvPreferences> built_prefs() {
  izv_ptr<zvPreferences> p;
  CreatePreferences(p);
  p->AddPreference("decimal_point", ucs2string(","));
  p->EndBuild();
  return p;
}

izv_ptr<zvSettings> classic_settings() {
  izv_ptr<zvPreferences> prefs = built_prefs();
  izv_ptr<zvSettings> s;
  EXPECT_EQ(CreateSettings(zv_locale::classic(), prefs, s), 0);
  return s;
}

std::vector<int> flags_of(std::u16string sizes, bool null = false) {
  bool flags[zvSettingsImp::kGroupingPositions];
  zvBuildGroupingTable(null ? nullptr : reinterpret_cast<const unsigned short*>(sizes.c_str()), flags);
  std::vector<int> set;
  for (int p = 0; p < zvSettingsImp::kGroupingPositions; ++p)
    if (flags[p]) set.push_back(p);
  return set;
}

std::vector<int> every(int from, int step) {
  std::vector<int> v;
  for (int p = from; p < 256; p += step) v.push_back(p);
  return v;
}

TEST(Settings, DefaultFormatsByKind) {
  const auto s = classic_settings();
  const zv_locale classic = zv_locale::classic();
  const zv_ctime& ctime = zv_use_facet<zv_ctime>(classic);
  const zv_numpunct& punct = zv_use_facet<zv_numpunct>(classic);
  for (int kind = FULL_DATE; kind <= INPUT_DATE_TIME; ++kind)
    EXPECT_EQ(s->GetDefaultFormat(kind), ctime.GetFmtLibDefaultFormat(kind)) << kind;
  for (int kind : {-1, 15, 17, 19, 25, 300})
    EXPECT_EQ(s->GetDefaultFormat(kind), nullptr) << kind;
  EXPECT_EQ(narrow(s->GetDefaultFormat(STANDARD)), "T[#]T[gs]T[#]T[#]T[0]T[ds]T[#]T[#]");
  EXPECT_EQ(s->GetDefaultFormat(CURRENCY), punct.GetFmtLibDefaultFormat(1));
  EXPECT_EQ(s->GetDefaultFormat(PERCENT), punct.GetFmtLibDefaultFormat(2));
  EXPECT_EQ(s->GetDefaultFormat(SCIENTIFIC), punct.GetFmtLibDefaultFormat(3));
  EXPECT_EQ(narrow(s->GetDefaultFormat(BOOLEAN)), "T[bt]T[FS]T[bt]T[FS]T[bf]");
}

TEST(Settings, GatherTheLocaleOnce) {
  const auto s = classic_settings();
  const zvSettingsImp* imp = s->GetImp();
  const zv_locale classic = zv_locale::classic();
  EXPECT_EQ(&imp->GetNumpunct(), &zv_use_facet<zv_numpunct>(classic));
  EXPECT_EQ(&imp->GetCtime(), &zv_use_facet<zv_ctime>(classic));
  EXPECT_EQ(narrow(imp->GetDigits()).substr(0, 10), "0123456789");
  EXPECT_EQ(imp->GetPreferences()->decimal_point(), u',');
  EXPECT_EQ(narrow(imp->AmPm(0)), "AM");
  EXPECT_EQ(narrow(imp->AmPm(1)), "PM");
  EXPECT_THROW(imp->AmPm(2), ZVException);
  for (int p = -1; p <= 256; ++p) EXPECT_FALSE(imp->IsGroupingPosition(p));  // the classic locale does not group
}

TEST(Settings, GroupingTable) {
  EXPECT_EQ(flags_of(u"\u0003"), every(2, 3));
  EXPECT_EQ(flags_of(u"\u0004"), every(3, 4));  // ... 251, 255
  std::vector<int> indian{2};
  for (int p : every(4, 2)) indian.push_back(p);
  EXPECT_EQ(flags_of(u"\u0003\u0002"), indian);
  EXPECT_EQ(flags_of(u"\u0003\uFFFF"), std::vector<int>{2});
  EXPECT_EQ(flags_of(u"\u0001\u0002\u0003\u00FF"), (std::vector<int>{0, 2, 5}));
  EXPECT_EQ(flags_of(u"\u0100"), std::vector<int>{255});
  EXPECT_EQ(flags_of(u"\u0101"), std::vector<int>{});  // the first group already passes the table
  EXPECT_EQ(flags_of(u"\u00FF"), std::vector<int>{254});
  EXPECT_EQ(flags_of(u""), std::vector<int>{});
  EXPECT_EQ(flags_of(u"", true), std::vector<int>{});
}

TEST(Settings, KeepPreferencesAndLocaleAlive) {
  bool deleted = false;
  struct Watched : zvPreferencesImp {
    explicit Watched(bool* d) : d_(d) {}
    ~Watched() override { *d_ = true; }
    bool* d_;
  };
  izv_ptr<zvSettings> settings;
  {
    auto prefs = izv_ptr<zvPreferences>::adopt(new Watched(&deleted));
    prefs->AddPreference("thousands_sep", ucs2string("'"));
    prefs->EndBuild();
    // A locale implementation of its own, held by this handle alone.
    const zv_locale own(zv_locale::classic(), zv_locale::classic(), zv_locale::numeric);
    ASSERT_EQ(CreateSettings(own, prefs, settings), 0);
    EXPECT_EQ(prefs->RefCount(), 2u);
    EXPECT_EQ(own._M_implementation()->RefCount(), 2u);
  }
  const zvSettingsImp* imp = settings->GetImp();
  EXPECT_FALSE(deleted);
  EXPECT_EQ(imp->GetPreferences()->thousands_sep(), u'\'');
  EXPECT_EQ(imp->GetLocale()._M_implementation()->RefCount(), 1u);
  EXPECT_EQ(imp->GetNumpunct().decimal_point(), u'.');
  EXPECT_EQ(narrow(imp->GetCtime().GetAmPm(0)), "AM");
  settings = nullptr;
  EXPECT_TRUE(deleted);
}

TEST(Settings, FailuresLeaveTheOutParameterAsItWas) {
  const auto before = classic_settings();
  izv_ptr<zvSettings> out = before;
  izv_ptr<zvPreferences> none;
  EXPECT_EQ(CreateSettings(zv_locale::classic(), none, out), ZV_E_FAIL);
  EXPECT_EQ(out.get(), before.get());
}

}  // namespace
