// The iconv codec when the host cannot open a converter after all (too many
// open files, no memory): the conversion reports it instead of turning every
// byte into U+FFFD or making no progress at all.
#include <gtest/gtest.h>

#include <cerrno>
#include <memory>

#include "kti18n/base/exception.h"
#include "kti18n/unicode/encoding_codec.h"

namespace {

using zv_encoding_detail::MakeIconvCodec;

// Opens the first two descriptors (the codec's probe), then fails as a
// process out of descriptors would.
int g_opened = 0;
iconv_t OpenTwiceThenFail(const char* to, const char* from) {
  if (g_opened++ < 2) return iconv_open(to, from);
  errno = EMFILE;
  return reinterpret_cast<iconv_t>(-1);
}

zvStatus CodeOf(void (*f)(const zv_encoding_detail::Codec&), const zv_encoding_detail::Codec& codec) {
  try {
    f(codec);
  } catch (const ZVException& e) {
    return e.code();
  }
  return 0;
}

TEST(IconvCodec, AConverterThatCannotBeOpenedFailsTheConversion) {
  g_opened = 0;
  const auto codec = MakeIconvCodec("CP1255", OpenTwiceThenFail);
  ASSERT_TRUE(codec->Available());
  // The probe's descriptors serve one decoder and one encoder at a time; a
  // second of each must open a descriptor of its own, which fails.
  const auto decoder = codec->NewDecoder();
  const auto encoder = codec->NewEncoder();
  ASSERT_NE(decoder, nullptr);
  ASSERT_NE(encoder, nullptr);
  EXPECT_EQ(CodeOf([](const zv_encoding_detail::Codec& c) { c.NewDecoder(); }, *codec), ZV_E_FAIL);
  EXPECT_EQ(CodeOf([](const zv_encoding_detail::Codec& c) { c.NewEncoder(); }, *codec), ZV_E_FAIL);
  try {
    codec->NewDecoder();
  } catch (const ZVException& e) {
    EXPECT_NE(e.message().find("CP1255"), std::string::npos) << e.message();
  }
}

}  // namespace
