// The program's templates, filled and converted by the office suite: the
// values must reach the printed page. Skipped where the office suite (or
// pdftotext) is not installed.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "common/cp932.h"
#include "common/document_template.h"
#include "common/file_io.h"
#include "common/texts.h"
#include "support/office_templates.h"
#include "support/temp_folder.h"

namespace bunrako {
namespace {

namespace fs = std::filesystem;

bool onPath(const std::string& program) {
    return std::system(("command -v " + program + " >/dev/null 2>&1").c_str()) == 0;
}

struct PdfCase {
    const char* templateName;
    std::string csv;  // UTF-8, header and rows
    std::vector<std::string> expected;
};

std::string entriesCsv() {
    std::string header = "帳票名,開始,終了,保存,分類,課名,係名,氏名,タイトル";
    std::string line = "索引目録,R2,R3,10年,01-02-03,総務課,文書係,,例規綴";
    for (int n = 1; n <= 22; ++n) {
        header += ",受付" + std::to_string(n) + ",番号" + std::to_string(n) + ",文書" +
                  std::to_string(n) + ",備考" + std::to_string(n);
        line += ",R2.4." + std::to_string(n) + ",総第" + std::to_string(n) + "号,通知" +
                std::to_string(n) + ",";
    }
    return header + "\r\n" + line + "\r\n";
}

class OfficeTemplatePdfTest : public ::testing::TestWithParam<PdfCase> {};

TEST_P(OfficeTemplatePdfTest, TheFilledDocumentPrintsItsValues) {
    if (!onPath("soffice") || !onPath("pdftotext")) GTEST_SKIP() << "no office suite here";
    const PdfCase& c = GetParam();
    testing::TempFolder folder;
    std::string xml;
    ASSERT_EQ(readWholeFile(pathFromUtf8(testing::templateInSources(c.templateName)), xml),
              FileErrorCause::none);
    const fs::path document = folder / "filled.fodt";
    testing::writeBytes(document, FillDocumentTemplate(xml, ReadWordCsv(utf8ToCp932(c.csv))));
    const std::string dir = pathToUtf8(folder.path());
    const std::string convert = "HOME='" + dir +
                                "' soffice --headless --convert-to pdf --outdir '" + dir + "' '" +
                                pathToUtf8(document) + "' >/dev/null 2>&1";
    ASSERT_EQ(std::system(convert.c_str()), 0);
    const std::string text = pathToUtf8(folder / "filled.txt");
    ASSERT_EQ(std::system(("pdftotext '" + dir + "/filled.pdf' '" + text + "'").c_str()), 0);
    // pdftotext sets spaces between kanji and digits; compare without them.
    const auto withoutSpaces = [](std::string t) {
        std::erase(t, ' ');
        return t;
    };
    const std::string printed = withoutSpaces(testing::readBytes(pathFromUtf8(text)));
    for (const std::string& value : c.expected) {
        EXPECT_NE(printed.find(withoutSpaces(value)), std::string::npos) << value << "\n"
                                                                         << printed;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Templates, OfficeTemplatePdfTest,
    ::testing::Values(PdfCase{common::texts::kDraftTemplate,
                              "番号,件名,職,氏名,決裁者２４,タイトル\r\n15,補助金交付 & "
                              "決定,主事,山田太郎,課長,会議録\r\n",
                              {"起", "15", "補助金交付 & 決定", "山田太郎", "課長", "会議録"}},
                      PdfCase{common::texts::kVolumeTitleTemplate,
                              "管理番号,年度,タイトル,課名\r\nK1,令和2年度,例規集<第1巻>,"
                              "総務課\r\nK2,令和3年度,議事録,総務課\r\n",
                              {"例規集<第1巻>", "議事録", "令和3年度", "総務課"}},
                      PdfCase{common::texts::kIndexBatchTemplate,
                              entriesCsv(),
                              {"索引目録", "例規綴", "総第1号", "通知22"}}));

}  // namespace
}  // namespace bunrako
