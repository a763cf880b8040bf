#include "kti18n/time/predefined_zones.h"

#include <algorithm>
#include <memory>

#include "kti18n/calendar/simple_time_zone.h"
#include "kti18n/calendar/zone_database.h"
#include "kti18n/time/timelib_exception.h"

namespace TimeLib {

namespace {

// Compares an ID with a table entry unit by unit (the table is ASCII).
int compareId(const ucs2string& id, const char* entry) {
  const unsigned short* u = id.c_str();
  const unsigned n = id.length();
  unsigned i = 0;
  for (; i < n && entry[i] != '\0'; ++i) {
    const unsigned short c = static_cast<unsigned char>(entry[i]);
    if (u[i] != c) return u[i] < c ? -1 : 1;
  }
  if (i == n) return entry[i] == '\0' ? 0 : -1;
  return 1;
}

// The index of an ID in kPredefinedZoneIds, or -1.
int findIdIndex(const ucs2string& id) {
  if (id.is_null()) return -1;
  int low = 0, high = kPredefinedZoneIdCount - 1;
  while (low <= high) {
    const int mid = (low + high) / 2;
    const int c = compareId(id, kPredefinedZoneIds[mid].id);
    if (c == 0) return mid;
    if (c < 0)
      high = mid - 1;
    else
      low = mid + 1;
  }
  return -1;
}

class TimeBelt final : public zvTimeBelt {
 public:
  TimeBelt() {
    zones_.reserve(kPredefinedZoneIdCount);
    for (const PredefinedZoneId& entry : kPredefinedZoneIds)
      zones_.push_back(std::make_unique<zvPredefinedTimeZone>(ucs2string(entry.id)));
  }

  std::vector<ucs2string> list() const override {
    std::vector<ucs2string> ids;
    ids.reserve(zones_.size());
    for (const auto& zone : zones_) ids.push_back(zone->id());
    return ids;
  }

  const zvAvailableTimeZone& find(const ucs2string& id) const override {
    const int index = findIdIndex(id);
    if (index < 0) throw UnknownTimeZone(id);
    return *zones_[static_cast<std::size_t>(index)];
  }

 private:
  // In the order of the ID table, which is the order of the IDs.
  std::vector<std::unique_ptr<zvPredefinedTimeZone>> zones_;
};

struct OffsetZone {
  int offsetSeconds;
  const char* id;
};

// Ascending offsets; an offset between two rows takes the next larger one.
constexpr OffsetZone kDefaultZones[] = {
    {-43200, "Etc/GMT+12"},       {-39600, "Etc/GMT+11"},     {-36000, "Etc/GMT+10"},
    {-34200, "Pacific/Marquesas"}, {-32400, "Etc/GMT+9"},     {-28800, "Etc/GMT+8"},
    {-25200, "Etc/GMT+7"},        {-21600, "Etc/GMT+6"},      {-18000, "Etc/GMT+5"},
    {-14400, "Etc/GMT+4"},        {-12600, "America/St_Johns"}, {-10800, "Etc/GMT+3"},
    {-9000, "America/St_Johns"},  {-7200, "Etc/GMT+2"},       {-3600, "Etc/GMT+1"},
    {0, "GMT"},                   {3600, "Etc/GMT-1"},        {7200, "Etc/GMT-2"},
    {10800, "Etc/GMT-3"},         {11224, "Asia/Riyadh89"},   {12600, "Asia/Tehran"},
    {14400, "Etc/GMT-4"},         {16200, "Asia/Kabul"},      {18000, "Etc/GMT-5"},
    {19800, "Asia/Calcutta"},     {20700, "Asia/Katmandu"},   {21600, "Etc/GMT-6"},
    {23400, "Asia/Rangoon"},      {25200, "Etc/GMT-7"},       {28800, "Etc/GMT-8"},
    {32400, "Etc/GMT-9"},         {34200, "Australia/Darwin"}, {36000, "Etc/GMT-10"},
    {37800, "Australia/Lord_Howe"}, {39600, "Etc/GMT-11"},    {41400, "Pacific/Norfolk"},
    {43200, "Etc/GMT-12"},        {45900, "Pacific/Chatham"}, {46800, "Etc/GMT-13"},
    {49500, "Pacific/Chatham"},   {50400, "Etc/GMT-14"},      {1000000, "GMT"},
};

}  // namespace

// ---- Rule zones ------------------------------------------------------------

const PredefinedZoneRule* findZoneRule(const ucs2string& id) {
  const int index = findIdIndex(id);
  return index < 0 ? nullptr : &kPredefinedZoneRules[kPredefinedZoneIds[index].rule];
}

TimeZone* makeRuleZone(const PredefinedZoneRule& rule, const ucs2string& id) {
  if (rule.hasDaylight == 0) return new SimpleTimeZone(rule.rawOffset, id);
  EngineStatus status = ENG_OK;
  std::unique_ptr<SimpleTimeZone> zone(new SimpleTimeZone(
      rule.rawOffset, id, rule.startMonth, rule.startDay, rule.startDayOfWeek, rule.startTime * 60000,
      static_cast<SimpleTimeZone::TimeMode>(rule.startTimeMode), rule.endMonth, rule.endDay, rule.endDayOfWeek,
      rule.endTime * 60000, static_cast<SimpleTimeZone::TimeMode>(rule.endTimeMode), rule.savings * 60000, status));
  // Every record of the table decodes; a record that did not would be a
  // fault of the table, not of the caller.
  if (eng_failure(status)) throw InternalError("makeRuleZone ()");
  return zone.release();
}

// Some short IDs mean another zone in the tz database than in the table:
// the table's "EST", "MST" follow their regions' daylight rules, while the
// database's are fixed offsets. An ID whose database zone disagrees with its
// rule in the table's own year (mid-January, mid-July 2004) keeps the
// table's meaning, which stored data relies on; region IDs ("Area/City")
// always take the database's history, which is the truth where the table's
// rule had already gone out of date.
static bool sameZoneIn2004(const TimeZone& historical, const TimeZone& rule, const ucs2string& id) {
  if (id.find(static_cast<unsigned short>(u'/')) != ucs2string::npos) return true;
  constexpr std::int32_t kNoon = 12 * 3600 * 1000;
  constexpr std::int32_t kThursday = 5;  // 2004-01-15 and 2004-07-15
  for (const std::int32_t month : {0, 6}) {
    if (historical.getOffset(1, 2004, month, 15, kThursday, kNoon) != rule.getOffset(1, 2004, month, 15, kThursday, kNoon))
      return false;
  }
  return true;
}

TimeZone* createPredefinedZone(const ucs2string& id) {
  const PredefinedZoneRule* rule = findZoneRule(id);
  if (rule == nullptr) return nullptr;
  TimeZone* ruleZone = makeRuleZone(*rule, id);
  TimeZone* historical = eng_tzdb::createZone(id);
  if (historical == nullptr || !sameZoneIn2004(*historical, *ruleZone, id)) {
    delete historical;
    return ruleZone;
  }
  delete ruleZone;
  // The zone answers to the name it was asked by, also where the database
  // files the ID as a link to another zone.
  historical->setID(id);
  return historical;
}

// ---- Handles ---------------------------------------------------------------

zvPredefinedTimeZone::zvPredefinedTimeZone(const ucs2string& id) : id_(id) {}
zvPredefinedTimeZone::zvPredefinedTimeZone(const zvPredefinedTimeZone& other)
    : zvAvailableTimeZone(other), id_(other.id_) {}

zvPredefinedTimeZone::~zvPredefinedTimeZone() { delete prototype_.load(); }

// Making a zone may read the tz database; it is done once per handle and
// the result cloned, which is cheap. Two threads racing here both make one;
// the loser deletes its own.
const TimeZone* zvPredefinedTimeZone::prototype() const {
  const TimeZone* zone = prototype_.load(std::memory_order_acquire);
  if (zone != nullptr) return zone;
  const TimeZone* made = createPredefinedZone(id_);
  if (made == nullptr) return nullptr;
  const TimeZone* expected = nullptr;
  if (prototype_.compare_exchange_strong(expected, made, std::memory_order_acq_rel)) return made;
  delete made;
  return expected;
}

zvTimeZone::Impl* zvPredefinedTimeZone::impl() const {
  const TimeZone* zone = prototype();
  return zone == nullptr ? nullptr : zone->clone();
}

// ---- The belt and default zones ----------------------------------------------

zvTimeBelt::~zvTimeBelt() = default;

zvTimeBelt* PredefinedTimeZones::belt_ = nullptr;

const zvTimeBelt& PredefinedTimeZones::timeBelt() { return *belt_; }

void PredefinedTimeZones::DefaultTZFromOffset(int offsetSeconds, ucs2string& id) {
  const int offset = std::min(offsetSeconds, 1000000);
  if (offset <= kDefaultZones[0].offsetSeconds) {
    id = ucs2string(kDefaultZones[0].id);
    return;
  }
  const auto* row = std::lower_bound(std::begin(kDefaultZones) + 1, std::end(kDefaultZones), offset,
                                     [](const OffsetZone& z, int value) { return z.offsetSeconds < value; });
  id = ucs2string(row->id);
}

std::atomic<int> PredefinedTimeZonesInitExit::count{0};

PredefinedTimeZonesInitExit::PredefinedTimeZonesInitExit() {
  if (count.fetch_add(1) == 0) init();
}

PredefinedTimeZonesInitExit::~PredefinedTimeZonesInitExit() {
  if (count.fetch_sub(1) == 1) exit();
}

void PredefinedTimeZonesInitExit::init() { PredefinedTimeZones::belt_ = new TimeBelt; }

void PredefinedTimeZonesInitExit::exit() {
  delete PredefinedTimeZones::belt_;
  PredefinedTimeZones::belt_ = nullptr;
}

}  // namespace TimeLib
