// `kti18n char` end to end: code points and literal text in, one line per
// code unit out; bad arguments are usage errors.
#include <gtest/gtest.h>

#include <string>

#include "tool_runner.h"

namespace {

using namespace tool_test;
using Result = ToolRun;

Result RunChar(const std::string& args) { return RunTool("char " + args); }

using CharCommand = testing::Test;

TEST_F(CharCommand, OneLinePerCodeUnit) {
  const Result r = RunChar("U+00B5 u+660 'é¼'");
  ASSERT_EQ(r.status, 0);
  EXPECT_EQ(r.out,
            "U+00B5 µ\tcategory=Ll bidi=L space=no mirrored=no combining=0 numeric=none upper=U+039C lower=U+00B5 title=U+039C\n"
            "U+0660 ٠\tcategory=Nd bidi=AN space=no mirrored=no combining=0 numeric=0 upper=U+0660 lower=U+0660 title=U+0660\n"
            "U+00E9 é\tcategory=Ll bidi=L space=no mirrored=no combining=0 numeric=none upper=U+00C9 lower=U+00E9 title=U+00C9\n"
            "U+00BC ¼\tcategory=No bidi=ON space=no mirrored=no combining=0 numeric=1/4 upper=U+00BC lower=U+00BC title=U+00BC\n");
}

TEST_F(CharCommand, ControlsAndUnassignedUnitsShowNoGlyph) {
  const Result r = RunChar("U+0009 U+FFFF");
  ASSERT_EQ(r.status, 0);
  EXPECT_EQ(r.out,
            "U+0009 \tcategory=Cc bidi=S space=yes mirrored=no combining=0 numeric=none upper=U+0009 lower=U+0009 title=U+0009\n"
            "U+FFFF \tcategory=Cn bidi=none space=no mirrored=no combining=0 numeric=none upper=U+FFFF lower=U+FFFF title=U+FFFF\n");
}

TEST_F(CharCommand, BadArgumentsAreUsageErrors) {
  for (const char* args : {"", "U+1F600", "U+12G4", "U+0000041", "''", "\"$(printf '\\377')\"", "😀"}) {
    const Result r = RunChar(args);
    EXPECT_TRUE(IsUsageError(r)) << args << ": " << r.status << " " << r.err;
    EXPECT_EQ(r.out, "") << args;
  }
}

}  // namespace
