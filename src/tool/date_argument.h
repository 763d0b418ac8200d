#pragma once

#include <optional>
#include <string_view>

namespace bunrako::cli {

// A date given on the command line as YYYY-MM-DD.
struct DateParts {
    int year;
    int month;
    int day;
};

// Exactly YYYY-MM-DD; whether the date exists is checked separately.
std::optional<DateParts> parseDateArgument(std::string_view text);

}  // namespace bunrako::cli
