#include "register/bunsho_ken_meibo_form.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "common/my_tool.h"
#include "register/hassin_jusin_list.h"
#include "support/department_master.h"
#include "support/fake_prompt.h"
#include "support/fixed_clock.h"
#include "support/temp_folder.h"
#include "support/volume_bytes.h"
#include "volumes/doc_master_data.h"

namespace bunrako {
namespace {

namespace fs = std::filesystem;
namespace vb = testing::volume_bytes;
using Mode = BunshoKenMeiboForm::Mode;
using Outcome = BunshoKenMeiboForm::Outcome;

const OleDateTime kNow = OleDateTime::fromDateTime(2021, 1, 5, 10, 0, 0);
constexpr int kAprilStart = 0;

// A fiscal-year entry of 総務課 庶務係, number 12, filed in 人事 of 2020.
CBunshoKenMeiboData fiscalEntry() {
    CBunshoKenMeiboData entry = CBunshoKenMeiboData::newEntry(kNow);
    entry.setDocumentNumber("12");
    entry.registerYear = OleDateTime::fromDate(2020, 4, 1);
    entry.volumeYear = OleDateTime::fromDate(2020, 4, 1);
    entry.setSectionCode("0010010000");
    entry.receivedDate = OleDateTime::fromDate(2020, 6, 1);
    entry.setSubject("会議の開催について");
    entry.setSender("総務部長");
    entry.setReceiver("各課長");
    entry.setVolumeTitle("人事");
    entry.setDocumentSymbol("総第");
    return entry;
}

class BunshoKenMeiboFormTest : public ::testing::Test {
  protected:
    BunshoKenMeiboForm make(const CBunshoKenMeiboData& entry, Mode mode = Mode::add,
                            int calendarMode = 0) {
        return BunshoKenMeiboForm(entry, mode,
                                  {departments, volumes, calendarMode, kAprilStart, folder.path()},
                                  prompt, clock);
    }
    fs::path catalogueFile() const {
        return folder / "文書/例規/条例/人事/索引目録データ/令和2年度/SakuinMokuroku.dat";
    }

    testing::TempFolder folder;
    testing::FakePrompt prompt;
    testing::FixedClock clock{kNow};
    CSetteiKoumokuList departments = testing::departmentMaster();
    std::vector<CDocMasterData> volumes = {
        fromBytes(vb::volume("502001001 1 2 3000100", vb::kJinji)),
        fromBytes(vb::volume("502001001 1 2 3000200", vb::kKyuuyo)),
        fromBytes(vb::volume("431001001 1 2 3000100", vb::kJinji, vb::kApril2019))};
};

TEST_F(BunshoKenMeiboFormTest, UncheckingARowClearsAndDisablesEveryLaterRow) {
    CBunshoKenMeiboData entry = fiscalEntry();
    for (int step = 0; step < 6; ++step) entry.progressFlag[step] = 1;
    entry.progressFlag[8] = 1;  // below an unchecked row: shown unchecked
    BunshoKenMeiboForm form = make(entry);
    EXPECT_TRUE(form.rowCheckEnabled(6));
    EXPECT_FALSE(form.rows[8].checked);
    EXPECT_FALSE(form.rowCheckEnabled(7));

    form.setRowChecked(2, false);
    for (int row = 0; row < BunshoKenMeiboForm::kRows; ++row) {
        EXPECT_EQ(form.rows[static_cast<size_t>(row)].checked, row < 2) << row;
        EXPECT_EQ(form.rowCheckEnabled(row), row <= 2) << row;
        EXPECT_EQ(form.rowFieldsEnabled(row), row < 2) << row;
    }
    EXPECT_FALSE(form.completedDateEnabled());
    form.completed = true;
    EXPECT_TRUE(form.completedDateEnabled());
}

struct YearCase {
    int calendarYearFlag;
    OleDateTime registerYear;
    int calendarMode;
    const char* unit;
    YearInput shown;
};

class RegisterYearShown : public BunshoKenMeiboFormTest,
                          public ::testing::WithParamInterface<YearCase> {};

TEST_P(RegisterYearShown, AsFiscalOrCalendarYear) {
    CBunshoKenMeiboData entry = fiscalEntry();
    entry.calendarYearFlag = GetParam().calendarYearFlag;
    entry.registerYear = GetParam().registerYear;
    const BunshoKenMeiboForm form = make(entry, Mode::change, GetParam().calendarMode);
    EXPECT_STREQ(form.registerYearUnit(), GetParam().unit);
    const YearInput& expected = GetParam().shown;
    EXPECT_EQ(form.registerYear.western, expected.western);
    EXPECT_EQ(form.registerYear.era, expected.era);
    EXPECT_EQ(form.registerYear.eraYear, expected.eraYear);
    EXPECT_EQ(form.registerYear.year, expected.year);
    // Gathering gives the stored year back.
    EXPECT_EQ(make(entry, Mode::change, GetParam().calendarMode).gather().registerYear,
              GetParam().registerYear);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, RegisterYearShown,
    ::testing::Values(
        YearCase{0, OleDateTime::fromDate(2020, 4, 1), 0, "年度", {false, 5, 2, 2020}},
        YearCase{0, OleDateTime::fromDate(2020, 4, 1), 1, "年度", {true, 5, 2, 2020}},
        YearCase{1, OleDateTime::fromDate(2021, 1, 1), 0, "年", {false, 5, 3, 2021}},
        YearCase{1, OleDateTime::fromDate(2019, 1, 1), 1, "年", {true, 4, 31, 2019}}));

TEST_F(BunshoKenMeiboFormTest, TheVolumeNamesFollowSectionAndVolumeYear) {
    BunshoKenMeiboForm form = make(fiscalEntry());
    EXPECT_EQ(form.section(), "総務課");
    EXPECT_EQ(form.subsectionNames(), (std::vector<std::string>{"庶務係", "人事係"}));
    EXPECT_EQ(form.volumeTitles(), (std::vector<std::string>{"人事", "給与"}));

    YearInput previous = form.volumeYear;
    previous.era = 4;  // 平成31年度: the year from April 2019
    previous.eraYear = 31;
    form.setVolumeYear(previous);
    EXPECT_EQ(form.volumeTitles(), (std::vector<std::string>{"人事"}));

    form.setSubsection("人事係");
    EXPECT_TRUE(form.volumeTitles().empty());
    form.setSection("財政課");
    EXPECT_EQ(form.subsectionNames(), (std::vector<std::string>{"庶務係"}));
    EXPECT_TRUE(form.subsection().empty());
    EXPECT_TRUE(form.volumeTitles().empty());
}

TEST_F(BunshoKenMeiboFormTest, OkStoresTheEntryTheNamesAndTheCatalogueEntry) {
    BunshoKenMeiboForm form = make(fiscalEntry());
    form.subject = "予算の要求について";
    form.received.day = 15;
    form.rows[0] = {true, form.received, "回覧"};
    form.sender = "財政課長";
    CBunshoKenMeiboData stored{};
    const auto store = [&](CBunshoKenMeiboData& entry) {
        entry.setDocumentNumber("13");  // taken again at save time
        stored = entry;
        return true;
    };
    ASSERT_EQ(form.Accept(prompt, {store, folder / "DocMaster.dat"}), Outcome::accepted);
    EXPECT_EQ(stored.subjectText(), "予算の要求について");
    EXPECT_EQ(stored.receivedDate, OleDateTime::fromDate(2020, 6, 15));
    EXPECT_EQ(stored.progressFlag[0], 1);
    EXPECT_EQ(stored.progressTextOf(0), "回覧");
    EXPECT_EQ(stored.sectionCodeText(), "0010010000");
    EXPECT_EQ(stored.volumeNumberText(), "502001001 1 2 3000100");
    EXPECT_EQ(stored.documentSymbolText(), "総第");
    EXPECT_EQ(form.number, "13");
    EXPECT_EQ(form.mirrorOutcome(), MirrorOutcome::done);
    EXPECT_TRUE(fs::exists(catalogueFile()));
    EXPECT_TRUE(prompt.messages.empty());

    HassinJusinList names(prompt, clock, folder.path());
    EXPECT_EQ(names.Hassin.Names(), (std::vector<std::string>{"財政課長"}));
    EXPECT_EQ(names.Jusin.Names(), (std::vector<std::string>{"各課長"}));
}

TEST_F(BunshoKenMeiboFormTest, AFailedStoreWritesNothingElse) {
    BunshoKenMeiboForm form = make(fiscalEntry());
    const auto failing = [](CBunshoKenMeiboData&) { return false; };
    EXPECT_EQ(form.Accept(prompt, {failing, folder / "DocMaster.dat"}), Outcome::storeFailed);
    EXPECT_FALSE(fs::exists(catalogueFile()));
    EXPECT_FALSE(fs::exists(folder / "HassinJusinList.dat"));
    EXPECT_EQ(form.subject, "会議の開催について");
}

struct ReceivedCase {
    int calendarYearFlag;
    OleDateTime registerYear;
    OleDateTime received;
    bool accepted;
};

class ReceivedInYear : public BunshoKenMeiboFormTest,
                       public ::testing::WithParamInterface<ReceivedCase> {};

TEST_P(ReceivedInYear, OrTheEntryIsRefused) {
    CBunshoKenMeiboData entry = fiscalEntry();
    entry.calendarYearFlag = GetParam().calendarYearFlag;
    entry.registerYear = GetParam().registerYear;
    entry.receivedDate = GetParam().received;
    BunshoKenMeiboForm form = make(entry);
    int stores = 0;
    const auto store = [&](CBunshoKenMeiboData&) { return ++stores > 0; };
    const Outcome outcome = form.Accept(prompt, {store, folder / "DocMaster.dat"});
    EXPECT_EQ(outcome == Outcome::accepted, GetParam().accepted);
    EXPECT_EQ(stores, GetParam().accepted ? 1 : 0);
    if (!GetParam().accepted) {
        EXPECT_EQ(prompt.lastMessage(), "入力データに誤りがあります");
    }
}

INSTANTIATE_TEST_SUITE_P(Years, ReceivedInYear,
                         ::testing::Values(ReceivedCase{0, OleDateTime::fromDate(2020, 4, 1),
                                                        OleDateTime::fromDate(2021, 3, 31), true},
                                           ReceivedCase{0, OleDateTime::fromDate(2020, 4, 1),
                                                        OleDateTime::fromDate(2021, 4, 1), false},
                                           ReceivedCase{1, OleDateTime::fromDate(2021, 1, 1),
                                                        OleDateTime::fromDate(2021, 8, 15), true},
                                           ReceivedCase{1, OleDateTime::fromDate(2021, 1, 1),
                                                        OleDateTime::fromDate(2020, 12, 31),
                                                        false}));

TEST_F(BunshoKenMeiboFormTest, MissingInputOrAnUnconfirmedDeleteStoresNothing) {
    int stores = 0;
    const auto store = [&](CBunshoKenMeiboData&) { return ++stores > 0; };
    BunshoKenMeiboForm incomplete = make(fiscalEntry());
    incomplete.sender.clear();
    EXPECT_EQ(incomplete.Accept(prompt, {store, folder / "DocMaster.dat"}), Outcome::invalid);
    EXPECT_EQ(prompt.messages.back().caption, "確認");

    BunshoKenMeiboForm removal = make(fiscalEntry(), Mode::remove);
    EXPECT_FALSE(removal.sectionsEnabled());
    EXPECT_STREQ(removal.okCaption(), "削除");
    prompt.answers = {Answer::no};
    EXPECT_EQ(removal.Accept(prompt, {store, folder / "DocMaster.dat"}), Outcome::notConfirmed);
    EXPECT_EQ(prompt.asked.back(), "ほんとうに削除してよろしいですか?");
    EXPECT_EQ(stores, 0);
    EXPECT_FALSE(fs::exists(folder / "HassinJusinList.dat"));

    // Confirmed, the entry as opened is removed, not what was typed over it.
    removal.subject = "書き換えた件名";
    prompt.answers = {Answer::yes};
    CBunshoKenMeiboData removed{};
    const auto remove = [&](CBunshoKenMeiboData& e) {
        removed = e;
        return true;
    };
    EXPECT_EQ(removal.Accept(prompt, {remove, folder / "DocMaster.dat"}), Outcome::accepted);
    EXPECT_EQ(removed.subjectText(), "会議の開催について");
}

TEST_F(BunshoKenMeiboFormTest, ADraftIsFiledInTheFolderOfTheOneVolume) {
    const BunshoKenMeiboForm form = make(fiscalEntry());
    const auto target = form.draftTarget(2, folder / "DocMaster.dat", "jtd", prompt);
    ASSERT_TRUE(target);
    EXPECT_EQ(target->path, folder / "文書/例規/条例/人事/起案_会議の開催について_002.jtd");
    EXPECT_EQ(target->header.volumeTitleText(), "人事");
    EXPECT_EQ(target->entry.registerLinkFlag, 1);

    volumes.push_back(volumes.front());
    EXPECT_FALSE(make(fiscalEntry()).draftTarget(0, folder / "DocMaster.dat", "jtd", prompt));
    EXPECT_EQ(prompt.messages.back().caption, "注意");
}

}  // namespace
}  // namespace bunrako
