#include "volumes/volume_list_cells.h"

#include <gtest/gtest.h>

#include <cstring>

#include "support/forms_images.h"
#include "support/volume_bytes.h"
#include "volumes/bosatu_tyuushutu_jouken.h"
#include "volumes/doc_master_data.h"
#include "volumes/hozon_nengen_henkousho_data.h"
#include "volumes/hozon_nengen_henkousho_tyuushutu_jouken.h"
#include "volumes/list_captions.h"

namespace bunrako {
namespace {

namespace vb = testing::volume_bytes;
using Cells = std::vector<std::string>;

constexpr CalendarMode kEra{false, 0};
constexpr CalendarMode kWestern{true, 0};

// 2020-04-01 + 2196 days: 2026-04-06.
vb::Record fiveYearVolume() {
    return vb::volume("502001001 1 2 3001200", vb::kYosansho)
        .text(vb::kRetentionNameAt, "5\x94\x4e");  // 5年
}

TEST(VolumeListCellsTest, WesternRowOfTheVolumeList) {
    EXPECT_EQ(volumeListCells(fromBytes(fiveYearVolume()), kWestern),
              (Cells{"総務課", "庶務係", " 1文書", " 2例規", " 3条例", "0012", "予算書", "1",
                     "2020", "2020", "5年", "2026.4", "書庫", "有", ""}));
}

TEST(VolumeListCellsTest, EraRowShowsShortEraForms) {
    auto record = fiveYearVolume();
    record.int32(vb::kDailyUseAt, 1)
        .int32(vb::kContentsAt, 0)
        .int32(vb::kDisposedAt, 1)
        .value(vb::kDisposalAt, 47133)  // 2029-01-15: fiscal 2028
        .value(vb::kFiledFromAt, vb::kApril2018)
        .text(vb::kMajorCodeAt, "123");
    EXPECT_EQ(volumeListCells(fromBytes(record), kEra),
              (Cells{"総務課", "庶務係", "123文書", " 2例規", " 3条例", "0012", "予算書", "1",
                     "H30", "R2", "5年", "R8.4", "常用", "", "R10.4"}));
    EXPECT_EQ(volumeListCells(fromBytes(record), kWestern)[columnIndex(VolumeListColumn::disposal)],
              "2028.4");
}

TEST(VolumeListCellsTest, DatesShowTheLabelOfTheirFiscalYear) {
    // Under July years 2020-04-01 belongs to the year labelled 2020, and the
    // expiry 2026-04-06 to 2026 (its label month is July).
    const Cells cells = volumeListCells(fromBytes(fiveYearVolume()), {true, 1});
    EXPECT_EQ(cells[columnIndex(VolumeListColumn::filingFrom)], "2020");
    EXPECT_EQ(cells[columnIndex(VolumeListColumn::expiry)], "2026.7");
    // A date that is not valid shows nothing.
    auto broken = fiveYearVolume();
    broken.value(vb::kExpiryAt, 0, 2);
    EXPECT_EQ(volumeListCells(fromBytes(broken), kEra)[columnIndex(VolumeListColumn::expiry)], "");
    EXPECT_EQ(volumeListCells(fromBytes(broken), kWestern)[columnIndex(VolumeListColumn::expiry)],
              "");
}

TEST(VolumeListCellsTest, PermanentLedgerRow) {
    auto record = fiveYearVolume();
    record
        .text(vb::kRetentionNameAt, "\x89\x69\x94\x4e")  // 永年
        .value(vb::kReview2DateAt, 50496)                // 2038-04-01
        .value(vb::kReview2SpanAt, 36234)
        .value(vb::kReview3SpanAt, 1830);
    EXPECT_EQ(permanentLedgerCells(fromBytes(record), kWestern),
              (Cells{"総務課", "庶務係", " 1", " 2", " 3", "0012", "予算書", "1", "2020", "2020",
                     "永年", "2026.4", "10", "2038.4", "99", "2026.4", "5", "", ""}));
    EXPECT_EQ(
        permanentLedgerCells(fromBytes(record), kEra)[columnIndex(PermanentLedgerColumn::review2)],
        "R20.4");
}

TEST(VolumeListCellsTest, LedgerPeriodsAreWholeDaysOver365) {
    EXPECT_EQ(ledgerPeriodYears(3660), 10);
    EXPECT_EQ(ledgerPeriodYears(36234), 99);
    EXPECT_EQ(ledgerPeriodYears(3649.999997), 10);  // within half a second
    EXPECT_EQ(ledgerPeriodYears(3649.9), 9);
    EXPECT_EQ(ledgerPeriodYears(364), 0);
    EXPECT_EQ(ledgerPeriodYears(-3660), -10);
}

TEST(VolumeListCellsTest, ChangeFormRow) {
    std::string image = testing::formImage("TITLE", vb::kApril2020, "5Y", "10Y");
    testing::putFormBytes(image, testing::FormAt::riyuu, "\x96\x40\x89\xfc\x90\xb3");  // 法改正
    testing::putFormDate(image, testing::FormAt::kaisiNendo, vb::kApril2019);
    CHozonNengenHenkoushoData form;
    std::memcpy(static_cast<void*>(&form), image.data(), sizeof form);
    EXPECT_EQ(changeFormListCells(form, kWestern),
              (Cells{"KA", "KAKARI", " 1DAI", " 2CHUU", " 3SHOU", "", "TITLE", "2019", "2020", "5Y",
                     "10Y", "法改正"}));
    const Cells era = changeFormListCells(form, kEra);
    EXPECT_EQ(era[columnIndex(ChangeFormListColumn::filingFrom)], "H31");
    EXPECT_EQ(era[columnIndex(ChangeFormListColumn::filingTo)], "R2");
}

TEST(VolumeListCellsTest, ColumnsMatchTheirRows) {
    const auto volume = fromBytes(fiveYearVolume());
    ASSERT_EQ(volumeListColumns().size(), volumeListCells(volume, kEra).size());
    ASSERT_EQ(permanentLedgerColumns().size(), permanentLedgerCells(volume, kEra).size());
    ASSERT_EQ(changeFormListColumns().size(), 12u);
    // Cell by cell the same texts; columns the list does not have are empty.
    EXPECT_EQ(volumeListCell(volume, columnIndex(VolumeListColumn::title), kEra), "予算書");
    EXPECT_EQ(permanentLedgerCell(volume, columnIndex(PermanentLedgerColumn::major), kEra), " 1");
    EXPECT_EQ(volumeListCell(volume, columnIndex(VolumeListColumn::count), kEra), "");
    EXPECT_EQ(permanentLedgerCell(volume, -1, kEra), "");
    EXPECT_STREQ(volumeListColumns()[columnIndex(VolumeListColumn::title)].caption, "タイトル");
    EXPECT_EQ(volumeListColumns()[columnIndex(VolumeListColumn::title)].width, 300);
    EXPECT_STREQ(permanentLedgerColumns()[2].caption, "大");
    EXPECT_EQ(permanentLedgerColumns()[2].width, 30);
    EXPECT_STREQ(permanentLedgerColumns()[18].caption, "備考");
    EXPECT_STREQ(changeFormListColumns()[9].caption, "保存年限変更前");
    EXPECT_EQ(changeFormListColumns()[5].width, 30);
    int total = 0;
    for (const ListColumn& column : volumeListColumns()) total += column.width;
    EXPECT_EQ(total, 1270);
}

TEST(ListCaptionsTest, OneFiscalYearInBothModes) {
    const OleDateTime fy2008 = OleDateTime::fromDate(2008, 4, 1);
    const OleDateTime end = OleDateTime::fromDate(2009, 3, 31);
    EXPECT_EQ(volumeRegisterCaption(VolumeRegister::volumeList, true, fy2008, end, kEra),
              "平成20年度　文書整理一覧表");
    EXPECT_EQ(volumeRegisterCaption(VolumeRegister::volumeList, true, fy2008, end, kWestern),
              "2008年度　文書整理一覧表");
}

TEST(ListCaptionsTest, ARangeOfFiscalYears) {
    const OleDateTime from = OleDateTime::fromDate(2007, 4, 1);
    const OleDateTime to = OleDateTime::fromDate(2008, 4, 1);
    EXPECT_EQ(volumeRegisterCaption(VolumeRegister::volumeList, true, from, to, kEra),
              "平成19年度～平成20年度　文書整理一覧表");
    EXPECT_EQ(volumeRegisterCaption(VolumeRegister::disposedList, true, from, to, kWestern),
              "2007年度～2008年度　廃棄簿冊名一覧表");
    // Era years of different eras.
    EXPECT_EQ(volumeRegisterCaption(VolumeRegister::permanentLedger, true,
                                    OleDateTime::fromDate(2018, 4, 1),
                                    OleDateTime::fromDate(2019, 6, 1), kEra),
              "平成30年度～平成31年度　永年簿冊台帳");
}

TEST(ListCaptionsTest, YearsAreTheLabelsOfTheManagementPeriod) {
    // July years: 2020-07-01 .. 2021-06-30 is labelled 2021.
    const OleDateTime start = OleDateTime::fromDate(2020, 7, 1);
    const OleDateTime end = OleDateTime::fromDate(2021, 6, 30);
    EXPECT_EQ(volumeRegisterCaption(VolumeRegister::changeForms, true, start, end, {true, 1}),
              "2021年度　保存年限変更書");
    EXPECT_EQ(volumeRegisterCaption(VolumeRegister::changeForms, true, start, end, {false, 1}),
              "令和3年度　保存年限変更書");
}

TEST(ListCaptionsTest, WithoutYearsTheNameStandsAlone) {
    CBosatuTyuushutuJouken criteria;
    criteria.creationFrom = OleDateTime::fromDate(2008, 4, 1);
    criteria.creationTo = criteria.creationFrom;
    EXPECT_EQ(volumeRegisterCaption(VolumeRegister::permanentLedger, criteria, kEra),
              "永年簿冊台帳");
    criteria.byCreationYear = 1;
    EXPECT_EQ(volumeRegisterCaption(VolumeRegister::permanentLedger, criteria, kEra),
              "平成20年度　永年簿冊台帳");
    CHozonNengenHenkoushoTyuushutuJouken forms;
    EXPECT_EQ(changeFormCaption(forms, kWestern), "保存年限変更書");
}

}  // namespace
}  // namespace bunrako
