// Preferences: building rules, resolution of the keys with a meaning,
// copying, and the counted references that share them.
#include <gtest/gtest.h>

#include <string>

#include "kti18n/fmtlib/izv_ptr.h"
#include "kti18n/fmtlib/preferences.h"

namespace {

using FmtLib::CreatePreferences;
using FmtLib::zvPref;
using FmtLib::zvPreferences;
using FmtLib::zvPreferencesImp;

izv_ptr<zvPreferences> make() {
  izv_ptr<zvPreferences> p;
  EXPECT_EQ(CreatePreferences(p), 0);
  return p;
}

std::u16string text_of(const zvPref& pref) {
  ucs2string s;
  pref.GetValue(s);
  return std::u16string(reinterpret_cast<const char16_t*>(s.c_str()), s.length());
}

long long_of(const zvPref& pref) {
  long v = -1;
  pref.GetValue(v);
  return v;
}

// A preferences object that reports its deletion.
struct Watched : zvPreferencesImp {
  explicit Watched(bool* deleted) : deleted_(deleted) {}
  ~Watched() override { *deleted_ = true; }
  bool* deleted_;
};

TEST(Prefs, AddKeepsTheFirstValueOfAKey) {
  auto p = make();
  EXPECT_TRUE(p->AddPreference("width", 12L));
  EXPECT_TRUE(p->AddPreference("name", ucs2string("total")));
  EXPECT_FALSE(p->AddPreference("width", 99L));
  EXPECT_FALSE(p->AddPreference("width", ucs2string("x")));
  EXPECT_FALSE(p->AddPreference(nullptr, 1L));
  bool found = false;
  const zvPref& width = p->GetAt("width", found);
  EXPECT_TRUE(found);
  EXPECT_FALSE(width.IsString());
  EXPECT_EQ(long_of(width), 12);
  ucs2string unused("keep");
  EXPECT_FALSE(width.GetValue(unused));  // a long is no string
  EXPECT_EQ(unused, ucs2string("keep"));
  const zvPref& name = p->GetAt("name", found);
  EXPECT_TRUE(found && name.IsString());
  EXPECT_EQ(text_of(name), u"total");
  long untouched = 5;
  EXPECT_FALSE(name.GetValue(untouched));
  EXPECT_EQ(untouched, 5);
}

TEST(Prefs, RemoveOnlyPresentKeysBeforeTheBuildEnds) {
  auto p = make();
  p->AddPreference("a", 1L);
  EXPECT_FALSE(p->RemovePreference("b"));
  EXPECT_FALSE(p->RemovePreference(nullptr));
  EXPECT_TRUE(p->RemovePreference("a"));
  EXPECT_FALSE(p->RemovePreference("a"));
  bool found = true;
  p->GetAt("a", found);
  EXPECT_FALSE(found);
  EXPECT_TRUE(p->AddPreference("a", 2L));  // the key is free again
}

TEST(Prefs, BuiltPreferencesAreReadOnly) {
  auto p = make();
  p->AddPreference("a", 1L);
  EXPECT_FALSE(p->EndBuild());
  EXPECT_FALSE(p->EndBuild());
  EXPECT_FALSE(p->AddPreference("b", 2L));
  EXPECT_FALSE(p->AddPreference("c", ucs2string("x")));
  EXPECT_FALSE(p->RemovePreference("a"));
  bool found = false;
  EXPECT_EQ(long_of(p->GetAt("a", found)), 1);
  EXPECT_TRUE(found);
  p->GetAt("b", found);
  EXPECT_FALSE(found);
}

TEST(Prefs, AbsentKeysGiveAPreferenceSafeToRead) {
  auto p = make();
  for (const char* key : {"nothing", "", static_cast<const char*>(nullptr)}) {
    bool found = true;
    const zvPref& absent = p->GetAt(key, found);
    EXPECT_FALSE(found);
    ucs2string s("x");
    long v = 0;
    absent.IsString();
    absent.GetValue(s);
    absent.GetValue(v);
  }
}

TEST(Prefs, EndBuildResolvesStringValuesOfTheKnownKeys) {
  auto p = make();
  p->AddPreference("decimal_point", ucs2string(""));
  p->AddPreference("thousands_sep", 44L);  // a long: ignored
  p->AddPreference("true_word", ucs2string("oui"));
  p->AddPreference("other", ucs2string("kept"));
  const zvPreferencesImp* imp = p->GetImp();
  EXPECT_FALSE(imp->IsDecimalPoint());  // nothing before EndBuild
  p->EndBuild();
  EXPECT_TRUE(imp->IsDecimalPoint());
  EXPECT_EQ(imp->decimal_point(), 0);  // given, but empty
  EXPECT_FALSE(imp->IsThousandsSep());
  EXPECT_EQ(imp->thousands_sep(), 0);
  EXPECT_TRUE(imp->IsTrue());
  EXPECT_EQ(ucs2string(imp->true_string()), ucs2string("oui"));
  EXPECT_FALSE(imp->IsFalse());
  EXPECT_EQ(imp->false_string(), nullptr);

  auto q = make();
  q->AddPreference("decimal_point", ucs2string(",;"));
  q->AddPreference("thousands_sep", ucs2string("\xE2\x80\xAF"));  // narrow no-break space
  q->AddPreference("false_word", ucs2string("non"));
  q->EndBuild();
  EXPECT_EQ(q->GetImp()->decimal_point(), u',');
  EXPECT_EQ(q->GetImp()->thousands_sep(), 0x202F);
  EXPECT_EQ(ucs2string(q->GetImp()->false_string()), ucs2string("non"));
}

TEST(Prefs, KeysAreOrderedByUnsignedBytes) {
  auto p = make();
  for (const char* key : {"\xC3\xA9t\xC3\xA9", "z", "A", "a"}) p->AddPreference(key, 0L);
  std::string order;
  for (const auto& entry : p->GetImp()->Preferences()) order += entry.first + "|";
  EXPECT_EQ(order, "A|a|z|\xC3\xA9t\xC3\xA9|");
}

TEST(Prefs, CreatingFromASourceCopiesValuesButNotTheBuild) {
  auto source = make();
  source->AddPreference("decimal_point", ucs2string(","));
  source->AddPreference("n", -7L);
  source->EndBuild();
  izv_ptr<zvPreferences> copy;
  ASSERT_EQ(CreatePreferences(*source, copy), 0);
  ASSERT_NE(copy.get(), source.get());
  EXPECT_FALSE(copy->GetImp()->IsBuilt());
  EXPECT_FALSE(copy->GetImp()->IsDecimalPoint());
  bool found = false;
  EXPECT_EQ(long_of(copy->GetAt("n", found)), -7);
  EXPECT_EQ(text_of(copy->GetAt("decimal_point", found)), u",");
  EXPECT_TRUE(copy->AddPreference("more", 1L));  // unbuilt: still open
  copy->GetAt("more", found);
  EXPECT_TRUE(found);
  source->GetAt("more", found);
  EXPECT_FALSE(found);
  copy->EndBuild();
  EXPECT_EQ(copy->GetImp()->decimal_point(), u',');
}

TEST(Prefs, CopyAssignmentGivesAnEqualIndependentCopy) {
  zvPreferencesImp a, b;
  a.AddPreference("decimal_point", ucs2string(","));
  a.AddPreference("x", 3L);
  a.EndBuild();
  b.AddPreference("old", 1L);
  b = a;
  EXPECT_TRUE(b.IsBuilt());
  EXPECT_EQ(b.decimal_point(), u',');
  bool found = true;
  b.GetAt("old", found);
  EXPECT_FALSE(found);
  EXPECT_EQ(long_of(b.GetAt("x", found)), 3);
  EXPECT_NE(&b.GetAt("x", found), &a.GetAt("x", found));  // its own values
  zvPreferencesImp c(a);
  EXPECT_EQ(c.RefCount(), 1u);  // a new object: the creator's reference
  EXPECT_EQ(c.decimal_point(), u',');
  const zvPreferencesImp& alias = b;
  b = alias;
  EXPECT_EQ(long_of(b.GetAt("x", found)), 3);
}

TEST(IzvPtr, CountsReferencesAndDeletesWithTheLast) {
  bool deleted = false;
  auto first = izv_ptr<zvPreferences>::adopt(new Watched(&deleted));
  EXPECT_EQ(first->RefCount(), 1u);
  {
    izv_ptr<zvPreferences> second = first;
    EXPECT_EQ(first->RefCount(), 2u);
    second = first;  // the same object: no change
    const izv_ptr<zvPreferences>& alias = second;
    second = alias;
    EXPECT_EQ(first->RefCount(), 2u);
    izv_ptr<zvPreferences> third(first.get());
    EXPECT_EQ(first->RefCount(), 3u);
  }
  EXPECT_EQ(first->RefCount(), 1u);
  EXPECT_FALSE(deleted);
  first = nullptr;
  EXPECT_TRUE(deleted);
  EXPECT_FALSE(first);
}

TEST(IzvPtr, CreateReplacesAndReleasesWhatTheOutParameterHeld) {
  bool deleted = false;
  auto out = izv_ptr<zvPreferences>::adopt(new Watched(&deleted));
  ASSERT_EQ(CreatePreferences(out), 0);
  EXPECT_TRUE(deleted);
  EXPECT_EQ(out->RefCount(), 1u);
  EXPECT_FALSE(out->GetImp()->IsBuilt());
}

}  // namespace
