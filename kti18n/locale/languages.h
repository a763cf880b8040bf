// zv_languages and zv_countries: the ISO 639 languages and ISO 3166
// countries that locale identification names. The rows are static data
// (ident_tables.cpp, generated), sorted by two-letter code.
#ifndef KTI18N_LOCALE_LANGUAGES_H
#define KTI18N_LOCALE_LANGUAGES_H

#include <cstdint>

class zv_languages {
 public:
  struct language {
    const char* code2;                  // ISO 639-1, lower case
    const char* code3;                  // ISO 639-2 terminology code
    const unsigned short* englishName;  // UCS-2
    const unsigned short* nativeName;   // UCS-2, or null when none is known

    const char* GetIsoCode2() const { return code2; }
    const char* GetIsoCode3() const { return code3; }
    const unsigned short* GetEnglishName() const { return englishName; }
    // The native name, or the English name when there is none.
    const unsigned short* GetDisplayName() const { return nativeName ? nativeName : englishName; }
  };

  static const language* begin() { return s_rows; }
  static const language* end() { return s_rows + s_count; }
  // Exact, case-sensitive match of the first two bytes; end() when absent.
  static const language* LookUpByTwoLetters(const char* code);
  // The first row in code order with this three-letter code; end() when absent.
  static const language* LookUpByThreeLetters(const char* code);

 private:
  static const language s_rows[];
  static const unsigned s_count;
};

class zv_countries {
 public:
  struct country {
    const char* code2;                 // ISO 3166-1 alpha-2, upper case
    const char* code3;                 // alpha-3
    std::int32_t numeric;              // ISO 3166-1 numeric code
    const unsigned short* shortName;   // UCS-2
    const unsigned short* longName;    // UCS-2 official name, or null

    const char* GetIsoCode2() const { return code2; }
    const char* GetIsoCode3() const { return code3; }
    std::int32_t GetNumericCode() const { return numeric; }
    const unsigned short* GetShortName() const { return shortName; }
    // The long name, or null when ISO gives none.
    const unsigned short* GetLongName() const { return longName; }
  };

  static const country* begin() { return s_rows; }
  static const country* end() { return s_rows + s_count; }
  static const country* LookUpByTwoLetters(const char* code);
  static const country* LookUpByThreeLetters(const char* code);

 private:
  static const country s_rows[];
  static const unsigned s_count;
};

#endif
