#include "common/ole_span.h"

#include <cmath>

namespace bunrako {

OleSpan OleSpan::fromDays(double days) {
    return {days, std::fabs(days) > kMaxDays ? invalid : valid};
}

bool OleSpan::isValid() const { return m_status == valid && std::fabs(m_span) <= kMaxDays; }

bool OleSpan::namesNoSpan() const { return m_status == valid && !(std::fabs(m_span) <= kMaxDays); }

long OleSpan::wholeDays() const { return std::lround(m_span); }

bool OleSpan::operator==(const OleSpan& other) const {
    if (m_status != other.m_status) return false;
    if (m_status != valid) return true;
    return std::fabs(m_span - other.m_span) < 1.0 / 172800.0;
}

}  // namespace bunrako
