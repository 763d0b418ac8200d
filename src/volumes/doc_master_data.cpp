#include "volumes/doc_master_data.h"

#include "common/cp932.h"
#include "common/my_tool.h"

namespace bunrako {

namespace {
// The defaults of a new volume.
constexpr int32_t kDefaultBooks = 1;
constexpr int32_t kDefaultRetentionIndex = 2;
constexpr int kDefaultRetentionYears = 5;
constexpr int kDefaultReviewYears = 10;
// New volumes start in the fiscal year that begins in April.
constexpr int kAprilStart = 0;
}  // namespace

CDocMasterData CDocMasterData::NewRecord(const OleDateTime& today) {
    CDocMasterData record;
    const OleDateTime fiscalYear = CMyTool().FiscalYearStart(today, kAprilStart);
    record.SakuseiNendo = fiscalYear;
    record.ShuunouKaisiNendo = fiscalYear;
    record.ShuunouShuuryouNendo = fiscalYear;
    record.Sassuu = kDefaultBooks;
    record.HozonShubetuIndex = kDefaultRetentionIndex;
    record.HozonNengen = OleSpan::fromYears(kDefaultRetentionYears);
    record.Mokuji = 1;
    const OleDateTime expiry = record.DeriveManryouNengetu();
    record.ManryouNengetu = expiry;
    record.HaikiNengetu = expiry;
    record.Minaosi1Jiki = expiry;
    record.Minaosi2Jiki = expiry;
    record.Minaosi3Jiki = expiry;
    record.Minaosi1Nengen = OleSpan::fromYears(kDefaultReviewYears);
    record.Minaosi2Nengen = OleSpan::fromYears(kDefaultReviewYears);
    record.Minaosi3Nengen = OleSpan::fromYears(kDefaultReviewYears);
    return record;
}

OleDateTime CDocMasterData::DeriveManryouNengetu() const {
    return ShuunouShuuryouNendo + HozonNengen + OleSpan::fromDays(kDaysPerYear);
}

std::string CDocMasterData::kanriBangou() const { return readFixedText(KanriBangou); }
std::string CDocMasterData::kaMei() const { return readFixedText(KaMei); }
bool CDocMasterData::setKaMei(std::string_view utf8) { return writeFixedText(KaMei, utf8); }
std::string CDocMasterData::kakariMei() const { return readFixedText(KakariMei); }
bool CDocMasterData::setKakariMei(std::string_view utf8) { return writeFixedText(KakariMei, utf8); }
std::string CDocMasterData::kaBunruiCode() const { return readFixedText(KaBunruiCode); }
bool CDocMasterData::setKaBunruiCode(std::string_view utf8) {
    return writeFixedText(KaBunruiCode, utf8);
}
std::string CDocMasterData::daiBunruiCode() const { return readFixedText(DaiBunruiCode); }
bool CDocMasterData::setDaiBunruiCode(std::string_view utf8) {
    return writeFixedText(DaiBunruiCode, utf8);
}
std::string CDocMasterData::daiBunruiMei() const { return readFixedText(DaiBunruiMei); }
bool CDocMasterData::setDaiBunruiMei(std::string_view utf8) {
    return writeFixedText(DaiBunruiMei, utf8);
}
std::string CDocMasterData::chuuBunruiCode() const { return readFixedText(ChuuBunruiCode); }
bool CDocMasterData::setChuuBunruiCode(std::string_view utf8) {
    return writeFixedText(ChuuBunruiCode, utf8);
}
std::string CDocMasterData::chuuBunruiMei() const { return readFixedText(ChuuBunruiMei); }
bool CDocMasterData::setChuuBunruiMei(std::string_view utf8) {
    return writeFixedText(ChuuBunruiMei, utf8);
}
std::string CDocMasterData::shouBunruiCode() const { return readFixedText(ShouBunruiCode); }
bool CDocMasterData::setShouBunruiCode(std::string_view utf8) {
    return writeFixedText(ShouBunruiCode, utf8);
}
std::string CDocMasterData::shouBunruiMei() const { return readFixedText(ShouBunruiMei); }
bool CDocMasterData::setShouBunruiMei(std::string_view utf8) {
    return writeFixedText(ShouBunruiMei, utf8);
}
std::string CDocMasterData::title() const { return readFixedText(Title); }
bool CDocMasterData::setTitle(std::string_view utf8) { return writeFixedText(Title, utf8); }
std::string CDocMasterData::hozonShubetuMei() const { return readFixedText(HozonShubetuMei); }
bool CDocMasterData::setHozonShubetuMei(std::string_view utf8) {
    return writeFixedText(HozonShubetuMei, utf8);
}

}  // namespace bunrako
