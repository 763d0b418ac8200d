#pragma once

// Builders of change-form file images, byte by byte at the documented
// offsets, independent of the record struct and its writer.
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "common/ole_date_time.h"
#include "support/le_bytes.h"

namespace bunrako::testing {

struct FormAt {
    static constexpr size_t sakuseiNendo = 0, kaMei = 12, kakariMei = 33, kaBunruiCode = 54,
                            daiCode = 65, daiMei = 69, chuuCode = 110, chuuMei = 114,
                            shouCode = 155, shouMei = 160, title = 201, kaisiNendo = 276,
                            shuuryouNendo = 288, maeShubetu = 300, goShubetu = 341, riyuu = 382,
                            size = 896;
};

inline void putFormBytes(std::string& image, size_t offset, std::string_view bytes) {
    image.replace(offset, bytes.size(), bytes);
}

inline void putFormDate(std::string& image, size_t offset, double days, int32_t status = 0) {
    image.replace(offset, 12, leDouble(days) + le32(static_cast<uint32_t>(status)));
}

inline std::string countWord(uint32_t count) { return le32(count); }

// A form of a volume with a title, created and filed in the fiscal year that
// starts on fiscalStart, with its old and new retention types.
inline std::string formImage(std::string_view title, double fiscalStart,
                             std::string_view mae = "5Y", std::string_view go = "10Y") {
    std::string image(FormAt::size, '\0');
    putFormDate(image, FormAt::sakuseiNendo, fiscalStart);
    putFormBytes(image, FormAt::kaMei, "KA");
    putFormBytes(image, FormAt::kakariMei, "KAKARI");
    putFormBytes(image, FormAt::kaBunruiCode, "0010000000");
    putFormBytes(image, FormAt::daiCode, "1");
    putFormBytes(image, FormAt::daiMei, "DAI");
    putFormBytes(image, FormAt::chuuCode, "2");
    putFormBytes(image, FormAt::chuuMei, "CHUU");
    putFormBytes(image, FormAt::shouCode, "3");
    putFormBytes(image, FormAt::shouMei, "SHOU");
    putFormBytes(image, FormAt::title, title);
    putFormDate(image, FormAt::kaisiNendo, fiscalStart);
    putFormDate(image, FormAt::shuuryouNendo, fiscalStart);
    putFormBytes(image, FormAt::maeShubetu, mae);
    putFormBytes(image, FormAt::goShubetu, go);
    return image;
}

}  // namespace bunrako::testing
