// Start-up of the formatting library: the predefined dictionaries, the alias
// maps that choose among them, and the cache of spreadsheet-style date
// dictionaries.
#include "kti18n/fmtlib/predefined_dictionaries.h"

#include <new>
#include <atomic>
#include <map>
#include <memory>
#include <string>
#include <utility>

#include "kti18n/base/thread.h"
#include "kti18n/fmtlib/predefined_tables.h"

namespace FmtLib {
namespace {

using predefined::AliasPair;
using AliasMap = std::map<std::string, std::string>;
using Dictionary = std::unique_ptr<zvTokensDefinition>;
using DictionaryMap = std::map<std::string, Dictionary>;

AliasMap MakeAliasMap(std::span<const AliasPair> pairs) {
  AliasMap map;
  for (const auto& p : pairs) map.emplace(p.key, p.value);
  return map;
}

// Looks up language+country, then the language, then the default (""). An
// absent language goes straight to the default: a country alone names no
// locale.
std::string LookupWithFallback(const AliasMap& map, const char* language, const char* country) {
  if (language != nullptr) {
    if (country != nullptr && *country != '\0') {
      if (auto it = map.find(std::string(language) + country); it != map.end()) return it->second;
    }
    if (auto it = map.find(language); it != map.end()) return it->second;
  }
  const auto it = map.find(std::string());
  return it != map.end() ? it->second : std::string();
}

// The value of a code, or the default's when the code is absent or unknown.
std::string LookupCode(const AliasMap& map, const char* code) {
  if (code != nullptr) {
    if (auto it = map.find(code); it != map.end()) return it->second;
  }
  return LookupWithFallback(map, nullptr, nullptr);
}

const zvTokensDefinition* Find(const DictionaryMap& map, const std::string& key) {
  const auto it = map.find(key);
  return it != map.end() ? it->second.get() : nullptr;
}

Dictionary NewDictionary(tokenDefType type, bool isDate) { return std::make_unique<zvTokensDefinition>(type, isDate); }

bool OnSide(const zvTokenInfo& info, bool isDate) { return isDate ? OnDateSide(info.side) : OnNumberSide(info.side); }

// The default dictionary of one side: the keywords, then the descriptive
// names, so that a keyword is what TokenString gives.
Dictionary BuildDefault(bool isDate) {
  auto d = NewDictionary(TOKDEF_PELTA, isDate);
  for (const auto& info : AllTokenInfos())
    if (OnSide(info, isDate) && info.keyword != nullptr) d->AddTokenDefinition(info.token, info.keyword, true);
  for (const auto& info : AllTokenInfos())
    if (OnSide(info, isDate) && info.name != nullptr) d->AddTokenDefinition(info.token, info.name, true);
  d->EndBuild();
  return d;
}

Dictionary BuildSerial(bool isDate) {
  auto d = NewDictionary(TOKDEF_SERIAL, isDate);
  for (const auto& info : AllTokenInfos())
    if (OnSide(info, isDate)) d->AddTokenDefinition(info.token, info.serialCode, true);
  d->EndBuild();
  return d;
}

Dictionary BuildHalcyonNumber(const predefined::HalcyonNumberSeparators& table) {
  auto d = NewDictionary(TOKDEF_HALCYON, false);
  for (const auto& entry : predefined::HalcyonNumberCommonTokens()) d->AddTokenDefinition(entry.token, entry.text, true);
  d->AddTokenDefinition(TK_DECIMAL_SEPARATOR, table.decimal, true);
  d->AddTokenDefinition(TK_GROUPING_SEPARATOR, table.grouping, true);
  d->EndBuild();
  return d;
}

// The language's names first, so that TokenString writes them; the English
// names are also read.
Dictionary BuildColors(const predefined::ColorNames& names) {
  auto d = NewDictionary(TOKDEF_PELTA, false);
  const auto& english = predefined::EnglishColorNames();
  for (int i = 0; i < kColorCount; ++i)
    d->AddTokenDefinition(static_cast<zvFmtTokens>(TK_FIRST_COLOR + i), names.names[i], true);
  for (int i = 0; i < kColorCount; ++i)
    d->AddTokenDefinition(static_cast<zvFmtTokens>(TK_FIRST_COLOR + i), english.names[i], true);
  d->EndBuild();
  return d;
}

using HalcyonDateTable = std::vector<predefined::GeneratedEntry>;

// The date table of the date key, the separators of the separator key,
// then the minutes. The month entries "mm"/"m" come first and so keep those
// texts for reading, while TokenString(minute) still writes "mm".
Dictionary BuildHalcyonDate(const HalcyonDateTable* table, const char* minuteLetter, const std::string& separatorKey) {
  auto d = NewDictionary(TOKDEF_HALCYON, true);
  if (table != nullptr)
    for (const auto& entry : *table) d->AddTokenDefinition(entry.token, entry.text, true);
  for (const auto& s : predefined::SeparatorTables()) {
    if (separatorKey != s.key) continue;
    d->AddTokenDefinition(TK_DATE_SEPARATOR, s.date, true);
    d->AddTokenDefinition(TK_TIME_SEPARATOR, s.time, true);
  }
  const ucs2string minute(minuteLetter);
  d->AddTokenDefinition(TK_MINUTE_00, minute + minute, true);
  d->AddTokenDefinition(TK_MINUTE_0, minute, true);
  d->EndBuild();
  return d;
}

// Everything that lives between the first guard and the last.
struct Library {
  DictionaryMap defaultDate;
  DictionaryMap defaultNumber;
  AliasMap defaultAliases;
  Dictionary serialDate;
  Dictionary serialNumber;
  AliasMap halcyonDateLanguages;
  AliasMap separators;
  AliasMap numbers;
  std::map<std::string, HalcyonDateTable> halcyonDateTables;  // by date key
  DictionaryMap halcyonNumber;
  os_critical_section cacheLock;
  std::map<std::pair<std::string, std::string>, Dictionary> halcyonDateCache;  // under cacheLock
  DictionaryMap colors;
  AliasMap halcyonColorLanguages;
  AliasMap colorLanguages;

  // Built in this order: default, serial, spreadsheet-style, colours.
  Library() {
    defaultDate.emplace("en", BuildDefault(true));
    defaultNumber.emplace("en", BuildDefault(false));
    defaultAliases = MakeAliasMap(predefined::DefaultAliases());
    serialDate = BuildSerial(true);
    serialNumber = BuildSerial(false);
    halcyonDateLanguages = MakeAliasMap(predefined::HalcyonDateLanguageAliases());
    separators = MakeAliasMap(predefined::SeparatorAliases());
    numbers = MakeAliasMap(predefined::NumberAliases());
    for (const auto& letters : predefined::HalcyonDateLanguages())
      halcyonDateTables.emplace(letters.key, predefined::GenerateHalcyonDateTable(letters));
    for (const auto& table : predefined::HalcyonNumberTables()) halcyonNumber.emplace(table.key, BuildHalcyonNumber(table));
    for (const auto& names : predefined::ColorTables()) colors.emplace(names.language, BuildColors(names));
    halcyonColorLanguages = MakeAliasMap(predefined::HalcyonColorLanguageAliases());
    colorLanguages = MakeAliasMap(predefined::ColorAliases());
  }

  const HalcyonDateTable* DateTable(const std::string& dateKey) const {
    const auto it = halcyonDateTables.find(dateKey);
    return it != halcyonDateTables.end() ? &it->second : nullptr;
  }

  static const char* MinuteLetter(const std::string& dateKey) {
    const auto* letters = predefined::FindHalcyonDateLanguage(dateKey.c_str());
    return letters != nullptr ? letters->minute : predefined::kDefaultMinuteLetter;
  }

  const zvTokensDefinition* HalcyonDate(const std::string& dateKey, const std::string& separatorKey) {
    os_lock_guard hold(cacheLock);
    auto& slot = halcyonDateCache[{dateKey, separatorKey}];
    if (!slot) slot = BuildHalcyonDate(DateTable(dateKey), MinuteLetter(dateKey), separatorKey);
    return slot.get();
  }
};

// Published with release and read with acquire: a thread that sees the
// pointer sees the finished dictionaries.
std::atomic<Library*> g_library{nullptr};

Library* library() noexcept { return g_library.load(std::memory_order_acquire); }

// Serialises start-up and shut-down, so that a guard made on one thread never
// sees the library half built or half freed by another. Never destroyed:
// guards of other translation units may end after this one's statics.
os_critical_section& startUpLock() {
  // Placement in static storage: never destroyed, yet no heap block that
  // would outlive an unloaded library.
  alignas(os_critical_section) static unsigned char storage[sizeof(os_critical_section)];
  static os_critical_section* const lock = new (storage) os_critical_section;
  return *lock;
}

}  // namespace

std::atomic<int> FmtLibInitExit::count{0};

FmtLibInitExit::FmtLibInitExit() {
  os_lock_guard hold(startUpLock());
  if (count.load(std::memory_order_relaxed) == 0) {
    os_init_thread_toolkit();
    try {
      g_library.store(new Library(), std::memory_order_release);
    } catch (...) {
      os_exit_thread_toolkit();
      throw;
    }
  }
  count.fetch_add(1, std::memory_order_relaxed);
}

FmtLibInitExit::~FmtLibInitExit() {
  os_lock_guard hold(startUpLock());
  if (count.fetch_sub(1, std::memory_order_relaxed) == 1) {
    delete g_library.exchange(nullptr, std::memory_order_acq_rel);
    os_exit_thread_toolkit();
  }
}

const zvTokensDefinition* GetDateTokensDefinition(const char* language, const char* country) {
  if (library() == nullptr) return nullptr;
  return Find(library()->defaultDate, LookupWithFallback(library()->defaultAliases, language, country));
}

const zvTokensDefinition* GetNumberTokensDefinition(const char* language, const char* country) {
  if (library() == nullptr) return nullptr;
  return Find(library()->defaultNumber, LookupWithFallback(library()->defaultAliases, language, country));
}

const zvTokensDefinition* GetSerialDateTokensDefinition() {
  return library() != nullptr ? library()->serialDate.get() : nullptr;
}

const zvTokensDefinition* GetSerialNumberTokensDefinition() {
  return library() != nullptr ? library()->serialNumber.get() : nullptr;
}

const zvTokensDefinition* GetHalcyonDateTokensDefinition(const char* code, const char* language, const char* country) {
  if (library() == nullptr) return nullptr;
  return library()->HalcyonDate(LookupCode(library()->halcyonDateLanguages, code),
                                LookupWithFallback(library()->separators, language, country));
}

const zvTokensDefinition* GetHalcyonNumberTokensDefinition(const char* /*code*/, const char* language,
                                                           const char* country) {
  if (library() == nullptr) return nullptr;
  return Find(library()->halcyonNumber, LookupWithFallback(library()->numbers, language, country));
}

const zvTokensDefinition* GetPeltaColorDefinition(const char* language, const char* country) {
  if (library() == nullptr) return nullptr;
  return Find(library()->colors, LookupWithFallback(library()->colorLanguages, language, country));
}

const zvTokensDefinition* GetHalcyonColorDefinition(const char* code) {
  if (library() == nullptr) return nullptr;
  return Find(library()->colors, LookupCode(library()->halcyonColorLanguages, code));
}

}  // namespace FmtLib
