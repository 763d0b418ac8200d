#include "catalogue/sakuin_mokuroku_file.h"

#include <gtest/gtest.h>

#include "common/cp932.h"
#include "support/catalogue_images.h"

namespace bunrako {
namespace {

using namespace testing;
using namespace testing::bytes;

const OleDateTime kNow = OleDateTime::fromDateTime(2021, 2, 10, 10, 0, 0);

void expectHeaderOfImage(const CSakuinMokurokuHeader& header) {
    EXPECT_EQ(header.volumeNumberText(), "502123456 1 2 3000100");
    EXPECT_EQ(header.fiscalYear, OleDateTime::fromDate(2020, 4, 1));
    EXPECT_EQ(header.departmentNameText(), "総務課");
    EXPECT_EQ(header.minorClassNameText(), "会議");
    EXPECT_EQ(header.volumeTitleText(), "会議録");
    EXPECT_EQ(header.bookCount, 1);
    EXPECT_EQ(header.storageEndYear, OleDateTime::fromDate(2021, 4, 1));
    EXPECT_EQ(header.retentionClass, 4);
    EXPECT_EQ(header.retentionTextText(), "10年");
    EXPECT_EQ(header.retentionSpan, OleSpan::fromDays(3660));
}

void expectEntryOfImage(const CSakuinMokurokuList& entry, const EntryValues& v = {}) {
    EXPECT_EQ(entry.receivedDate, OleDateTime(v.received, OleDateTime::valid));
    EXPECT_EQ(entry.documentNumberText(), v.number);
    EXPECT_EQ(entry.subjectText(), v.subject);
    EXPECT_EQ(entry.remarksText(), v.remarks);
    EXPECT_EQ(entry.progressFlag[0], 1);
    EXPECT_EQ(entry.progressFlag[13], 0);
    EXPECT_EQ(entry.progressDate[13], OleDateTime(v.received + 14, OleDateTime::valid));
    EXPECT_EQ(entry.progressTextText(10), "経過11");
}

TEST(CatalogueFileTest, ReadsTheCurrentVersionAndWritesTheSameBytes) {
    EntryValues second;
    second.received = day(2020, 7, 1);
    second.subject = "予算要求";
    const std::string file =
        tag("SakuinMokurokuVer316") + headerImage() + entryImage316() + entryImage316(second);
    const CatalogueImage image = parseCatalogueFile(file, kNow);
    EXPECT_EQ(image.report.state, ReadState::complete);
    EXPECT_EQ(image.report.versionTag, "SakuinMokurokuVer316");
    expectHeaderOfImage(image.header);
    ASSERT_EQ(image.entries.size(), 2u);
    expectEntryOfImage(image.entries[0]);
    expectEntryOfImage(image.entries[1], second);
    EXPECT_EQ(image.entries[0].senderText(), "総務部長");
    EXPECT_EQ(image.entries[0].completedDate, OleDateTime::fromDate(2020, 6, 30));
    EXPECT_EQ(serializeCatalogueFile(image.header, image.entries), file);
}

TEST(CatalogueFileTest, Version303EntriesGetNoCompletionDatedNow) {
    const std::string file = tag("SakuinMokurokuVer303") + headerImage() + entryImage303();
    const CatalogueImage image = parseCatalogueFile(file, kNow);
    EXPECT_EQ(image.report.state, ReadState::complete);
    ASSERT_EQ(image.entries.size(), 1u);
    expectEntryOfImage(image.entries[0]);
    EXPECT_EQ(image.entries[0].registerLinkFlag, 1);
    EXPECT_EQ(image.entries[0].receiverText(), "各課長");
    EXPECT_EQ(image.entries[0].completedFlag, 0);
    EXPECT_EQ(image.entries[0].completedDate, kNow);

    // Written back as the current version: 21 + 324 + 1176 bytes.
    const std::string written = serializeCatalogueFile(image.header, image.entries);
    ASSERT_EQ(written.size(), 21u + 324u + 1176u);
    EXPECT_EQ(written.substr(0, 21), tag("SakuinMokurokuVer316"));
    EXPECT_EQ(written.substr(21, 324), headerImage());
    EXPECT_EQ(written.substr(345, 1160), entryImage303());
    EXPECT_EQ(written.substr(345 + 1160), le32(0) + rawDate(kNow.days()));
}

TEST(CatalogueFileTest, Version201HeaderMovesRetentionTextAndSpan) {
    const std::string header316 = headerImage();
    const std::string header201 =
        header316.substr(0, 268) + fixed("10年", 5) + zeros(3) + rawDate(3660.0);
    ASSERT_EQ(header201.size(), 288u);
    const std::string file = tag("SakuinMokurokuVer201") + header201 + entryImage316();
    const CatalogueImage image = parseCatalogueFile(file, kNow);
    EXPECT_EQ(image.report.state, ReadState::complete);
    expectHeaderOfImage(image.header);
    ASSERT_EQ(image.entries.size(), 1u);
    expectEntryOfImage(image.entries[0]);
    EXPECT_EQ(serializeCatalogueFile(image.header, image.entries).substr(21, 324), header316);
}

TEST(CatalogueFileTest, Version200EntriesWidenTheirTexts) {
    EntryValues v;
    v.subject = std::string(120, 'S');
    v.remarks = std::string(88, 'R');  // fills its field: no terminator
    const std::string file =
        tag("SakuinMokurokuVer200") + headerImage() + entryImage200(v) + entryImage200();
    const CatalogueImage image = parseCatalogueFile(file, kNow);
    EXPECT_EQ(image.report.state, ReadState::complete);
    ASSERT_EQ(image.entries.size(), 2u);
    expectEntryOfImage(image.entries[0], v);
    expectEntryOfImage(image.entries[1]);
    const CSakuinMokurokuList& e = image.entries[0];
    EXPECT_EQ(e.registerLinkFlag, 0);
    EXPECT_EQ(e.senderText(), "");
    EXPECT_EQ(e.receiverText(), "");
    EXPECT_EQ(e.completedFlag, 0);
    EXPECT_EQ(e.completedDate, kNow);
    EXPECT_EQ(e.remarks[88], '\0');
}

TEST(CatalogueFileTest, ReadsTheUntaggedArchive) {
    const std::string file = untaggedHeader() + le32(2) + untaggedEntry("会議の開催について") +
                             untaggedEntry("予算要求", day(2020, 7, 1));
    const CatalogueImage image = parseCatalogueFile(file, kNow);
    EXPECT_EQ(image.report.state, ReadState::complete);
    EXPECT_FALSE(image.report.versionTag.has_value());
    EXPECT_EQ(image.header.volumeTitleText(), "会議録");
    EXPECT_EQ(image.header.retentionClass, 4);
    EXPECT_EQ(image.header.retentionSpan, OleSpan::fromDays(3660));
    // The archive has no retention text: the cleared one stays.
    EXPECT_EQ(image.header.retentionTextText(), "５年");
    ASSERT_EQ(image.entries.size(), 2u);
    expectEntryOfImage(image.entries[0]);
    EXPECT_EQ(image.entries[1].subjectText(), "予算要求");
    EXPECT_EQ(image.entries[0].senderText(), "");
    EXPECT_EQ(image.entries[0].completedDate, kNow);
}

TEST(CatalogueFileTest, UntaggedStringLongerThanItsFieldIsRejected) {
    const std::string file = untaggedHeader() + le32(2) + untaggedEntry("短い件名") +
                             untaggedEntry(std::string(161, 'x'));
    const CatalogueImage image = parseCatalogueFile(file, kNow);
    EXPECT_EQ(image.report.state, ReadState::textTooLong);
    EXPECT_EQ(image.report.field, "件名");
    EXPECT_EQ(image.report.length, 161u);
    EXPECT_EQ(image.report.limit, 160u);
    EXPECT_EQ(image.entries.size(), 1u);
    EXPECT_FALSE(image.report.mayOverwrite());
    EXPECT_TRUE(image.report.unreadable());
    // A string that just fits is read whole.
    const CatalogueImage fits =
        parseCatalogueFile(untaggedHeader() + le32(1) + untaggedEntry(std::string(160, 'x')), kNow);
    EXPECT_EQ(fits.report.state, ReadState::complete);
    EXPECT_EQ(fits.entries.at(0).subjectText(), std::string(160, 'x'));
}

TEST(CatalogueFileTest, UntaggedArchiveCutShortKeepsCompleteEntries) {
    const std::string full = untaggedHeader() + le32(3) + untaggedEntry("一") + untaggedEntry("二");
    const CatalogueImage image = parseCatalogueFile(full.substr(0, full.size() - 5), kNow);
    EXPECT_EQ(image.report.state, ReadState::archiveCut);
    EXPECT_EQ(image.entries.size(), 1u);
    EXPECT_EQ(image.report.recordsRead, 1u);
    EXPECT_FALSE(image.report.mayOverwrite());
    EXPECT_FALSE(image.report.unreadable());

    const CatalogueImage header = parseCatalogueFile(untaggedHeader().substr(0, 40), kNow);
    EXPECT_EQ(header.report.state, ReadState::headerCut);
    EXPECT_EQ(header.header.retentionTextText(), "５年");
    EXPECT_FALSE(header.report.mayOverwrite());
}

TEST(CatalogueFileTest, HostileLengthsAndCountsAreNotBelieved) {
    // A 4-gigabyte string prefix in a file of a few bytes.
    const CatalogueImage huge =
        parseCatalogueFile(std::string("\xFF\xFF\xFF\xFF\xFF\xFF\xFF", 7) + "abc", kNow);
    EXPECT_EQ(huge.report.state, ReadState::headerCut);

    const CatalogueImage manyEntries =
        parseCatalogueFile(untaggedHeader() + le32(0x7FFFFFFF), kNow);
    EXPECT_EQ(manyEntries.report.state, ReadState::archiveCut);
    EXPECT_TRUE(manyEntries.entries.empty());

    const CatalogueImage negative = parseCatalogueFile(untaggedHeader() + le32(-1), kNow);
    EXPECT_EQ(negative.report.state, ReadState::badCount);
    EXPECT_EQ(negative.report.declaredCount, -1);
    EXPECT_FALSE(negative.report.mayOverwrite());
}

TEST(CatalogueFileTest, TruncatedAndEmptyRawFiles) {
    const std::string two =
        tag("SakuinMokurokuVer316") + headerImage() + entryImage316() + entryImage316();
    const CatalogueImage cut = parseCatalogueFile(two.substr(0, two.size() - 100), kNow);
    EXPECT_EQ(cut.report.state, ReadState::partialRecord);
    EXPECT_EQ(cut.report.droppedBytes, 1076u);
    EXPECT_EQ(cut.entries.size(), 1u);
    EXPECT_TRUE(cut.report.mayOverwrite());

    const CatalogueImage shortHeader = parseCatalogueFile(two.substr(0, 21 + 100), kNow);
    EXPECT_EQ(shortHeader.report.state, ReadState::headerCut);
    EXPECT_TRUE(shortHeader.entries.empty());
    EXPECT_EQ(shortHeader.header.volumeTitleText(), "");

    EXPECT_EQ(parseCatalogueFile("", kNow).report.state, ReadState::empty);
    EXPECT_TRUE(parseCatalogueFile("", kNow).report.mayOverwrite());
}

TEST(CatalogueFileTest, AnotherTagBeginningWithSReadsAsEmptyAndIsProtected) {
    const std::string file = tag("SakuinMokurokuVer400") + headerImage() + entryImage316();
    const CatalogueImage image = parseCatalogueFile(file, kNow);
    EXPECT_EQ(image.report.state, ReadState::unknownTag);
    EXPECT_EQ(image.report.versionTag, "SakuinMokurokuVer400");
    EXPECT_TRUE(image.entries.empty());
    EXPECT_FALSE(image.report.mayOverwrite());
    EXPECT_FALSE(image.report.unreadable());
    // So is a tag cut short.
    EXPECT_EQ(parseCatalogueFile("Sakuin", kNow).report.state, ReadState::unknownTag);
}

TEST(CatalogueFileTest, ClearedRecords) {
    const CSakuinMokurokuHeader header =
        CSakuinMokurokuHeader::Cleared(OleDateTime::fromDateTime(2021, 3, 31, 9, 0, 0));
    EXPECT_EQ(header.fiscalYear, OleDateTime::fromDate(2020, 4, 1));
    EXPECT_EQ(header.storageStartYear, OleDateTime::fromDate(2020, 4, 1));
    EXPECT_EQ(CSakuinMokurokuHeader::Cleared(OleDateTime::fromDate(2021, 4, 1)).fiscalYear,
              OleDateTime::fromDate(2021, 4, 1));
    EXPECT_EQ(header.retentionClass, 2);
    EXPECT_EQ(header.retentionSpan, OleSpan::fromDays(1830));
    const std::string image(reinterpret_cast<const char*>(&header), sizeof header);
    EXPECT_EQ(image.substr(268, 41), fixed("５年", 41));
    EXPECT_EQ(image.substr(0, 24), zeros(24));

    const CSakuinMokurokuList entry = CSakuinMokurokuList::Cleared(kNow);
    EXPECT_EQ(entry.receivedDate, kNow);
    EXPECT_EQ(entry.progressDate[13], kNow);
    EXPECT_EQ(entry.completedDate, kNow);
    EXPECT_EQ(entry.completedFlag, 0);
    EXPECT_EQ(entry.subjectText(), "");
}

}  // namespace
}  // namespace bunrako
