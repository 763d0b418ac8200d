#pragma once

// The pieces the volume benchmarks share: a prompt that answers nothing, a
// clock of seconds, and the generated volumes of a large office.

#include <chrono>
#include <string>

#include "common/prompt.h"
#include "volumes/doc_master_data.h"

namespace bunrako::bench {

using Clock = std::chrono::steady_clock;

class SilentPrompt : public Prompt {
  public:
    void showMessage(const std::string&, const std::string&, MessageIcon) override {}
    Answer ask(const std::string&, const std::string&, Buttons, MessageIcon) override {
        return Answer::cancel;
    }
    bool retryOrGiveUp(const std::string&) override { return false; }
};

inline double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// A volume of one of 20 fiscal years, 10 sections and 100 classifications:
// about five titles share each number prefix.
inline CDocMasterData generatedVolume(int i) {
    CDocMasterData volume = CDocMasterData::NewRecord(OleDateTime::fromDate(2001 + i % 20, 4, 1));
    const int section = (i / 20) % 10;
    const int classification = (i / 200) % 100;
    volume.setKaMei("総務課");
    volume.setKakariMei("係" + std::to_string(section));
    volume.setKaBunruiCode("00100" + std::to_string(section) + "0000");
    volume.setDaiBunruiCode(std::to_string(1 + classification / 20));
    volume.setDaiBunruiMei("大分類" + std::to_string(classification / 20));
    volume.setChuuBunruiCode(std::to_string(1 + classification / 4 % 5));
    volume.setChuuBunruiMei("中分類" + std::to_string(classification / 4 % 5));
    volume.setShouBunruiCode(std::to_string(1 + classification % 4));
    volume.setShouBunruiMei("小分類" + std::to_string(classification % 4));
    volume.setTitle("簿冊タイトル第" + std::to_string(i) + "号");
    return volume;
}

}  // namespace bunrako::bench
