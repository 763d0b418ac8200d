#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "common/clock.h"
#include "common/platform_files.h"
#include "common/prompt.h"

// What every fuzz target shares: a prompt that stays silent, a pinned clock,
// and the file each input is written to, so that the readers run exactly as
// they do on a data folder.
namespace bunrako::fuzz {

class SilentPrompt : public Prompt {
  public:
    void showMessage(const std::string&, const std::string&, MessageIcon) override {}
    Answer ask(const std::string&, const std::string&, Buttons, MessageIcon) override {
        return Answer::cancel;
    }
    bool retryOrGiveUp(const std::string&) override { return false; }
};

class PinnedClock : public Clock {
  public:
    OleDateTime now() const override { return OleDateTime::fromDate(2026, 12, 9); }
};

inline std::string_view bytesOf(const uint8_t* data, size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// This process's own folder for its inputs.
inline const std::filesystem::path& inputFolder() {
    static const std::filesystem::path folder = [] {
        const auto path = std::filesystem::temp_directory_path() /
                          ("bunrako-fuzz-" + std::to_string(platform::processId()));
        std::filesystem::create_directories(path);
        return path;
    }();
    return folder;
}

// Writes the input to the named file of this process's folder.
inline std::filesystem::path inputFile(const uint8_t* data, size_t size, const char* name) {
    const std::filesystem::path path = inputFolder() / name;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    return path;
}

}  // namespace bunrako::fuzz
