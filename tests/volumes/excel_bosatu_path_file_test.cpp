#include "volumes/excel_bosatu_path_file.h"

#include <gtest/gtest.h>

#include "common/cp932.h"
#include "common/file_io.h"
#include "support/fake_prompt.h"
#include "support/temp_folder.h"

namespace bunrako {
namespace {

namespace fs = std::filesystem;
using testing::readBytes;
using testing::writeBytes;

TEST(ExcelBosatuPathFile, DefaultsToTheStandardFormInTheFolder) {
    testing::TempFolder folder;
    EXPECT_EQ(ReadExcelBosatuPath(folder.path()),
              pathToUtf8(folder / "文書整理一覧表一括入力用標準様式.xls"));
    // A file without a path counts as none.
    writeBytes(folder / "ShokiSetteiExcelBosatu.dat", "\r\n");
    EXPECT_EQ(ReadExcelBosatuPath(folder.path()),
              pathToUtf8(folder / "文書整理一覧表一括入力用標準様式.xls"));
    EXPECT_FALSE(fs::exists(folder / "文書整理一覧表一括入力用標準様式.xls"));
}

TEST(ExcelBosatuPathFile, RemembersOneLineInShiftJis) {
    testing::TempFolder folder;
    testing::FakePrompt prompt;
    ASSERT_TRUE(WriteExcelBosatuPath(prompt, folder.path(), "D:\\簿冊\\一覧表.xls"));
    EXPECT_EQ(readBytes(folder / "ShokiSetteiExcelBosatu.dat"),
              utf8ToCp932("D:\\簿冊\\一覧表.xls") + "\r\n");
    EXPECT_EQ(ReadExcelBosatuPath(folder.path()), "D:\\簿冊\\一覧表.xls");
    // A file written elsewhere with a second line or without a line end.
    writeBytes(folder / "ShokiSetteiExcelBosatu.dat", utf8ToCp932("/srv/表.xls\nother"));
    EXPECT_EQ(ReadExcelBosatuPath(folder.path()), "/srv/表.xls");
    EXPECT_FALSE(WriteExcelBosatuPath(prompt, folder / "gone", "x.xls"));
    EXPECT_NE(prompt.lastMessage().find("ShokiSetteiExcelBosatu.dat:Open\n:"), std::string::npos);
}

TEST(ExcelBosatuPathFile, CsvLiesBesideTheSpreadsheet) {
    EXPECT_EQ(ExcelBosatuCsvPath("/srv/office/一覧表.xls"),
              pathFromUtf8("/srv/office") / pathFromUtf8("文書整理一覧表一括入力用標準様式.csv"));
    EXPECT_EQ(ExcelBosatuCsvPath("一覧表.xls"),
              pathFromUtf8("文書整理一覧表一括入力用標準様式.csv"));
    EXPECT_EQ(pathToUtf8(ExcelBosatuCsvPath("C:\\文書\\一覧表.xls").filename()),
              "文書整理一覧表一括入力用標準様式.csv");
}

}  // namespace
}  // namespace bunrako
