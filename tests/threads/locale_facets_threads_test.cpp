// The facets of named locales read from several threads at once: sorting
// and sort keys, and conversion to and from the locale's encoding, whose
// tables and converters are prepared on first use.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "kti18n/locale/codecvt.h"
#include "kti18n/locale/collate.h"
#include "kti18n/locale/locale.h"
#include "kti18n/text/ucs2string.h"
#include "threads_support.h"

namespace {

using threads_test::kThreads;
using threads_test::OnEightThreads;

const char* const kLocales[] = {"sv_SE", "ja_JP", "zh_CN", "ru_RU", "he_IL", "vi_VN", "el_GR", "de_DE"};
constexpr int kLocaleCount = static_cast<int>(std::size(kLocales));

// Sorted words, their first sort key in hexadecimal, and a sample text
// taken to the locale's encoding and back.
std::string UseFacets(const zv_locale& locale) {
  std::vector<ucs2string> words;
  for (const char* w : {"zebra", "\xC3\xA4rger", "\xC3\xA5ngstr\xC3\xB6m", "Apple", "\xCE\xA9\xCE\xBC\xCE\xAD\xCE\xB3\xCE\xB1",
                        "\xD1\x88\xD0\xB5\xD0\xBB\xD0\xBA", "\xE6\x97\xA5\xE6\x9C\xAC", "Vi\xE1\xBB\x87t", "apple"})
    words.push_back(ucs2string(w));
  const zv_collate& collate = zv_use_facet<zv_collate>(locale);
  std::sort(words.begin(), words.end(), collate.GetComparator());
  std::string out;
  for (const ucs2string& w : words) out += w.to_utf8() + ' ';
  const std::string key = collate.transform(words[0].data(), words[0].data() + words[0].length());
  static const char kHex[] = "0123456789abcdef";
  for (unsigned char c : key) out += {kHex[c >> 4], kHex[c & 15]};

  const ucs2string sample = ucs2string(
      "Vi\xE1\xBB\x87t \xD7\xA9\xD7\x9C\xD7\x95\xD7\x9D \xE6\x97\xA5\xE6\x9C\xAC \xCE\xA9 \xD1\x88 \xC3\xA5");
  const zv_codecvt& cvt = zv_use_facet<zv_codecvt>(locale);
  std::string bytes;
  cvt.SetNarrowString(sample.data(), sample.data() + sample.length(), bytes);
  ucs2string back;
  cvt.SetString(bytes.data(), bytes.data() + bytes.size(), back);
  return out + " | " + back.to_utf8();
}

TEST(LocaleFacetsThreads, NamedLocalesSortAndConvertAlike) {
  std::vector<std::vector<std::string>> seen(kThreads, std::vector<std::string>(kLocaleCount));
  OnEightThreads([&](int t) {
    // Each thread starts with another locale, so first uses of every
    // encoding and collation meet uses already under way.
    for (int i = 0; i < kLocaleCount; ++i) {
      const int which = (t + i) % kLocaleCount;
      seen[t][which] = UseFacets(zv_locale(kLocales[which]));
    }
  });
  for (int l = 0; l < kLocaleCount; ++l) {
    const std::string alone = UseFacets(zv_locale(kLocales[l]));
    for (int t = 0; t < kThreads; ++t) EXPECT_EQ(seen[t][l], alone) << kLocales[l] << " on thread " << t;
  }
  // The conversions really ran through the encodings: Hebrew survives only
  // in the Hebrew locale, Japanese in the Japanese one.
  const auto converted = [](const char* name) {
    const std::string all = UseFacets(zv_locale(name));
    return all.substr(all.find(" | "));
  };
  EXPECT_NE(converted("he_IL").find("\xD7\xA9\xD7\x9C\xD7\x95\xD7\x9D"), std::string::npos) << converted("he_IL");
  EXPECT_NE(converted("ja_JP").find("\xE6\x97\xA5\xE6\x9C\xAC"), std::string::npos) << converted("ja_JP");
  EXPECT_EQ(converted("de_DE").find("\xE6\x97\xA5\xE6\x9C\xAC"), std::string::npos) << converted("de_DE");
}

}  // namespace
