#include "catalogue/kanren_file.h"

#include <gtest/gtest.h>

#include "support/catalogue_bytes.h"
#include "support/fake_prompt.h"
#include "support/temp_folder.h"
#include "volumes/doc_master_data.h"

namespace bunrako {
namespace {

using namespace testing;
using namespace testing::bytes;

std::string recordBytes(const std::string& name, const std::string& folder, double updated,
                        int32_t valid = 1, const std::string& type = "") {
    return archiveString(name) + archiveString(type) + archiveDate(updated) + le32(valid) +
           archiveString(folder);
}

const std::string kTag = archiveString("Ver20090801");

class RelatedFilesTest : public ::testing::Test {
  protected:
    CKanrenFileData record(const std::string& folderText, const std::string& name, int day) {
        CKanrenFileData r = CKanrenFileData::New(OleDateTime::fromDateTime(2021, 1, day, 9, 0, 0));
        r.setFolderText(folderText);
        r.setFileNameText(name);
        return r;
    }
    std::vector<std::string> names(const CKanrenFile& list) {
        std::vector<std::string> out;
        for (const auto& r : list.records()) out.push_back(r.fileNameText());
        return out;
    }
    using Names = std::vector<std::string>;

    TempFolder folder;
    FakePrompt prompt;
    std::filesystem::path file = folder / "会議の開催について.dat";
};

TEST_F(RelatedFilesTest, ReadsAndWritesTheArchiveByteForByte) {
    const std::string image = kTag + recordBytes("回答.xls", "C:\\文書\\", 44000.5, 1, "Excel") +
                              recordBytes("写し.pdf", "\\\\server\\共有\\", 43000.25, 0);
    writeBytes(file, image);
    CKanrenFile list(prompt, file);
    ASSERT_EQ(list.Load(), 1);
    ASSERT_EQ(list.records().size(), 2u);
    const CKanrenFileData& first = list.records()[0];
    EXPECT_EQ(first.fileNameText(), "回答.xls");
    EXPECT_EQ(first.fileTypeText(), "Excel");
    EXPECT_EQ(first.folderText(), "C:\\文書\\");
    EXPECT_EQ(first.lastUpdate, OleDateTime(44000.5, OleDateTime::valid));
    EXPECT_EQ(first.valid, 1);
    EXPECT_EQ(list.records()[1].valid, 0);
    EXPECT_EQ(list.readReport().versionTag, "Ver20090801");
    ASSERT_EQ(list.Save(), 1);
    EXPECT_EQ(readBytes(file), image);
    EXPECT_FALSE(std::filesystem::exists(folder / "会議の開催について.da$"));
}

TEST_F(RelatedFilesTest, MissingFileIsCreatedEmpty) {
    CKanrenFile list(prompt, file);
    EXPECT_EQ(list.Load(), 1);
    EXPECT_TRUE(list.records().empty());
    EXPECT_TRUE(std::filesystem::exists(file));
    EXPECT_EQ(readBytes(file), "");
    EXPECT_TRUE(prompt.messages.empty());

    CKanrenFile noPath(prompt);
    EXPECT_EQ(noPath.Load(), 0);
    EXPECT_EQ(noPath.Save(), 0);
}

TEST_F(RelatedFilesTest, NewestFirstAndOneRecordPerFile) {
    CKanrenFile list(prompt, file);
    EXPECT_EQ(list.AddOrUpdate(record("/a/", "x.doc", 1)), 1);
    EXPECT_EQ(list.AddOrUpdate(record("/a/", "y.doc", 3)), 1);
    EXPECT_EQ(list.AddOrUpdate(record("/a/", "z.doc", 2)), 1);
    EXPECT_EQ(names(list), (Names{"y.doc", "z.doc", "x.doc"}));
    // The same folder and name again: one record, newer, at the top.
    EXPECT_EQ(list.AddOrUpdate(record("/a/", "x.doc", 4)), 1);
    EXPECT_EQ(names(list), (Names{"x.doc", "y.doc", "z.doc"}));
    EXPECT_EQ(list.records()[0].lastUpdate, OleDateTime::fromDateTime(2021, 1, 4, 9, 0, 0));
    // The key is folder and name run together.
    EXPECT_EQ(list.AddOrUpdate(record("/a/x", ".doc", 5)), 1);
    EXPECT_EQ(names(list), (Names{".doc", "y.doc", "z.doc"}));

    EXPECT_EQ(list.Remove(record("/a/", "y.doc", 9)), 1);
    CKanrenFile reread(prompt, file);
    reread.Load();
    EXPECT_EQ(names(reread), (Names{".doc", "z.doc"}));
}

TEST_F(RelatedFilesTest, AnotherVersionShowsEmptyAndIsNeverOverwritten) {
    const std::string foreign = archiveString("Ver20990101") + recordBytes("a", "b", 1.0);
    writeBytes(file, foreign);
    CKanrenFile list(prompt, file);
    EXPECT_EQ(list.Load(), 1);
    EXPECT_TRUE(list.records().empty());
    EXPECT_EQ(list.readReport().state, ReadState::unknownTag);
    EXPECT_EQ(list.AddOrUpdate(record("/a/", "x.doc", 1)), 0);
    EXPECT_EQ(readBytes(file), foreign);
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_NE(prompt.lastMessage().find("Ver20990101"), std::string::npos);
    EXPECT_NE(prompt.lastMessage().find(file.string()), std::string::npos);
}

TEST_F(RelatedFilesTest, DamagedFilesKeepTheirCompleteRecordsAndAreNotOverwritten) {
    const std::string cut = kTag + recordBytes("a.doc", "/x/", 1.0) + archiveString("b.doc");
    writeBytes(file, cut);
    CKanrenFile list(prompt, file);
    EXPECT_EQ(list.Load(), 0);
    EXPECT_EQ(names(list), (Names{"a.doc"}));
    EXPECT_EQ(list.readReport().state, ReadState::archiveCut);
    EXPECT_EQ(list.AddOrUpdate(record("/a/", "x.doc", 1)), 0);
    EXPECT_EQ(readBytes(file), cut);
    EXPECT_NE(prompt.lastMessage().find("読み取れない部分"), std::string::npos);

    // A length prefix of four gigabytes.
    const std::string hostile = kTag + std::string("\xFF\xFF\xFF\xFF\xFF\xFF\xFF", 7);
    writeBytes(file, hostile);
    EXPECT_EQ(list.Load(), 0);
    EXPECT_TRUE(list.records().empty());
    EXPECT_EQ(list.Save(), 0);
    EXPECT_EQ(readBytes(file), hostile);
}

TEST_F(RelatedFilesTest, ANameLongerThanItsFieldIsNotCut) {
    writeBytes(file, kTag + recordBytes(std::string(260, 'n'), "/x/", 1.0));
    CKanrenFile list(prompt, file);
    EXPECT_EQ(list.Load(), 0);
    EXPECT_TRUE(list.records().empty());
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_NE(prompt.lastMessage().find(
                  "「ファイルの名称」の文字列が長すぎます（260バイト、上限259バイト）"),
              std::string::npos);
}

TEST(RelatedListPathTest, BesideTheYearFoldersNamedAfterTheSubject) {
    CDocMasterData volume = CDocMasterData::NewRecord(OleDateTime::fromDate(2020, 5, 1));
    volume.setDaiBunruiMei("総務");
    volume.setChuuBunruiMei("文書");
    volume.setShouBunruiMei("会議");
    volume.setTitle("会議/録");
    const std::filesystem::path volumeFile = std::filesystem::u8path("/data/DocMaster.dat");
    const std::filesystem::path catalogueFolder =
        std::filesystem::u8path("/data/総務/文書/会議/会議／録/索引目録データ");
    const std::filesystem::path expected =
        catalogueFolder / std::filesystem::u8path("会議の開催について.dat");
    EXPECT_EQ(CKanrenFile::PathForCatalogueEntry(
                  catalogueFolder / std::filesystem::u8path("令和2年度/SakuinMokuroku.dat"),
                  "会議の開催について"),
              expected);
    EXPECT_EQ(CKanrenFile::PathForRegisterDocument(volumeFile, volume, "会議の開催について"),
              expected);
    // A subject is a name, never a path.
    EXPECT_EQ(
        CKanrenFile::PathForRegisterDocument(volumeFile, volume, "../../予算/案").parent_path(),
        catalogueFolder);
    EXPECT_EQ(CKanrenFile::PathForRegisterDocument(volumeFile, volume, "").filename(),
              std::filesystem::u8path("＿.dat"));
}

}  // namespace
}  // namespace bunrako
