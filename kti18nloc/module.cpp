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
  // Nothing may escape a loader callback. A record the catalog refuses is
  // remembered there with its status (and shown by its Trace); a record
  // that cannot be indexed for want of memory is missing, and the others are
  // still registered.
  zv_locale_catalog* catalog = nullptr;
  try {
    catalog = zv_locale_catalog::GetInstance();
  } catch (...) {
    return;
  }
  for (std::size_t i = 0; i < kti18nloc::kRecordCount; ++i) {
    try {
      catalog->Register(kti18nloc::kRecords[i]);
    } catch (...) {
    }
  }
}

}  // namespace
