#pragma once

#include <string>

namespace bunrako {

// printf-style formatting of the message, label and date patterns of the
// texts tables ("%s:Hassin[%d].meishou", "%s%d年度") into a std::string.
#if defined(__GNUC__)
#define BUNRAKO_PRINTF_FORMAT __attribute__((format(printf, 1, 2)))
#else
#define BUNRAKO_PRINTF_FORMAT
#endif
BUNRAKO_PRINTF_FORMAT std::string FormatText(const char* pattern, ...);

}  // namespace bunrako
