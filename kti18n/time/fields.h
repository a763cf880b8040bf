// Calendar fields: the constant objects that name the 19 fields of a
// calendar time, and zvFields, a batch of field assignments.
//
// Numbers and meanings are the calendar engine's (Calendar::EDateFields):
// months 0..11, Day_of_week 1 = Sunday, Era 0 = BC and 1 = AD. Zone_offset
// and Dst_offset can be read but not set, which is why they are zvROField.
#ifndef KTI18N_TIME_FIELDS_H
#define KTI18N_TIME_FIELDS_H

#include <array>
#include <cstdint>
#include <iosfwd>

#include "kti18n/base/exception.h"

namespace TimeLib {

class zvField {
 public:
  constexpr zvField(const zvField&) = default;
  constexpr zvField& operator=(const zvField&) = default;

  // The engine's field number, 0..18.
  constexpr int number() const { return number_; }

  friend constexpr bool operator==(const zvField& a, const zvField& b) { return a.number_ == b.number_; }
  friend constexpr bool operator!=(const zvField& a, const zvField& b) { return a.number_ != b.number_; }
  friend constexpr bool operator<(const zvField& a, const zvField& b) { return a.number_ < b.number_; }
  friend constexpr bool operator<=(const zvField& a, const zvField& b) { return a.number_ <= b.number_; }
  friend constexpr bool operator>(const zvField& a, const zvField& b) { return a.number_ > b.number_; }
  friend constexpr bool operator>=(const zvField& a, const zvField& b) { return a.number_ >= b.number_; }

 private:
  friend struct FieldMaker;
  constexpr explicit zvField(int number) : number_(number) {}
  int number_;
};

// A field that can only be read.
class zvROField {
 public:
  constexpr zvROField(const zvROField&) = default;
  constexpr zvROField& operator=(const zvROField&) = default;

  constexpr int number() const { return number_; }

 private:
  friend struct FieldMaker;
  constexpr explicit zvROField(int number) : number_(number) {}
  int number_;
};

// Fields by number, for code that walks all of them. Only numbers that name
// a field of the right kind are accepted (15 and 16 are the read-only ones);
// any other throws ZVException 0x80041128, so that no field object can
// index outside the 19 fields.
struct FieldMaker {
  static constexpr zvField field(int number) {
    if (number < 0 || number > 18 || number == 15 || number == 16) throw ZVException(ZV_E_OUT_OF_RANGE);
    return zvField(number);
  }
  static constexpr zvROField readOnly(int number) {
    if (number != 15 && number != 16) throw ZVException(ZV_E_OUT_OF_RANGE);
    return zvROField(number);
  }
};

// The field objects. They are compile-time constants, so that they can be
// used from any static constructor, before or after the time library's
// start-up.
inline constexpr zvField Era = FieldMaker::field(0);
inline constexpr zvField Year = FieldMaker::field(1);
inline constexpr zvField Month = FieldMaker::field(2);
inline constexpr zvField Week_of_year = FieldMaker::field(3);
inline constexpr zvField Week_of_month = FieldMaker::field(4);
inline constexpr zvField Day_of_month = FieldMaker::field(5);
inline constexpr zvField Day_of_year = FieldMaker::field(6);
inline constexpr zvField Day_of_week = FieldMaker::field(7);
inline constexpr zvField Day_of_week_in_month = FieldMaker::field(8);
inline constexpr zvField Am_pm = FieldMaker::field(9);
inline constexpr zvField Hour = FieldMaker::field(10);
inline constexpr zvField Hour_of_day = FieldMaker::field(11);
inline constexpr zvField Minute = FieldMaker::field(12);
inline constexpr zvField Second = FieldMaker::field(13);
inline constexpr zvField Millisecond = FieldMaker::field(14);
inline constexpr zvROField Zone_offset = FieldMaker::readOnly(15);
inline constexpr zvROField Dst_offset = FieldMaker::readOnly(16);
inline constexpr zvField Year_woy = FieldMaker::field(17);
inline constexpr zvField Dow_local = FieldMaker::field(18);

inline constexpr int kFieldCount = 19;

// The field's name ("Day_of_month"), or "Unknown" for a number that names
// no settable field.
const char* fieldName(int number);
std::ostream& operator<<(std::ostream& os, const zvField& field);

// A batch of field requests: set a field to a value, or clear (unset) it.
// A later request for the same field replaces the earlier one. Requests are
// kept and applied in ascending field number, so that among fields that
// compete for the date the one with the higher number wins (Day_of_year over
// Day_of_month, Year_woy over Year). Holds no heap memory.
class zvFields {
 public:
  struct Entry {
    bool clear;
    std::int32_t value;
  };

  zvFields() = default;

  zvFields& set(const zvField& field, std::int32_t value) {
    entries_[field.number()] = Entry{false, value};
    present_ |= 1u << field.number();
    return *this;
  }
  zvFields& clear(const zvField& field) {
    entries_[field.number()] = Entry{true, 0};
    present_ |= 1u << field.number();
    return *this;
  }
  // Drops the request for field, if any.
  zvFields& erase(const zvField& field) {
    present_ &= ~(1u << field.number());
    return *this;
  }

  bool empty() const { return present_ == 0; }
  int size() const;
  bool contains(const zvField& field) const { return (present_ >> field.number()) & 1u; }
  // The request for field; only meaningful when contains(field).
  const Entry& entry(const zvField& field) const { return entries_[field.number()]; }

  // Calls f(fieldNumber, entry) for each request in ascending field number.
  template <class F>
  void for_each(F&& f) const {
    for (std::uint32_t bits = present_; bits != 0; bits &= bits - 1) {
      const int number = __builtin_ctz(bits);
      f(number, entries_[number]);
    }
  }

  // "zvFields ()", then one line per request: "   .set (Year, 2004)" or
  // "   .clear (Month)".
  void print(std::ostream& os) const;

  friend bool operator==(const zvFields& a, const zvFields& b);

 private:
  std::uint32_t present_ = 0;
  std::array<Entry, kFieldCount> entries_{};
};

std::ostream& operator<<(std::ostream& os, const zvFields& fields);

}  // namespace TimeLib

#endif
