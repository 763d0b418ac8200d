#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <vector>

#include "support/fake_prompt.h"
#include "support/forms_images.h"
#include "support/temp_folder.h"
#include "support/volume_bytes.h"
#include "volumes/doc_master_list.h"
#include "volumes/hozon_nengen_henkousho_list.h"

namespace bunrako {
namespace {

namespace vb = testing::volume_bytes;

CHozonNengenHenkoushoData formOf(const std::string& image) {
    CHozonNengenHenkoushoData form;
    std::memcpy(static_cast<void*>(&form), image.data(), sizeof form);
    return form;
}

class BatchRemoveTest : public ::testing::Test {
  protected:
    std::filesystem::path file() const { return folder / "DocMaster.dat"; }

    testing::TempFolder folder;
    testing::FakePrompt prompt;
    vb::Record a = vb::volume("502001001 1 2 3000100", vb::kJinji);
    vb::Record b = vb::volume("502001001 1 2 3000200", vb::kYosansho);
    // Same identity as a, another minor classification.
    vb::Record a2 = vb::volume("502001001 1 2 4000100", vb::kJinji)
                        .text(vb::kMinorCodeAt, "4")
                        .text(vb::kMinorNameAt, vb::kKyuuyo);
};

TEST_F(BatchRemoveTest, EachVolumeRemovesItsFirstMatchOnce) {
    testing::writeBytes(file(), vb::file(4, {a, b, a, a2}));
    CDocMasterList list(file(), prompt);
    const std::vector<CDocMasterData> twiceA = {fromBytes(a), fromBytes(a)};
    ASSERT_EQ(list.RemoveVolumes(twiceA), 1);
    EXPECT_EQ(testing::readBytes(file()), vb::file(2, {b, a2}));
}

TEST_F(BatchRemoveTest, NothingMatchedWritesNothing) {
    const std::string bytes = vb::file(1, {b});
    testing::writeBytes(file(), bytes);
    CDocMasterList list(file(), prompt);
    const std::vector<CDocMasterData> gone = {fromBytes(a)};
    EXPECT_EQ(list.RemoveVolumes(gone), 1);
    EXPECT_EQ(testing::readBytes(file()), bytes);
    EXPECT_FALSE(std::filesystem::exists(folder / "DocMaster.da$"));
}

TEST_F(BatchRemoveTest, ATruncatedFileIsNotRewritten) {
    const std::string bytes = vb::file(3, {a, b});
    testing::writeBytes(file(), bytes);
    CDocMasterList list(file(), prompt);
    const std::vector<CDocMasterData> selected = {fromBytes(a)};
    EXPECT_EQ(list.RemoveVolumes(selected), 0);
    EXPECT_EQ(testing::readBytes(file()), bytes);
}

TEST_F(BatchRemoveTest, FormsAreAddedAndRemovedWithOneWrite) {
    const auto path = folder / "Minaosi.dat";
    const std::string x = testing::formImage("X", vb::kApril2020);
    const std::string y = testing::formImage("Y", vb::kApril2020);
    const std::string x2 = testing::formImage("X", vb::kApril2020, "1Y", "PERM");
    CHozonNengenHenkoushoList list(prompt, path);
    const std::vector<CHozonNengenHenkoushoData> added = {formOf(x), formOf(y), formOf(x2)};
    ASSERT_EQ(list.AddAll(added), 1);
    // x2 is the same form as x: it overwrites it.
    EXPECT_EQ(testing::readBytes(path), testing::countWord(2) + x2 + y);
    const std::vector<CHozonNengenHenkoushoData> removed = {formOf(y), formOf(y)};
    ASSERT_EQ(list.RemoveAll(removed), 1);
    EXPECT_EQ(testing::readBytes(path), testing::countWord(1) + x2);

    testing::writeBytes(path, testing::countWord(2) + x);
    EXPECT_EQ(list.RemoveAll(std::vector<CHozonNengenHenkoushoData>{formOf(x)}), 0);
    EXPECT_EQ(testing::readBytes(path), testing::countWord(2) + x);
}

}  // namespace
}  // namespace bunrako
