#include <gtest/gtest.h>

#include <random>

#include "catalogue/kanren_file.h"
#include "catalogue/sakuin_mokuroku_file.h"
#include "catalogue/touroku_tyouhyou.h"
#include "support/catalogue_bytes.h"
#include "support/fake_prompt.h"
#include "support/temp_folder.h"

namespace bunrako {
namespace {

using namespace testing;

// Random tails after each known beginning: the readers must neither crash nor
// read past the data nor believe a length or count beyond it.
std::vector<std::string> randomFiles(const std::vector<std::string>& beginnings, int perBeginning) {
    std::mt19937 random(20240401);
    std::vector<std::string> files;
    for (const std::string& beginning : beginnings) {
        for (int i = 0; i < perBeginning; ++i) {
            std::string file = beginning;
            const size_t length = random() % 3000;
            for (size_t b = 0; b < length; ++b) file.push_back(static_cast<char>(random() & 0xFF));
            files.push_back(file);
        }
    }
    return files;
}

TEST(RandomBytesTest, CatalogueReader) {
    const OleDateTime now = OleDateTime::fromDate(2021, 1, 1);
    for (const std::string& file : randomFiles(
             {"", "S", bytes::fixed("SakuinMokurokuVer316", 21),
              bytes::fixed("SakuinMokurokuVer200", 21), bytes::fixed("SakuinMokurokuVer201", 21),
              bytes::archiveString("1") + bytes::archiveDate(1.0)},
             200)) {
        const CatalogueImage image = parseCatalogueFile(file, now);
        EXPECT_LE(image.entries.size(), file.size() / 100);
    }
}

TEST(RandomBytesTest, RelatedListAndRegisteredFormReaders) {
    TempFolder folder;
    FakePrompt prompt;
    const auto path = folder / "x.dat";
    for (const std::string& file : randomFiles(
             {"", bytes::archiveString("Ver20090801"), bytes::fixed("Ver20030101", 15)}, 100)) {
        writeBytes(path, file);
        CKanrenFile related(prompt, path);
        related.Load();
        EXPECT_LE(related.records().size(), file.size() / 8);
        const CTourokuTyouhyou forms(prompt, path);
        EXPECT_LE(forms.records().size(), file.size() / 597);
    }
}

}  // namespace
}  // namespace bunrako
