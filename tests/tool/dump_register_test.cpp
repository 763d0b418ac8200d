#include <gtest/gtest.h>

#include <sstream>

#include "support/archive_images.h"
#include "support/forms_images.h"
#include "support/register_images.h"
#include "support/temp_folder.h"
#include "tool/cli.h"
#include "tool/dump.h"

namespace bunrako::cli {
namespace {

namespace fs = std::filesystem;
using bunrako::testing::day;
using bunrako::testing::EntryAt;
using bunrako::testing::entryImage;
using bunrako::testing::kRegisterTag;
using bunrako::testing::LegacyAt;
using bunrako::testing::putBytes;
using bunrako::testing::putInt32;
using bunrako::testing::shortString;
using bunrako::testing::slotBytes;
using bunrako::testing::writeBytes;

class DumpRegisterTest : public ::testing::Test {
  protected:
    // Runs dump on a file holding the bytes; the JSON printed, or null.
    Json dump(const std::string& name, const std::string& bytes,
              std::vector<std::string> extra = {}) {
        const fs::path file = folder / name;
        writeBytes(file, bytes);
        std::vector<std::string> args{"dump", file.string()};
        args.insert(args.end(), extra.begin(), extra.end());
        out.str({});
        err.str({});
        status = run(args, out, err);
        return out.str().empty() ? Json() : Json::parse(out.str());
    }
    size_t errorLines() const {
        const std::string text = err.str();
        return static_cast<size_t>(std::count(text.begin(), text.end(), '\n'));
    }

    bunrako::testing::TempFolder folder;
    std::ostringstream out, err;
    int status = -1;
};

TEST_F(DumpRegisterTest, RegisterEntriesWithTheirFieldNames) {
    std::string entry = entryImage("12", "0010020000", day(2024, 4, 1), day(2024, 5, 10));
    putBytes(entry, EntryAt::subject, "\x89\xef\x8b\x63");  // 会議
    putInt32(entry, EntryAt::progressFlag + 13 * 4, 1);
    putBytes(entry, EntryAt::progressText + 13 * 41, "last");
    const Json document = dump("KenMeibo.dat", std::string(kRegisterTag) + entry + entry);
    ASSERT_EQ(status, kSuccess) << err.str();
    EXPECT_EQ(document["kind"], "register");
    EXPECT_EQ(document["version"], "BunshoKenMeiboVer200");
    ASSERT_EQ(document["records"].size(), 2u);
    const Json& record = document["records"][0];
    EXPECT_EQ(record["documentNumber"], "12");
    EXPECT_EQ(record["sectionCode"], "0010020000");
    EXPECT_EQ(record["registerYear"], "2024-04-01T00:00:00");
    EXPECT_EQ(record["receivedDate"], "2024-05-10T00:00:00");
    EXPECT_EQ(record["subject"], "会議");
    ASSERT_EQ(record["progressFlag"].size(), 14u);
    EXPECT_EQ(record["progressFlag"][13], 1);
    EXPECT_EQ(record["progressText"][13], "last");
    EXPECT_EQ(record["remarks"], "");
    EXPECT_TRUE(err.str().empty());
}

TEST_F(DumpRegisterTest, TheOlderRegisterHasNoVersionAndATruncatedOneSaysWhatWasDropped) {
    const std::string old = entryImage<LegacyAt>("3", "002", day(2010, 4, 1), day(2010, 4, 2));
    Json document = dump("KenMeibo.dat", old + old.substr(0, 10));
    EXPECT_EQ(status, kSuccess);
    EXPECT_TRUE(document["version"].is_null());
    EXPECT_EQ(document["records"].size(), 1u);
    EXPECT_EQ(document["records"][0]["documentNumber"], "3");
    EXPECT_EQ(errorLines(), 1u);
    EXPECT_NE(err.str().find("10 バイト"), std::string::npos);
}

TEST_F(DumpRegisterTest, ARegisterOfAnUnknownVersionIsNotRead) {
    const Json document =
        dump("x.dat", std::string("BunshoKenMeiboVer300\0", 21), {"--as", "register"});
    EXPECT_EQ(status, kFailure);
    EXPECT_TRUE(out.str().empty());
    EXPECT_EQ(errorLines(), 1u);
    EXPECT_NE(err.str().find("BunshoKenMeiboVer300"), std::string::npos);
    dump("KenMeibo.dat", "BunshoKenMeiboVer200");
    EXPECT_EQ(status, kFailure);
    EXPECT_EQ(errorLines(), 1u);
}

TEST_F(DumpRegisterTest, FormsAndACountBeyondTheFile) {
    const std::string form = bunrako::testing::formImage("TITLE", day(2020, 4, 1));
    Json document = dump("Minaosi.dat", bunrako::testing::countWord(1) + form);
    ASSERT_EQ(status, kSuccess);
    EXPECT_EQ(document["kind"], "forms");
    EXPECT_TRUE(document["version"].is_null());
    ASSERT_EQ(document["records"].size(), 1u);
    EXPECT_EQ(document["records"][0]["HenkouTitle"], "TITLE");
    EXPECT_EQ(document["records"][0]["HenkouSakuseiNendo"], "2020-04-01T00:00:00");
    EXPECT_EQ(document["records"][0]["HenkouGoShubetu"], "10Y");
    EXPECT_TRUE(err.str().empty());

    document = dump("Minaosi.dat", bunrako::testing::countWord(1000000) + form + "xx");
    EXPECT_EQ(status, kSuccess);
    EXPECT_EQ(document["records"].size(), 1u);
    EXPECT_NE(err.str().find("1000000"), std::string::npos);
}

TEST_F(DumpRegisterTest, SendersAndReceiversPrintAllThirtySlots) {
    std::string image;
    for (int i = 0; i < 30; ++i) {
        image += slotBytes(i == 0 ? "S" : "", i == 0 ? 4 : 0, day(2024, 1, 1));
        image += slotBytes("", 0, day(2024, 1, 1));
    }
    Json document = dump("HassinJusinList.dat", image);
    ASSERT_EQ(status, kSuccess);
    EXPECT_EQ(document["kind"], "names");
    ASSERT_EQ(document["Hassin"].size(), 30u);
    ASSERT_EQ(document["Jusin"].size(), 30u);
    EXPECT_EQ(document["Hassin"][0]["meishou"], "S");
    EXPECT_EQ(document["Hassin"][0]["kaisuu"], 4);
    EXPECT_EQ(document["Hassin"][0]["hiniti"], "2024-01-01T00:00:00");
    EXPECT_EQ(document["Hassin"][29]["meishou"], "");

    document = dump("HassinJusinList.dat", image.substr(0, 100));
    EXPECT_EQ(status, kSuccess);
    EXPECT_LT(document["Hassin"].size(), 30u);
    EXPECT_NE(err.str().find("HassinJusinList.dat:Jusin[2].hiniti:"), std::string::npos);
}

TEST_F(DumpRegisterTest, PostAndNameListsPrintTenSlots) {
    std::string image;
    for (int i = 0; i < 10; ++i) image += slotBytes(i < 2 ? "P" : "", 2 - i, day(2024, 1, 1));
    Json document = dump("SimeiList.dat", image);
    ASSERT_EQ(status, kSuccess);
    EXPECT_EQ(document["kind"], "names10");
    ASSERT_EQ(document["records"].size(), 10u);
    EXPECT_EQ(document["records"][9]["kaisuu"], -7);

    document = dump("SimeiList.dat", image.substr(0, 30));
    EXPECT_EQ(status, kSuccess);
    EXPECT_EQ(document["records"].size(), 1u);
    EXPECT_NE(err.str().find("SimeiList[1]."), std::string::npos);
}

TEST_F(DumpRegisterTest, ApproversWithAndWithoutTheTag) {
    std::string items;
    for (int k = 0; k < 16; ++k) items += shortString("I" + std::to_string(k));
    Json document =
        dump("KessaiKubun.dat", shortString("1.000") + bunrako::testing::int32Bytes(1) + items);
    ASSERT_EQ(status, kSuccess);
    EXPECT_EQ(document["kind"], "approvers");
    EXPECT_EQ(document["version"], "1.000");
    EXPECT_EQ(document["kessaiShubetsu"], 1);
    EXPECT_EQ(document["Kessaisha"],
              Json::parse(R"([["I0","I2","I4","I6"],["I8","I10","I12","I14"]])"));
    EXPECT_EQ(document["Kessaikigou"][1][3], "I15");

    document = dump("KessaiKubun.dat", items);
    EXPECT_TRUE(document["version"].is_null());
    EXPECT_EQ(document["kessaiShubetsu"], 0);
    EXPECT_EQ(document["Kessaisha"][0][0], "I0");

    document = dump("KessaiKubun.dat",
                    shortString("1.000") + bunrako::testing::int32Bytes(0) + items.substr(0, 9));
    EXPECT_EQ(status, kSuccess);
    EXPECT_EQ(document["Kessaisha"][0][1], "I2");
    EXPECT_TRUE(document["Kessaikigou"][0][1].is_null());
    EXPECT_NE(err.str().find("Kessaikigou[0][1]"), std::string::npos);
}

}  // namespace
}  // namespace bunrako::cli
