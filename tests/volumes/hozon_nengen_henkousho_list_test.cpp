#include "volumes/hozon_nengen_henkousho_list.h"

#include <gtest/gtest.h>

#include <cstring>

#include "common/cp932.h"
#include "support/fake_prompt.h"
#include "support/forms_images.h"
#include "support/temp_folder.h"

namespace bunrako {
namespace {

namespace fs = std::filesystem;
using testing::countWord;
using testing::FormAt;
using testing::formImage;
using testing::putFormBytes;
using testing::putFormDate;
using testing::readBytes;
using testing::writeBytes;

double fy(int year) { return static_cast<double>(daysFromCivil(year, 4, 1)); }

CHozonNengenHenkoushoData form(const std::string& image) {
    CHozonNengenHenkoushoData f;
    std::memcpy(&f, image.data(), sizeof f);
    return f;
}

class FormsFileTest : public ::testing::Test {
  protected:
    fs::path file() const { return folder / "Minaosi.dat"; }

    testing::TempFolder folder;
    testing::FakePrompt prompt;
    CHozonNengenHenkoushoList list{prompt, file()};
};

TEST_F(FormsFileTest, ReadsEveryFieldAndWritesTheSameBytes) {
    std::string a = formImage("TITLE-A", fy(2020));
    putFormBytes(a, FormAt::riyuu, std::string(512, 'R'));
    putFormBytes(a, FormAt::title, std::string(72, 'T'));
    putFormDate(a, FormAt::shuuryouNendo, fy(2022), 1);
    a[274] = 'p';  // padding travels with the form
    a[895] = 'q';
    const std::string b = formImage("TITLE-B", fy(2021));
    const std::string image = countWord(2) + a + b;
    writeBytes(file(), image);

    ASSERT_EQ(list.Read(), 1);
    ASSERT_EQ(list.forms().size(), 2u);
    const CHozonNengenHenkoushoData& f = list.forms()[0];
    EXPECT_EQ(f.HenkouSakuseiNendo, OleDateTime::fromDate(2020, 4, 1));
    EXPECT_EQ(f.kaMei(), "KA");
    EXPECT_EQ(f.kakariMei(), "KAKARI");
    EXPECT_EQ(readFixedText(f.HenkouKaBunruiCode), "0010000000");
    EXPECT_EQ(readFixedText(f.HenkouDaiBunruiCode), "1");
    EXPECT_EQ(readFixedText(f.HenkouDaiBunruiMei), "DAI");
    EXPECT_EQ(readFixedText(f.HenkouChuuBunruiCode), "2");
    EXPECT_EQ(readFixedText(f.HenkouChuuBunruiMei), "CHUU");
    EXPECT_EQ(readFixedText(f.HenkouShouBunruiCode), "3");
    EXPECT_EQ(readFixedText(f.HenkouShouBunruiMei), "SHOU");
    EXPECT_EQ(f.title(), std::string(72, 'T'));
    EXPECT_EQ(f.HenkouShuunouKaisiNendo, OleDateTime::fromDate(2020, 4, 1));
    EXPECT_EQ(f.HenkouShuunouShuuryouNendo.status(), OleDateTime::invalid);
    EXPECT_EQ(f.maeShubetu(), "5Y");
    EXPECT_EQ(f.goShubetu(), "10Y");
    EXPECT_EQ(f.riyuu(), std::string(512, 'R'));
    EXPECT_EQ(list.forms()[1].title(), "TITLE-B");

    ASSERT_EQ(list.Write(), 1);
    EXPECT_EQ(readBytes(file()), image);
    EXPECT_EQ(readBytes(folder / "Minaosi.da$"), image);
}

TEST_F(FormsFileTest, AMissingFileIsCreatedEmptyAndTheFirstAddWritesCountOne) {
    EXPECT_EQ(list.Read(), 0);
    EXPECT_TRUE(list.forms().empty());
    EXPECT_EQ(fs::file_size(file()), 0u);
    EXPECT_TRUE(prompt.messages.empty());

    const std::string a = formImage("A", fy(2020));
    EXPECT_EQ(list.Add(form(a)), 1);
    EXPECT_EQ(readBytes(file()), countWord(1) + a);
}

TEST_F(FormsFileTest, TheSameVolumeChangedTwiceLeavesOneForm) {
    const std::string first = formImage("A", fy(2020), "5Y", "10Y");
    const std::string other = formImage("B", fy(2020));
    writeBytes(file(), countWord(2) + first + other);
    // Types and reason are not part of the identity; a filing year half a
    // second off is still the same year.
    std::string second = formImage("A", fy(2020), "10Y", "30Y");
    putFormBytes(second, FormAt::riyuu, "why");
    putFormDate(second, FormAt::kaisiNendo, fy(2020) + 0.4 / 86400);
    EXPECT_EQ(list.Add(form(second)), 1);
    EXPECT_EQ(readBytes(file()), countWord(2) + second + other);

    // Another title, section or filing year is another form.
    std::string third = formImage("A", fy(2020));
    putFormDate(third, FormAt::shuuryouNendo, fy(2021));
    EXPECT_EQ(list.Add(form(third)), 1);
    EXPECT_EQ(list.forms().size(), 3u);
}

TEST_F(FormsFileTest, RemoveTakesTheFirstSameFormOnly) {
    const std::string a = formImage("A", fy(2020));
    const std::string b = formImage("B", fy(2020));
    std::string a2 = formImage("A", fy(2020), "1Y", "3Y");
    writeBytes(file(), countWord(3) + a + b + a2);
    EXPECT_EQ(list.Remove(form(formImage("A", fy(2020), "", ""))), 1);
    EXPECT_EQ(readBytes(file()), countWord(2) + b + a2);

    const std::string before = readBytes(file());
    EXPECT_EQ(list.Remove(form(formImage("C", fy(2020)))), 0);
    EXPECT_EQ(readBytes(file()), before);
}

TEST_F(FormsFileTest, CountsAreNeverTrustedBeyondTheFile) {
    const std::string a = formImage("A", fy(2020));
    const std::string b = formImage("B", fy(2020));
    writeBytes(file(), countWord(3) + a + b + b.substr(0, 100));
    EXPECT_EQ(list.Read(), 0);
    EXPECT_EQ(list.forms().size(), 2u);
    EXPECT_EQ(list.lastRead().declaredCount, 3);
    EXPECT_EQ(list.lastRead().droppedBytes, 100u);

    writeBytes(file(), countWord(0x7fffffff) + a);
    EXPECT_EQ(list.Read(), 0);
    EXPECT_EQ(list.forms().size(), 1u);

    writeBytes(file(), countWord(0xffffffff) + a);
    EXPECT_EQ(list.Read(), 0);
    EXPECT_TRUE(list.forms().empty());

    writeBytes(file(), std::string("\x01\x00", 2));
    EXPECT_EQ(list.Read(), 0);
    EXPECT_TRUE(list.lastRead().countMissing());

    // The count decides: bytes after the forms it names are not forms.
    writeBytes(file(), countWord(1) + a + b);
    EXPECT_EQ(list.Read(), 1);
    EXPECT_EQ(list.forms().size(), 1u);
    EXPECT_EQ(list.lastRead().trailingBytes, b.size());
    EXPECT_TRUE(prompt.messages.empty());

    // A truncated file cannot be removed from until it is written whole.
    writeBytes(file(), countWord(3) + a + b);
    EXPECT_EQ(list.Remove(form(a)), 0);
    EXPECT_EQ(list.Add(form(formImage("C", fy(2020)))), 1);
    EXPECT_EQ(readBytes(file()), countWord(3) + a + b + formImage("C", fy(2020)));
}

TEST_F(FormsFileTest, AFolderThatIsGoneLosesNothing) {
    const fs::path share = folder / "share";
    CHozonNengenHenkoushoList shared(prompt, share / "Minaosi.dat");
    EXPECT_EQ(shared.Read(), 0);
    EXPECT_EQ(prompt.messages.size(), 5u);  // four attempts, then the final message
    EXPECT_NE(prompt.lastMessage().find("エラー：ネットワーク確立等確認して下さい"),
              std::string::npos);
    EXPECT_NE(prompt.messages[0].text.find("Minaosi.datOpen:"), std::string::npos);

    EXPECT_EQ(shared.Add(form(formImage("A", fy(2020)))), 0);
    EXPECT_FALSE(fs::exists(share));
    EXPECT_TRUE(prompt.retries.empty());

    // A write that will not open can be given up.
    shared.forms().push_back(form(formImage("A", fy(2020))));
    EXPECT_EQ(shared.Write(), 0);
    EXPECT_EQ(prompt.retries.size(), 1u);
    EXPECT_FALSE(fs::exists(share));
}

class FormsCsvTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string a = formImage("", fy(2019));
        putFormBytes(a, FormAt::kaMei, utf8ToCp932("総務課"));
        putFormBytes(a, FormAt::title, utf8ToCp932("会議録"));
        putFormDate(a, FormAt::kaisiNendo, static_cast<double>(daysFromCivil(2019, 5, 1)));
        putFormDate(a, FormAt::shuuryouNendo, static_cast<double>(daysFromCivil(2021, 3, 31)));
        putFormBytes(a, FormAt::maeShubetu, utf8ToCp932("5年"));
        putFormBytes(a, FormAt::goShubetu, utf8ToCp932("10年"));
        putFormBytes(a, FormAt::riyuu, utf8ToCp932("照会が多いため"));
        forms = {form(a), form(formImage("B", fy(2024)))};
    }
    std::string header() const {
        return "年度,課局室名,係名,課分類コード,大分類コード,大分類名称,中分類コード,中分類名称,"
               "小分類コード,小分類名称,タイトル,収納開始年度,収納終了年度,見直し前の保存年限,"
               "見直し後の保存年限,理由\r\n";
    }

    testing::TempFolder folder;
    testing::FakePrompt prompt;
    std::vector<CHozonNengenHenkoushoData> forms;
};

// 2019-05-01 lies in the fiscal year labelled by 2019-04-01, still 平成31.
TEST_F(FormsCsvTest, EraYearsOfTheFiscalLabels) {
    ASSERT_TRUE(CHozonNengenHenkoushoList::ExportCsv(prompt, folder.path(), forms, 0, 0));
    const std::string expected =
        header() +
        "平成31年度,総務課,KAKARI,0010000000,1,DAI,2,CHUU,3,SHOU,会議録,平成31年度,令和2年度,"
        "5年,10年,照会が多いため\r\n"
        "令和6年度,KA,KAKARI,0010000000,1,DAI,2,CHUU,3,SHOU,B,令和6年度,令和6年度,5Y,10Y,\r\n";
    EXPECT_EQ(readBytes(folder / "HozonNengenHenkousho.csv"), utf8ToCp932(expected));
}

TEST_F(FormsCsvTest, WesternYearsUnderJulyYears) {
    ASSERT_TRUE(CHozonNengenHenkoushoList::ExportCsv(prompt, folder.path(), forms, 1, 1));
    const std::string expected =
        header() +
        "2019年度,総務課,KAKARI,0010000000,1,DAI,2,CHUU,3,SHOU,会議録,2019年度,2021年度,"
        "5年,10年,照会が多いため\r\n"
        "2024年度,KA,KAKARI,0010000000,1,DAI,2,CHUU,3,SHOU,B,2024年度,2024年度,5Y,10Y,\r\n";
    EXPECT_EQ(readBytes(folder / "HozonNengenHenkousho.csv"), utf8ToCp932(expected));
}

TEST_F(FormsCsvTest, NoSelectionWritesNothing) {
    EXPECT_FALSE(CHozonNengenHenkoushoList::ExportCsv(prompt, folder.path(), {}, 0, 0));
    EXPECT_FALSE(fs::exists(folder / "HozonNengenHenkousho.csv"));
    EXPECT_FALSE(CHozonNengenHenkoushoList::ExportCsv(prompt, folder / "gone", forms, 0, 0));
    EXPECT_NE(prompt.lastMessage().find("HozonNengenHenkousho.csv:Open\n:"), std::string::npos);
}

}  // namespace
}  // namespace bunrako
