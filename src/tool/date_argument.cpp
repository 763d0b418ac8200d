#include "tool/date_argument.h"

namespace bunrako::cli {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

int digitsValue(std::string_view digits) {
    int value = 0;
    for (const char c : digits) value = value * 10 + (c - '0');
    return value;
}

}  // namespace

std::optional<DateParts> parseDateArgument(std::string_view text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
    for (const size_t at : {0, 1, 2, 3, 5, 6, 8, 9}) {
        if (!isDigit(text[at])) return std::nullopt;
    }
    return DateParts{digitsValue(text.substr(0, 4)), digitsValue(text.substr(5, 2)),
                     digitsValue(text.substr(8, 2))};
}

}  // namespace bunrako::cli
