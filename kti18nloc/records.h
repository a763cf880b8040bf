// The records of the locale-data module, in registration order.
#ifndef KTI18NLOC_RECORDS_H
#define KTI18NLOC_RECORDS_H

#include <cstddef>

#include "kti18n/locale/locale_storage.h"

namespace kti18nloc {

extern const zv_locale_storage* const kRecords[];
extern const std::size_t kRecordCount;

}  // namespace kti18nloc

#endif
