#include "common/ole_date_time.h"

#include <cmath>
#include <cstdio>

namespace bunrako {
namespace {

constexpr double kHalfSecond = 1.0 / 172800.0;
constexpr int kMinYear = 100;
constexpr int kMaxYear = 9999;

// Days before 1970-01-01 of 1899-12-30.
constexpr int64_t kEpochShift = 25569;

constexpr int64_t unixDaysFromCivil(int64_t y, int m, int d) {
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const int64_t yoe = y - era * 400;
    const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

// OLE dates before the epoch keep the time of day as a positive fraction
// (-1.25 is 1899-12-29 06:00); arithmetic needs a linear day count.
double toLinear(double dt) {
    if (dt >= 0) return dt;
    const double whole = std::trunc(dt);
    return whole - (dt - whole);
}

double fromLinear(double linear) {
    if (linear >= 0) return linear;
    const double whole = std::floor(linear);
    return whole - (linear - whole);
}

// The first and the last day the date type holds, as OLE days.
constexpr double kFirstDay = static_cast<double>(unixDaysFromCivil(kMinYear, 1, 1) + kEpochShift);
constexpr double kLastDay = static_cast<double>(unixDaysFromCivil(kMaxYear, 12, 31) + kEpochShift);

// The whole day that the parts of the value name: the time is rounded to the
// second first, and before the epoch the day is the integer part.
double roundedWholeDay(double dt) {
    const double rounded = dt + (dt > 0 ? kHalfSecond : -kHalfSecond);
    return std::trunc(rounded);
}

// False for NaN, infinities and every value that would name a day outside
// the years 100..9999: nothing converts such a value into parts, so no
// out-of-range conversion to an integer can happen.
bool namesSupportedDay(double dt) {
    const double whole = roundedWholeDay(dt);
    return whole >= kFirstDay && whole <= kLastDay;
}

struct Parts {
    int year, month, day, hour, minute, second;
};

// Only for values that name a supported day (see isValid).
Parts splitDays(double dt) {
    const double rounded = dt + (dt > 0 ? kHalfSecond : -kHalfSecond);
    const double whole = roundedWholeDay(dt);
    const double fraction = std::fabs(rounded - whole);
    Parts p{};
    civilFromDays(static_cast<int64_t>(whole), p.year, p.month, p.day);
    int seconds = static_cast<int>(fraction * 86400.0);
    if (seconds >= 86400) seconds = 86399;
    p.hour = seconds / 3600;
    p.minute = seconds / 60 % 60;
    p.second = seconds % 60;
    return p;
}

}  // namespace

int64_t daysFromCivil(int year, int month, int day) {
    return unixDaysFromCivil(year, month, day) + kEpochShift;
}

void civilFromDays(int64_t days, int& year, int& month, int& day) {
    const int64_t z = days - kEpochShift + 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const int64_t doe = z - era * 146097;
    const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int64_t mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(yoe + era * 400 + (month <= 2));
}

int daysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

OleDateTime OleDateTime::fromDate(int year, int month, int day) {
    return fromDateTime(year, month, day, 0, 0, 0);
}

OleDateTime OleDateTime::fromDateTime(int year, int month, int day, int hour, int minute,
                                      int second) {
    if (year < kMinYear || year > kMaxYear || month < 1 || month > 12 || day < 1 ||
        day > daysInMonth(year, month) || hour < 0 || hour > 23 || minute < 0 || minute > 59 ||
        second < 0 || second > 59) {
        return invalidValue();
    }
    const double days = static_cast<double>(daysFromCivil(year, month, day));
    const double time = (hour * 3600 + minute * 60 + second) / 86400.0;
    return {days < 0 ? days - time : days + time, valid};
}

bool OleDateTime::isValid() const { return m_status == valid && namesSupportedDay(m_dt); }

bool OleDateTime::namesNoDay() const { return m_status == valid && !namesSupportedDay(m_dt); }

int OleDateTime::year() const { return isValid() ? splitDays(m_dt).year : -1; }
int OleDateTime::month() const { return isValid() ? splitDays(m_dt).month : -1; }
int OleDateTime::day() const { return isValid() ? splitDays(m_dt).day : -1; }
int OleDateTime::hour() const { return isValid() ? splitDays(m_dt).hour : -1; }
int OleDateTime::minute() const { return isValid() ? splitDays(m_dt).minute : -1; }
int OleDateTime::second() const { return isValid() ? splitDays(m_dt).second : -1; }

int OleDateTime::dayOfWeek() const {
    if (!isValid()) return -1;
    const Parts p = splitDays(m_dt);
    const int64_t days = daysFromCivil(p.year, p.month, p.day);
    return static_cast<int>(((days % 7 + 7) % 7 + 6) % 7 + 1);
}

OleDateTime OleDateTime::datePart() const {
    if (namesNoDay()) return invalidValue();
    if (!isValid()) return *this;
    const Parts p = splitDays(m_dt);
    return fromDate(p.year, p.month, p.day);
}

std::string OleDateTime::format(std::string_view pattern) const {
    if (!isValid()) return {};
    const Parts p = splitDays(m_dt);
    std::string out;
    char buffer[16];
    for (size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] != '%' || i + 1 == pattern.size()) {
            out += pattern[i];
            continue;
        }
        const char code = pattern[++i];
        switch (code) {
            case 'Y':
                std::snprintf(buffer, sizeof buffer, "%d", p.year);
                break;
            case 'y':
                std::snprintf(buffer, sizeof buffer, "%02d", p.year % 100);
                break;
            case 'm':
                std::snprintf(buffer, sizeof buffer, "%02d", p.month);
                break;
            case 'd':
                std::snprintf(buffer, sizeof buffer, "%02d", p.day);
                break;
            case 'H':
                std::snprintf(buffer, sizeof buffer, "%02d", p.hour);
                break;
            case 'M':
                std::snprintf(buffer, sizeof buffer, "%02d", p.minute);
                break;
            case 'S':
                std::snprintf(buffer, sizeof buffer, "%02d", p.second);
                break;
            case '%':
                std::snprintf(buffer, sizeof buffer, "%%");
                break;
            default:
                std::snprintf(buffer, sizeof buffer, "%%%c", code);
                break;
        }
        out += buffer;
    }
    return out;
}

bool OleDateTime::operator==(const OleDateTime& other) const {
    if (m_status != other.m_status) return false;
    if (m_status == null) return true;
    if (!isValid() || !other.isValid()) return false;
    return std::fabs(m_dt - other.m_dt) < kHalfSecond;
}

OleDateTime OleDateTime::operator+(const OleSpan& span) const {
    if (m_status == null || span.status() == OleSpan::null) return nullValue();
    if (!isValid() || !span.isValid()) return invalidValue();
    const double result = fromLinear(toLinear(m_dt) + span.days());
    return namesSupportedDay(result) ? OleDateTime{result, valid} : invalidValue();
}

OleDateTime OleDateTime::operator-(const OleSpan& span) const {
    return *this + OleSpan{-span.days(), span.status()};
}

OleSpan OleDateTime::operator-(const OleDateTime& other) const {
    if (m_status == null || other.m_status == null) return {0.0, OleSpan::null};
    if (!isValid() || !other.isValid()) return {0.0, OleSpan::invalid};
    return OleSpan::fromDays(toLinear(m_dt) - toLinear(other.m_dt));
}

}  // namespace bunrako
