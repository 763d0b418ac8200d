#include "catalogue/dropped_files.h"

#include <gtest/gtest.h>

#include "catalogue/kanren_file.h"
#include "common/file_io.h"
#include "support/fake_prompt.h"
#include "support/temp_folder.h"

namespace bunrako {
namespace {

using testing::FakePrompt;
using testing::TempFolder;

const OleDateTime kNow = OleDateTime::fromDateTime(2008, 4, 3, 9, 30, 0);

TEST(DroppedFiles, TheFolderKeepsItsSeparatorSoThatFolderAndNameMakeThePath) {
    const std::string folder =
        std::string("scan") + static_cast<char>(std::filesystem::path::preferred_separator);
    const CKanrenFileData file = RelatedFileFromPath(folder + "議事録.pdf", kNow);
    EXPECT_EQ(file.fileNameText(), "議事録.pdf");
    EXPECT_EQ(file.folderText(), folder);
    EXPECT_EQ(file.folderText() + file.fileNameText(), folder + "議事録.pdf");
    EXPECT_EQ(file.valid, 1);
    EXPECT_EQ(file.lastUpdate, kNow);
}

TEST(DroppedFiles, EachFileIsStoredOnceNewestFirst) {
    TempFolder folder;
    FakePrompt prompt;
    CKanrenFile list(prompt, folder / "第1回会議.dat");
    const std::string base = pathToUtf8(folder.path()) + "/";
    const std::vector<std::string> first{base + "a.pdf", base + "b.xls"};
    EXPECT_EQ(AddDroppedFiles(list, first, kNow), 2);
    const std::vector<std::string> again{base + "a.pdf"};
    const OleDateTime later = OleDateTime::fromDateTime(2008, 4, 4, 10, 0, 0);
    EXPECT_EQ(AddDroppedFiles(list, again, later), 1);
    CKanrenFile reread(prompt, list.filePath());
    ASSERT_EQ(reread.Load(), 1);
    ASSERT_EQ(reread.records().size(), 2u);
    EXPECT_EQ(reread.records()[0].fileNameText(), "a.pdf");
    EXPECT_EQ(reread.records()[0].lastUpdate, later);
}

TEST(DroppedFiles, WithoutAChosenDocumentNothingIsStored) {
    FakePrompt prompt;
    CKanrenFile list(prompt);
    const std::vector<std::string> files{"/tmp/a.pdf"};
    EXPECT_EQ(AddDroppedFiles(list, files, kNow), 0);
    EXPECT_TRUE(prompt.messages.empty());
}

}  // namespace
}  // namespace bunrako
