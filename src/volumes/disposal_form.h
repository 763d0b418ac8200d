#pragma once

#include <optional>

#include "common/ole_date_time.h"
#include "volumes/year_input.h"

namespace bunrako {

// The rules of the bulk disposal dialog (簿冊の一括廃棄処理): the disposal
// month, preset to today's year and month (era and Western year both
// filled, the calendar mode decides which the dialog shows), and the check
// on 処理開始.
class DisposalForm {
  public:
    DisposalForm(const OleDateTime& today, bool western);

    bool western() const { return m_month.year.western; }
    YearMonthInput& month() { return m_month; }
    const YearMonthInput& month() const { return m_month; }
    // The number of steps of the progress: one per selected volume.
    static int progressUpper(size_t selected) { return static_cast<int>(selected); }

    // Day 1 of the disposal month; nothing when the input is incomplete, and
    // the dialog then stays open without a message.
    std::optional<OleDateTime> disposalMonth() const;

  private:
    YearMonthInput m_month;
};

}  // namespace bunrako
