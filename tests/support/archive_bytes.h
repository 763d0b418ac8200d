#pragma once

// Archive primitives written by hand for building test files, independent of
// the program's writer.
#include <cstdint>
#include <string>
#include <string_view>

#include "common/cp932.h"
#include "support/le_bytes.h"

namespace bunrako::testing {

inline std::string i32(int32_t value) { return le32(static_cast<uint32_t>(value)); }

// A string of CP932 bytes with its length prefix (1 byte below 255, else
// 0xFF and 2 bytes).
inline std::string cstr(std::string_view cp932) {
    std::string out;
    if (cp932.size() < 255) {
        out += static_cast<char>(cp932.size());
    } else {
        out += '\xFF';
        out += static_cast<char>(cp932.size() & 0xFF);
        out += static_cast<char>((cp932.size() >> 8) & 0xFF);
    }
    return out + std::string(cp932);
}

// The same for a UTF-8 text, stored as CP932.
inline std::string str(std::string_view utf8) { return cstr(utf8ToCp932(utf8)); }

}  // namespace bunrako::testing
