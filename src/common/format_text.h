#pragma once

#include <string>
#include <string_view>

namespace bunrako {

// Fills the first "%s" of a message pattern (the texts.h tables keep the
// printf-style patterns) with a value; without "%s" the value is appended.
// Unlike snprintf it has no length limit and cannot misread the value.
inline std::string formatText(std::string_view pattern, std::string_view value) {
    std::string text(pattern);
    const size_t at = text.find("%s");
    if (at == std::string::npos) return text.append(value);
    return text.replace(at, 2, value);
}

}  // namespace bunrako
