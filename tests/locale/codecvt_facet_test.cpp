// The encoding-conversion facet: the name table, construction by name, the
// whole-text conversions and the codecvt operations.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "kti18n/locale/codecvt.h"
#include "kti18n/unicode/encoding_layer.h"
#include "kti18n/text/ucs2string.h"
#include "kti18n/text/utf8string.h"

namespace {

using Units = std::vector<unsigned short>;

Units U(std::u16string_view text) { return Units(text.begin(), text.end()); }

TEST(CodecvtNames, TableHas58SortedRowsThatTheLayerConverts) {
  std::vector<const zv_codecvt::EncodingName*> rows;
  for (auto* row = zv_codecvt::EncodingNamesBegin(); row != zv_codecvt::EncodingNamesEnd(); ++row) rows.push_back(row);
  ASSERT_EQ(rows.size(), 58u);
  for (std::size_t i = 1; i < rows.size(); ++i)
    EXPECT_LT(std::strcmp(rows[i - 1]->technicalName, rows[i]->technicalName), 0) << rows[i]->technicalName;
  for (auto* row : rows) {
    const char* name = row->technicalName;
    ASSERT_NE(zv_codecvt::GetEncodingDisplayName(name), nullptr) << row->technicalName;
    EXPECT_NE(ExternalEncoding::Lookup(row->technicalName), nullptr) << row->technicalName;
  }
}

TEST(CodecvtNames, DisplayNameIsAnExactCaseSensitiveMatch) {
  std::string own = "CP1252";  // a copy: the table's pointer comes back
  const char* name = own.c_str();
  const unsigned char* display = zv_codecvt::GetEncodingDisplayName(name);
  ASSERT_NE(display, nullptr);
  EXPECT_STREQ(reinterpret_cast<const char*>(display), "Western (Windows-1252)");
  EXPECT_NE(name, own.c_str());
  EXPECT_STREQ(name, "CP1252");

  for (const char* unknown : {"cp1252", "CP125", "CP12520", "", "Zzz", "A"}) {
    const char* probe = unknown;
    EXPECT_EQ(zv_codecvt::GetEncodingDisplayName(probe), nullptr) << unknown;
    EXPECT_EQ(probe, unknown);
  }
  const char* null = nullptr;
  EXPECT_EQ(zv_codecvt::GetEncodingDisplayName(null), nullptr);

  const char* first = "Adobe-Standard-Encoding";
  const char* last = "Thai";
  EXPECT_STREQ(reinterpret_cast<const char*>(zv_codecvt::GetEncodingDisplayName(first)),
               "Postscript (Adobe Standart)");
  EXPECT_STREQ(reinterpret_cast<const char*>(zv_codecvt::GetEncodingDisplayName(last)), "Thai (ISO-8859-11)");
}

TEST(CodecvtByName, KnownEmptyAndUnknownNames) {
  EXPECT_STREQ(zv_codecvt_byname("Shift-JIS").GetExternalEncoding().Name(), "Shift-JIS");
  EXPECT_STREQ(zv_codecvt_byname("").GetExternalEncoding().Name(), "CP1252");
  EXPECT_STREQ(zv_codecvt_byname(nullptr).GetExternalEncoding().Name(), "CP1252");
  EXPECT_STREQ(zv_codecvt(0).GetExternalEncoding().Name(), "CP1252");
  try {
    zv_codecvt_byname facet("KOI8-Q");
    FAIL() << "an unknown encoding was accepted";
  } catch (const ZVException& e) {
    EXPECT_EQ(e.code(), ZV_E_UNKNOWN_ENCODING);
  }
}

TEST(CodecvtStrings, WholeTextConversionsReplaceTheirOutput) {
  zv_codecvt_byname sjis("Shift-JIS");
  std::string bytes = "old";
  Units text = U(u"\u65E5\u672Cx\u0E01");  // Thai is not in Shift-JIS
  sjis.SetNarrowString(text.data(), text.data() + text.size(), bytes);
  EXPECT_EQ(bytes, "\x93\xFA\x96\x7Bx?");

  ucs2string wide("old");
  sjis.SetString(bytes.data(), bytes.data() + bytes.size(), wide);
  EXPECT_EQ(Units(wide.data(), wide.data() + wide.length()), U(u"\u65E5\u672Cx?"));

  zv_utf8string utf8("old");
  sjis.SetString(bytes.data(), bytes.data() + bytes.size(), utf8);
  EXPECT_EQ(std::string(utf8.view()), "\xE6\x97\xA5\xE6\x9C\xAC" "x?");

  // Text with embedded zeros converts whole.
  const char zeros[] = {'a', 0, 'b', 0};
  sjis.SetString(zeros, zeros + 4, wide);
  EXPECT_EQ(wide.length(), 4u);
  sjis.SetString(zeros, zeros, wide);
  EXPECT_EQ(wide.length(), 0u);
}

TEST(CodecvtOperations, OutAndInConvertWholeRanges) {
  zv_codecvt_byname cvt("CP1252");
  std::mbstate_t state{};
  Units text = U(u"caf\u00E9 \u20AC");
  char bytes[16];
  const unsigned short* fromNext = nullptr;
  char* toNext = nullptr;
  EXPECT_EQ(cvt.out(state, text.data(), text.data() + text.size(), fromNext, bytes, bytes + sizeof bytes, toNext),
            zv_codecvt::ok);
  EXPECT_EQ(fromNext, text.data() + text.size());
  EXPECT_EQ(std::string(bytes, toNext), "caf\xE9 \x80");

  unsigned short units[16];
  const char* inNext = nullptr;
  unsigned short* unitsNext = nullptr;
  EXPECT_EQ(cvt.in(state, bytes, toNext, inNext, units, units + 16, unitsNext), zv_codecvt::ok);
  EXPECT_EQ(inNext, toNext);
  EXPECT_EQ(Units(units, unitsNext), text);

  // Empty input: nothing written.
  EXPECT_EQ(cvt.out(state, text.data(), text.data(), fromNext, bytes, bytes + 16, toNext), zv_codecvt::ok);
  EXPECT_EQ(toNext, bytes);
}

TEST(CodecvtOperations, OutputThatDoesNotFitIsPartialNotLost) {
  // The output pointer marks what was written, the input pointer the first
  // character that was not; converting the rest gives the rest.
  zv_codecvt_byname cvt("Shift-JIS");
  std::mbstate_t state{};
  Units text = U(u"a\u65E5\u672Cb");
  char bytes[4];
  const unsigned short* fromNext = nullptr;
  char* toNext = nullptr;
  EXPECT_EQ(cvt.out(state, text.data(), text.data() + text.size(), fromNext, bytes, bytes + 4, toNext),
            zv_codecvt::partial);
  EXPECT_EQ(std::string(bytes, toNext), "a\x93\xFA");  // not half of the next character
  EXPECT_EQ(fromNext, text.data() + 2);
  char rest[8];
  char* restNext = nullptr;
  EXPECT_EQ(cvt.out(state, fromNext, text.data() + text.size(), fromNext, rest, rest + 8, restNext), zv_codecvt::ok);
  EXPECT_EQ(std::string(rest, restNext), "\x96\x7B" "b");

  const char sjis[] = "\x93\xFA\x96\x7B";
  unsigned short one[1];
  const char* inNext = nullptr;
  unsigned short* unitsNext = nullptr;
  EXPECT_EQ(cvt.in(state, sjis, sjis + 4, inNext, one, one + 1, unitsNext), zv_codecvt::partial);
  EXPECT_EQ(inNext, sjis + 2);
  EXPECT_EQ(unitsNext, one + 1);
  EXPECT_EQ(one[0], 0x65E5);
}

// CP1258 (like CP1255) holds a letter back until it sees whether an accent
// joins it; a conversion that stops there has not converted that letter.
TEST(CodecvtOperations, ALetterHeldBackForAnAccentIsNotConsumed) {
  zv_codecvt_byname cvt("CP1258");
  std::mbstate_t state{};
  const std::string text = "Xla\xECo";  // 0xEC: combining acute accent
  Units whole;
  for (const char* from = text.data(); from != text.data() + text.size();) {
    unsigned short one[1];
    const char* next = nullptr;
    unsigned short* written = nullptr;
    cvt.in(state, from, text.data() + text.size(), next, one, one + 1, written);
    ASSERT_GT(next, from);
    whole.insert(whole.end(), one, written);
    from = next;
  }
  EXPECT_EQ(whole, U(u"Xl\u00E1o"));
  EXPECT_EQ(cvt.length(state, text.data(), text.data() + text.size(), 1), 1);
  EXPECT_EQ(cvt.length(state, text.data(), text.data() + text.size(), 3), 4);
}

TEST(CodecvtOperations, FixedAnswers) {
  zv_codecvt_byname sjis("Shift-JIS");
  std::mbstate_t state{};
  char buffer[4];
  char* next = nullptr;
  EXPECT_EQ(sjis.unshift(state, buffer, buffer + 4, next), zv_codecvt::noconv);
  EXPECT_EQ(next, buffer);
  EXPECT_EQ(sjis.encoding(), 1);
  EXPECT_FALSE(sjis.always_noconv());
  EXPECT_EQ(sjis.max_length(), 1);  // even for a double-byte encoding
}

TEST(CodecvtOperations, LengthCountsBytesOfWholeCharacters) {
  zv_codecvt_byname sjis("Shift-JIS");
  std::mbstate_t state{};
  const char text[] = "a\x93\xFA\x96\x7B" "b";
  EXPECT_EQ(sjis.length(state, text, text + 6, 0), 0);
  EXPECT_EQ(sjis.length(state, text, text + 6, 1), 1);
  EXPECT_EQ(sjis.length(state, text, text + 6, 2), 3);
  EXPECT_EQ(sjis.length(state, text, text + 6, 3), 5);
  EXPECT_EQ(sjis.length(state, text, text + 6, 100), 6);
  zv_codecvt cp1252(0);
  EXPECT_EQ(cp1252.length(state, text, text + 6, 4), 4);
}

TEST(CodecvtLocale, ClassicLocaleConvertsCp1252) {
  const zv_codecvt& cvt = zv_use_facet<zv_codecvt>(zv_locale::classic());
  EXPECT_STREQ(cvt.GetExternalEncoding().Name(), "CP1252");
  std::string bytes;
  Units text = U(u"\u20AC");
  cvt.SetNarrowString(text.data(), text.data() + 1, bytes);
  EXPECT_EQ(bytes, "\x80");
}

}  // namespace
