#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>

#include "common/ole_date_time.h"
#include "common/ole_span.h"

namespace bunrako {

// One volume (簿冊): a 656-byte record, written to the volume files exactly as
// it lies in memory. Text fields hold CP932 bytes, NUL-terminated inside their
// width; the accessors convert to and from UTF-8. The padding after the
// management number and the reserved tail are carried unchanged.
#pragma pack(push, 4)
struct CDocMasterData {
    static constexpr size_t kSize = 656;
    // A period of N years is kept as N × 366 days.
    static constexpr double kDaysPerYear = 366.0;

    char KanriBangou[22] = {};
    char Padding[2] = {};
    OleDateTime SakuseiNendo{};
    char KaMei[21] = {};
    char KakariMei[21] = {};
    char KaBunruiCode[11] = {};
    char DaiBunruiCode[5] = {};
    char DaiBunruiMei[21] = {};
    char ChuuBunruiCode[3] = {};
    char ChuuBunruiMei[21] = {};
    char ShouBunruiCode[3] = {};
    char ShouBunruiMei[21] = {};
    char Title[73] = {};
    int32_t Sassuu = 0;
    OleDateTime ShuunouKaisiNendo{};
    OleDateTime ShuunouShuuryouNendo{};
    int32_t HozonShubetuIndex = 0;
    OleSpan HozonNengen{};
    OleDateTime ManryouNengetu{};
    int32_t Jouyou = 0;
    int32_t Mokuji = 0;
    int32_t Haiki = 0;
    OleDateTime HaikiNengetu{};
    int32_t Minaosi1 = 0;
    OleDateTime Minaosi1Jiki{};
    OleSpan Minaosi1Nengen{};
    int32_t Minaosi2 = 0;
    OleDateTime Minaosi2Jiki{};
    OleSpan Minaosi2Nengen{};
    int32_t Minaosi3 = 0;
    OleDateTime Minaosi3Jiki{};
    OleSpan Minaosi3Nengen{};
    char HozonShubetuMei[21] = {};
    unsigned char Reserved[235] = {};

    // A new volume as the register command starts it: created, filed from
    // and filed to in the fiscal year (April start) that holds today, one
    // book, retention type 2 of five years, a table of contents, expiry,
    // disposal and all review dates at the derived expiry, review periods of
    // ten years. Every other byte is zero.
    static CDocMasterData NewRecord(const OleDateTime& today);

    // The expiry date: the last filing year + the retention period + 366 days.
    OleDateTime DeriveManryouNengetu() const;

    // Text fields as UTF-8. A setter cuts the text to the field at a
    // character boundary and returns false when it had to cut it or met a
    // character that CP932 cannot hold.
    std::string kanriBangou() const;
    std::string kaMei() const;
    bool setKaMei(std::string_view utf8);
    std::string kakariMei() const;
    bool setKakariMei(std::string_view utf8);
    std::string kaBunruiCode() const;
    bool setKaBunruiCode(std::string_view utf8);
    std::string daiBunruiCode() const;
    bool setDaiBunruiCode(std::string_view utf8);
    std::string daiBunruiMei() const;
    bool setDaiBunruiMei(std::string_view utf8);
    std::string chuuBunruiCode() const;
    bool setChuuBunruiCode(std::string_view utf8);
    std::string chuuBunruiMei() const;
    bool setChuuBunruiMei(std::string_view utf8);
    std::string shouBunruiCode() const;
    bool setShouBunruiCode(std::string_view utf8);
    std::string shouBunruiMei() const;
    bool setShouBunruiMei(std::string_view utf8);
    std::string title() const;
    bool setTitle(std::string_view utf8);
    std::string hozonShubetuMei() const;
    bool setHozonShubetuMei(std::string_view utf8);
};
#pragma pack(pop)

static_assert(std::is_standard_layout_v<CDocMasterData>);
static_assert(std::is_trivially_copyable_v<CDocMasterData>);
static_assert(sizeof(CDocMasterData) == CDocMasterData::kSize);
static_assert(offsetof(CDocMasterData, KanriBangou) == 0);
static_assert(offsetof(CDocMasterData, Padding) == 22);
static_assert(offsetof(CDocMasterData, SakuseiNendo) == 24);
static_assert(offsetof(CDocMasterData, KaMei) == 36);
static_assert(offsetof(CDocMasterData, KakariMei) == 57);
static_assert(offsetof(CDocMasterData, KaBunruiCode) == 78);
static_assert(offsetof(CDocMasterData, DaiBunruiCode) == 89);
static_assert(offsetof(CDocMasterData, DaiBunruiMei) == 94);
static_assert(offsetof(CDocMasterData, ChuuBunruiCode) == 115);
static_assert(offsetof(CDocMasterData, ChuuBunruiMei) == 118);
static_assert(offsetof(CDocMasterData, ShouBunruiCode) == 139);
static_assert(offsetof(CDocMasterData, ShouBunruiMei) == 142);
static_assert(offsetof(CDocMasterData, Title) == 163);
static_assert(offsetof(CDocMasterData, Sassuu) == 236);
static_assert(offsetof(CDocMasterData, ShuunouKaisiNendo) == 240);
static_assert(offsetof(CDocMasterData, ShuunouShuuryouNendo) == 252);
static_assert(offsetof(CDocMasterData, HozonShubetuIndex) == 264);
static_assert(offsetof(CDocMasterData, HozonNengen) == 268);
static_assert(offsetof(CDocMasterData, ManryouNengetu) == 280);
static_assert(offsetof(CDocMasterData, Jouyou) == 292);
static_assert(offsetof(CDocMasterData, Mokuji) == 296);
static_assert(offsetof(CDocMasterData, Haiki) == 300);
static_assert(offsetof(CDocMasterData, HaikiNengetu) == 304);
static_assert(offsetof(CDocMasterData, Minaosi1) == 316);
static_assert(offsetof(CDocMasterData, Minaosi1Jiki) == 320);
static_assert(offsetof(CDocMasterData, Minaosi1Nengen) == 332);
static_assert(offsetof(CDocMasterData, Minaosi2) == 344);
static_assert(offsetof(CDocMasterData, Minaosi2Jiki) == 348);
static_assert(offsetof(CDocMasterData, Minaosi2Nengen) == 360);
static_assert(offsetof(CDocMasterData, Minaosi3) == 372);
static_assert(offsetof(CDocMasterData, Minaosi3Jiki) == 376);
static_assert(offsetof(CDocMasterData, Minaosi3Nengen) == 388);
static_assert(offsetof(CDocMasterData, HozonShubetuMei) == 400);
static_assert(offsetof(CDocMasterData, Reserved) == 421);

}  // namespace bunrako
