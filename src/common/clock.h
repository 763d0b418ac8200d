#pragma once

#include "common/ole_date_time.h"

namespace bunrako {

class Clock {
  public:
    virtual ~Clock() = default;

    virtual OleDateTime now() const = 0;
    OleDateTime today() const { return now().datePart(); }
};

}  // namespace bunrako
