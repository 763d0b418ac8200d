#pragma once

// Builds index catalogue, related-file and registered-form files byte by byte
// for the tests, independently of the program's writers.

#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <string>
#include <string_view>

#include "common/cp932.h"
#include "support/le_bytes.h"

namespace bunrako::testing::bytes {

inline std::string zeros(size_t count) { return std::string(count, '\0'); }

inline std::string le32(int32_t value) { return testing::le32(static_cast<uint32_t>(value)); }
using testing::leDouble;

// A date or span as the raw images hold it: the double, then the status.
inline std::string rawDate(double days, int32_t status = 0) {
    return leDouble(days) + le32(status);
}
// The same as the archives hold it: the status, then the double.
inline std::string archiveDate(double days, int32_t status = 0) {
    return le32(status) + leDouble(days);
}

// A text in a fixed field of `width` bytes, zero-filled.
inline std::string fixedCp932(std::string_view cp932, size_t width) {
    if (cp932.size() > width) throw std::logic_error("text wider than its field");
    return std::string(cp932) + zeros(width - cp932.size());
}
inline std::string fixed(std::string_view utf8, size_t width) {
    return fixedCp932(utf8ToCp932(utf8), width);
}

// An archive string: 1-byte length below 255, else 0xFF + 2 bytes below
// 65534, else 0xFF 0xFF 0xFF + 4 bytes.
inline std::string archiveStringCp932(std::string_view cp932) {
    std::string out;
    const size_t n = cp932.size();
    if (n < 255) {
        out.push_back(static_cast<char>(n));
    } else if (n < 0xFFFE) {
        out += "\xFF";
        out.push_back(static_cast<char>(n & 0xFF));
        out.push_back(static_cast<char>((n >> 8) & 0xFF));
    } else {
        out += "\xFF\xFF\xFF";
        out += le32(static_cast<int32_t>(n));
    }
    return out + std::string(cp932);
}
inline std::string archiveString(std::string_view utf8) {
    return archiveStringCp932(utf8ToCp932(utf8));
}

}  // namespace bunrako::testing::bytes
