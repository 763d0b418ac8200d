#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace bunrako::testing {

// A fresh folder under the system temporary folder, removed with its contents
// when the object goes.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    std::filesystem::path operator/(std::string_view name) const {
        return m_path / std::filesystem::u8path(name);
    }

  private:
    std::filesystem::path m_path;
};

// Whole-file helpers for building inputs and checking outputs byte for byte.
std::string readBytes(const std::filesystem::path& path);
void writeBytes(const std::filesystem::path& path, std::string_view bytes);

}  // namespace bunrako::testing
