// HistoricalTimeZone: a zone with the full history of the tz database, its
// transitions and, past the last one, its yearly rule.
//
// The calendar asks it by instant (getOffsetsAtInstant), which gives the
// raw and daylight offsets of each period exactly. The local-date forms of
// getOffset read their date and time as local wall-clock time in the
// proleptic Gregorian calendar; a local time that a transition skips (a
// gap) or repeats (an overlap) gets the offset in force after the
// transition, as the rule-based zones resolve them: see ZoneHistory::atLocal.
#ifndef KTI18N_CALENDAR_HISTORICAL_TIME_ZONE_H
#define KTI18N_CALENDAR_HISTORICAL_TIME_ZONE_H

#include <cstdint>
#include <memory>
#include <string>

#include "kti18n/calendar/time_zone.h"
#include "kti18n/calendar/zone_history.h"

class HistoricalTimeZone : public TimeZone {
 public:
  // Clones share the history, which never changes.
  HistoricalTimeZone(std::shared_ptr<const eng_tzdb::ZoneHistory> history, const ucs2string& id);
  HistoricalTimeZone(const HistoricalTimeZone& source) = default;
  HistoricalTimeZone& operator=(const HistoricalTimeZone& right) = default;
  ~HistoricalTimeZone() override;

  // Same class, equal IDs and the same offsets at every instant.
  bool operator==(const TimeZone& that) const override;
  std::int32_t getOffset(std::int32_t era, std::int32_t year, std::int32_t month, std::int32_t day,
                         std::int32_t dayOfWeek, std::int32_t millis, std::int32_t monthLength,
                         EngineStatus& status) const override;
  std::int32_t getOffset(std::int32_t era, std::int32_t year, std::int32_t month, std::int32_t day,
                         std::int32_t dayOfWeek, std::int32_t millis) const override;
  std::int32_t getOffset(std::int32_t era, std::int32_t year, std::int32_t month, std::int32_t day,
                         std::int32_t dayOfWeek, std::int32_t millis, EngineStatus& status) const override;
  // A zone with history has no single raw offset to replace: ignored.
  void setRawOffset(std::int32_t offsetMillis) override;
  // The raw offset in force when the zone was made.
  std::int32_t getRawOffset() const override { return fRawOffsetNow; }
  // Daylight time in force when the zone was made or at any later time.
  bool useDaylightTime() const override { return fUseDaylightNow; }
  bool inDaylightTime(double date, EngineStatus& status) const override;
  bool hasSameRules(const TimeZone& other) const override;
  TimeZone* clone() const override;
  ClassID getDynamicClassId() const override { return getStaticClassId(); }
  static ClassID getStaticClassId() { return &classIdTag; }
  bool getOffsetsAtInstant(double date, std::int32_t& rawOffset, std::int32_t& dstOffset) const override;
  bool getOffsetsAtLocalTime(double localMillis, std::int32_t& rawOffset, std::int32_t& dstOffset) const override;

  // The abbreviation in force at an instant ("CEST").
  const std::string& abbreviationAt(double date) const;
  const eng_tzdb::ZoneHistory& history() const { return *fHistory; }

 private:
  static const char classIdTag;

  std::shared_ptr<const eng_tzdb::ZoneHistory> fHistory;
  std::int32_t fRawOffsetNow = 0;
  bool fUseDaylightNow = false;
};

#endif
