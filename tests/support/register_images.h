#pragma once

// Builders of title-register file images, byte by byte at the documented
// offsets, independent of the record struct and its writer.
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "common/ole_date_time.h"
#include "support/le_bytes.h"

namespace bunrako::testing {

inline void putBytes(std::string& image, size_t offset, std::string_view bytes) {
    image.replace(offset, bytes.size(), bytes);
}

inline void putInt32(std::string& image, size_t offset, int32_t value) {
    image.replace(offset, 4, le32(static_cast<uint32_t>(value)));
}

// A date value: the double of days, then the status.
inline void putDate(std::string& image, size_t offset, double days, int32_t status = 0) {
    image.replace(offset, 8, leDouble(days));
    putInt32(image, offset + 8, status);
}

inline double day(int year, int month, int dayOfMonth) {
    return static_cast<double>(daysFromCivil(year, month, dayOfMonth));
}

inline constexpr std::string_view kRegisterTag{"BunshoKenMeiboVer200\0", 21};

// Offsets of the 1332-byte entry.
struct EntryAt {
    static constexpr size_t number = 0, registerYear = 8, calendarFlag = 20, volumeYear = 24,
                            section = 36, received = 48, subject = 60, sender = 221, receiver = 262,
                            completedFlag = 304, completedDate = 308, progressFlag = 320,
                            progressDate = 376, progressText = 544, volumeNumber = 1118,
                            volumeTitle = 1140, important = 1216, symbol = 1220, remarks = 1241,
                            size = 1332;
};

// Offsets of the older 1224-byte entry.
struct LegacyAt {
    static constexpr size_t number = 0, registerYear = 8, calendarFlag = 20, volumeYear = 24,
                            section = 36, received = 48, subject = 60, sender = 141, receiver = 182,
                            completedFlag = 224, completedDate = 228, progressFlag = 240,
                            progressDate = 296, progressText = 464, volumeNumber = 1038,
                            volumeTitle = 1060, important = 1136, symbol = 1140, size = 1224;
};

// An entry with a number, a section code, a register year and a reception
// date; every other byte zero.
template <typename At = EntryAt>
std::string entryImage(std::string_view number, std::string_view section, double registerYear,
                       double received, int32_t calendarFlag = 0) {
    std::string image(At::size, '\0');
    putBytes(image, At::number, number);
    putBytes(image, At::section, section);
    putDate(image, At::registerYear, registerYear);
    putInt32(image, At::calendarFlag, calendarFlag);
    putDate(image, At::received, received);
    return image;
}

}  // namespace bunrako::testing
