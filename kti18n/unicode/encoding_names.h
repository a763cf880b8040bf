// The encodings the library knows, one row each: the technical name that
// locale records use, the display name shown to users, and how the
// conversion layer converts it. One table serves the codecvt facet's list
// of encodings and the conversion layer's registry.
#ifndef KTI18N_UNICODE_ENCODING_NAMES_H
#define KTI18N_UNICODE_ENCODING_NAMES_H

#include <span>

enum class zv_encoding_via {
  Iconv,  // the host's iconv, under iconvName
  Table,  // our generated tables (encodings the host's iconv lacks)
  Hz,     // HZ-GB-2312's own escape scheme around GB2312
};

struct zv_encoding_row {
  const char* technicalName;
  const char* displayName;  // UTF-8 text; null for UTF-8 itself, which no locale uses
  zv_encoding_via via;
  const char* iconvName;    // for zv_encoding_via::Iconv, else null
  unsigned shiftLength;     // its longest return to the initial shift state
};

// The encodings of locales, sorted by byte-wise comparison of the technical
// name (so that they can be searched by halves).
std::span<const zv_encoding_row> zv_locale_encodings();
// UTF-8, the text form of Unicode itself: converted like the others but not
// an encoding of any locale.
const zv_encoding_row& zv_utf8_encoding();

#endif
