#include "volumes/haiki_shori.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <vector>

#include "settings/settei_koumoku_list.h"
#include "support/fake_prompt.h"
#include "support/forms_images.h"
#include "support/temp_folder.h"
#include "support/volume_bytes.h"
#include "volumes/doc_master_data.h"
#include "volumes/doc_master_list.h"
#include "volumes/hozon_shubetu_henkou.h"

namespace bunrako {
namespace {

namespace vb = testing::volume_bytes;
using testing::FormAt;

constexpr double kApril2031 = 47939, kApril2041 = 51592, kApril2051 = 55244;
constexpr double kMay2026 = 46143, kJanuary2027 = 46388;
const char* const kFiveYears = "5\x94\x4e";                 // 5年
const std::string kTenYears("10\x94\x4e\0", 5);             // 10年
const char* const kLawChange = "\x96\x40\x89\xfc\x90\xb3";  // 法改正

vb::Record fiveYearVolume(const char* title) {
    return vb::volume("502001001 1 2 3000100", title).text(vb::kRetentionNameAt, kFiveYears);
}

class DisposalTest : public ::testing::Test {
  protected:
    std::filesystem::path master() const { return folder / "DocMaster.dat"; }
    std::filesystem::path disposed() const { return folder / "HaikiDoc.dat"; }
    std::filesystem::path forms() const { return folder / "Minaosi.dat"; }

    testing::TempFolder folder;
    testing::FakePrompt prompt;
};

TEST_F(DisposalTest, TheDisposalMonthNeedsACompleteInput) {
    const auto era = [](int e, int y, int m) { return YearMonthInput{{false, e, y, 0}, m}; };
    const auto western = [](int y, int m) { return YearMonthInput{{true, 0, 0, y}, m}; };
    EXPECT_EQ(disposalMonthOf(era(5, 8, 5)), OleDateTime::fromDate(2026, 5, 1));
    EXPECT_EQ(disposalMonthOf(western(2026, 5)), OleDateTime::fromDate(2026, 5, 1));
    EXPECT_EQ(disposalMonthOf(western(1900, 1)), OleDateTime::fromDate(1900, 1, 1));
    EXPECT_FALSE(disposalMonthOf(era(0, 8, 5)));
    EXPECT_FALSE(disposalMonthOf(era(5, 0, 5)));
    EXPECT_FALSE(disposalMonthOf(era(5, 8, 13)));
    EXPECT_FALSE(disposalMonthOf(era(5, 8, 0)));
    EXPECT_FALSE(disposalMonthOf(western(1899, 12)));
}

TEST_F(DisposalTest, DisposingTwiceLeavesOneRecordInEachFileWithTheLaterMonth) {
    const auto keep = fiveYearVolume(vb::kJinji);
    const auto gone = fiveYearVolume(vb::kYosansho).text(vb::kNumberAt, "502001001 1 2 3000200");
    testing::writeBytes(master(), vb::file(2, {keep, gone}));
    const std::vector<CDocMasterData> selected = {fromBytes(gone)};
    std::vector<int> steps;
    auto result = disposeVolumes(selected, OleDateTime(kMay2026, OleDateTime::valid), master(),
                                 disposed(), prompt, [&](int at, int upper) {
                                     steps.push_back(at);
                                     EXPECT_EQ(upper, 1);
                                 });
    EXPECT_EQ(result.result(), 1);
    EXPECT_EQ(steps, std::vector<int>{1});
    result = disposeVolumes(selected, OleDateTime(kJanuary2027, OleDateTime::valid), master(),
                            disposed(), prompt);
    EXPECT_EQ(result.done, std::vector<size_t>{0});

    auto later = gone;
    later.int32(vb::kDisposedAt, 1).value(vb::kDisposalAt, kJanuary2027);
    EXPECT_EQ(testing::readBytes(master()), vb::file(2, {keep, later}));
    EXPECT_EQ(testing::readBytes(disposed()),
              vb::file(1, {later.text(vb::kNumberAt, "502001001 1 2 3000100")}));
    EXPECT_TRUE(prompt.messages.empty());
}

TEST_F(DisposalTest, ADisposedFileThatCannotBeWrittenStopsTheBatch) {
    std::filesystem::create_directory(disposed());
    const std::vector<CDocMasterData> selected = {fromBytes(fiveYearVolume(vb::kJinji)),
                                                  fromBytes(fiveYearVolume(vb::kYosansho))};
    const auto result = disposeVolumes(selected, OleDateTime(kMay2026, OleDateTime::valid),
                                       master(), disposed(), prompt);
    EXPECT_EQ(result.outcome, BatchResult::Outcome::stopped);
    EXPECT_EQ(result.stoppedAt, 0u);
    EXPECT_TRUE(result.done.empty());
    EXPECT_FALSE(prompt.messages.empty());
    EXPECT_TRUE(result.written.empty());
    // Both files are read before either is written: the volume file is not
    // left with volumes the disposed file lacks.
    CDocMasterList list(master(), prompt);
    list.Read();
    EXPECT_EQ(list.size(), 0u);
}

class RetentionChangeTest : public DisposalTest {
  protected:
    RetentionChangeTest() {
        retention.Items() = {{"0010000000", "1年", "1"},
                             {"0020000000", "5年", "5"},
                             {"0030000000", "10年", "10"},
                             {"0040000000", "永年", "99"}};
    }

    // The form the change of fiveYearVolume(予算書) writes, byte by byte.
    static std::string formOf(const char* reason) {
        std::string image(FormAt::size, '\0');
        testing::putFormDate(image, FormAt::sakuseiNendo, vb::kApril2020);
        testing::putFormBytes(image, FormAt::kaMei, vb::kSoumuKa);
        testing::putFormBytes(image, FormAt::kakariMei, vb::kShomuKakari);
        testing::putFormBytes(image, FormAt::kaBunruiCode, "0010010000");
        testing::putFormBytes(image, FormAt::daiCode, "1");
        testing::putFormBytes(image, FormAt::daiMei, vb::kBunsho);
        testing::putFormBytes(image, FormAt::chuuCode, "2");
        testing::putFormBytes(image, FormAt::chuuMei, vb::kReiki);
        testing::putFormBytes(image, FormAt::shouCode, "3");
        testing::putFormBytes(image, FormAt::shouMei, vb::kJourei);
        testing::putFormBytes(image, FormAt::title, vb::kYosansho);
        testing::putFormDate(image, FormAt::kaisiNendo, vb::kApril2020);
        testing::putFormDate(image, FormAt::shuuryouNendo, vb::kApril2020);
        testing::putFormBytes(image, FormAt::maeShubetu, kFiveYears);
        testing::putFormBytes(image, FormAt::goShubetu, kTenYears);
        testing::putFormBytes(image, FormAt::riyuu, reason);
        return image;
    }

    CSetteiKoumokuList retention;
};

TEST_F(RetentionChangeTest, ATenYearTypeWorksOutExpiryAndReviewsByMonths) {
    const auto volume = fiveYearVolume(vb::kYosansho);
    testing::writeBytes(master(), vb::file(1, {volume}));
    const std::vector<CDocMasterData> selected = {fromBytes(volume)};
    const auto result =
        changeRetentionType(selected, "10年", "法改正", retention, master(), forms(), prompt);
    EXPECT_EQ(result.result(), 1);
    // 2020-04-01 + 3660 days = 2030-04-09: expiry 2031-04-01; reviews each
    // 3660 days on, day 1 of that month, no extra year.
    auto expected = volume;
    expected.int32(vb::kRetentionIndexAt, 2)
        .value(vb::kRetentionAt, 3660)
        .value(vb::kExpiryAt, kApril2031)
        .value(vb::kDisposalAt, kApril2031)
        .value(vb::kReview1DateAt, kApril2031)
        .value(vb::kReview2DateAt, kApril2041)
        .value(vb::kReview3DateAt, kApril2051)
        .text(vb::kRetentionNameAt, kTenYears);
    EXPECT_EQ(testing::readBytes(master()), vb::file(1, {expected}));
    EXPECT_EQ(testing::readBytes(forms()), testing::countWord(1) + formOf(kLawChange));
}

TEST_F(RetentionChangeTest, ChangingTheSameVolumeTwiceLeavesOneForm) {
    const auto volume = fiveYearVolume(vb::kYosansho);
    testing::writeBytes(master(), vb::file(1, {volume}));
    const std::vector<CDocMasterData> selected = {fromBytes(volume)};
    ASSERT_EQ(changeRetentionType(selected, "10年", "first", retention, master(), forms(), prompt)
                  .result(),
              1);
    ASSERT_EQ(changeRetentionType(selected, "10年", "法改正", retention, master(), forms(), prompt)
                  .result(),
              1);
    EXPECT_EQ(testing::readBytes(forms()), testing::countWord(1) + formOf(kLawChange));
}

TEST_F(RetentionChangeTest, WithoutTypeOrReasonNothingHappens) {
    const std::vector<CDocMasterData> selected = {fromBytes(fiveYearVolume(vb::kJinji))};
    for (const auto& [type, reason] :
         {std::pair<std::string, std::string>{"10年", ""}, {"", "法改正"}, {"3年", "法改正"}}) {
        const auto result =
            changeRetentionType(selected, type, reason, retention, master(), forms(), prompt);
        EXPECT_EQ(result.outcome, BatchResult::Outcome::incompleteInput);
    }
    EXPECT_FALSE(std::filesystem::exists(master()));
    EXPECT_FALSE(std::filesystem::exists(forms()));
}

TEST_F(RetentionChangeTest, AFormFileThatCannotBeWrittenStopsAtThatVolume) {
    std::filesystem::create_directory(forms());
    const std::vector<CDocMasterData> selected = {fromBytes(fiveYearVolume(vb::kJinji)),
                                                  fromBytes(fiveYearVolume(vb::kYosansho))};
    const auto result =
        changeRetentionType(selected, "10年", "法改正", retention, master(), forms(), prompt);
    EXPECT_EQ(result.outcome, BatchResult::Outcome::stopped);
    EXPECT_EQ(result.stoppedAt, 0u);
    EXPECT_FALSE(prompt.messages.empty());
}

// A stop asked for at any volume, up to the last, comes before the single
// write of each file: no file changes.
TEST_F(RetentionChangeTest, AStopBeforeTheWriteLeavesEveryFileAlone) {
    const auto jinji = fiveYearVolume(vb::kJinji);
    const auto yosansho =
        fiveYearVolume(vb::kYosansho).text(vb::kNumberAt, "502001001 1 2 3000200");
    const std::string masterBytes = vb::file(2, {jinji, yosansho});
    testing::writeBytes(master(), masterBytes);
    const std::vector<CDocMasterData> selected = {fromBytes(jinji), fromBytes(yosansho)};
    for (int stopAt = 1; stopAt <= 2; ++stopAt) {
        int position = 0;
        const BatchProgress progress = [&](int at, int) { position = at; };
        const BatchStop stop = [&] { return position == stopAt; };
        const auto changed = changeRetentionType(selected, "10年", "法改正", retention, master(),
                                                 forms(), prompt, progress, stop);
        const auto disposedOf = disposeVolumes(selected, OleDateTime(kMay2026, OleDateTime::valid),
                                               master(), disposed(), prompt, progress, stop);
        for (const BatchResult& result : {changed, disposedOf}) {
            EXPECT_EQ(result.outcome, BatchResult::Outcome::cancelled);
            EXPECT_TRUE(result.written.empty());
        }
    }
    EXPECT_EQ(testing::readBytes(master()), masterBytes);
    EXPECT_EQ(testing::readBytes(forms()), "");
    EXPECT_EQ(testing::readBytes(disposed()), "");
}

}  // namespace
}  // namespace bunrako
