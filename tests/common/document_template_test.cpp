#include "common/document_template.h"

#include <gtest/gtest.h>

#include "common/cp932.h"
#include "common/file_io.h"
#include "common/office_suite_document.h"
#include "common/texts.h"
#include "support/fake_prompt.h"
#include "support/fake_shell.h"
#include "support/office_templates.h"
#include "support/temp_folder.h"

namespace bunrako {
namespace {

using testing::FakePrompt;
using testing::FakeShell;
using testing::TempFolder;

size_t countOf(const std::string& text, const std::string& part) {
    size_t count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++count;
    }
    return count;
}

std::string csv(const std::string& utf8) { return utf8ToCp932(utf8); }

TEST(DocumentTemplate, PlaceholdersTakeTheFirstRowOutsideTheRepeatedPart) {
    const WordCsvTable table = ReadWordCsv(csv("番号,件名\r\n12,予算\r\n13,決算\r\n"));
    EXPECT_EQ(FillDocumentTemplate("<p>{{番号}}:{{件名}}:{{無い}}</p>", table), "<p>12:予算:</p>");
    EXPECT_EQ(
        FillDocumentTemplate("<h>{{件名}}</h><!--rows--><r>{{番号}}</r><!--/rows--><f/>", table),
        "<h>予算</h><r>12</r><r>13</r><f/>");
    // A template left unclosed is filled as it is.
    EXPECT_EQ(FillDocumentTemplate("{{番号}} {{件名", table), "12 {{件名");
}

struct EscapeCase {
    const char* value;
    const char* filled;
};

class DocumentTemplateEscapeTest : public ::testing::TestWithParam<EscapeCase> {};

TEST_P(DocumentTemplateEscapeTest, ValuesNeverBreakTheXml) {
    const WordCsvTable table =
        ReadWordCsv(csv(std::string("件名\r\n") + GetParam().value + "\r\n"));
    EXPECT_EQ(FillDocumentTemplate("<p a=\"{{件名}}\">{{件名}}</p>", table),
              std::string("<p a=\"") + GetParam().filled + "\">" + GetParam().filled + "</p>");
}

INSTANTIATE_TEST_SUITE_P(Values, DocumentTemplateEscapeTest,
                         ::testing::Values(EscapeCase{"A&B <C>", "A&amp;B &lt;C&gt;"},
                                           EscapeCase{"\"引用\" 'と'",
                                                      "&quot;引用&quot; &apos;と&apos;"},
                                           EscapeCase{"ｶﾀｶﾅ﨑", "ｶﾀｶﾅ﨑"},
                                           EscapeCase{"a\x01\x1f"
                                                      "b\tc",
                                                      "ab\tc"}));

TEST(DocumentTemplate, ACommaInTheFreeTextStaysInItsColumn) {
    const std::string bytes = csv("番号,件名,課\r\n1,予算,決算の件,総務課\r\n");
    EXPECT_EQ(ReadWordCsv(bytes, "件名").Value(0, "件名"), "予算,決算の件");
    EXPECT_EQ(ReadWordCsv(bytes, "件名").Value(0, "課"), "総務課");
    EXPECT_EQ(ReadWordCsv(bytes).Value(0, "課"), "決算の件,総務課");
    // The template's own text (characters Shift-JIS lacks included) stays.
    EXPECT_EQ(FillDocumentTemplate("𠮷©{{番号}}", ReadWordCsv(bytes)), "𠮷©1");
}

TEST(DocumentTemplate, TheProgramsTemplatesRepeatLabelsAndSheets) {
    std::string labels;
    ASSERT_EQ(
        readWholeFile(pathFromUtf8(testing::templateInSources(common::texts::kVolumeTitleTemplate)),
                      labels),
        FileErrorCause::none);
    std::string rows = "管理番号,タイトル\r\n";
    for (int i = 0; i < 5; ++i) rows += "K" + std::to_string(i) + ",例規集\r\n";
    const std::string filled = FillDocumentTemplate(labels, ReadWordCsv(csv(rows)));
    EXPECT_EQ(countOf(filled, "例規集"), 5u);
    EXPECT_EQ(countOf(filled, "{{"), 0u);

    std::string sheets;
    ASSERT_EQ(
        readWholeFile(pathFromUtf8(testing::templateInSources(common::texts::kIndexBatchTemplate)),
                      sheets),
        FileErrorCause::none);
    std::string header = "帳票名";
    std::string line = "索引目録";
    for (int n = 1; n <= 22; ++n) {
        header += ",文書" + std::to_string(n);
        line += ",文書" + std::to_string(n) + "号";
    }
    const std::string pages = FillDocumentTemplate(
        sheets, ReadWordCsv(csv(header + "\r\n" + line + "\r\n" + line + "\r\n")));
    EXPECT_EQ(countOf(pages, "文書22号"), 2u);
    EXPECT_EQ(countOf(pages, "PageBreak\">索引目録"), 2u);
}

TEST(OfficeDocument, AMissingTemplateIsNamedAndNothingIsMade) {
    TempFolder folder;
    FakePrompt prompt;
    FakeShell shell;
    OfficeDocumentRequest request;
    request.templatePath = folder / "gone.fodt";
    request.wordCsv = folder / "KianWord.csv";
    request.output = folder / "draft.fodt";
    testing::writeBytes(request.wordCsv, csv("件名\r\nx\r\n"));
    EXPECT_EQ(MakeOfficeDocument(prompt, shell, request), 0);
    ASSERT_FALSE(prompt.messages.empty());
    EXPECT_EQ(prompt.messages[0].text.rfind(pathToUtf8(request.templatePath), 0), 0u);
    EXPECT_FALSE(std::filesystem::exists(request.output));
    EXPECT_TRUE(shell.opened.empty());
}

struct ExistingCase {
    Answer answer;
    const char* content;
    int opened;
};

class OfficeDocumentExistingTest : public ::testing::TestWithParam<ExistingCase> {};

TEST_P(OfficeDocumentExistingTest, AnExistingDocumentIsReplacedOnlyWhenTheClerkSays) {
    TempFolder folder;
    FakePrompt prompt;
    FakeShell shell;
    OfficeDocumentRequest request;
    request.templatePath = folder / "t.fodt";
    request.wordCsv = folder / "w.csv";
    request.output = folder / "draft.fodt";
    request.print = true;
    testing::writeBytes(request.templatePath, "<d>{{件名}}</d>");
    testing::writeBytes(request.wordCsv, csv("件名\r\n新\r\n"));
    testing::writeBytes(request.output, "edited");
    prompt.answers.push_back(GetParam().answer);
    EXPECT_EQ(MakeOfficeDocument(prompt, shell, request), GetParam().opened);
    EXPECT_EQ(testing::readBytes(request.output), GetParam().content);
    ASSERT_EQ(shell.opened.size(), static_cast<size_t>(GetParam().opened));
    if (GetParam().opened) {
        EXPECT_EQ(shell.opened[0].verb, ShellVerb::print);
    }
}

INSTANTIATE_TEST_SUITE_P(Answers, OfficeDocumentExistingTest,
                         ::testing::Values(ExistingCase{Answer::yes, "<d>新</d>", 1},
                                           ExistingCase{Answer::no, "edited", 1},
                                           ExistingCase{Answer::cancel, "edited", 0}));

TEST(OfficeDocument, TheSettingsFormIsUsedWhenItIsATemplate) {
    TempFolder folder;
    const std::string own = pathToUtf8(folder / "own.fodt");
    testing::writeBytes(folder / "own.fodt", "<d/>");
    EXPECT_EQ(OfficeTemplatePath(own, common::texts::kDraftTemplate), pathFromUtf8(own));
    // Other forms (a 一太郎 form, a template that is gone) give the program's own.
    const auto installed = OfficeTemplatePath("起案文書様式.jtd", common::texts::kDraftTemplate);
    EXPECT_TRUE(installed.empty() ||
                installed.filename() == pathFromUtf8(common::texts::kDraftTemplate))
        << pathToUtf8(installed);
    EXPECT_EQ(OfficeDocumentPath(pathFromUtf8("/d/起案_予算_001.jtd")),
              pathFromUtf8("/d/起案_予算_001.fodt"));
}

}  // namespace
}  // namespace bunrako
