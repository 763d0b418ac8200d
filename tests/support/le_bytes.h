#pragma once

// Little-endian values written by hand for building test files, independent
// of the program's writers: every byte builder of the tests uses these.
#include <cstdint>
#include <cstring>
#include <string>

namespace bunrako::testing {

inline std::string le32(uint32_t value) {
    std::string out(4, '\0');
    for (size_t i = 0; i < 4; ++i) out[i] = static_cast<char>((value >> (8 * i)) & 0xFF);
    return out;
}

inline std::string leDouble(double value) {
    uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    std::string out(8, '\0');
    for (size_t i = 0; i < 8; ++i) out[i] = static_cast<char>((bits >> (8 * i)) & 0xFF);
    return out;
}

}  // namespace bunrako::testing
