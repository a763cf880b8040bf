// Start-up of the locale-data module: registers every record with the
// catalog while the host's loader loads the module. The catalog loads it
// while holding its own (recursive) mutex on this very thread, so the
// registrations re-enter the catalog safely.
#include "kti18n/locale/locale_catalog.h"
#include "kti18nloc/records.h"

namespace {

// A constructor function rather than a static object: the module then has
// no static state to tear down, and the loader can unload it again.
__attribute__((constructor)) void register_records() {
  // Nothing may escape a loader callback; a record that cannot be indexed
  // (out of memory) is simply missing from the catalog.
  try {
    zv_locale_catalog* catalog = zv_locale_catalog::GetInstance();
    for (std::size_t i = 0; i < kti18nloc::kRecordCount; ++i) catalog->Register(kti18nloc::kRecords[i]);
  } catch (...) {
  }
}

}  // namespace
