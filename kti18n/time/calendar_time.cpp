#include "kti18n/time/calendar_time.h"

#include <memory>
#include <ostream>

namespace TimeLib {

namespace {

constexpr const char* kAssignTime = "assign (physicalTime)";
constexpr const char* kAssignFields = "assign (zvFields)";
constexpr const char* kSet = "set (zvField[s])";

// A new engine calendar from the two handles; never null.
Calendar* makeCalendar(const zvTimeZone& zone, const zvCalendar& calendar) {
  Calendar* made = calendar.make(zone.impl());
  if (made == nullptr) throw InternalError("zvCalendar::make ()");
  return made;
}

}  // namespace

// The guard of every change and of every read that can fail: save the
// instant, change, validate, and on failure restore and throw.
//
// Validation recomputes the instant and then reads Hour, which recomputes
// every field from that instant: a calendar that is not lenient fails there
// on any field out of range or inconsistent with the others. Afterwards the
// engine holds only computed fields, so putting the saved instant back
// restores the previous state completely.
template <class Change>
void zvCalendarTime::guarded(const char* message, Change&& change) const {
  EngineStatus status = ENG_OK;
  const double saved = calendar_->getTime(status);
  if (eng_failure(status)) throw IncorrectData("physicalTime ()");
  change(status);
  if (eng_success(status)) {
    calendar_->getTime(status);
    calendar_->get(Calendar::Hour, status);
  }
  if (eng_failure(status)) {
    EngineStatus restored = ENG_OK;
    calendar_->setTime(saved, restored);
    throw IncorrectData(message);
  }
}

// ---- Construction ----------------------------------------------------------

zvCalendarTime::zvCalendarTime(const zvPhysicalTime& time, const zvTimeZone& zone, const zvCalendar& calendar)
    : calendar_(makeCalendar(zone, calendar)) {
  try {
    reset(time);
  } catch (...) {
    delete calendar_;
    throw;
  }
}

zvCalendarTime::zvCalendarTime(const zvFields& fields, const zvTimeZone& zone, const zvCalendar& calendar)
    : calendar_(makeCalendar(zone, calendar)) {
  try {
    reset(fields);
  } catch (...) {
    delete calendar_;
    throw;
  }
}

zvCalendarTime::zvCalendarTime(const zvTimeZone& zone, const zvCalendar& calendar)
    : zvCalendarTime(zvPhysicalTime::Epoch, zone, calendar) {}

zvCalendarTime::zvCalendarTime(const zvCalendarTime& other) : calendar_(other.calendar_->clone()) {}

zvCalendarTime& zvCalendarTime::operator=(const zvCalendarTime& other) {
  if (this != &other) {
    Calendar* copy = other.calendar_->clone();
    delete calendar_;
    calendar_ = copy;
  }
  return *this;
}

zvCalendarTime::~zvCalendarTime() { delete calendar_; }

zvCalendarTime& zvCalendarTime::reset(const zvPhysicalTime& time) {
  const double millis = (time - zvPhysicalTime::Epoch) / zvDuration::Millisecond;
  guarded(kAssignTime, [&](EngineStatus& status) { calendar_->setTime(millis, status); });
  return *this;
}

zvCalendarTime& zvCalendarTime::reset(const zvFields& fields) {
  guarded(kAssignFields, [&](EngineStatus&) {
    calendar_->clear();
    applyFields(fields);
  });
  return *this;
}

// In ascending field number: the engine lets the later of two competing
// fields decide.
void zvCalendarTime::applyFields(const zvFields& fields) const {
  fields.for_each([&](int number, const zvFields::Entry& entry) {
    if (entry.clear)
      calendar_->clear(engineField(number));
    else
      calendar_->set(engineField(number), entry.value);
  });
}

// ---- Reading ---------------------------------------------------------------

std::int32_t zvCalendarTime::guardedGet(int number, const char* message) const {
  std::int32_t value = 0;
  guarded(message, [&](EngineStatus& s) { value = calendar_->get(engineField(number), s); });
  return value;
}

zvCalendarTime::FieldRef zvCalendarTime::operator[](const zvField& field) { return FieldRef(*this, field); }

zvCalendarTime::FieldRef zvCalendarTime::era() { return FieldRef(*this, Era); }
zvCalendarTime::FieldRef zvCalendarTime::year() { return FieldRef(*this, Year); }
zvCalendarTime::FieldRef zvCalendarTime::month() { return FieldRef(*this, Month); }
zvCalendarTime::FieldRef zvCalendarTime::week_of_year() { return FieldRef(*this, Week_of_year); }
zvCalendarTime::FieldRef zvCalendarTime::week_of_month() { return FieldRef(*this, Week_of_month); }
zvCalendarTime::FieldRef zvCalendarTime::day_of_month() { return FieldRef(*this, Day_of_month); }
zvCalendarTime::FieldRef zvCalendarTime::day_of_year() { return FieldRef(*this, Day_of_year); }
zvCalendarTime::FieldRef zvCalendarTime::day_of_week() { return FieldRef(*this, Day_of_week); }
zvCalendarTime::FieldRef zvCalendarTime::day_of_week_in_month() { return FieldRef(*this, Day_of_week_in_month); }
zvCalendarTime::FieldRef zvCalendarTime::am_pm() { return FieldRef(*this, Am_pm); }
zvCalendarTime::FieldRef zvCalendarTime::hour() { return FieldRef(*this, Hour); }
zvCalendarTime::FieldRef zvCalendarTime::hour_of_day() { return FieldRef(*this, Hour_of_day); }
zvCalendarTime::FieldRef zvCalendarTime::minute() { return FieldRef(*this, Minute); }
zvCalendarTime::FieldRef zvCalendarTime::second() { return FieldRef(*this, Second); }
zvCalendarTime::FieldRef zvCalendarTime::millisecond() { return FieldRef(*this, Millisecond); }
zvCalendarTime::FieldRef zvCalendarTime::year_woy() { return FieldRef(*this, Year_woy); }
zvCalendarTime::FieldRef zvCalendarTime::dow_local() { return FieldRef(*this, Dow_local); }

zvCalendarTime::FieldRef& zvCalendarTime::FieldRef::operator-=(std::int32_t amount) {
  // -INT_MIN does not exist; subtracting it is adding 2^31, which no field
  // can take anyway.
  if (amount == INT32_MIN) throw IncorrectData("add (zvField)");
  return *this += -amount;
}

double zvCalendarTime::instant() const {
  EngineStatus status = ENG_OK;
  const double millis = calendar_->getTime(status);
  if (eng_failure(status)) throw IncorrectData("physicalTime ()");
  return millis;
}

zvPhysicalTime zvCalendarTime::physicalTime() const {
  return zvPhysicalTime::Epoch + zvDuration::Millisecond * instant();
}

ucs2string zvCalendarTime::time_zone_id() const {
  ucs2string id;
  return calendar_->getTimeZone().getID(id);
}

std::int32_t zvCalendarTime::min_minimum(const zvField& field) const {
  return calendar_->getMinimum(engineField(field.number()));
}
std::int32_t zvCalendarTime::max_minimum(const zvField& field) const {
  return calendar_->getGreatestMinimum(engineField(field.number()));
}
std::int32_t zvCalendarTime::min_maximum(const zvField& field) const {
  return calendar_->getLeastMaximum(engineField(field.number()));
}
std::int32_t zvCalendarTime::max_maximum(const zvField& field) const {
  return calendar_->getMaximum(engineField(field.number()));
}

std::int32_t zvCalendarTime::minimum(const zvField& field) const {
  std::int32_t value = 0;
  guarded("minimum (zvField)",
          [&](EngineStatus& s) { value = calendar_->getActualMinimum(engineField(field.number()), s); });
  return value;
}

std::int32_t zvCalendarTime::maximum(const zvField& field) const {
  std::int32_t value = 0;
  guarded("maximum (zvField)",
          [&](EngineStatus& s) { value = calendar_->getActualMaximum(engineField(field.number()), s); });
  return value;
}

// ---- Changing --------------------------------------------------------------

zvCalendarTime& zvCalendarTime::set(const zvField& field, std::int32_t value) {
  return set(zvFields().set(field, value));
}

// The engine validates every field that holds a value, also those it merely
// computed from the previous instant. A computed Day_of_year never decides
// the date here (Month and Day_of_month, computed at the same time, take
// precedence), yet day 366 of a leap year would make any change to a
// non-leap year fail, 31 December included. It is therefore dropped unless
// the caller sets it.
zvCalendarTime& zvCalendarTime::set(const zvFields& fields) {
  guarded(kSet, [&](EngineStatus&) {
    if (!fields.contains(Day_of_year)) calendar_->clear(Calendar::Day_of_year);
    applyFields(fields);
  });
  return *this;
}

zvCalendarTime& zvCalendarTime::clear(const zvField& field) { return set(zvFields().clear(field)); }

zvCalendarTime& zvCalendarTime::add(const zvField& field, std::int32_t amount) {
  guarded("add (zvField)", [&](EngineStatus& s) { calendar_->add(engineField(field.number()), amount, s); });
  return *this;
}

zvCalendarTime& zvCalendarTime::roll(const zvField& field, std::int32_t amount) {
  guarded("roll (zvField)", [&](EngineStatus& s) { calendar_->roll(engineField(field.number()), amount, s); });
  return *this;
}

zvCalendarTime& zvCalendarTime::diff(const zvPhysicalTime& target, const zvField& field, std::int32_t& count) {
  const double when = (target - zvPhysicalTime::Epoch) / zvDuration::Millisecond;
  std::int32_t steps = 0;
  guarded("diff (zvField)",
          [&](EngineStatus& s) { steps = calendar_->fieldDifference(when, engineField(field.number()), s); });
  count = steps;
  return *this;
}

std::int32_t zvCalendarTime::diff(const zvPhysicalTime& target, const zvField& field) {
  std::int32_t count = 0;
  diff(target, field, count);
  return count;
}

zvCalendarTime::Diff_type zvCalendarTime::diff(const zvPhysicalTime& target) { return Diff_type(*this, target); }

// ---- Comparison and output -------------------------------------------------

bool operator==(const zvCalendarTime& a, const zvCalendarTime& b) { return a.instant() == b.instant(); }
bool operator<(const zvCalendarTime& a, const zvCalendarTime& b) { return a.instant() < b.instant(); }

std::ostream& operator<<(std::ostream& os, const zvCalendarTime& time) {
  return os << time.year() << '/' << time.month() + 1 << '/' << time.day_of_month() << "::" << time.hour_of_day()
            << ':' << time.minute() << ':' << time.second() + time.millisecond() * 0.001;
}

}  // namespace TimeLib
