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

// Full printf formatting for the patterns with numbers as well
// ("%s:Hassin[%d].meishou", "%s%d年度"); the compiler checks the arguments
// against a literal pattern.
#if defined(__GNUC__)
#define BUNRAKO_PRINTF_FORMAT __attribute__((format(printf, 1, 2)))
#else
#define BUNRAKO_PRINTF_FORMAT
#endif
BUNRAKO_PRINTF_FORMAT std::string formatPrintf(const char* pattern, ...);

}  // namespace bunrako
