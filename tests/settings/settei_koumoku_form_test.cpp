#include "settings/settei_koumoku_form.h"

#include <gtest/gtest.h>

#include "common/file_io.h"
#include "support/department_master.h"
#include "support/fake_prompt.h"
#include "support/temp_folder.h"

namespace bunrako {
namespace {

using testing::departmentMaster;
using testing::FakePrompt;
using testing::TempFolder;

std::vector<std::string> codesOf(const std::vector<CSetteiKoumokuData>& items) {
    std::vector<std::string> codes;
    for (const auto& item : items) codes.push_back(item.Code());
    return codes;
}

std::vector<std::string> lineCodes(const SetteiKoumokuForm& form) {
    std::vector<std::string> codes;
    for (const auto& line : form.Lines()) codes.push_back(line.code);
    return codes;
}

struct LayoutCase {
    MasterKind kind;
    std::array<bool, 3> rows;
    bool subName;
    std::array<size_t, 3> nameBytes;
    std::array<size_t, 3> subNameBytes;
    int deepest;
};

class SetteiKoumokuLayoutTest : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(SetteiKoumokuLayoutTest, RowsColumnsAndLimitsOfEachMaster) {
    const LayoutCase& c = GetParam();
    const auto layout = SetteiKoumokuLayout::For(c.kind, SetteiKoumokuCaptions::EditorDefaults());
    EXPECT_EQ(layout.rowShown, c.rows);
    EXPECT_EQ(layout.subNameShown, c.subName);
    EXPECT_EQ(layout.nameBytes, c.nameBytes);
    EXPECT_EQ(layout.subNameBytes, c.subNameBytes);
    EXPECT_EQ(layout.DeepestLevel(), c.deepest);
    EXPECT_EQ(layout.numberChars, (std::array<size_t, 3>{3, 3, 4}));
}

INSTANTIATE_TEST_SUITE_P(
    Masters, SetteiKoumokuLayoutTest,
    ::testing::Values(
        LayoutCase{
            MasterKind::department, {true, true, false}, false, {20, 20, 40}, {40, 40, 40}, 2},
        LayoutCase{
            MasterKind::classification, {true, true, true}, true, {20, 20, 20}, {4, 2, 2}, 3},
        LayoutCase{
            MasterKind::retention, {true, false, false}, true, {20, 40, 40}, {2, 40, 40}, 1}));

TEST(SetteiKoumokuForm, NumbersArePaddedAndExistingItemsFillTheirRow) {
    SetteiKoumokuForm form(departmentMaster(), MasterKind::department);
    form.RowAt(1).number = "2";
    form.LeaveNumber(1);
    EXPECT_EQ(form.RowAt(1).number, "002");
    EXPECT_EQ(form.RowAt(1).name, "財政課");
    form.RowAt(2).number = "";
    form.LeaveNumber(2);
    EXPECT_EQ(form.RowAt(2).number, "000");
    EXPECT_EQ(form.RowAt(2).name, "");
    form.RowAt(3).number = "7";
    form.LeaveNumber(3);
    EXPECT_EQ(form.RowAt(3).number, "0007");
}

TEST(SetteiKoumokuForm, TheListShowsTheLevelOfTheFocusedNumber) {
    SetteiKoumokuForm form(departmentMaster(), MasterKind::department);
    EXPECT_EQ(lineCodes(form), (std::vector<std::string>{"0010000000", "0020000000"}));
    // "%-10s :: %-40s", the name padded in CP932 bytes (総務課 is 6).
    EXPECT_EQ(form.Lines()[0].text, "0010000000 :: 総務課" + std::string(34, ' '));
    form.RowAt(1).number = "001";
    form.FocusNumber(2);
    EXPECT_EQ(lineCodes(form), (std::vector<std::string>{"0010010000", "0010020000"}));
    form.RowAt(1).number = "002";
    form.RowAt(2).number = "001";
    form.FocusNumber(3);
    EXPECT_EQ(lineCodes(form), (std::vector<std::string>{"0020010001"}));
}

TEST(SetteiKoumokuForm, ChoosingAndDescendingFollowThePath) {
    SetteiKoumokuForm form(departmentMaster(), MasterKind::department);
    form.RowAt(3).name = "stale";
    EXPECT_EQ(form.Descend(1), 2);  // 財政課
    EXPECT_EQ(form.ListLevel(), 2);
    EXPECT_EQ(form.RowAt(1).number, "002");
    EXPECT_EQ(form.RowAt(3).name, "");
    ASSERT_EQ(lineCodes(form), (std::vector<std::string>{"0020010000"}));
    form.SelectLine(0);
    EXPECT_EQ(form.RowAt(2).number, "001");
    EXPECT_EQ(form.RowAt(2).name, "庶務係");
    // Departments have no third level to go down to.
    EXPECT_EQ(form.Descend(0), 0);
    EXPECT_EQ(form.ListLevel(), 2);
}

TEST(SetteiKoumokuForm, RegisteringStoresEachNumberedRowDown) {
    SetteiKoumokuForm form(CSetteiKoumokuList(), MasterKind::classification);
    form.RowAt(1) = {"1", "総務", "01"};
    form.Register();
    EXPECT_EQ(codesOf(form.Copy().Items()), (std::vector<std::string>{"0010000000"}));
    EXPECT_EQ(form.RowAt(1).number, "001");

    form.RowAt(1).name = "総務（改）";
    form.RowAt(2) = {"2", "文書", "1"};
    form.RowAt(3) = {"", "skipped", ""};
    form.Register();
    EXPECT_EQ(codesOf(form.Copy().Items()), (std::vector<std::string>{"0010000000", "0010020000"}));
    EXPECT_EQ(form.Copy().NameByCode("0010000000"), "総務（改）");
    // A row without a name never blanks the item at its code.
    form.RowAt(1).name = "";
    form.Register();
    EXPECT_EQ(form.Copy().NameByCode("0010000000"), "総務（改）");
}

TEST(SetteiKoumokuForm, DeletingALevelOneDepartmentTakesItsSubsections) {
    SetteiKoumokuForm form(departmentMaster(), MasterKind::department);
    EXPECT_EQ(form.DeleteQuestion(1),
              form.Lines()[1].text + "\n\nほんとうに削除してよろしいですか？");
    EXPECT_EQ(form.Delete(1), 3u);
    EXPECT_EQ(codesOf(form.Copy().Items()),
              (std::vector<std::string>{"0010000000", "0010010000", "0010020000"}));
    EXPECT_EQ(form.Delete(9), 0u);  // nothing chosen
}

TEST(SetteiKoumokuForm, ClosingKeepsNamedItemsAndAFailedSaveChangesNothing) {
    TempFolder folder;
    FakePrompt prompt;
    CSetteiKoumokuList master = departmentMaster();
    master.SetPath(pathToUtf8(folder / "Kamei.dat"));
    SetteiKoumokuForm form(master, MasterKind::department);
    EXPECT_EQ(form.Title(), "項目の設定(" + master.Path() + ")");
    EXPECT_EQ(form.CsvProposal(), pathToUtf8(folder / "Kamei.csv"));

    // The CSV form gives back the same records.
    ASSERT_EQ(form.Copy().ExportItemsCsv(prompt, form.CsvProposal()), 1);
    form.Copy().Items().clear();
    ASSERT_EQ(form.Copy().ImportItemsCsv(prompt, form.CsvProposal()), 1);
    EXPECT_EQ(codesOf(form.Copy().Items()), codesOf(master.Items()));

    form.Copy().AddOrReplace({"0030000000", "", ""});
    EXPECT_EQ(form.NamedItems().size(), master.size());

    CSetteiKoumokuList unsaved = master;
    unsaved.SetPath(pathToUtf8(folder / "gone" / "Kamei.dat"));
    form.Delete(0);
    EXPECT_FALSE(SaveEditedMaster(prompt, unsaved, form));
    EXPECT_EQ(unsaved.size(), master.size());
    EXPECT_TRUE(SaveEditedMaster(prompt, master, form));
    EXPECT_EQ(codesOf(master.Items()),
              (std::vector<std::string>{"0020000000", "0020010000", "0020010001"}));
}

}  // namespace
}  // namespace bunrako
