#include "catalogue/sakuin_mokuroku.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/catalogue_images.h"
#include "support/fake_prompt.h"
#include "support/fixed_clock.h"
#include "support/temp_folder.h"

namespace bunrako {
namespace {

using namespace testing;
using namespace testing::bytes;

class CatalogueTest : public ::testing::Test {
  protected:
    CSakuinMokurokuList entry(int month, int dayOfMonth, const std::string& subject) {
        CSakuinMokurokuList e = CSakuinMokurokuList::Cleared(clock.now());
        e.receivedDate = OleDateTime::fromDate(2020, month, dayOfMonth);
        e.setSubjectText(subject);
        return e;
    }
    std::vector<std::string> subjects(const CSakuinMokuroku& catalogue) {
        std::vector<std::string> out;
        for (const auto& e : catalogue.entries()) out.push_back(e.subjectText());
        return out;
    }
    using Subjects = std::vector<std::string>;

    TempFolder folder;
    FakePrompt prompt;
    FixedClock clock{OleDateTime::fromDateTime(2021, 2, 10, 10, 0, 0)};
    std::filesystem::path file = folder / "SakuinMokuroku.dat";
};

TEST_F(CatalogueTest, ConstructedWithoutPathUsesTheBareName) {
    CSakuinMokuroku catalogue(prompt, clock);
    EXPECT_EQ(catalogue.filePath(), std::filesystem::path("SakuinMokuroku.dat"));
    EXPECT_EQ(catalogue.header().retentionTextText(), "５年");
}

TEST_F(CatalogueTest, MissingFileLoadsEmptyAndSilently) {
    CSakuinMokuroku catalogue(prompt, clock, file);
    EXPECT_EQ(catalogue.Load(), 0);
    EXPECT_TRUE(catalogue.entries().empty());
    EXPECT_TRUE(prompt.messages.empty());
    EXPECT_FALSE(std::filesystem::exists(file));
}

TEST_F(CatalogueTest, EntriesStayInReceptionOrder) {
    CSakuinMokuroku catalogue(prompt, clock, file);
    EXPECT_EQ(catalogue.AddOrReplace(entry(5, 1, "A")), 0);
    EXPECT_EQ(catalogue.AddOrReplace(entry(7, 1, "C")), 1);
    // Between two entries.
    EXPECT_EQ(catalogue.AddOrReplace(entry(6, 1, "B")), 1);
    // The same date as an existing entry goes after it.
    EXPECT_EQ(catalogue.AddOrReplace(entry(5, 1, "A2")), 1);
    EXPECT_EQ(subjects(catalogue), (Subjects{"A", "A2", "B", "C"}));

    // The same document replaces the old entry in place.
    CSakuinMokurokuList changed = entry(6, 1, "B");
    changed.setSenderText("新しい発信者");
    EXPECT_EQ(catalogue.AddOrReplace(changed), 2);
    EXPECT_EQ(subjects(catalogue), (Subjects{"A", "A2", "B", "C"}));

    // Everything was saved: a fresh object sees it.
    CSakuinMokuroku reread(prompt, clock, file);
    EXPECT_EQ(reread.Load(), 1);
    EXPECT_EQ(subjects(reread), (Subjects{"A", "A2", "B", "C"}));
    EXPECT_EQ(reread.entries()[2].senderText(), "新しい発信者");
    EXPECT_TRUE(prompt.messages.empty());
}

TEST_F(CatalogueTest, FindUsesDateNumberSubjectAndRemarks) {
    CSakuinMokuroku catalogue(prompt, clock, file);
    catalogue.AddOrReplace(entry(5, 1, "A"));
    catalogue.AddOrReplace(entry(7, 1, "C"));
    EXPECT_EQ(catalogue.Find(entry(5, 1, "A")), 1);
    EXPECT_EQ(catalogue.Find(entry(7, 1, "C")), 2);
    EXPECT_EQ(catalogue.Find(entry(6, 1, "B")), ~1);
    EXPECT_EQ(catalogue.Find(entry(4, 1, "Z")), ~0);
    EXPECT_EQ(catalogue.Find(entry(8, 1, "Z")), 0);
    CSakuinMokurokuList otherRemarks = entry(5, 1, "A");
    otherRemarks.setRemarksText("x");
    EXPECT_EQ(catalogue.Find(otherRemarks), ~1);
    CSakuinMokurokuList otherNumber = entry(5, 1, "A");
    otherNumber.setDocumentNumberText("9");
    EXPECT_EQ(catalogue.Find(otherNumber), ~1);
    // Half a second apart is the same date.
    CSakuinMokurokuList almost = entry(5, 1, "A");
    almost.receivedDate = OleDateTime(almost.receivedDate.days() + 0.4 / 86400, OleDateTime::valid);
    EXPECT_EQ(catalogue.Find(almost), 1);
}

TEST_F(CatalogueTest, RemoveGivesTheIndexBefore) {
    CSakuinMokuroku catalogue(prompt, clock, file);
    for (int month = 4; month <= 8; ++month) {
        catalogue.AddOrReplace(entry(month, 1, "M" + std::to_string(month)));
    }
    EXPECT_EQ(catalogue.Remove(entry(4, 1, "M4")), -1);
    EXPECT_EQ(catalogue.Remove(entry(7, 1, "M7")), 1);
    EXPECT_EQ(subjects(catalogue), (Subjects{"M5", "M6", "M8"}));
    EXPECT_EQ(catalogue.Remove(entry(9, 1, "none")), -1);
    EXPECT_EQ(subjects(catalogue), (Subjects{"M5", "M6", "M8"}));
}

TEST_F(CatalogueTest, SaveWritesTheCurrentVersionAfterASafetyCopy) {
    const std::string old = tag("SakuinMokurokuVer303") + headerImage() + entryImage303();
    writeBytes(file, old);
    CSakuinMokuroku catalogue(prompt, clock, file);
    ASSERT_EQ(catalogue.Load(), 1);
    ASSERT_EQ(catalogue.Save(), 1);
    EXPECT_EQ(readBytes(folder / "SakuinMokuroku.da$"), old);
    const std::string written = readBytes(file);
    EXPECT_EQ(written, tag("SakuinMokurokuVer316") + headerImage() + entryImage303() + le32(0) +
                           rawDate(clock.now().days()));
}

TEST_F(CatalogueTest, AddingToACatalogueCutShortKeepsTheCompleteEntries) {
    EntryValues later;
    later.received = day(2020, 9, 1);
    later.subject = "後";
    const std::string full =
        tag("SakuinMokurokuVer316") + headerImage() + entryImage316() + entryImage316(later);
    writeBytes(file, full.substr(0, full.size() - 10));
    CSakuinMokuroku catalogue(prompt, clock, file);
    EXPECT_EQ(catalogue.Load(), 1);
    EXPECT_EQ(catalogue.readReport().state, ReadState::partialRecord);
    EXPECT_EQ(catalogue.AddOrReplace(entry(8, 1, "新")), 1);
    EXPECT_EQ(readBytes(file).size(), 21u + 324 + 2 * 1176);
    // The file as it was survives in the safety copy.
    EXPECT_EQ(readBytes(folder / "SakuinMokuroku.da$"), full.substr(0, full.size() - 10));
}

TEST_F(CatalogueTest, NeverWritesOverAnUnknownVersion) {
    const std::string foreign = tag("SakuinMokurokuVer999") + std::string(5000, '\x11');
    writeBytes(file, foreign);
    CSakuinMokuroku catalogue(prompt, clock, file);
    EXPECT_EQ(catalogue.Load(), 1);
    EXPECT_TRUE(catalogue.entries().empty());
    EXPECT_EQ(catalogue.AddOrReplace(entry(5, 1, "A")), -1);
    EXPECT_EQ(catalogue.Remove(entry(5, 1, "A")), -1);
    EXPECT_EQ(catalogue.Save(), 0);
    EXPECT_EQ(readBytes(file), foreign);
    EXPECT_FALSE(std::filesystem::exists(folder / "SakuinMokuroku.da$"));
    ASSERT_EQ(prompt.messages.size(), 3u);
    EXPECT_NE(prompt.lastMessage().find(file.string()), std::string::npos);
    EXPECT_NE(prompt.lastMessage().find("SakuinMokurokuVer999"), std::string::npos);
    EXPECT_NE(prompt.lastMessage().find("上書きせずに保存を中止しました"), std::string::npos);
}

TEST_F(CatalogueTest, AnOverlongUntaggedTextIsReportedAndNeverCut) {
    std::string archive = archiveString(std::string(30, '9'));  // 管理番号 holds 21 bytes
    writeBytes(file, archive + std::string(200, '\0'));
    CSakuinMokuroku catalogue(prompt, clock, file);
    EXPECT_EQ(catalogue.Load(), 0);
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_EQ(prompt.lastMessage(),
              file.string() +
                  ":「管理番号」の文字列が長すぎます（30バイト、上限21バイト）。"
                  "このファイルは読み込めません");
    EXPECT_EQ(catalogue.AddOrReplace(entry(5, 1, "A")), -1);
    EXPECT_EQ(readBytes(file), archive + std::string(200, '\0'));
}

TEST_F(CatalogueTest, AnEmptyFileIsReplacedByTheFirstEntry) {
    writeBytes(file, "");
    CSakuinMokuroku catalogue(prompt, clock, file);
    EXPECT_EQ(catalogue.Load(), 0);
    EXPECT_EQ(catalogue.AddOrReplace(entry(5, 1, "A")), 0);
    EXPECT_EQ(readBytes(file).size(), 21u + 324 + 1176);
}

TEST_F(CatalogueTest, AFileThatWillNotOpenIsReportedWithItsPath) {
    CSakuinMokuroku catalogue(prompt, clock, folder / "no-such-folder" / "SakuinMokuroku.dat");
    EXPECT_EQ(catalogue.Save(), 0);
    ASSERT_EQ(prompt.retries.size(), 1u);
    EXPECT_EQ(prompt.retries[0].rfind("ファイルが開けません：" + catalogue.filePath().string(), 0),
              0u);
}

}  // namespace
}  // namespace bunrako
