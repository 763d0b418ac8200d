#pragma once

#include <filesystem>

namespace bunrako::testing {

// Makes folder the current folder for as long as it lives. Bare register
// file names are relative to the current folder: tests that load a default
// settings record work inside their temporary folder.
class InsideFolder {
  public:
    explicit InsideFolder(const std::filesystem::path& folder)
        : m_previous(std::filesystem::current_path()) {
        std::filesystem::current_path(folder);
    }
    ~InsideFolder() { std::filesystem::current_path(m_previous); }
    InsideFolder(const InsideFolder&) = delete;
    InsideFolder& operator=(const InsideFolder&) = delete;

  private:
    std::filesystem::path m_previous;
};

}  // namespace bunrako::testing
