// Reading a typed number allocates nothing, whatever the text.
#include <gtest/gtest.h>

#include "alloc_counter.h"

#include <memory>

#include "kti18n/fmtlib/input_number.h"
#include "kti18n/fmtlib/predefined_dictionaries.h"

namespace {

using namespace FmtLib;

TEST(InputNumberAlloc, ScanAllocatesNothing) {
  FmtLibInitExit guard;
  izv_ptr<zvPreferences> prefs;
  ASSERT_EQ(CreatePreferences(prefs), 0);
  prefs->EndBuild();
  izv_ptr<zvSettings> settings;
  ASSERT_EQ(CreateSettings(zv_locale::classic(), prefs, settings), 0);
  zvInputNumber* raw = nullptr;
  ASSERT_EQ(CreateInputNumber(settings, raw), 0);
  std::unique_ptr<zvInputNumber> input(raw);

  // Prices, long mantissas, every conversion path (exact, 128-bit, big
  // integers for ties and subnormals), failures and overflows.
  const ucs2string texts[] = {ucs2string("19.99"), ucs2string("  -  42"), ucs2string("1234567890123456789012345"),
                              ucs2string("6.02214076e23"), ucs2string("9007199254740993"),
                              ucs2string("2.4703282292062328e-324"), ucs2string("1e309"), ucs2string("1e-400"),
                              ucs2string(u"\u0664\u0662.\u096B"), ucs2string("1e"), ucs2string("x")};
  alloc_counter::Watch count;
  double value = 0;
  int length = 0;
  for (int round = 0; round < 100; ++round)
    for (const ucs2string& t : texts) input->Scan(t.c_str(), value, length);
  EXPECT_EQ(count.count(), 0u);
}

}  // namespace
