#pragma once

#include <cstdint>

namespace bunrako {

// A period value as stored in the data files: a number of days followed by a
// status. The 12-byte raw-image layout is the double first, then the status.
#pragma pack(push, 4)
class OleSpan {
  public:
    enum Status : int32_t { valid = 0, invalid = 1, null = 2 };

    // Longest span, in days, that keeps a valid status.
    static constexpr double kMaxDays = 3615897.0;

    OleSpan() = default;
    OleSpan(double days, Status status) : m_span(days), m_status(status) {}

    // A span longer than kMaxDays days either way is invalid.
    static OleSpan fromDays(double days);
    static OleSpan fromYears(int years) { return fromDays(years * 366.0); }

    Status status() const { return static_cast<Status>(m_status); }
    // The status as stored, and whether it says valid for a number of days
    // the program can hold (finite, at most kMaxDays either way).
    bool isValid() const;
    bool namesNoSpan() const;
    double days() const { return m_span; }
    // Whole days, rounded to the nearest day.
    long wholeDays() const;

    bool operator==(const OleSpan& other) const;

  private:
    double m_span = 0.0;
    int32_t m_status = valid;
};
#pragma pack(pop)

static_assert(sizeof(OleSpan) == 12);

}  // namespace bunrako
