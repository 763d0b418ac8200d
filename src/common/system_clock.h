#pragma once

#include "common/clock.h"

namespace bunrako {

// The machine's local time.
class SystemClock : public Clock {
  public:
    OleDateTime now() const override;
};

}  // namespace bunrako
