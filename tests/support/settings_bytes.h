#pragma once

// Settings records and setting-item master items built byte by byte, as the
// settings file (an archive) and the masters (raw images) lay them out,
// independently of the program's writers.
#include <cstdint>
#include <string>
#include <string_view>

#include "support/archive_bytes.h"

namespace bunrako::testing {

// One 93-byte master item: code (11), name (41) and second value (41).
inline std::string masterItem(std::string_view code, std::string_view nameCp932,
                              std::string_view subCp932 = {}) {
    std::string bytes(93, '\0');
    bytes.replace(0, code.size(), code);
    bytes.replace(11, nameCp932.size(), nameCp932);
    bytes.replace(52, subCp932.size(), subCp932);
    return bytes;
}

// The 20 stored fields of the oldest (untagged) settings record.
inline std::string settingsFieldsTo20(const std::string& section) {
    std::string bytes = str(section) + str("係") + str("0010010000") + str("V.dat") + i32(1) +
                        str("taro") + str("H.dat") + str("K.dat") + i32(0) + i32(1) + str("excel");
    for (int i = 0; i < 6; ++i) bytes += str("f");
    return bytes + i32(0) + str("fm") + str("M.dat");
}

// The 23 fields of Ver20030101.
inline std::string settingsFieldsTo23(const std::string& section) {
    return settingsFieldsTo20(section) + str("第") + i32(1) + str("P");
}

// All 31 stored fields of Ver20090901, with the calendar mode and the
// management period given.
inline std::string settingsRecord31(const std::string& section, int32_t calendarMode = 0,
                                    int32_t period = 0) {
    std::string bytes = settingsFieldsTo23(section);
    for (int i = 0; i < 4; ++i) bytes += str("l.xls");
    return bytes + i32(calendarMode) + i32(period) + str("l5.xls") + str("l6.xls");
}

}  // namespace bunrako::testing
