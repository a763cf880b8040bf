// The translator dialects' string formats and their six factories.
#include "kti18n/fmtlib/string_format.h"

#include <cstring>
#include <memory>
#include <new>

#include "kti18n/base/exception.h"
#include "kti18n/fmtlib/format_translator.h"
#include "kti18n/fmtlib/predefined_dictionaries.h"

namespace FmtLib {
namespace {

FmtLibInitExit fmtLibGuard;

// Fills a new pattern of the wanted kind from text. An unreadable text
// leaves the error pattern and still succeeds; only a failure of the reading
// itself (memory) is reported, with the pattern left as far as it got.
zvStatus ParseInto(const zvFormatTranslator& translator, bool date, const ucs2string& text,
                   zvFmtPattern*& pattern) {
  delete pattern;
  pattern = date ? CreateDateFmtPattern() : CreateNumberFmtPattern();
  if (pattern == nullptr) return ZV_E_FAIL;
  try {
    if (!translator.Read(text, *pattern)) {
      pattern->erase(pattern->begin(), pattern->end());
      pattern->push_back(TK_ERROR);
    }
    return 0;
  } catch (...) {
    return ZV_E_FAIL;
  }
}

bool Is(const char* s, const char* expected) { return s != nullptr && std::strcmp(s, expected) == 0; }

}  // namespace

zvStringFormat::~zvStringFormat() = default;
zvStringFormatNumber::~zvStringFormatNumber() = default;
zvStringFormatDate::~zvStringFormatDate() = default;

// The translator dialects: a dictionary (not owned: the predefined
// dictionaries live as long as the library) and the engine configured for
// the dialect. The number and date forms differ only in the kind of pattern
// that Parse makes.
template <typename Interface, bool IsDate>
class zvStringFormatImpOf final : public Interface {
 public:
  explicit zvStringFormatImpOf(const zvTranslatorConfig& config)
      : m_dictionary(config.dictionary), m_translator(std::make_unique<zvFormatTranslator>(config)) {}
  zvStatus Parse(const ucs2string& text, zvFmtPattern*& pattern) const override {
    return ParseInto(*m_translator, IsDate, text, pattern);
  }
  bool Render(const zvFmtPattern& pattern, ucs2string& text) const override {
    m_translator->Write(pattern, text);
    return true;
  }
  const zvTokensDefinition* dictionary() const { return m_dictionary; }

 private:
  const zvTokensDefinition* m_dictionary;
  std::unique_ptr<zvFormatTranslator> m_translator;
};

using zvStringFormatNumberImp = zvStringFormatImpOf<zvStringFormatNumber, false>;
using zvStringFormatDateImp = zvStringFormatImpOf<zvStringFormatDate, true>;

namespace {

// The outer object comes from a no-throw allocation (null when there is no
// memory); every other failure while building becomes 0x8004112D.
template <class Imp>
Imp* Make(const zvTranslatorConfig& config, bool needsColours) {
  if (config.dictionary == nullptr || (needsColours && config.colors == nullptr))
    throw ZVException(ZV_E_INTERNAL);
  void* memory = ::operator new(sizeof(Imp), std::nothrow);
  if (memory == nullptr) return nullptr;
  try {
    return new (memory) Imp(config);
  } catch (...) {
    ::operator delete(memory);
    throw ZVException(ZV_E_INTERNAL);
  }
}

zvTranslatorConfig Native(const zvTokensDefinition* dictionary, const char* language, const char* country,
                          int maxSections) {
  zvTranslatorConfig c;
  c.dictionary = dictionary;
  c.colors = GetPeltaColorDefinition(language, country);
  c.escapeOn = true;
  c.escapeChar = Is(language, "ja") || Is(language, "ko") ? u'!' : u'\\';
  c.quoteOn = true;
  c.maxSections = maxSections;
  return c;
}

zvTranslatorConfig Halcyon(const zvTokensDefinition* dictionary, const char* code, int maxSections) {
  zvTranslatorConfig c;
  c.dictionary = dictionary;
  c.colors = GetHalcyonColorDefinition(code);
  c.escapeOn = true;
  c.escapeChar = Is(code, "JP") || Is(code, "KR") ? u'!' : u'\\';
  c.maxSections = maxSections;
  return c;
}

zvTranslatorConfig Serial(const zvTokensDefinition* dictionary) {
  zvTranslatorConfig c;
  c.dictionary = dictionary;
  c.serial = true;
  return c;
}

// A number format has positive, negative and zero sections and a text-only
// fourth; a date format one section and a text-only second.
constexpr int kNumberSections = 3;
constexpr int kDateSections = 1;

}  // namespace

zvStringFormatNumber* CreateStringFormatNumber(const char* language, const char* kind) {
  return Make<zvStringFormatNumberImp>(
      Native(GetNumberTokensDefinition(language, kind), language, kind, kNumberSections), true);
}

zvStringFormatDate* CreateStringFormatDate(const char* language, const char* kind) {
  return Make<zvStringFormatDateImp>(Native(GetDateTokensDefinition(language, kind), language, kind, kDateSections),
                                     true);
}

zvStringFormatNumber* CreateHalcyonStringFormatNumber(const char* code, const char* language, const char* country,
                                                      bool percent) {
  zvTranslatorConfig c = Halcyon(GetHalcyonNumberTokensDefinition(code, language, country), code, kNumberSections);
  c.percentSign = percent;
  return Make<zvStringFormatNumberImp>(c, true);
}

zvStringFormatDate* CreateHalcyonStringFormatDate(const char* code, const char* language, const char* country) {
  zvTranslatorConfig c = Halcyon(GetHalcyonDateTokensDefinition(code, language, country), code, kDateSections);
  c.monthMinuteFix = true;
  return Make<zvStringFormatDateImp>(c, true);
}

zvStringFormatNumber* CreateSerialStringFormatNumber() {
  return Make<zvStringFormatNumberImp>(Serial(GetSerialNumberTokensDefinition()), false);
}

zvStringFormatDate* CreateSerialStringFormatDate() {
  return Make<zvStringFormatDateImp>(Serial(GetSerialDateTokensDefinition()), false);
}

}  // namespace FmtLib
