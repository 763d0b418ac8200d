#include "catalogue/sakuin_mokuroku_form.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "catalogue/catalogue_criteria_form.h"
#include "catalogue/sakuin_mokuroku_file.h"
#include "common/file_io.h"
#include "register/bunsho_ken_meibo_list.h"
#include "register/catalogue_register_side.h"
#include "settings/shoki_settei_data.h"
#include "support/catalogue_images.h"
#include "support/fake_prompt.h"
#include "support/fixed_clock.h"
#include "support/temp_folder.h"

namespace bunrako {
namespace {

namespace fs = std::filesystem;
using Form = SakuinMokurokuForm;

OleDateTime date(int y, int m, int d) { return OleDateTime::fromDate(y, m, d); }

DayInput western(int y, int m, int d) {
    DayInput input;
    input.year.western = true;
    input.year.year = y;
    input.month = m;
    input.day = d;
    return input;
}

class SakuinMokurokuFormTest : public ::testing::Test {
  protected:
    SakuinMokurokuFormTest() {
        testing::EntryValues values;
        values.received = testing::day(2021, 2, 10);
        const CatalogueImage image =
            parseCatalogueFile(testing::tag("SakuinMokurokuVer316") + testing::headerImage() +
                                   testing::entryImage316(values),
                               clock.now());
        header = image.header;
        stored = image.entries.at(0);
        settings.m_strRegisterFile = pathToUtf8(folder / "KenMeibo.dat");
        settings.m_nCalendarMode = 1;
    }

    // A form whose register side records what it was asked.
    Form form(const CSakuinMokurokuList& entry, Form::Mode mode) {
        Form::RegisterSide side;
        side.senders = {"総務部長"};
        side.receivers = {"各課長"};
        side.rememberNames = [this](const std::string& s, const std::string& r) {
            remembered.push_back(s + "/" + r);
        };
        side.nextNumber = [](const OleDateTime& day) { return std::to_string(day.month()) + "1"; };
        side.write = [this](const CSakuinMokurokuList& e, const CSakuinMokurokuHeader&) {
            written.push_back(e.subjectText());
            return registerWorks;
        };
        return Form(entry, header, mode, {1, 0, folder / "索引目録データ"}, side);
    }
    Form newEntryForm() {
        Form f = form(CSakuinMokurokuList::Cleared(clock.now()), Form::Mode::add);
        f.received = western(2021, 3, 1);
        f.number = "7";
        f.subject = "予算の要求について";
        f.remarks = "至急";
        f.sender = "財政課長";
        f.receiver = "総務課長";
        return f;
    }
    Form::Store storeInto(std::vector<CSakuinMokurokuList>& into, bool works = true) {
        return [&into, works](const CSakuinMokurokuList& e) {
            into.push_back(e);
            return works;
        };
    }

    testing::TempFolder folder;
    testing::FakePrompt prompt;
    testing::FixedClock clock{OleDateTime::fromDateTime(2021, 3, 5, 9, 0, 0)};
    CShokiSetteiData settings;
    CSakuinMokurokuHeader header{};
    CSakuinMokurokuList stored{};
    std::vector<std::string> remembered;
    std::vector<std::string> written;
    bool registerWorks = true;
};

TEST_F(SakuinMokurokuFormTest, ShowsTheVolumeAndTheStoredEntry) {
    Form f = form(stored, Form::Mode::change);
    EXPECT_EQ(f.fiscalYearText(), "2020年度");
    EXPECT_EQ(f.classificationText(), "01-02-03:総務-文書-会議");
    EXPECT_EQ(f.volumeTitle(), "会議録");
    EXPECT_EQ(f.received.year.year, 2021);
    EXPECT_EQ(f.number, "12");
    EXPECT_TRUE(f.linkToRegister);
    EXPECT_TRUE(f.completed);
    EXPECT_TRUE(f.rows[0].checked);
    EXPECT_FALSE(f.rows[1].checked);
    EXPECT_FALSE(f.rowFieldsEnabled(1));
    EXPECT_EQ(f.rows[2].text, "経過3");
    EXPECT_TRUE(f.removeBeforeEnabled());
    EXPECT_FALSE(form(stored, Form::Mode::remove).fieldsEditable());

    Form era(stored, header, Form::Mode::change, {0, 0, {}}, {});
    EXPECT_EQ(era.fiscalYearText(), "令和2年度");
    // A name the lists lack is offered all the same.
    EXPECT_EQ(era.senderNames(), std::vector<std::string>{"総務部長"});
}

TEST_F(SakuinMokurokuFormTest, OkStoresTheEntryAsTypedAndRemembersTheNames) {
    Form f = newEntryForm();
    f.completed = true;
    f.completedDate = western(2021, 3, 4);
    f.rows[1] = {true, western(2021, 3, 2), "回覧"};
    std::vector<CSakuinMokurokuList> into;
    ASSERT_EQ(f.Accept(prompt, storeInto(into)), Form::Outcome::accepted);
    ASSERT_EQ(into.size(), 1u);
    const CSakuinMokurokuList& e = into[0];
    EXPECT_EQ(e.receivedDate, date(2021, 3, 1));
    EXPECT_EQ(e.documentNumberText(), "7");
    EXPECT_EQ(e.subjectText(), "予算の要求について");
    EXPECT_EQ(e.remarksText(), "至急");
    EXPECT_EQ(e.senderText(), "財政課長");
    EXPECT_EQ(e.receiverText(), "総務課長");
    EXPECT_EQ(e.completedFlag, 1);
    EXPECT_EQ(e.completedDate, date(2021, 3, 4));
    EXPECT_EQ(e.progressFlag[1], 1);
    EXPECT_EQ(e.progressDate[1], date(2021, 3, 2));
    EXPECT_EQ(e.progressTextText(1), "回覧");
    EXPECT_EQ(e.registerLinkFlag, 0);
    EXPECT_EQ(remembered, std::vector<std::string>{"財政課長/総務課長"});
    EXPECT_TRUE(written.empty());
    EXPECT_TRUE(prompt.messages.empty());
}

TEST_F(SakuinMokurokuFormTest, ChangeKeepsTheStepsTheDialogDoesNotShow) {
    Form f = form(stored, Form::Mode::change);
    f.subject = "会議の延期について";
    std::vector<CSakuinMokurokuList> into;
    ASSERT_EQ(f.Accept(prompt, storeInto(into)), Form::Outcome::accepted);
    for (int step = 10; step < 14; ++step) {
        EXPECT_EQ(into[0].progressFlag[step], stored.progressFlag[step]);
        EXPECT_EQ(into[0].progressTextText(step), stored.progressTextText(step));
    }
    EXPECT_EQ(written, std::vector<std::string>{"会議の延期について"});
}

struct InvalidCase {
    const char* name;
    void (*spoil)(Form&);
};

class SakuinMokurokuFormInvalidTest : public SakuinMokurokuFormTest,
                                      public ::testing::WithParamInterface<InvalidCase> {};

TEST_P(SakuinMokurokuFormInvalidTest, IsRefusedWithNothingWritten) {
    Form f = newEntryForm();
    f.linkToRegister = true;
    GetParam().spoil(f);
    std::vector<CSakuinMokurokuList> into;
    EXPECT_EQ(f.Accept(prompt, storeInto(into)), Form::Outcome::invalid);
    EXPECT_TRUE(into.empty());
    EXPECT_TRUE(written.empty());
    EXPECT_EQ(prompt.lastMessage(), "入力データに誤りがあります");
    EXPECT_EQ(prompt.messages.back().caption, "確認");
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, SakuinMokurokuFormInvalidTest,
    ::testing::Values(
        InvalidCase{"NoSubject", [](Form& f) { f.subject.clear(); }},
        InvalidCase{"NoReceptionDay", [](Form& f) { f.received.day = 0; }},
        InvalidCase{"NotARealDay", [](Form& f) { f.received = western(2021, 2, 30); }},
        InvalidCase{"TickedStepWithoutNote",
                    [](Form& f) {
                        f.rows[3] = {true, western(2021, 3, 2), ""};
                    }},
        InvalidCase{"TickedStepWithoutDate",
                    [](Form& f) {
                        f.rows[0] = {true, {}, "回覧"};
                    }},
        InvalidCase{"CompletedWithoutDate",
                    [](Form& f) {
                        f.completed = true;
                        f.completedDate = {};
                    }},
        // The storage years run from 1 April 2020 to 31 March 2022.
        InvalidCase{"BeforeTheStorageYears", [](Form& f) { f.received = western(2020, 3, 31); }},
        InvalidCase{"AfterTheStorageYears", [](Form& f) { f.received = western(2022, 4, 1); }}),
    [](const auto& param) { return std::string(param.param.name); });

TEST_F(SakuinMokurokuFormTest, TheLastDayOfTheStorageYearsIsTaken) {
    Form f = newEntryForm();
    f.received = western(2022, 3, 31);
    std::vector<CSakuinMokurokuList> into;
    EXPECT_EQ(f.Accept(prompt, storeInto(into)), Form::Outcome::accepted);
}

TEST_F(SakuinMokurokuFormTest, ACatalogueThatIsNotWrittenKeepsTheInputAndNamesTheFolder) {
    Form f = newEntryForm();
    f.linkToRegister = true;
    std::vector<CSakuinMokurokuList> into;
    EXPECT_EQ(f.Accept(prompt, storeInto(into, false)), Form::Outcome::storeFailed);
    EXPECT_TRUE(written.empty());
    EXPECT_TRUE(remembered.empty());
    EXPECT_EQ(f.subject, "予算の要求について");
    EXPECT_NE(f.storeFailedText().find(pathToUtf8(folder / "索引目録データ")), std::string::npos);

    // The register failing after the catalogue is told apart; OK again
    // writes both.
    registerWorks = false;
    EXPECT_EQ(f.Accept(prompt, storeInto(into)), Form::Outcome::registerFailed);
    registerWorks = true;
    EXPECT_EQ(f.Accept(prompt, storeInto(into)), Form::Outcome::accepted);
    EXPECT_EQ(written.size(), 2u);
}

TEST_F(SakuinMokurokuFormTest, DeleteAsksAndRemovesTheEntryAsOpened) {
    Form f = form(stored, Form::Mode::remove);
    f.subject = "typed over";
    std::vector<CSakuinMokurokuList> into;
    EXPECT_EQ(f.Accept(prompt, storeInto(into)), Form::Outcome::notConfirmed);
    EXPECT_EQ(prompt.asked, std::vector<std::string>{"本当に削除してよろしいですか?"});
    EXPECT_TRUE(into.empty());
    prompt.answers = {Answer::yes};
    EXPECT_EQ(f.Accept(prompt, storeInto(into)), Form::Outcome::accepted);
    ASSERT_EQ(into.size(), 1u);
    EXPECT_TRUE(into[0].SameKey(stored));
    // A deleted entry is not written into the register.
    EXPECT_TRUE(written.empty());
}

TEST_F(SakuinMokurokuFormTest, ADraftIsMadeOnlyOfAnEntryOkWouldTake) {
    Form f = newEntryForm();
    ASSERT_TRUE(f.draftEntry(prompt));
    EXPECT_EQ(f.draftEntry(prompt)->subjectText(), "予算の要求について");
    f.received = western(2022, 4, 1);
    EXPECT_FALSE(f.draftEntry(prompt));
    EXPECT_EQ(prompt.lastMessage(), "入力データに誤りがあります");
    EXPECT_FALSE(form(stored, Form::Mode::remove).draftEntry(prompt));
}

TEST_F(SakuinMokurokuFormTest, LinkingANewEntryTakesTheRegistersNumberForItsDay) {
    Form f = newEntryForm();
    f.setLinkToRegister(true);
    EXPECT_EQ(f.number, "31");
    Form changed = form(stored, Form::Mode::change);
    changed.setLinkToRegister(true);
    EXPECT_EQ(changed.number, "12");
}

TEST_F(SakuinMokurokuFormTest, OkWritesTheLinkedEntryIntoTheSectionsRegister) {
    Form f(CSakuinMokurokuList::Cleared(clock.now()), header, Form::Mode::add, {1, 0, {}},
           catalogueRegisterSide(settings, folder.path(), clock, prompt));
    f.received = western(2021, 3, 1);
    f.subject = "予算の要求について";
    f.sender = "財政課長";
    f.receiver = "総務課長";
    f.setLinkToRegister(true);
    EXPECT_EQ(f.number, "1");
    std::vector<CSakuinMokurokuList> into;
    ASSERT_EQ(f.Accept(prompt, storeInto(into)), Form::Outcome::accepted);

    CBunshoKenMeiboList list(prompt);
    ASSERT_TRUE(list.Load(folder / "KenMeibo.dat"));
    ASSERT_EQ(list.entries().size(), 1u);
    const CBunshoKenMeiboData& r = list.entries()[0];
    EXPECT_EQ(r.documentNumberText(), "1");
    EXPECT_EQ(r.subjectText(), "予算の要求について");
    EXPECT_EQ(r.receivedDate, date(2021, 3, 1));
    EXPECT_EQ(r.registerYear, date(2020, 4, 1));
    EXPECT_EQ(r.volumeTitleText(), "会議録");
    // The names are remembered in the data folder for the next dialog.
    const Form next(stored, header, Form::Mode::change, {1, 0, {}},
                    catalogueRegisterSide(settings, folder.path(), clock, prompt));
    EXPECT_EQ(next.senderNames(), (std::vector<std::string>{"総務部長", "財政課長"}));
}

// ---- The extraction dialog ----------------------------------------------------

TEST(CatalogueCriteriaFormTest, ShowsAndGathersTheCriteria) {
    CSakuinMokurokuFilter criteria =
        CSakuinMokurokuFilter::Initial(OleDateTime::fromDateTime(2021, 3, 5, 9, 0, 0), 0);
    CatalogueCriteriaForm form(criteria, 1);
    EXPECT_EQ(form.dateFrom.year.year, 2020);
    EXPECT_EQ(form.dateFrom.month, 4);
    EXPECT_FALSE(form.completionDateEnabled());
    form.byNumber = true;
    form.numberFrom = "3";
    form.numberTo = "9";
    form.byWord = true;
    form.word = "会議";
    form.byCompletion = true;
    form.byCompletionDate = true;
    EXPECT_TRUE(form.completionDateEnabled());
    form.completionTo = western(2021, 3, 31);
    form.notCompleted = true;
    EXPECT_FALSE(form.completionDateEnabled());
    ASSERT_TRUE(form.isValid());
    const CSakuinMokurokuFilter gathered = form.gather();
    EXPECT_EQ(gathered.byNumber, 1);
    EXPECT_EQ(gathered.numberTo, "9");
    EXPECT_EQ(gathered.byWord, 1);
    EXPECT_EQ(gathered.word, "会議");
    EXPECT_EQ(gathered.notCompleted, 1);
    EXPECT_EQ(gathered.dateFrom, date(2020, 4, 1));
    EXPECT_EQ(gathered.completionTo, date(2021, 3, 31));
}

struct CriteriaCase {
    const char* name;
    void (*set)(CatalogueCriteriaForm&);
    bool valid;
};

class CatalogueCriteriaValidationTest : public ::testing::TestWithParam<CriteriaCase> {};

TEST_P(CatalogueCriteriaValidationTest, RefusesDatesThatAreNoDays) {
    CatalogueCriteriaForm form(CSakuinMokurokuFilter::Initial(date(2021, 3, 5), 0), 1);
    GetParam().set(form);
    EXPECT_EQ(form.isValid(), GetParam().valid);
}

INSTANTIATE_TEST_SUITE_P(
    Dates, CatalogueCriteriaValidationTest,
    ::testing::Values(CriteriaCase{"DateOffIsNotChecked",
                                   [](CatalogueCriteriaForm& f) { f.dateTo.day = 0; }, true},
                      CriteriaCase{"NoDay",
                                   [](CatalogueCriteriaForm& f) {
                                       f.byDate = true;
                                       f.dateTo.day = 0;
                                   },
                                   false},
                      CriteriaCase{"NotARealDay",
                                   [](CatalogueCriteriaForm& f) {
                                       f.byDate = true;
                                       f.dateTo = western(2021, 2, 29);
                                   },
                                   false},
                      CriteriaCase{"EarlyWesternYear",
                                   [](CatalogueCriteriaForm& f) {
                                       f.byDate = true;
                                       f.dateFrom = western(1600, 1, 1);
                                   },
                                   true},
                      CriteriaCase{"CompletionDateNeedsDays",
                                   [](CatalogueCriteriaForm& f) {
                                       f.byCompletion = true;
                                       f.byCompletionDate = true;
                                       f.completionFrom.month = 13;
                                   },
                                   false},
                      CriteriaCase{"NotCompletedIgnoresCompletionDates",
                                   [](CatalogueCriteriaForm& f) {
                                       f.byCompletion = true;
                                       f.notCompleted = true;
                                       f.byCompletionDate = true;
                                       f.completionFrom.month = 13;
                                   },
                                   true}),
    [](const auto& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace bunrako
