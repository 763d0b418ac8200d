#include "volumes/hozon_nengen_henkousho_data.h"

#include "common/my_tool.h"

namespace bunrako {

CHozonNengenHenkoushoData CHozonNengenHenkoushoData::newForm(const OleDateTime& today,
                                                             int periodType) {
    CHozonNengenHenkoushoData form{};
    const CMyTool tool;
    form.HenkouSakuseiNendo = tool.FiscalYearStart(today, 0);
    form.HenkouShuunouKaisiNendo = tool.FiscalYearStart(today, periodType);
    form.HenkouShuunouShuuryouNendo = form.HenkouShuunouKaisiNendo;
    return form;
}

bool CHozonNengenHenkoushoData::sameForm(const CHozonNengenHenkoushoData& other) const {
    const auto same = [](const auto& a, const auto& b) { return fixedBytes(a) == fixedBytes(b); };
    return HenkouSakuseiNendo == other.HenkouSakuseiNendo && same(HenkouKaMei, other.HenkouKaMei) &&
           same(HenkouKakariMei, other.HenkouKakariMei) &&
           same(HenkouKaBunruiCode, other.HenkouKaBunruiCode) &&
           same(HenkouDaiBunruiCode, other.HenkouDaiBunruiCode) &&
           same(HenkouDaiBunruiMei, other.HenkouDaiBunruiMei) &&
           same(HenkouChuuBunruiCode, other.HenkouChuuBunruiCode) &&
           same(HenkouChuuBunruiMei, other.HenkouChuuBunruiMei) &&
           same(HenkouShouBunruiCode, other.HenkouShouBunruiCode) &&
           same(HenkouShouBunruiMei, other.HenkouShouBunruiMei) &&
           same(HenkouTitle, other.HenkouTitle) &&
           HenkouShuunouKaisiNendo == other.HenkouShuunouKaisiNendo &&
           HenkouShuunouShuuryouNendo == other.HenkouShuunouShuuryouNendo;
}

}  // namespace bunrako
