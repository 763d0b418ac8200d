#pragma once

#include <cstdio>
#include <string>

namespace bunrako::app {

// printf-style formatting of the message patterns in texts.h (UTF-8 text,
// %d and %s arguments only).
template <typename... Args>
std::string formatText(const char* pattern, Args... args) {
    const int size = std::snprintf(nullptr, 0, pattern, args...);
    if (size <= 0) return {};
    std::string text(static_cast<size_t>(size) + 1, '\0');
    std::snprintf(text.data(), text.size(), pattern, args...);
    text.resize(static_cast<size_t>(size));
    return text;
}

}  // namespace bunrako::app
