// Calendar names: the calendar vocabulary of a locale (day and month names,
// AM/PM markers, eras with their start years, the A.D./B.C. words, date and
// time separators, the C library's default date/time formats and the
// formatting library's default date and time patterns).
//
// zv_ctime_impl reads a calendar-names record; zv_ctime is the facet, which
// owns one implementation.
#ifndef KTI18N_LOCALE_CTIME_H
#define KTI18N_LOCALE_CTIME_H

#include <cstdint>

#include "kti18n/base/shared_object.h"
#include "kti18n/locale/locale.h"

struct zv_ctime_enums {
  // The calendar of a record. Records store it; the names are always those of
  // the Gregorian calendar.
  enum calendar : std::int32_t {
    unspecified = 0,
    gregorian = 1,
  };
};

class zv_ctime_impl : public izvSharedObject {
 public:
  static constexpr int kDayCount = 7;
  static constexpr int kMonthCount = 12;
  // Indices 0-3 long, medium, short and numeric dates; 4-7 the matching
  // times; 8-11 the matching date-times; 12 month/day/year, 13 a 12-hour
  // time, 14 both.
  static constexpr int kPatternCount = 15;
  // Marks the start of the era before the first real one; the last entry of
  // every era start-year table.
  static constexpr std::int32_t kEraSentinel = INT32_MIN;

  // The calendar-names record of locale data, nineteen words in this order.
  // The tables it points to are not copied: they are static data that
  // outlive every facet. A null pointer stands for the default of its field
  // (for the era tables: the default era fields as a whole).
  struct StaticStorage {
    zv_ctime_enums::calendar calendar;
    std::int32_t reserved1;
    const unsigned short* const* shortDayNames;    // 7, Monday first
    const unsigned short* const* dayNames;         // 7, Monday first
    const unsigned short* const* shortMonthNames;  // 12, January first
    const unsigned short* const* monthNames;       // 12, January first
    const unsigned short* const* amPm;             // AM, PM
    std::uint32_t eraCount;
    const unsigned short* const* eraNames;         // eraCount names
    const std::int32_t* eraStartYears;             // eraCount years, descending, the last kEraSentinel
    const unsigned short* dateTimeFormat;          // %-notation of the C library
    const unsigned short* dateFormat;
    const unsigned short* timeFormat;
    const unsigned short* amPmTimeFormat;
    std::int32_t reserved2;
    const unsigned short* const* fmtLibDefaultFormats;  // kPatternCount patterns
    const unsigned short* dateSeparator;
    const unsigned short* timeSeparator;
    const unsigned short* const* adBc;             // years before the era, years of the era
  };

  // The built-in calendar names (the classic locale's).
  static const StaticStorage kDefaultCtimeStorage;

  // Keeps a copy of the record (null: the defaults). The count starts at 1,
  // the creator's reference.
  explicit zv_ctime_impl(const StaticStorage* record);
  ~zv_ctime_impl() override;
  zv_ctime_impl(const zv_ctime_impl&) = delete;
  zv_ctime_impl& operator=(const zv_ctime_impl&) = delete;

  void AddReference() noexcept;
  // Release (izvSharedObject) deletes the implementation with its last holder.

  // Every index is checked: one outside its range throws 0x80041128.
  const unsigned short* GetShortNameOfDay(int day) const;    // 0 Monday ... 6 Sunday
  const unsigned short* GetNameOfDay(int day) const;
  const unsigned short* GetShortNameOfMonth(int month) const;  // 1 January ... 12 December
  const unsigned short* GetNameOfMonth(int month) const;
  const unsigned short* GetAmPm(int i) const;  // 0 AM, 1 PM
  const unsigned short* GetDefaultDateTimeFormat() const { return m_record.dateTimeFormat; }
  const unsigned short* GetDefaultDateFormat() const { return m_record.dateFormat; }
  const unsigned short* GetDefaultTimeFormat() const { return m_record.timeFormat; }
  const unsigned short* GetDefaultAmPmTimeFormat() const { return m_record.amPmTimeFormat; }
  unsigned GetNumberOfEra() const { return m_record.eraCount; }
  const unsigned short* GetEra(int i) const;
  std::int32_t GetEraYear(int i) const;
  const unsigned short* GetFmtLibDefaultFormat(int i) const;
  const unsigned short* GetDateSeparator() const { return m_record.dateSeparator; }
  const unsigned short* GetTimeSeparator() const { return m_record.timeSeparator; }
  // 0 the word for years before the era, 1 the word for years of the era.
  const unsigned short* GetAdBc(int i) const;
  // Always the Gregorian calendar, whatever the record holds.
  zv_ctime_enums::calendar GetCalendar() const { return zv_ctime_enums::gregorian; }

  // The era of a year and, through eraYear when not null, the year within
  // it; see the definition for the counting rules.
  const unsigned short* FindEra(std::int32_t year, std::int32_t* eraYear) const;
  std::int32_t FindEraYear(std::int32_t year) const;

  // The record as kept (after the defaults have replaced null fields).
  const StaticStorage& GetStorage() const { return m_record; }

 private:
  StaticStorage m_record;
};

class zv_ctime : public zv_locale::facet {
 public:
  static zv_locale::id id;

  // The built-in calendar names.
  explicit zv_ctime(unsigned refs = 0);
  ~zv_ctime() override;

  const unsigned short* GetShortNameOfDay(int day) const { return m_impl->GetShortNameOfDay(day); }
  const unsigned short* GetNameOfDay(int day) const { return m_impl->GetNameOfDay(day); }
  const unsigned short* GetShortNameOfMonth(int month) const { return m_impl->GetShortNameOfMonth(month); }
  const unsigned short* GetNameOfMonth(int month) const { return m_impl->GetNameOfMonth(month); }
  const unsigned short* GetAmPm(int i) const { return m_impl->GetAmPm(i); }
  const unsigned short* GetDefaultDateTimeFormat() const { return m_impl->GetDefaultDateTimeFormat(); }
  const unsigned short* GetDefaultDateFormat() const { return m_impl->GetDefaultDateFormat(); }
  const unsigned short* GetDefaultTimeFormat() const { return m_impl->GetDefaultTimeFormat(); }
  const unsigned short* GetDefaultAmPmTimeFormat() const { return m_impl->GetDefaultAmPmTimeFormat(); }
  unsigned GetNumberOfEra() const { return m_impl->GetNumberOfEra(); }
  const unsigned short* GetEra(int i) const { return m_impl->GetEra(i); }
  std::int32_t GetEraYear(int i) const { return m_impl->GetEraYear(i); }
  const unsigned short* GetFmtLibDefaultFormat(int i) const { return m_impl->GetFmtLibDefaultFormat(i); }
  const unsigned short* GetDateSeparator() const { return m_impl->GetDateSeparator(); }
  const unsigned short* GetTimeSeparator() const { return m_impl->GetTimeSeparator(); }
  const unsigned short* GetAdBc(int i) const { return m_impl->GetAdBc(i); }
  zv_ctime_enums::calendar GetCalendar() const { return m_impl->GetCalendar(); }
  const unsigned short* FindEra(std::int32_t year, std::int32_t* eraYear) const { return m_impl->FindEra(year, eraYear); }
  std::int32_t FindEraYear(std::int32_t year) const { return m_impl->FindEraYear(year); }

 private:
  // Locales built from locale data install the facet of their record.
  friend class zv_locale;
  zv_ctime(const zv_ctime_impl::StaticStorage* record, unsigned refs);

  zv_ctime_impl* m_impl;
};

#endif
