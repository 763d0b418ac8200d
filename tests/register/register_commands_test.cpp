#include "register/register_commands.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "common/cp932.h"
#include "register/bunsho_ken_meibo_list.h"
#include "settings/settei_koumoku_list.h"
#include "settings/shoki_settei_data.h"
#include "support/fake_prompt.h"
#include "support/fake_shell.h"
#include "support/fixed_clock.h"
#include "support/register_images.h"
#include "support/temp_folder.h"

namespace bunrako {
namespace {

namespace fs = std::filesystem;
using testing::day;
using testing::EntryAt;
using testing::entryImage;
using testing::kRegisterTag;

CBunshoKenMeiboData entryOf(const std::string& image) {
    CBunshoKenMeiboData e;
    std::memcpy(static_cast<void*>(&e), image.data(), sizeof e);
    return e;
}

class RegisterCommandsTest : public ::testing::Test {
  protected:
    RegisterCommandsTest() {
        settings.m_strSectionCode = "0010020000";
        settings.m_strNumberPrefix = "上保第";
        settings.m_nRegisterPeriod = 0;
        settings.m_nManagementPeriod = 0;
    }
    fs::path file() const { return folder / "KenMeibo.dat"; }
    void writeRegister(const std::vector<std::string>& images) {
        std::string bytes(kRegisterTag);
        for (const auto& image : images) bytes += image;
        testing::writeBytes(file(), bytes);
    }

    testing::TempFolder folder;
    testing::FakePrompt prompt;
    testing::FixedClock clock{OleDateTime::fromDateTime(2025, 2, 10, 9, 0, 0)};
    CShokiSetteiData settings;
};

TEST_F(RegisterCommandsTest, ANewEntryTakesTheNextNumberAndTheSettings) {
    // Numbers 3, 12 and 7 received in fiscal 2024, 40 in fiscal 2023.
    writeRegister({entryImage("3", "001", day(2024, 4, 1), day(2024, 5, 1)),
                   entryImage("12", "002", day(2024, 4, 1), day(2025, 3, 31)),
                   entryImage("7", "001", day(2024, 4, 1), day(2024, 4, 1)),
                   entryImage("40", "001", day(2023, 4, 1), day(2024, 3, 31))});
    const CBunshoKenMeiboData e = newRegisterEntry(settings, file(), clock, prompt);
    EXPECT_EQ(e.documentNumberText(), "13");
    EXPECT_EQ(e.calendarYearFlag, 0);
    EXPECT_EQ(e.registerYear, OleDateTime::fromDate(2024, 4, 1));
    EXPECT_EQ(e.volumeYear, OleDateTime::fromDate(2024, 4, 1));
    EXPECT_EQ(e.sectionCodeText(), "0010020000");
    EXPECT_EQ(e.documentSymbolText(), "上保第");
    EXPECT_EQ(e.receivedDate, clock.now());

    // Kept by calendar year: numbered within 2025, registered under 1 January.
    settings.m_nRegisterPeriod = 1;
    const CBunshoKenMeiboData c = newRegisterEntry(settings, file(), clock, prompt);
    EXPECT_EQ(c.documentNumberText(), "13");
    EXPECT_EQ(c.calendarYearFlag, 1);
    EXPECT_EQ(c.registerYear, OleDateTime::fromDate(2025, 1, 1));
    EXPECT_EQ(c.volumeYear, OleDateTime::fromDate(2024, 4, 1));
    writeRegister({entryImage("2", "001", day(2024, 4, 1), day(2024, 12, 31))});
    EXPECT_EQ(newRegisterEntry(settings, file(), clock, prompt).documentNumberText(), "1");
    EXPECT_TRUE(prompt.messages.empty());
}

TEST_F(RegisterCommandsTest, ANewEntryOfAnEmptyFolderIsNumberOne) {
    const CBunshoKenMeiboData e = newRegisterEntry(settings, file(), clock, prompt);
    EXPECT_EQ(e.documentNumberText(), "1");
    EXPECT_EQ(testing::readBytes(file()), "");
}

TEST_F(RegisterCommandsTest, StoringPutsTheEntryInItsPlaceAndKeepsASafetyCopy) {
    const std::string nine = entryImage("9", "001", day(2024, 4, 1), day(2024, 5, 1));
    const std::string eleven = entryImage("11", "001", day(2024, 4, 1), day(2024, 5, 2));
    writeRegister({nine, eleven});
    const std::string before = testing::readBytes(file());
    std::string ten = entryImage("10", "0010020000", day(2024, 4, 1), day(2024, 5, 1));
    testing::putBytes(ten, EntryAt::subject, utf8ToCp932("会議の件"));
    ASSERT_EQ(storeRegisterEntry(entryOf(ten), file(), 0, prompt), 1);
    EXPECT_EQ(testing::readBytes(file()), std::string(kRegisterTag) + nine + ten + eleven);
    EXPECT_EQ(testing::readBytes(folder / "KenMeibo.da$"), before);

    // The same section, year and number replaces the stored entry.
    std::string changed = ten;
    testing::putBytes(changed, EntryAt::subject, utf8ToCp932("会議の件（変更）"));
    ASSERT_EQ(storeRegisterEntry(entryOf(changed), file(), 0, prompt), 1);
    EXPECT_EQ(testing::readBytes(file()), std::string(kRegisterTag) + nine + changed + eleven);
    EXPECT_TRUE(prompt.messages.empty());
}

TEST_F(RegisterCommandsTest, ARegisterThatCannotBeReadIsNeverReplaced) {
    // The register's name is taken by a folder: nothing is read, nothing
    // written.
    fs::create_directory(file());
    const CBunshoKenMeiboData e = entryOf(entryImage("1", "001", day(2024, 4, 1), day(2024, 5, 1)));
    EXPECT_EQ(storeRegisterEntry(e, file(), 0, prompt), 0);
    EXPECT_EQ(deleteRegisterEntry(e, file(), prompt), 0);
    EXPECT_TRUE(fs::is_directory(file()));
    EXPECT_FALSE(prompt.messages.empty());

    // A register of a version this program does not know is not written over.
    const std::string foreign = std::string("BunshoKenMeiboVer300\0", 21) + std::string(1332, 'x');
    fs::remove(file());
    testing::writeBytes(file(), foreign);
    prompt.messages.clear();
    EXPECT_EQ(storeRegisterEntry(e, file(), 0, prompt), 0);
    EXPECT_EQ(testing::readBytes(file()), foreign);
    EXPECT_NE(prompt.lastMessage().find("BunshoKenMeiboVer300"), std::string::npos);
}

TEST_F(RegisterCommandsTest, DeletingRemovesTheConfirmedEntryOnly) {
    const std::string one = entryImage("1", "001", day(2024, 4, 1), day(2024, 5, 1));
    const std::string two = entryImage("2", "001", day(2024, 4, 1), day(2024, 5, 2));
    // Written while the register was kept by calendar year.
    const std::string old = entryImage("3", "001", day(2024, 1, 1), day(2024, 5, 3), 1);
    writeRegister({one, two, old});
    ASSERT_EQ(deleteRegisterEntry(entryOf(two), file(), prompt), 1);
    EXPECT_EQ(testing::readBytes(file()), std::string(kRegisterTag) + one + old);
    // The entry's own period kind finds it although the setting changed.
    ASSERT_EQ(deleteRegisterEntry(entryOf(old), file(), prompt), 1);
    EXPECT_EQ(testing::readBytes(file()), std::string(kRegisterTag) + one);
    // An entry that is no longer there: nothing is written.
    const auto written = fs::last_write_time(file());
    fs::remove(folder / "KenMeibo.da$");
    EXPECT_EQ(deleteRegisterEntry(entryOf(two), file(), prompt), 0);
    EXPECT_EQ(fs::last_write_time(file()), written);
    EXPECT_FALSE(fs::exists(folder / "KenMeibo.da$"));
}

TEST_F(RegisterCommandsTest, LinkageWritesTheSelectionInOrderAndOpensTheLinkageFile) {
    CBunshoKenMeiboData a =
        entryOf(entryImage("1", "0010020000", day(2024, 4, 1), day(2024, 5, 1)));
    a.setSubject("一つ目");
    CBunshoKenMeiboData b =
        entryOf(entryImage("2", "0010020000", day(2024, 4, 1), day(2024, 5, 2)));
    b.setSubject("二つ目");
    CSetteiKoumokuList departments;
    departments.AddOrReplace(CSetteiKoumokuData("0010000000", "総務課", ""));
    testing::FakeShell shell;
    settings.m_bUseSpreadsheet = 1;
    settings.m_strLinkRegisterProgram = "/data/連携.xls";

    EXPECT_EQ(linkRegisterData({}, settings, folder.path(), departments, shell, prompt), 0);
    EXPECT_FALSE(fs::exists(folder / "KenMeibo.csv"));

    const std::vector<CBunshoKenMeiboData> selection = {b, a};
    ASSERT_EQ(linkRegisterData(selection, settings, folder.path(), departments, shell, prompt), 1);
    const std::string csv = cp932ToUtf8(testing::readBytes(folder / "KenMeibo.csv"));
    const size_t second = csv.find("二つ目");
    const size_t first = csv.find("一つ目");
    ASSERT_NE(second, std::string::npos);
    ASSERT_NE(first, std::string::npos);
    EXPECT_LT(second, first);
    EXPECT_NE(csv.find(",総務課,2,"), std::string::npos);
    ASSERT_EQ(shell.opened.size(), 1u);
    EXPECT_EQ(shell.opened[0].path, "/data/連携.xls");

    // Without the spreadsheet, or without a linkage file, only the CSV.
    settings.m_bUseSpreadsheet = 0;
    ASSERT_EQ(linkRegisterData(selection, settings, folder.path(), departments, shell, prompt), 1);
    settings.m_bUseSpreadsheet = 1;
    settings.m_strLinkRegisterProgram.clear();
    ASSERT_EQ(linkRegisterData(selection, settings, folder.path(), departments, shell, prompt), 1);
    EXPECT_EQ(shell.opened.size(), 1u);
}

}  // namespace
}  // namespace bunrako

namespace bunrako {
namespace {

TEST_F(RegisterCommandsTest, ANewEntryIsNumberedWhenItIsSaved) {
    writeRegister({entryImage("12", "002", day(2024, 4, 1), day(2024, 5, 1))});
    CBunshoKenMeiboData first = newRegisterEntry(settings, file(), clock, prompt);
    CBunshoKenMeiboData second = newRegisterEntry(settings, file(), clock, prompt);
    ASSERT_EQ(second.documentNumberText(), "13");

    // The proposal made from the register as last read is the same.
    CBunshoKenMeiboList shown(prompt, 0);
    ASSERT_TRUE(shown.Load(file()));
    EXPECT_EQ(newRegisterEntry(settings, shown, clock).documentNumberText(), "13");

    // Both clerks saw 13; the one who saves second gets 14 and is told.
    ASSERT_TRUE(storeNewRegisterEntry(first, "13", file(), 0, 0, prompt));
    EXPECT_TRUE(prompt.messages.empty());
    ASSERT_TRUE(storeNewRegisterEntry(second, "13", file(), 0, 0, prompt));
    EXPECT_EQ(second.documentNumberText(), "14");
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_NE(prompt.lastMessage().find("14"), std::string::npos);

    // A number typed by hand is the clerk's and stays.
    CBunshoKenMeiboData typed = newRegisterEntry(settings, file(), clock, prompt);
    typed.setDocumentNumber("30");
    ASSERT_TRUE(storeNewRegisterEntry(typed, "15", file(), 0, 0, prompt));
    EXPECT_EQ(typed.documentNumberText(), "30");
    CBunshoKenMeiboList list(prompt, 0);
    ASSERT_TRUE(list.Load(file()));
    EXPECT_EQ(list.entries().size(), 4u);
}

}  // namespace
}  // namespace bunrako
