#pragma once

#include <bit>
#include <cstdint>
#include <string>
#include <string_view>

#include "common/ole_span.h"

namespace bunrako {

static_assert(std::endian::native == std::endian::little,
              "data files are little-endian images of memory");

// A date value as stored in the data files: an OLE Automation date (days
// since 1899-12-30, the fraction being the time of day) followed by a status.
// The 12-byte raw-image layout is the double first, then the status.
#pragma pack(push, 4)
class OleDateTime {
  public:
    enum Status : int32_t { valid = 0, invalid = 1, null = 2 };

    OleDateTime() = default;
    OleDateTime(double days, Status status) : m_dt(days), m_status(status) {}

    // Out-of-range parts (month 13, day 32, year outside 100..9999) give an
    // invalid value, never a normalised one.
    static OleDateTime fromDate(int year, int month, int day);
    static OleDateTime fromDateTime(int year, int month, int day, int hour, int minute, int second);
    static OleDateTime invalidValue() { return {0.0, invalid}; }
    static OleDateTime nullValue() { return {0.0, null}; }

    // The status as stored: it may say valid for a value that names no day.
    Status status() const { return static_cast<Status>(m_status); }
    // Valid status and a value naming a day of the years 100..9999 (after
    // rounding to the second). Everything that turns the value into parts or
    // text asks this, so a stored NaN, infinity or far-off value reads as
    // invalid; its bytes stay as they are.
    bool isValid() const;
    // A valid status on a value that names no such day (damaged data).
    bool namesNoDay() const;
    double days() const { return m_dt; }

    // Calendar parts; each reads -1 when the value is not valid.
    int year() const;
    int month() const;
    int day() const;
    int hour() const;
    int minute() const;
    int second() const;
    int dayOfWeek() const;  // 1 = Sunday ... 7 = Saturday, -1 when not valid

    // The date without its time of day; invalid for a value naming no day.
    OleDateTime datePart() const;

    // strftime-like formatting of %Y %y %m %d %H %M %S and %%; other characters
    // are copied. A value that is not valid formats as "".
    std::string format(std::string_view pattern) const;

    // Equal when both statuses are equal and either both are null or both are
    // valid and the days differ by less than half a second.
    bool operator==(const OleDateTime& other) const;

    OleDateTime operator+(const OleSpan& span) const;
    OleDateTime operator-(const OleSpan& span) const;
    OleSpan operator-(const OleDateTime& other) const;

  private:
    double m_dt = 0.0;
    int32_t m_status = valid;
};
#pragma pack(pop)

static_assert(sizeof(OleDateTime) == 12);

// Days of a Gregorian date counted from 1899-12-30 (the OLE epoch), and back;
// for the days of the years 100..9999 (OleDateTime checks before it asks).
int64_t daysFromCivil(int year, int month, int day);
void civilFromDays(int64_t days, int& year, int& month, int& day);
int daysInMonth(int year, int month);

}  // namespace bunrako
