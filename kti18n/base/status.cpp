// The names and short texts of the statuses, for messages and logs.
#include <iterator>

#include "kti18n/base/status.h"

namespace {

struct StatusRow {
  zvStatus status;
  const char* name;
  const char* text;
};

constexpr StatusRow kStatuses[] = {
    {ZV_S_OK, "ZV_S_OK", "success"},
    {ZV_S_NOTHING_MATCHED, "ZV_S_NOTHING_MATCHED", "nothing matched"},
    {ZV_S_READ_APPROXIMATELY, "ZV_S_READ_APPROXIMATELY", "read approximately"},
    {ZV_E_FAIL, "ZV_E_FAIL", "general failure"},
    {ZV_E_OUTOFMEMORY, "ZV_E_OUTOFMEMORY", "out of memory"},
    {ZV_E_INVALID_DATA, "ZV_E_INVALID_DATA", "invalid data"},
    {ZV_E_FP_CLASS, "ZV_E_FP_CLASS", "unsupported floating-point class"},
    {ZV_E_UTF8_POSITION, "ZV_E_UTF8_POSITION", "not on a valid UTF-8 sequence"},
    {ZV_E_OUT_OF_RANGE, "ZV_E_OUT_OF_RANGE", "index or position out of range"},
    {ZV_E_NUMBER_OVERFLOW, "ZV_E_NUMBER_OVERFLOW", "number does not fit its type"},
    {ZV_E_LENGTH, "ZV_E_LENGTH", "length beyond 0x7FFFFFFF"},
    {ZV_E_NO_FACET, "ZV_E_NO_FACET", "facet not installed in the locale"},
    {ZV_E_BAD_CATEGORY, "ZV_E_BAD_CATEGORY", "bad locale category"},
    {ZV_E_INTERNAL, "ZV_E_INTERNAL", "internal error"},
    {ZV_E_CTYPE_BYNAME, "ZV_E_CTYPE_BYNAME", "character classes by name not supported"},
    {ZV_E_UNKNOWN_ENCODING, "ZV_E_UNKNOWN_ENCODING", "unknown encoding"},
};

const StatusRow* find(zvStatus s) {
  for (const StatusRow& row : kStatuses)
    if (row.status == s) return &row;
  return nullptr;
}

}  // namespace

const char* zvStatusName(zvStatus s) noexcept {
  const StatusRow* row = find(s);
  return row ? row->name : nullptr;
}

const char* zvStatusText(zvStatus s) noexcept {
  const StatusRow* row = find(s);
  return row ? row->text : nullptr;
}
