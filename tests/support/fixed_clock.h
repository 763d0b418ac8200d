#pragma once

#include "common/clock.h"

namespace bunrako::testing {

class FixedClock : public Clock {
  public:
    explicit FixedClock(OleDateTime when) : m_when(when) {}
    OleDateTime now() const override { return m_when; }
    void set(OleDateTime when) { m_when = when; }

  private:
    OleDateTime m_when;
};

}  // namespace bunrako::testing
