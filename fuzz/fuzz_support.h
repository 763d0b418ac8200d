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

// This process's own folder for its inputs, in memory where the system has
// such a folder (every input is written once), removed when the run ends.
class InputFolder {
  public:
    InputFolder() {
        std::error_code error;
        const std::filesystem::path memory = "/dev/shm";
        const auto base = std::filesystem::is_directory(memory, error)
                              ? memory
                              : std::filesystem::temp_directory_path();
        m_path = base / ("bunrako-fuzz-" + std::to_string(platform::processId()));
        std::filesystem::create_directories(m_path);
    }
    ~InputFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    const std::filesystem::path& path() const { return m_path; }

  private:
    std::filesystem::path m_path;
};

inline const std::filesystem::path& inputFolder() {
    static const InputFolder folder;
    return folder.path();
}

// Writes the input to the named file of this process's folder.
inline std::filesystem::path inputFile(const uint8_t* data, size_t size, const char* name) {
    const std::filesystem::path path = inputFolder() / name;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    return path;
}

}  // namespace bunrako::fuzz
