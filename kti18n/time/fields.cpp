#include "kti18n/time/fields.h"

#include <ostream>

namespace TimeLib {

namespace {

// Zone_offset and Dst_offset have no printed name: they are read-only and
// never appear in a zvFields.
const char* const kFieldNames[kFieldCount] = {
    "Era",         "Year",   "Month",  "Week_of_year", "Week_of_month", "Day_of_month", "Day_of_year",
    "Day_of_week", "Day_of_week_in_month", "Am_pm",   "Hour",          "Hour_of_day",  "Minute",
    "Second",      "Millisecond", nullptr, nullptr,    "Year_woy",      "Dow_local"};

}  // namespace

const char* fieldName(int number) {
  if (number < 0 || number >= kFieldCount || kFieldNames[number] == nullptr) return "Unknown";
  return kFieldNames[number];
}

std::ostream& operator<<(std::ostream& os, const zvField& field) { return os << fieldName(field.number()); }

int zvFields::size() const { return __builtin_popcount(present_); }

void zvFields::print(std::ostream& os) const {
  os << "zvFields ()";
  for_each([&](int number, const Entry& e) {
    os << "\n   ." << (e.clear ? "clear (" : "set (") << fieldName(number);
    if (!e.clear) os << ", " << e.value;
    os << ")";
  });
}

bool operator==(const zvFields& a, const zvFields& b) {
  if (a.present_ != b.present_) return false;
  bool same = true;
  a.for_each([&](int number, const zvFields::Entry& e) {
    const zvFields::Entry& f = b.entries_[number];
    same = same && e.clear == f.clear && (e.clear || e.value == f.value);
  });
  return same;
}

std::ostream& operator<<(std::ostream& os, const zvFields& fields) {
  fields.print(os);
  return os;
}

}  // namespace TimeLib
