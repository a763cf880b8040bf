// Comparing and sort-key building for 100,000 random words in French,
// Swedish and Japanese, with ktCollation and, side by side, glibc's
// strcoll_l/strxfrm_l in the same locales (Debian's locales-all; `make
// bench-collation` installs it). A peer whose locale is missing reports an
// error instead of a time.
//
//   bench_collation --benchmark_filter=Swedish
#include <benchmark/benchmark.h>
#include <clocale>
#include <cstring>
#include <locale.h>

#include <random>
#include <string>
#include <vector>

#include "kti18n/unicode/collation.h"

namespace {

constexpr int kWords = 100000;

struct Language {
  const char* collation;  // ktCollation name
  const char* glibc;      // glibc locale
  std::vector<std::u16string> letters;
};

std::vector<std::u16string> Split(const std::u16string& s) {
  std::vector<std::u16string> out;
  for (char16_t c : s) out.emplace_back(1, c);
  return out;
}

const Language& French() {
  static const Language l{"fr_FR", "fr_FR.UTF-8", Split(u"abcdefghijklmnopqrstuvwxyzéèêàçùôîïëœâûAÉ")};
  return l;
}
const Language& Swedish() {
  static const Language l{"sv_SE", "sv_SE.UTF-8", Split(u"abcdefghijklmnopqrstuvwxyzåäöÅÄÖé")};
  return l;
}
const Language& Japanese() {
  static const Language l{"ja_JP", "ja_JP.UTF-8",
                          Split(u"あいうえおかきくけこさしすせそたちつてとなにぬねのはひふへほまみむめもやゆよらりるれろわをんが"
                                u"ぎぐげごアイウエオカキクケコサシスセソタチツテトナニヌネノハヒフヘホマミムメモャュョッー日本語"
                                u"東京大学漢字文化人生時間")};
  return l;
}

std::string Utf8(const std::u16string& s) {
  std::string out;
  for (char16_t c : s) {
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (c < 0x800) {
      out += static_cast<char>(0xC0 | c >> 6);
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      out += static_cast<char>(0xE0 | c >> 12);
      out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

struct Words {
  std::vector<std::u16string> ucs2;
  std::vector<std::string> utf8;
};

const Words& MakeWords(const Language& language) {
  static std::vector<std::pair<const Language*, Words>> cache;
  for (auto& [l, w] : cache)
    if (l == &language) return w;
  std::mt19937 random(12345);
  Words words;
  std::uniform_int_distribution<int> length(3, 12);
  std::uniform_int_distribution<std::size_t> letter(0, language.letters.size() - 1);
  for (int i = 0; i < kWords; ++i) {
    std::u16string w;
    for (int n = length(random); n > 0; --n) w += language.letters[letter(random)];
    words.utf8.push_back(Utf8(w));
    words.ucs2.push_back(std::move(w));
  }
  cache.emplace_back(&language, std::move(words));
  return cache.back().second;
}

const unsigned short* Units(const std::u16string& s) { return reinterpret_cast<const unsigned short*>(s.data()); }

// Each word against the next: 100,000 comparisons per iteration.
void BM_Compare_ktCollation(benchmark::State& state, const Language* language) {
  const Words& words = MakeWords(*language);
  ktCollation collation(language->collation);
  for (auto _ : state) {
    int sum = 0;
    for (int i = 0; i + 1 < kWords; ++i) {
      const std::string& a = words.utf8[i];
      const std::string& b = words.utf8[i + 1];
      const auto* pa = reinterpret_cast<const unsigned char*>(a.data());
      const auto* pb = reinterpret_cast<const unsigned char*>(b.data());
      sum += collation.CompareStrings(pa, pa + a.size(), pb, pb + b.size());
    }
    benchmark::DoNotOptimize(sum);
  }
  state.SetItemsProcessed(state.iterations() * (kWords - 1));
}

void BM_Compare_strcoll_l(benchmark::State& state, const Language* language) {
  const Words& words = MakeWords(*language);
  locale_t loc = newlocale(LC_COLLATE_MASK, language->glibc, nullptr);
  if (!loc) {
    state.SkipWithError("glibc locale not installed (make bench-collation installs locales-all)");
    return;
  }
  for (auto _ : state) {
    int sum = 0;
    for (int i = 0; i + 1 < kWords; ++i) sum += strcoll_l(words.utf8[i].c_str(), words.utf8[i + 1].c_str(), loc);
    benchmark::DoNotOptimize(sum);
  }
  state.SetItemsProcessed(state.iterations() * (kWords - 1));
  freelocale(loc);
}

void BM_SortKey_ktCollation(benchmark::State& state, const Language* language) {
  const Words& words = MakeWords(*language);
  ktCollation collation(language->collation);
  std::string key;
  std::size_t bytes = 0;
  for (auto _ : state) {
    bytes = 0;
    for (const auto& w : words.ucs2) {
      collation.BuildSortKey(key, Units(w), Units(w) + w.size());
      bytes += key.size();
    }
    benchmark::DoNotOptimize(bytes);
  }
  state.SetItemsProcessed(state.iterations() * kWords);
  state.counters["key_bytes"] = static_cast<double>(bytes) / kWords;
}

void BM_SortKey_strxfrm_l(benchmark::State& state, const Language* language) {
  const Words& words = MakeWords(*language);
  locale_t loc = newlocale(LC_COLLATE_MASK, language->glibc, nullptr);
  if (!loc) {
    state.SkipWithError("glibc locale not installed (make bench-collation installs locales-all)");
    return;
  }
  std::vector<char> key(4096);
  std::size_t bytes = 0;
  for (auto _ : state) {
    bytes = 0;
    for (const auto& w : words.utf8) bytes += strxfrm_l(key.data(), w.c_str(), key.size(), loc);
    benchmark::DoNotOptimize(bytes);
  }
  state.SetItemsProcessed(state.iterations() * kWords);
  state.counters["key_bytes"] = static_cast<double>(bytes) / kWords;
  freelocale(loc);
}

#define KTI18N_COLLATION_BENCH(lang)                                             \
  BENCHMARK_CAPTURE(BM_Compare_ktCollation, lang, &lang())->Unit(benchmark::kMillisecond); \
  BENCHMARK_CAPTURE(BM_Compare_strcoll_l, lang, &lang())->Unit(benchmark::kMillisecond);   \
  BENCHMARK_CAPTURE(BM_SortKey_ktCollation, lang, &lang())->Unit(benchmark::kMillisecond); \
  BENCHMARK_CAPTURE(BM_SortKey_strxfrm_l, lang, &lang())->Unit(benchmark::kMillisecond);

KTI18N_COLLATION_BENCH(French)
KTI18N_COLLATION_BENCH(Swedish)
KTI18N_COLLATION_BENCH(Japanese)

}  // namespace

BENCHMARK_MAIN();
