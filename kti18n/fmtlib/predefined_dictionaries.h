// The predefined dictionaries of the formatting library and its counted
// start-up.
//
// Every translation unit that uses the formatting library holds one static
// FmtLibInitExit. The first guard constructed builds every dictionary below;
// the last one destroyed frees them all. The pointers handed out by the
// Get... functions stay valid while any guard lives; the library owns them.
// While no guard lives every Get... function returns null.
//
// Language, country and spreadsheet language codes are narrow strings; a
// null pointer means the code is absent. Codes are looked up in alias maps
// with fallback: the language and country run together ("fr" and "CA" give
// "frCA"), then the language alone, then the map's default.
#ifndef KTI18N_FMTLIB_PREDEFINED_DICTIONARIES_H
#define KTI18N_FMTLIB_PREDEFINED_DICTIONARIES_H

#include <atomic>

#include "kti18n/fmtlib/tokens_definition.h"

namespace FmtLib {

class FmtLibInitExit {
 public:
  FmtLibInitExit();
  ~FmtLibInitExit();
  FmtLibInitExit(const FmtLibInitExit&) = delete;
  FmtLibInitExit& operator=(const FmtLibInitExit&) = delete;

  // The number of live guards. Guards may be made and dropped on any
  // thread: start-up and shut-down are serialised by one lock.
  static std::atomic<int> count;
};

// The default (Pelta) dictionaries: keywords and descriptive names. Every
// language yields the "en" dictionaries.
const zvTokensDefinition* GetDateTokensDefinition(const char* language, const char* country);
const zvTokensDefinition* GetNumberTokensDefinition(const char* language, const char* country);

// The serial dialect: T[code] per token.
const zvTokensDefinition* GetSerialDateTokensDefinition();
const zvTokensDefinition* GetSerialNumberTokensDefinition();

// The spreadsheet-style (Halcyon) date dictionary: the date table of the
// spreadsheet language code, the date and time separators of the locale
// and the minutes. Built on first use and cached; safe to call from several
// threads at once.
const zvTokensDefinition* GetHalcyonDateTokensDefinition(const char* code, const char* language,
                                                         const char* country);
// The spreadsheet-style number dictionary of the locale (the code plays no
// part); null for a locale whose numbers have no table.
const zvTokensDefinition* GetHalcyonNumberTokensDefinition(const char* code, const char* language,
                                                           const char* country);

// Colour names: the locale's language, or the language of a spreadsheet
// language code. Each also accepts the English names.
const zvTokensDefinition* GetPeltaColorDefinition(const char* language, const char* country);
const zvTokensDefinition* GetHalcyonColorDefinition(const char* code);

}  // namespace FmtLib

#endif
