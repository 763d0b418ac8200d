#include "common/text_functions.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace bunrako {
namespace {

bool isQuoted(std::string_view field) {
    return field.size() >= 2 && field.front() == '"' && field.back() == '"';
}

size_t lastSeparator(std::string_view path) { return path.find_last_of("\\/"); }

}  // namespace

std::string ExtractField(std::string_view text, int n, char separator) {
    if (n < 1) return {};
    size_t start = 0;
    for (int field = 1; field < n; ++field) {
        const size_t next = text.find(separator, start);
        if (next == std::string_view::npos) return {};
        start = next + 1;
    }
    const size_t end = text.find(separator, start);
    std::string_view field =
        text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
    if (isQuoted(field)) field = field.substr(1, field.size() - 2);
    return std::string(field);
}

int CountSubstring(std::string_view text, std::string_view sub) {
    if (sub.empty()) return 0;
    int count = 0;
    for (size_t at = text.find(sub); at != std::string_view::npos;
         at = text.find(sub, at + sub.size())) {
        ++count;
    }
    return count;
}

std::string FolderPart(std::string_view path) {
    const size_t at = lastSeparator(path);
    return at == std::string_view::npos ? std::string() : std::string(path.substr(0, at));
}

std::string FileNamePart(std::string_view path) {
    const size_t at = lastSeparator(path);
    return std::string(at == std::string_view::npos ? path : path.substr(at + 1));
}

int LeadingInteger(std::string_view text) {
    constexpr int64_t kHighest = std::numeric_limits<int>::max();
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    int64_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = std::min<int64_t>(value * 10 + (text[i] - '0'), kHighest + 1);
    }
    if (negative) return static_cast<int>(-std::min(value, kHighest + 1));
    return static_cast<int>(std::min(value, kHighest));
}

}  // namespace bunrako
