#include <gtest/gtest.h>

#include <string>

#include "settings/settei_koumoku_list.h"
#include "volumes/batch_report.h"
#include "volumes/disposal_form.h"
#include "volumes/retention_change_form.h"

namespace bunrako {
namespace {

TEST(DisposalFormTest, StartsAtTodaysMonthInBothYearForms) {
    for (const bool western : {false, true}) {
        DisposalForm form(OleDateTime::fromDate(2026, 12, 9), western);
        // 令和 is the fifth era: 令和8年12月, and 2026 for the Western mode.
        EXPECT_EQ(form.month().year.western, western);
        EXPECT_EQ(form.month().year.era, 5);
        EXPECT_EQ(form.month().year.eraYear, 8);
        EXPECT_EQ(form.month().year.year, 2026);
        EXPECT_EQ(form.month().month, 12);
        EXPECT_EQ(form.disposalMonth(), OleDateTime::fromDate(2026, 12, 1));
        form.month().month = 13;
        EXPECT_FALSE(form.disposalMonth());
    }
}

struct RetentionInputCase {
    const char* type;
    std::string reason;
    int index;  // of the type found, -1 when the input is refused
};

class RetentionChangeFormTest : public ::testing::TestWithParam<RetentionInputCase> {
  protected:
    RetentionChangeFormTest() {
        retention.Items() = {{"0010000000", "1年", "1"},
                             {"0020000000", "10年", "10"},
                             {"0030000000", "10年", "11"},
                             {"0040000000", "永年", "99"}};
    }
    CSetteiKoumokuList retention;
};

TEST_P(RetentionChangeFormTest, NeedsATypeOfTheTableAndAReasonThatFits) {
    RetentionChangeForm form(retention);
    form.type() = GetParam().type;
    form.reason() = GetParam().reason;
    const auto type = form.chosenType();
    EXPECT_EQ(type ? type->index : -1, GetParam().index);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, RetentionChangeFormTest,
    ::testing::Values(RetentionInputCase{"10年", "法改正", 1},  // the first row of the name
                      RetentionInputCase{"永年", std::string(512, 'a'), 3},
                      RetentionInputCase{"永年",
                                         std::string(256, 'a') + std::string(128, 'a') + "あ" +
                                             std::string(126, 'a'),
                                         3},  // 510 + 2 bytes
                      RetentionInputCase{"永年", std::string(513, 'a'), -1},
                      RetentionInputCase{"永年", std::string(511, 'a') + "あ", -1},
                      RetentionInputCase{"", "法改正", -1}, RetentionInputCase{"永年", "", -1},
                      RetentionInputCase{"3年", "法改正", -1}));

TEST_F(RetentionChangeFormTest, OffersEachNameOfTheTableOnce) {
    const RetentionChangeForm form(retention);
    EXPECT_EQ(form.typeNames(), (std::vector<std::string>{"1年", "10年", "永年"}));
}

// The end of a batch names what was done, what was not and the files.
TEST(BatchReportTest, SaysWhatWasDoneWhatNotAndTheFilesWritten) {
    const auto nameOf = [](size_t i) { return "簿冊" + std::to_string(i); };
    BatchResult done;
    done.done = {0, 1};
    done.written = {"/d/DocMaster.dat", "/d/HaikiDoc.dat"};
    EXPECT_EQ(
        batchReport(done, 2, "%d 冊を廃棄しました。", nameOf),
        "2 冊を廃棄しました。\n\n書き込んだファイル：\n　/d/DocMaster.dat\n　/d/HaikiDoc.dat");

    BatchResult stopped;
    stopped.done = {0, 2};
    stopped.stopAt(1);
    std::string expected =
        "2 冊を廃棄しました。\n処理は途中で止まりました。処理していないもの（12 件）：";
    for (size_t i : {1, 3, 4, 5, 6, 7, 8, 9, 10, 11}) expected += "\n　簿冊" + std::to_string(i);
    expected += "\n　ほか 2 件\n\nファイルは書き込んでいません。";
    EXPECT_EQ(batchReport(stopped, 14, "%d 冊を廃棄しました。", nameOf), expected);

    BatchResult cancelled;
    cancelled.outcome = BatchResult::Outcome::cancelled;
    EXPECT_EQ(batchReport(cancelled, 3, "%d 冊を廃棄しました。", nameOf), "");
}

}  // namespace
}  // namespace bunrako
