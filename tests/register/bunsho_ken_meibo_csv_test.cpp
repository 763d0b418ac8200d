#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/cp932.h"
#include "register/bunsho_ken_meibo_list.h"
#include "support/fake_prompt.h"
#include "support/temp_folder.h"

namespace bunrako {
namespace {

namespace fs = std::filesystem;

// The line as the test expects it: every field followed by ",", then CR LF.
std::string line(const std::vector<std::string>& fields) {
    std::string text;
    for (const auto& field : fields) text += field + ",";
    return text + "\r\n";
}

std::vector<std::string> withSteps(std::vector<std::string> head,
                                   const std::vector<std::string>& steps,
                                   const std::vector<std::string>& tail) {
    head.insert(head.end(), steps.begin(), steps.end());
    head.resize(8 + 28);
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

// Step 14 is flagged with a null date: an empty date, then its text.
std::vector<std::string> lastStepOnly() {
    std::vector<std::string> steps(28, "");
    steps[27] = "last";
    return steps;
}

std::string header() {
    std::string text = "管理年・年度,課,文書番号,受付日,件名,発信者,受信者,結了日,";
    for (int n = 1; n <= 14; ++n) {
        text += "経過日" + std::to_string(n) + ",経過内容" + std::to_string(n) + ",";
    }
    return text + "簿冊年度,管理番号,タイトル,重要文書目録,文書記号,備考\r\n";
}

class RegisterCsvTest : public ::testing::Test {
  protected:
    void SetUp() override {
        CBunshoKenMeiboData a{};
        a.setDocumentNumber("12");
        a.registerYear = OleDateTime::fromDate(2024, 4, 1);
        a.volumeYear = OleDateTime::fromDate(2024, 4, 1);
        a.setSectionCode("0010020000");
        a.receivedDate = OleDateTime::fromDate(2024, 5, 10);
        a.setSubject("会議の件");
        a.setSender("山田");
        a.setReceiver("R");
        a.completedFlag = 1;
        a.completedDate = OleDateTime::fromDate(2024, 6, 1);
        a.progressFlag[0] = 1;
        a.progressDate[0] = OleDateTime::fromDate(2024, 5, 11);
        a.setProgressText(0, "回覧");
        a.setProgressText(2, "hidden");  // not flagged: not exported
        a.progressDate[2] = OleDateTime::fromDate(2024, 5, 12);
        a.setVolumeNumber("5060010001 1 1000100");
        a.setVolumeTitle("綴り");
        a.importantFlag = 1;
        a.setDocumentSymbol("上保第");
        a.setRemarks("備考");

        CBunshoKenMeiboData b{};
        b.setDocumentNumber("3");
        b.calendarYearFlag = 1;
        b.registerYear = OleDateTime::fromDate(2019, 1, 1);
        b.volumeYear = OleDateTime::fromDate(2019, 2, 1);
        b.setSectionCode("0020000000");
        b.receivedDate = OleDateTime::fromDate(2019, 5, 1);
        b.completedDate = OleDateTime::fromDate(2019, 6, 1);  // not completed: not exported
        b.progressFlag[13] = 1;
        b.progressDate[13] = OleDateTime::nullValue();
        b.setProgressText(13, "last");
        list.entries() = {a, b};
    }

    std::string exported(int westernDates, int fiscalStartType) {
        const auto departments = [](std::string_view code) {
            return code == "0010000000" ? utf8ToCp932("総務課") : std::string();
        };
        EXPECT_TRUE(list.ExportCsv(folder.path(), departments, westernDates, fiscalStartType));
        return testing::readBytes(folder / "KenMeibo.csv");
    }

    testing::TempFolder folder;
    testing::FakePrompt prompt;
    CBunshoKenMeiboList list{prompt};
};

TEST_F(RegisterCsvTest, EraDisplay) {
    const std::string expected =
        header() +
        line(withSteps(
            {"令和6年度", "総務課", "12", "令和6年5月10日", "会議の件", "山田", "R",
             "令和6年6月1日"},
            {"令和6年5月11日", "回覧"},
            {"令和6年度", "5060010001 1 1000100", "綴り", "重要文書目録", "上保第", "備考"})) +
        line(withSteps({"平成31年度", "", "3", "令和1年5月1日", "", "", "", ""}, lastStepOnly(),
                       {"平成30年度", "", "", "", "", ""}));
    EXPECT_EQ(exported(0, 0), utf8ToCp932(expected));
}

TEST_F(RegisterCsvTest, WesternDisplayAndJulyYears) {
    const std::string expected =
        header() +
        line(withSteps(
            {"2024年度", "総務課", "12", "2024年5月10日", "会議の件", "山田", "R", "2024年6月1日"},
            {"2024年5月11日", "回覧"},
            {"2024年度", "5060010001 1 1000100", "綴り", "重要文書目録", "上保第", "備考"})) +
        line(withSteps({"2019年度", "", "3", "2019年5月1日", "", "", "", ""}, lastStepOnly(),
                       {"2019年度", "", "", "", "", ""}));
    EXPECT_EQ(exported(1, 1), utf8ToCp932(expected));
}

TEST_F(RegisterCsvTest, TheFieldCountIsFortyTwoAndTheFileIsReplaced) {
    testing::writeBytes(folder / "KenMeibo.csv", std::string(100000, 'x'));
    const std::string csv = exported(0, 0);
    const size_t firstLineEnd = csv.find("\r\n");
    const std::string second =
        csv.substr(firstLineEnd + 2, csv.find("\r\n", firstLineEnd + 2) - firstLineEnd - 2);
    // Era names hold no comma byte in CP932, so commas count the fields.
    EXPECT_EQ(std::count(second.begin(), second.end(), ','), 42);
    EXPECT_LT(csv.size(), 100000u);
}

TEST_F(RegisterCsvTest, DatesWithoutAnEraOrInvalidGiveEmptyFields) {
    CBunshoKenMeiboData old{};
    old.calendarYearFlag = 1;
    old.registerYear = OleDateTime::fromDate(1868, 1, 1);
    old.receivedDate = OleDateTime::invalidValue();
    old.volumeYear = OleDateTime::nullValue();
    list.entries() = {old};
    const std::string csv = exported(0, 0);
    const std::string line = csv.substr(csv.find("\r\n") + 2);
    EXPECT_EQ(line, std::string(42, ',') + "\r\n");
}

TEST_F(RegisterCsvTest, AFolderThatIsGoneIsReported) {
    EXPECT_FALSE(list.ExportCsv(folder / "gone", {}, 0, 0));
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_NE(prompt.lastMessage().find("KenMeibo.csv:Open\n:"), std::string::npos);
}

}  // namespace
}  // namespace bunrako
