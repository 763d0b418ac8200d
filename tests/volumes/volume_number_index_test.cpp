#include <gtest/gtest.h>

#include <random>

#include "common/cp932.h"
#include "common/my_tool.h"
#include "support/fake_prompt.h"
#include "support/temp_folder.h"
#include "volumes/doc_master_list.h"
#include "volumes/management_number.h"

namespace bunrako {
namespace {

// The storing rule written out as plain scans over the list, to hold the
// indexed look-ups of the list against.
class ScanningModel {
  public:
    explicit ScanningModel(std::span<const CDocMasterData> start)
        : m_volumes(start.begin(), start.end()) {}

    void add(CDocMasterData volume) {
        size_t same = m_volumes.size();
        for (size_t i = 0; i < m_volumes.size(); ++i) {
            const CDocMasterData& v = m_volumes[i];
            if (v.SakuseiNendo == volume.SakuseiNendo && v.title() == volume.title() &&
                v.kaMei() == volume.kaMei() && v.kakariMei() == volume.kakariMei()) {
                same = i;
                break;
            }
        }
        const std::string prefix = buildNumberPrefix(volume, m_tool);
        int serial = 0;
        int highest = 0;
        for (const CDocMasterData& v : m_volumes) {
            if (std::string(v.KanriBangou).substr(0, 15) != prefix) continue;
            if (v.title() == volume.title()) {
                serial = storedSerial(v);
                break;
            }
            highest = std::max(highest, storedSerial(v));
        }
        setManagementNumber(volume, prefix, serial ? serial : highest + 1);
        if (same < m_volumes.size()) {
            m_volumes[same] = volume;
        } else {
            m_volumes.push_back(volume);
        }
    }
    const std::vector<CDocMasterData>& volumes() const { return m_volumes; }

  private:
    CMyTool m_tool;
    std::vector<CDocMasterData> m_volumes;
};

TEST(VolumeNumbering, ManyAddsWithoutFileAccessNumberAsAScanWould) {
    const char* titles[] = {"予算書", "人事", "給与", "条例", "文書"};
    const char* sections[] = {"庶務係", "経理係", "人事係"};
    const char* minorCodes[] = {"1", "2", "03"};
    std::mt19937 random(20240601);
    auto pick = [&random](size_t count) { return static_cast<size_t>(random() % count); };
    // The list starts from a file whose volumes already hold serials.
    testing::TempFolder folder;
    testing::FakePrompt prompt;
    CDocMasterList list(folder / "DocMaster.dat", prompt);
    for (const char* title : {"予算書", "議事録"}) {
        CDocMasterData stored = CDocMasterData::NewRecord(OleDateTime::fromDate(2019, 5, 1));
        stored.setKaMei("総務課");
        stored.setKakariMei("庶務係");
        stored.setKaBunruiCode("0010010000");
        stored.setDaiBunruiCode("1");
        stored.setChuuBunruiCode("2");
        stored.setShouBunruiCode("1");
        stored.setTitle(title);
        ASSERT_EQ(list.AddOrReplace(stored), 1);
    }
    ASSERT_EQ(list.Read(), 1);
    ScanningModel model(list.records());
    for (int i = 0; i < 600; ++i) {
        CDocMasterData volume = CDocMasterData::NewRecord(
            OleDateTime::fromDate(2019 + static_cast<int>(pick(2)), 5, 1));
        volume.setKaMei("総務課");
        volume.setKakariMei(sections[pick(3)]);
        volume.setKaBunruiCode("0010010000");
        volume.setDaiBunruiCode("1");
        volume.setChuuBunruiCode("2");
        volume.setShouBunruiCode(minorCodes[pick(3)]);
        volume.setTitle(titles[pick(5)]);
        volume.Sassuu = i;
        ASSERT_EQ(list.AddOrReplace(volume, true), 1);
        model.add(volume);
    }
    ASSERT_EQ(list.size(), model.volumes().size());
    for (size_t i = 0; i < list.size(); ++i) {
        EXPECT_EQ(std::string(list[i].KanriBangou), std::string(model.volumes()[i].KanriBangou))
            << i;
        EXPECT_EQ(list[i].Sassuu, model.volumes()[i].Sassuu) << i;
    }
    // 600 adds of 30 identities and the two read: most adds replaced one.
    EXPECT_EQ(list.size(), 31u);
}

}  // namespace
}  // namespace bunrako
