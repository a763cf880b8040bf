// The names people type for encodings: the usual spellings find their
// encoding, and no alias takes a technical name's meaning.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "kti18n/locale/codecvt.h"
#include "kti18n/unicode/encoding_aliases.h"
#include "kti18n/unicode/encoding_layer.h"

namespace {

std::string NameOf(const char* typed) {
  const ExternalEncoding* encoding = ExternalEncoding::Lookup(typed);
  return encoding ? encoding->Name() : "<none>";
}

TEST(EncodingAliases, UsualSpellingsFindTheirEncoding) {
  const struct {
    const char* typed;
    const char* technical;
  } cases[] = {
      {"ISO_8859-1", "ISO-8859-1"},   {"latin1", "ISO-8859-1"},     {"L1", "ISO-8859-1"},
      {"iso88591", "ISO-8859-1"},     {"windows-1252", "CP1252"},   {"cp-1252", "CP1252"},
      {"Shift_JIS", "Shift-JIS"},     {"sjis", "Shift-JIS"},        {"MS_Kanji", "Shift-JIS"},
      {"x-mac-roman", "MacRoman"},    {"macintosh", "MacRoman"},    {"utf8", "UTF-8"},
      {"UTF_8", "UTF-8"},             {"latin-9", "ISO-8859-15"},   {"GBK", "CP936"},
      {"euc_jp", "EUC-JP"},           {"IBM850", "CP850"},          {"windows-31j", "CP932"},
      {"x-mac-cyrillic", "MacCyrillic"}, {"hz", "HZ-GB-2312"},      {"ISO-8859-11", "Thai"},
      {"ISO-10646/UTF8", "UTF-8"},
  };
  for (const auto& c : cases) EXPECT_EQ(NameOf(c.typed), c.technical) << c.typed;
}

TEST(EncodingAliases, TechnicalNamesKeepTheirMeaning) {
  for (const ExternalEncoding* encoding : ExternalEncoding::All()) {
    EXPECT_EQ(ExternalEncoding::Lookup(encoding->Name()), encoding);
    // Spelled without punctuation and in another case it is still itself.
    const std::string key = zv_encoding_detail::EncodingAliasKey(encoding->Name());
    EXPECT_EQ(NameOf(key.c_str()), encoding->Name()) << key;
  }
  EXPECT_EQ(NameOf("latin1"), "ISO-8859-1");  // not the CP1252 that web browsers substitute
}

TEST(EncodingAliases, UnknownNamesFindNothing) {
  // ASCII names read like UTF-8 to iconv, but ASCII is not UTF-8.
  for (const char* typed : {"", "-", "latin99", "klingon", "ISO-8859-16", "KOI8-R", "ANSI_X3.4-1968", "CP367"})
    EXPECT_EQ(ExternalEncoding::Lookup(typed), nullptr) << typed;
  EXPECT_EQ(ExternalEncoding::Lookup(nullptr), nullptr);
}

TEST(EncodingAliases, TableIsSortedForTheSearchByHalves) {
  using zv_encoding_detail::kEncodingAliases;
  for (std::size_t i = 1; i < zv_encoding_detail::kEncodingAliasCount; ++i)
    EXPECT_LT(std::string(kEncodingAliases[i - 1].key), kEncodingAliases[i].key);
}

TEST(EncodingAliases, CodecvtByNameTakesTypedNames) {
  const zv_codecvt_byname cvt("latin1");
  EXPECT_STREQ(cvt.GetExternalEncoding().Name(), "ISO-8859-1");
}

// The committed table is what its generator makes of the committed inputs.
TEST(EncodingAliases, TableMatchesItsGenerator) {
  if (std::system("python3 --version > /dev/null 2>&1") != 0) GTEST_SKIP() << "python3 is not installed; skipping";
  const std::string source = KTI18N_SOURCE_DIR;
  const std::string generated = testing::TempDir() + "encoding_aliases.cpp";
  ASSERT_EQ(std::system(("python3 " + source + "/tools/gen_encoding_aliases.py " + generated + " 2>/dev/null").c_str()), 0);
  const auto read = [](const std::string& path) {
    std::ifstream in(path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  };
  EXPECT_EQ(read(generated), read(source + "/kti18n/unicode/encoding_aliases.cpp"));
}

}  // namespace
