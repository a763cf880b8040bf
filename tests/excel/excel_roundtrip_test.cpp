// Every number pattern the writer tests render, read back from its code,
// shows the test values as the pattern itself does.
#include <gtest/gtest.h>

#include <span>

#include "excel_support.h"
#include "writer_cases.h"

using namespace FmtLib;
using namespace excel_test;

namespace {

TEST(ExcelRoundTrip, NumberCodesReadBackShowTheSameValues) {
  FmtLibInitExit guard;
  izv_ptr<zvSettings> settings = SettingsFor(zv_locale::classic());
  Format writer(CreateExcelStringFormatNumber(settings));
  const std::span<const Case> groups[] = {kNumberPlaceholders, kNumberCleaning, kNumberSigns,
                                          kNumberBooleansAndDefaults, kNumberPercent, kNumberColours,
                                          kLiterals};
  int checked = 0;
  for (std::span<const Case> group : groups) {
    for (const Case& c : group) {
      if (c.lossy != nullptr) continue;
      Pattern original = Serial(c.serial);
      ucs2string code;
      writer->Render(*original, code);
      zvFmtPattern* raw = nullptr;
      EXPECT_GE(writer->Parse(code, raw), 0) << code.to_utf8();
      Pattern read(raw);
      const auto values = {1234.5, -1234.5, 0.0, 0.25, -0.004, 7.0, 98765.4321};
      EXPECT_EQ(Show(settings, *read, values), Show(settings, *original, values))
          << c.serial << " -> " << code.to_utf8() << " -> " << SerialText(*read);
      ++checked;
    }
  }
  EXPECT_GE(checked, 45);
}

}  // namespace
