#include "register/register_link.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>

#include "catalogue/sakuin_mokuroku_file.h"
#include "register/bunsho_ken_meibo_list.h"
#include "settings/shoki_settei_data.h"
#include "support/catalogue_images.h"
#include "support/fake_prompt.h"
#include "support/fixed_clock.h"
#include "support/temp_folder.h"

namespace bunrako {
namespace {

namespace fs = std::filesystem;
using testing::day;

OleDateTime date(int y, int m, int d) { return OleDateTime::fromDate(y, m, d); }

class RegisterLinkTest : public ::testing::Test {
  protected:
    RegisterLinkTest() {
        testing::EntryValues values;
        values.received = day(2021, 2, 10);
        const CatalogueImage image =
            parseCatalogueFile(testing::tag("SakuinMokurokuVer316") + testing::headerImage() +
                                   testing::entryImage316(values),
                               clock.now());
        header = image.header;
        entry = image.entries.at(0);
        settings.m_strNumberPrefix = "上保第";
    }
    fs::path registerFile() const { return folder / "KenMeibo.dat"; }

    testing::TempFolder folder;
    testing::FakePrompt prompt;
    testing::FixedClock clock{OleDateTime::fromDateTime(2021, 2, 12, 9, 0, 0)};
    CShokiSetteiData settings;
    CSakuinMokurokuHeader header{};
    CSakuinMokurokuList entry{};
};

TEST_F(RegisterLinkTest, TheRegisterEntryTakesTheDocumentAndItsVolume) {
    const CBunshoKenMeiboData r = registerEntryFromCatalogue(entry, header, settings, clock.now());
    EXPECT_EQ(r.documentNumberText(), "12");
    EXPECT_EQ(r.calendarYearFlag, 0);
    EXPECT_EQ(r.registerYear, date(2020, 4, 1));
    EXPECT_EQ(r.volumeYear, date(2020, 4, 1));
    EXPECT_EQ(r.sectionCodeText(), "0102030000");
    EXPECT_EQ(r.receivedDate, date(2021, 2, 10));
    EXPECT_EQ(r.subjectText(), "会議の開催について");
    EXPECT_EQ(r.senderText(), "総務部長");
    EXPECT_EQ(r.receiverText(), "各課長");
    EXPECT_EQ(r.completedFlag, 1);
    EXPECT_EQ(r.completedDate, date(2020, 6, 30));
    for (int step = 0; step < 14; ++step) {
        EXPECT_EQ(r.progressFlag[step], (step + 1) % 2);
        EXPECT_EQ(r.progressDate[step], entry.progressDate[step]);
        EXPECT_EQ(r.progressTextOf(step), "経過" + std::to_string(step + 1));
    }
    EXPECT_EQ(r.volumeNumberText(), "502123456 1 2 3000100");
    EXPECT_EQ(r.volumeTitleText(), "会議録");
    EXPECT_EQ(r.importantFlag, 0);
    EXPECT_EQ(r.documentSymbolText(), "上保第");
    EXPECT_EQ(r.remarksText(), "備考あり");

    CSakuinMokurokuHeader permanent = header;
    permanent.setRetentionTextText("永年");
    EXPECT_EQ(registerEntryFromCatalogue(entry, permanent, settings, clock.now()).importantFlag, 1);
}

TEST_F(RegisterLinkTest, ACalendarYearRegisterFilesTheEntryUnderItsCalendarYear) {
    settings.m_nRegisterPeriod = 1;
    const CBunshoKenMeiboData r = registerEntryFromCatalogue(entry, header, settings, clock.now());
    EXPECT_EQ(r.calendarYearFlag, 1);
    EXPECT_EQ(r.registerYear, date(2021, 1, 1));
}

TEST_F(RegisterLinkTest, WritingReplacesTheEntryOfTheSameIdentity) {
    ASSERT_EQ(writeCatalogueEntryToRegister(entry, header, settings, registerFile(), clock, prompt),
              1);
    CSakuinMokurokuList changed = entry;
    changed.setSubjectText("会議の開催について（再）");
    ASSERT_EQ(
        writeCatalogueEntryToRegister(changed, header, settings, registerFile(), clock, prompt), 1);
    const std::string bytes = testing::readBytes(registerFile());
    ASSERT_EQ(bytes.size(), 21u + 1332u);
    EXPECT_EQ(bytes.substr(0, 21), std::string("BunshoKenMeiboVer200\0", 21));
    CBunshoKenMeiboList list(prompt);
    ASSERT_TRUE(list.Load(registerFile()));
    EXPECT_EQ(list.entries().at(0).subjectText(), "会議の開催について（再）");
    // The next number of that fiscal year follows it.
    EXPECT_EQ(registerNumberFor(date(2021, 3, 1), settings, registerFile(), prompt), "13");
    EXPECT_EQ(registerNumberFor(date(2021, 4, 1), settings, registerFile(), prompt), "1");
}

}  // namespace
}  // namespace bunrako
