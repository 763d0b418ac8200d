#pragma once

// Builders of archive-file images (name lists, approver table), byte by byte
// as the archive lays them out, independent of the archive writer.
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "support/le_bytes.h"

namespace bunrako::testing {

inline std::string int32Bytes(int32_t value) { return le32(static_cast<uint32_t>(value)); }

// A string shorter than 255 bytes: one length byte, then the bytes.
inline std::string shortString(std::string_view bytes) {
    return std::string(1, static_cast<char>(bytes.size())) + std::string(bytes);
}

// A date value in an archive: the status first, then the double.
inline std::string archiveDate(double days, int32_t status = 0) {
    char bytes[8];
    std::memcpy(bytes, &days, 8);
    return int32Bytes(status) + std::string(bytes, 8);
}

inline std::string slotBytes(std::string_view name, int32_t count, double days) {
    return shortString(name) + int32Bytes(count) + archiveDate(days);
}

}  // namespace bunrako::testing
