#pragma once

#include <string>

namespace bunrako {

// printf-style formatting of the message, label and date patterns of the
// register texts into a std::string.
#if defined(__GNUC__)
__attribute__((format(printf, 1, 2)))
#endif
std::string
FormatText(const char* pattern, ...);

}  // namespace bunrako
