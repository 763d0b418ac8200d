#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "support/temp_folder.h"
#include "support/tool_run.h"
#include "support/volume_bytes.h"
#include "tool/cli.h"

namespace bunrako::cli {
namespace {

using bunrako::testing::runDump;
using bunrako::testing::runTool;
using bunrako::testing::ToolRun;

namespace vb = testing::volume_bytes;

ToolRun dump(const std::filesystem::path& file) { return runDump(file); }

TEST(DumpVolumes, PrintsEveryFieldByItsName) {
    testing::TempFolder folder;
    auto record = vb::volume("502001001 13 3 000199", vb::kYosansho);
    record.value(vb::kReview2DateAt, 0, 2)
        .value(vb::kReview3SpanAt, 5, 1)
        .int32(vb::kDisposedAt, 1)
        .text(vb::kRetentionNameAt, "\x82\x54\x94\x4e")  // ５年
        .byte(vb::kReservedAt, 0x77);
    const std::string bytes = vb::file(1, {record});
    testing::writeBytes(folder / "DocMaster.dat", bytes);

    const ToolRun result = dump(folder / "DocMaster.dat");
    ASSERT_EQ(result.status, kSuccess) << result.err;
    EXPECT_TRUE(result.err.empty());
    const auto document = nlohmann::ordered_json::parse(result.out);
    EXPECT_EQ(document["kind"], "volumes");
    EXPECT_TRUE(document["version"].is_null());
    ASSERT_EQ(document["records"].size(), 1u);
    const auto& v = document["records"][0];
    std::vector<std::string> keys;
    for (const auto& item : v.items()) keys.push_back(item.key());
    const std::vector<std::string> expectedKeys = {"KanriBangou",
                                                   "SakuseiNendo",
                                                   "KaMei",
                                                   "KakariMei",
                                                   "KaBunruiCode",
                                                   "DaiBunruiCode",
                                                   "DaiBunruiMei",
                                                   "ChuuBunruiCode",
                                                   "ChuuBunruiMei",
                                                   "ShouBunruiCode",
                                                   "ShouBunruiMei",
                                                   "Title",
                                                   "Sassuu",
                                                   "ShuunouKaisiNendo",
                                                   "ShuunouShuuryouNendo",
                                                   "HozonShubetuIndex",
                                                   "HozonNengen",
                                                   "ManryouNengetu",
                                                   "Jouyou",
                                                   "Mokuji",
                                                   "Haiki",
                                                   "HaikiNengetu",
                                                   "Minaosi1",
                                                   "Minaosi1Jiki",
                                                   "Minaosi1Nengen",
                                                   "Minaosi2",
                                                   "Minaosi2Jiki",
                                                   "Minaosi2Nengen",
                                                   "Minaosi3",
                                                   "Minaosi3Jiki",
                                                   "Minaosi3Nengen",
                                                   "HozonShubetuMei"};
    EXPECT_EQ(keys, expectedKeys);
    EXPECT_EQ(v["KanriBangou"], "502001001 1 3 3000100");
    EXPECT_EQ(v["SakuseiNendo"], "2020-04-01T00:00:00");
    EXPECT_EQ(v["KaMei"], "総務課");
    EXPECT_EQ(v["Title"], "予算書");
    EXPECT_EQ(v["DaiBunruiCode"], "1");
    EXPECT_EQ(v["Sassuu"], 1);
    EXPECT_EQ(v["HozonShubetuIndex"], 2);
    EXPECT_EQ(v["HozonNengen"], 1830);
    EXPECT_EQ(v["ManryouNengetu"], "2026-04-06T00:00:00");
    EXPECT_EQ(v["Haiki"], 1);
    EXPECT_TRUE(v["Minaosi2Jiki"].is_null());
    EXPECT_EQ(v["Minaosi3Nengen"], "invalid");
    EXPECT_EQ(v["HozonShubetuMei"], "５年");
    // Reading never writes.
    EXPECT_EQ(testing::readBytes(folder / "DocMaster.dat"), bytes);
    EXPECT_FALSE(std::filesystem::exists(folder / "DocMaster.da$"));
}

TEST(DumpVolumes, ATruncatedFilePrintsTheCompleteRecordsAndWhatWasDropped) {
    testing::TempFolder folder;
    const auto a = vb::volume("502001001 1 2 3000100", vb::kYosansho);
    const auto b = vb::volume("502001001 1 2 3000200", vb::kJinji);
    testing::writeBytes(folder / "HaikiDoc.dat", vb::file(5, {a, b}) + std::string(10, 'x'));
    const ToolRun result = dump(folder / "HaikiDoc.dat");
    EXPECT_EQ(result.status, kSuccess);
    const auto document = nlohmann::ordered_json::parse(result.out);
    ASSERT_EQ(document["records"].size(), 2u);
    EXPECT_EQ(document["records"][1]["Title"], "人事");
    EXPECT_NE(result.err.find("件数 5 件のうち完全な 2 件"), std::string::npos) << result.err;
    EXPECT_NE(result.err.find("10 バイト"), std::string::npos) << result.err;
}

TEST(DumpVolumes, EmptyAndUnreadableFiles) {
    testing::TempFolder folder;
    testing::writeBytes(folder / "DocMaster.dat", "");
    ToolRun result = dump(folder / "DocMaster.dat");
    EXPECT_EQ(result.status, kSuccess);
    EXPECT_EQ(nlohmann::ordered_json::parse(result.out)["records"].size(), 0u);

    // A folder named like a volume file cannot be read: nothing on stdout.
    std::filesystem::create_directory(folder / "x");
    std::ostringstream out, err;
    EXPECT_EQ(run({"dump", (folder / "x").string(), "--as", "volumes"}, out, err), kFailure);
    EXPECT_TRUE(out.str().empty());
}

}  // namespace
}  // namespace bunrako::cli
