#pragma once

#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "common/ole_date_time.h"
#include "common/ole_span.h"

namespace bunrako {

// One line of the bulk-import CSV, read but not yet converted into a volume
// (268 bytes, kept in memory only). Texts are CP932 cut to their fields.
#pragma pack(push, 4)
struct CExcelBosatuData {
    static constexpr size_t kSize = 268;

    OleDateTime SakuseiNendo{};
    char KaMei[21] = {};
    char KakariMei[21] = {};
    char DaiBunruiMei[21] = {};
    char ChuuBunruiMei[21] = {};
    char ShouBunruiMei[21] = {};
    char Title[73] = {};
    char Padding[2] = {};
    int32_t Sassuu = 0;
    OleDateTime ShuunouKaisiNendo{};
    OleDateTime ShuunouShuuryouNendo{};
    OleSpan HozonNengen{};
    OleDateTime ManryouNengetu{};
    int32_t Jouyou = 0;
    int32_t Mokuji = 0;
    int32_t Haiki = 0;
    OleDateTime HaikiNengetu{};
};
#pragma pack(pop)

static_assert(std::is_trivially_copyable_v<CExcelBosatuData>);
static_assert(sizeof(CExcelBosatuData) == CExcelBosatuData::kSize);
static_assert(offsetof(CExcelBosatuData, SakuseiNendo) == 0);
static_assert(offsetof(CExcelBosatuData, KaMei) == 12);
static_assert(offsetof(CExcelBosatuData, KakariMei) == 33);
static_assert(offsetof(CExcelBosatuData, DaiBunruiMei) == 54);
static_assert(offsetof(CExcelBosatuData, ChuuBunruiMei) == 75);
static_assert(offsetof(CExcelBosatuData, ShouBunruiMei) == 96);
static_assert(offsetof(CExcelBosatuData, Title) == 117);
static_assert(offsetof(CExcelBosatuData, Padding) == 190);
static_assert(offsetof(CExcelBosatuData, Sassuu) == 192);
static_assert(offsetof(CExcelBosatuData, ShuunouKaisiNendo) == 196);
static_assert(offsetof(CExcelBosatuData, ShuunouShuuryouNendo) == 208);
static_assert(offsetof(CExcelBosatuData, HozonNengen) == 220);
static_assert(offsetof(CExcelBosatuData, ManryouNengetu) == 232);
static_assert(offsetof(CExcelBosatuData, Jouyou) == 244);
static_assert(offsetof(CExcelBosatuData, Mokuji) == 248);
static_assert(offsetof(CExcelBosatuData, Haiki) == 252);
static_assert(offsetof(CExcelBosatuData, HaikiNengetu) == 256);

// A read row with the CSV line it came from (1-based, the header is line 1).
struct ExcelBosatuRow {
    CExcelBosatuData data;
    size_t lineNumber = 0;
};

}  // namespace bunrako
