// The codecvt facet's list of encodings is the conversion layer's table of
// locale encodings: one table, so that the names shown and the names that
// convert can never drift apart.
#include "kti18n/locale/codecvt.h"

const zv_codecvt::EncodingName* zv_codecvt::EncodingNamesBegin() { return zv_locale_encodings().data(); }
const zv_codecvt::EncodingName* zv_codecvt::EncodingNamesEnd() {
  return zv_locale_encodings().data() + zv_locale_encodings().size();
}
