// Building a number format or ending the building of preferences leaves the
// object exactly as it was when the n-th allocation fails, for every n.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "alloc_counter.h"
#include "kti18n/fmtlib/number_format_imp.h"
#include "kti18n/fmtlib/predefined_dictionaries.h"
#include "kti18n/fmtlib/preferences.h"
#include "kti18n/fmtlib/settings.h"
#include "kti18n/fmtlib/string_format.h"

namespace {

using namespace FmtLib;

std::unique_ptr<zvFmtPattern> Read(const char* serial) {
  std::unique_ptr<zvStringFormat> reader(CreateSerialStringFormatNumber());
  zvFmtPattern* raw = nullptr;
  EXPECT_EQ(reader->Parse(ucs2string(serial), raw), 0);
  return std::unique_ptr<zvFmtPattern>(raw);
}

std::string Text(zvNumberFormat& f, double v) {
  f.Format(v);
  return ucs2string(f.c_str()).to_utf8();
}

// What the format writes for a few values, and its compiled programs.
std::vector<std::string> Fingerprint(zvNumberFormatImp& f) {
  std::vector<std::string> out;
  for (double v : {-1234.5, 0.0, 7.25, 1e20}) out.push_back(Text(f, v));
  for (int i = 0; i < zvNumberFormatImp::kSections; ++i) out.push_back(std::to_string(f.Section(i).program.size()));
  out.push_back(std::to_string(f.NegativeSection()) + "/" + std::to_string(f.ZeroSection()));
  return out;
}

// Runs `act` with the n-th allocation failing, for n = 1, 2, ... until it
// needs fewer; `check(n, threw)` runs after each attempt that met a failure.
template <class Act, class Check>
void ForEveryFailingAllocation(Act act, Check check) {
  for (std::size_t n = 1; n < 10000; ++n) {
    bool fired = false;
    bool threw = false;
    {
      alloc_counter::FailAt fail(n);
      try {
        act();
      } catch (const ZVException&) {
        threw = true;
      } catch (const std::bad_alloc&) {
        threw = true;
      }
      fired = fail.fired();
    }
    if (!fired) return;
    check(n, threw);
  }
  ADD_FAILURE() << "never completed";
}

class FmtLibFailure : public testing::Test {
 protected:
  FmtLibInitExit guard;
  izv_ptr<zvSettings> settings;

  void SetUp() override {
    izv_ptr<zvPreferences> prefs;
    ASSERT_EQ(CreatePreferences(prefs), 0);
    prefs->AddPreference("thousands_sep", ucs2string(","));
    prefs->EndBuild();
    ASSERT_EQ(CreateSettings(zv_locale::classic(), prefs, settings), 0);
  }
};

TEST_F(FmtLibFailure, AFailedBuildLeavesTheFormatAsItWas) {
  const auto first = Read("T[#]T[gs]T[#]T[#]T[0]T[ds]T[0]T[0]");
  const auto second = Read("L[<]T[0]T[ds]T[0]L[>]T[FS]T[ns]T[0]T[ne]T[FS]L[zero]T[FS]L[text]");
  auto defaulted = std::unique_ptr<zvFmtPattern>(CreateNumberFmtPattern());
  defaulted->push_back(TK_DEF_NUMERIC);

  zvNumberFormat* raw = nullptr;
  ASSERT_EQ(CreateNumberFormat(settings, first.get(), raw), 0);
  std::unique_ptr<zvNumberFormatImp> f(static_cast<zvNumberFormatImp*>(raw));
  const std::vector<std::string> before = Fingerprint(*f);

  for (const zvFmtPattern* next : {second.get(), defaulted.get()}) {
    zvStatus status = 0;
    ForEveryFailingAllocation([&] { status = f->BuildFrom(const_cast<zvFmtPattern*>(next)); },
                              [&](std::size_t n, bool threw) {
                                if (threw) {
                                  EXPECT_EQ(Fingerprint(*f), before) << "allocation " << n;
                                } else if (status == 0) {
                                  // A failure swallowed inside (reading the
                                  // default text) must not pass for success.
                                  EXPECT_FALSE(f->Section(0).program.empty()) << "allocation " << n;
                                }
                                // A failure inside a default format must not
                                // leave default formats refused for good.
                                ASSERT_EQ(f->BuildFrom(defaulted.get()), 0) << "allocation " << n;
                                ASSERT_EQ(f->BuildFrom(first.get()), 0);
                              });
  }
}

TEST_F(FmtLibFailure, AFailedEndBuildLeavesThePreferencesUnbuilt) {
  izv_ptr<zvPreferences> prefs;
  ASSERT_EQ(CreatePreferences(prefs), 0);
  // Values too long for any short-string buffer, so resolving allocates.
  const ucs2string yes(u"yes, certainly, without any doubt");
  const ucs2string no(u"no, certainly not, not in any case");
  prefs->AddPreference("decimal_point", ucs2string(u",,,,,,,,,,,,,,,,,,,,,,,,,,"));
  prefs->AddPreference("true_word", yes);
  prefs->AddPreference("false_word", no);
  const zvPreferencesImp* imp = prefs->GetImp();
  ForEveryFailingAllocation([&] { prefs->EndBuild(); },
                            [&](std::size_t n, bool threw) {
                              if (!threw) return;
                              EXPECT_FALSE(imp->IsBuilt()) << "allocation " << n;
                              EXPECT_FALSE(imp->IsDecimalPoint()) << "allocation " << n;
                              EXPECT_EQ(imp->true_string(), nullptr) << "allocation " << n;
                              EXPECT_EQ(imp->false_string(), nullptr) << "allocation " << n;
                            });
  EXPECT_TRUE(imp->IsBuilt());
  EXPECT_EQ(imp->decimal_point(), u',');
  EXPECT_EQ(ucs2string(imp->false_string()), no);
}

}  // namespace
