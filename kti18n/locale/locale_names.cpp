// Resolution of the locale names people type and hosts hand over (BCP 47
// tags, POSIX names, the catalog's own printed names) to a catalog locale.
// The exact matching of QueryMatchingLocales stays as it is; this is a
// forgiving layer above it.
#include <algorithm>
#include <cctype>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "kti18n/locale/languages.h"
#include "kti18n/locale/locale_catalog.h"
#include "kti18n/unicode/encoding_layer.h"

namespace {

struct TypedName {
  bool classic = false;
  std::string language;  // lower case
  std::string script;    // title case, e.g. "Latn"
  std::string region;    // upper case, or three digits
  std::string codeset;
  std::string modifier;
};

bool all_of(std::string_view s, int (*test)(int)) {
  return !s.empty() && std::all_of(s.begin(), s.end(), [&](char c) { return test(static_cast<unsigned char>(c)) != 0; });
}

std::string with_case(std::string_view s, bool upperFirst, bool upperRest) {
  std::string out(s);
  for (std::size_t i = 0; i < out.size(); ++i) {
    const auto c = static_cast<unsigned char>(out[i]);
    out[i] = static_cast<char>((i == 0 ? upperFirst : upperRest) ? std::toupper(c) : std::tolower(c));
  }
  return out;
}

// POSIX modifiers that name a script; "@euro" and the others say nothing the
// catalog can use.
std::string script_of_modifier(std::string_view modifier) {
  const std::string m = with_case(modifier, false, false);
  if (m == "latin") return "Latn";
  if (m == "cyrillic") return "Cyrl";
  return {};
}

// Splits "lang[-_]Script[-_]REGION[.codeset][@modifier]"; variants and
// extensions after the region are ignored. False when the first subtag is
// not a language code.
bool parse(std::string_view name, TypedName& out) {
  if (const auto at = name.find('@'); at != std::string_view::npos) {
    out.modifier = name.substr(at + 1);
    name = name.substr(0, at);
  }
  if (const auto dot = name.find('.'); dot != std::string_view::npos) {
    out.codeset = name.substr(dot + 1);
    name = name.substr(0, dot);
  }
  if (name == "C" || name == "POSIX") {
    out.classic = true;
    return true;
  }
  std::vector<std::string_view> subtags;
  while (!name.empty()) {
    const auto sep = name.find_first_of("-_");
    subtags.push_back(name.substr(0, sep));
    name = sep == std::string_view::npos ? std::string_view{} : name.substr(sep + 1);
  }
  if (subtags.empty() || subtags[0].size() < 2 || subtags[0].size() > 3 || !all_of(subtags[0], isalpha)) return false;
  out.language = with_case(subtags[0], false, false);
  for (std::size_t i = 1; i < subtags.size(); ++i) {
    const std::string_view tag = subtags[i];
    if (tag.empty()) return false;
    if (tag.size() == 1) break;  // an extension or private use: the rest is not ours
    if (tag.size() == 4 && all_of(tag, isalpha) && out.script.empty() && out.region.empty())
      out.script = with_case(tag, true, false);
    else if (out.region.empty() && ((tag.size() == 2 && all_of(tag, isalpha)) || (tag.size() == 3 && all_of(tag, isdigit))))
      out.region = with_case(tag, true, true);
  }
  if (out.script.empty()) out.script = script_of_modifier(out.modifier);
  return true;
}

// The code the catalog files a typed language under: a three-letter code
// becomes its two-letter one, and codes people still type for a language
// the catalog knows by another become that one (Norwegian Bokmal and
// Nynorsk are its "no", Filipino its "tl"; iw, in, ji and mo are the
// withdrawn codes of Hebrew, Indonesian, Yiddish and Romanian as written in
// Moldova).
std::string catalog_language(const std::string& typed) {
  std::string code = typed;
  if (code.size() == 3) {
    const zv_languages::language* row = zv_languages::LookUpByThreeLetters(code.c_str());
    if (row != zv_languages::end()) code = row->GetIsoCode2();
  }
  static constexpr struct {
    std::string_view from, to;
  } kSuccessors[] = {{"nb", "no"}, {"nn", "no"}, {"iw", "he"},  {"in", "id"},
                     {"ji", "yi"}, {"mo", "ro"}, {"fil", "tl"}};
  for (const auto& row : kSuccessors)
    if (code == row.from) return std::string(row.to);
  return code;
}

// The catalog keeps one record per language and country; what tells script
// variants apart is the encoding each record is written in.
bool written_in(std::string_view script, std::string_view encoding) {
  static constexpr struct {
    std::string_view script;
    std::string_view encoding;
  } kScripts[] = {
      {"Hant", "CP950"},  {"Hant", "Big5"},   {"Hans", "CP936"},  {"Hans", "GB2312"}, {"Cyrl", "CP1251"},
      {"Latn", "CP1250"}, {"Latn", "CP1252"}, {"Latn", "CP1254"}, {"Latn", "CP1257"}, {"Latn", "CP1258"},
      {"Arab", "CP1256"}, {"Grek", "CP1253"}, {"Hebr", "CP1255"}, {"Thai", "CP874"},  {"Jpan", "CP932"},
      {"Kore", "CP949"},
  };
  return std::any_of(std::begin(kScripts), std::end(kScripts),
                     [&](const auto& row) { return row.script == script && row.encoding == encoding; });
}

// The encoding's technical name for a codeset as hosts write it ("utf8",
// "UTF-8", "iso88591"); the codeset itself when no encoding has the name.
std::string technical_codeset(const std::string& codeset) {
  const ExternalEncoding* encoding = ExternalEncoding::Lookup(codeset.c_str());
  return encoding ? encoding->Name() : codeset;
}

}  // namespace

zvStatus zv_locale_catalog::ResolveLocaleName(const char* name, unsigned& lcid) {
  if (name == nullptr || *name == '\0') return ZV_S_NOTHING_MATCHED;
  std::vector<unsigned> lcids;
  // A name the catalog printed (or any name its own matching accepts).
  if (QueryMatchingLocales(name, lcids, false) == ZV_S_OK) {
    lcid = lcids.front();
    return ZV_S_OK;
  }
  const std::string_view whole(name);
  // The neutral locale's printed name ("i18n.CP1252@i18n") has no language:
  // its code stands in the countries index.
  if (whole.find_first_of("_-") == std::string_view::npos) {
    const std::string code(whole.substr(0, whole.find_first_of(".@")));
    if (QueryMatchingLocales("", code.c_str(), "", "", lcids, false) == ZV_S_OK &&
        GetLocaleIdentification(lcids.front())->language_code_2()[0] == '\0') {
      lcid = lcids.front();
      return ZV_S_OK;
    }
  }
  TypedName typed;
  if (!parse(whole, typed)) return ZV_S_NOTHING_MATCHED;
  if (typed.classic) {
    lcid = kClassicLcid;
    return ZV_S_OK;
  }
  typed.language = catalog_language(typed.language);
  zvStatus status = QueryMatchingLocales(typed.language.c_str(), typed.region.c_str(), "", "", lcids, false);
  if (status != ZV_S_OK && !typed.region.empty())
    status = QueryMatchingLocales(typed.language.c_str(), "", "", "", lcids, false);
  if (status != ZV_S_OK) return status;

  unsigned best = lcids.front();
  if (!typed.script.empty()) {
    const auto inScript = std::find_if(lcids.begin(), lcids.end(), [&](unsigned candidate) {
      return written_in(typed.script, GetLocaleIdentification(candidate)->encoding_technical_name());
    });
    if (inScript != lcids.end()) best = *inScript;
  }
  if (!typed.codeset.empty()) {
    const zv_locale_ident* ident = GetLocaleIdentification(best);
    const std::string encoding = technical_codeset(typed.codeset);
    if (encoding != ident->encoding_technical_name()) {
      std::vector<unsigned> withCodeset;
      if (QueryMatchingLocales(ident->language_code_2(), ident->country_code_2(), encoding.c_str(),
                               ident->sort_order_technical_name(), withCodeset, true) == ZV_S_OK &&
          !withCodeset.empty())
        best = withCodeset.front();
    }
  }
  lcid = best;
  return ZV_S_OK;
}

zv_locale zv_locale_catalog::GetLocale(unsigned lcid) {
  if (lcid == kClassicLcid) return zv_locale::classic();
  return GetLocaleInstance(lcid);
}
