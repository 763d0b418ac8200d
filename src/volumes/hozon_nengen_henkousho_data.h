#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>

#include "common/cp932.h"
#include "common/ole_date_time.h"

namespace bunrako {

// A retention-period change form (保存年限変更書): which volume had its
// retention type changed, from which type to which, and why. The 896-byte
// image stored in the change-form file; texts are CP932, NUL-terminated in
// their fields; padding bytes are carried unchanged.
#pragma pack(push, 4)
struct CHozonNengenHenkoushoData {
    static constexpr size_t kSize = 896;

    OleDateTime HenkouSakuseiNendo;
    char HenkouKaMei[21];
    char HenkouKakariMei[21];
    char HenkouKaBunruiCode[11];
    char HenkouDaiBunruiCode[4];
    char HenkouDaiBunruiMei[41];
    char HenkouChuuBunruiCode[4];
    char HenkouChuuBunruiMei[41];
    char HenkouShouBunruiCode[5];
    char HenkouShouBunruiMei[41];
    char HenkouTitle[73];
    char padding274[2];
    OleDateTime HenkouShuunouKaisiNendo;
    OleDateTime HenkouShuunouShuuryouNendo;
    char HenkouMaeShubetu[41];
    char HenkouGoShubetu[41];
    char HenkouRiyuu[513];
    char padding895[1];

    // A new form: texts empty, the three years the start of the fiscal year
    // of today (the creation year by the April rule, the filing years by
    // the management period type).
    static CHozonNengenHenkoushoData newForm(const OleDateTime& today, int periodType);

    // The same form: equal in the creation year, department, section,
    // department code, the three classification codes and names, title and
    // the two filing years. Types and reason do not count.
    bool sameForm(const CHozonNengenHenkoushoData& other) const;

    std::string kaMei() const { return readFixedText(HenkouKaMei); }
    std::string kakariMei() const { return readFixedText(HenkouKakariMei); }
    std::string title() const { return readFixedText(HenkouTitle); }
    std::string maeShubetu() const { return readFixedText(HenkouMaeShubetu); }
    std::string goShubetu() const { return readFixedText(HenkouGoShubetu); }
    std::string riyuu() const { return readFixedText(HenkouRiyuu); }
    bool setTitle(std::string_view utf8) { return writeFixedText(HenkouTitle, utf8); }
    bool setMaeShubetu(std::string_view utf8) { return writeFixedText(HenkouMaeShubetu, utf8); }
    bool setGoShubetu(std::string_view utf8) { return writeFixedText(HenkouGoShubetu, utf8); }
    bool setRiyuu(std::string_view utf8) { return writeFixedText(HenkouRiyuu, utf8); }
};
#pragma pack(pop)

static_assert(std::is_trivially_copyable_v<CHozonNengenHenkoushoData>);
static_assert(std::is_standard_layout_v<CHozonNengenHenkoushoData>);
static_assert(sizeof(CHozonNengenHenkoushoData) == CHozonNengenHenkoushoData::kSize);
static_assert(offsetof(CHozonNengenHenkoushoData, HenkouSakuseiNendo) == 0);
static_assert(offsetof(CHozonNengenHenkoushoData, HenkouKaMei) == 12);
static_assert(offsetof(CHozonNengenHenkoushoData, HenkouKakariMei) == 33);
static_assert(offsetof(CHozonNengenHenkoushoData, HenkouKaBunruiCode) == 54);
static_assert(offsetof(CHozonNengenHenkoushoData, HenkouDaiBunruiCode) == 65);
static_assert(offsetof(CHozonNengenHenkoushoData, HenkouDaiBunruiMei) == 69);
static_assert(offsetof(CHozonNengenHenkoushoData, HenkouChuuBunruiCode) == 110);
static_assert(offsetof(CHozonNengenHenkoushoData, HenkouChuuBunruiMei) == 114);
static_assert(offsetof(CHozonNengenHenkoushoData, HenkouShouBunruiCode) == 155);
static_assert(offsetof(CHozonNengenHenkoushoData, HenkouShouBunruiMei) == 160);
static_assert(offsetof(CHozonNengenHenkoushoData, HenkouTitle) == 201);
static_assert(offsetof(CHozonNengenHenkoushoData, padding274) == 274);
static_assert(offsetof(CHozonNengenHenkoushoData, HenkouShuunouKaisiNendo) == 276);
static_assert(offsetof(CHozonNengenHenkoushoData, HenkouShuunouShuuryouNendo) == 288);
static_assert(offsetof(CHozonNengenHenkoushoData, HenkouMaeShubetu) == 300);
static_assert(offsetof(CHozonNengenHenkoushoData, HenkouGoShubetu) == 341);
static_assert(offsetof(CHozonNengenHenkoushoData, HenkouRiyuu) == 382);
static_assert(offsetof(CHozonNengenHenkoushoData, padding895) == 895);

}  // namespace bunrako
