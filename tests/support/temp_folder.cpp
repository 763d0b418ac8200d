#include "support/temp_folder.h"

#include <atomic>
#include <fstream>
#include <random>
#include <sstream>

namespace bunrako::testing {

TempFolder::TempFolder() {
    static std::atomic<int> counter{0};
    std::random_device random;
    std::ostringstream name;
    name << "bunrako-test-" << random() << "-" << counter++;
    m_path = std::filesystem::temp_directory_path() / name.str();
    std::filesystem::create_directories(m_path);
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::permissions(m_path, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(m_path, ignored);
}

std::string readBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void writeBytes(const std::filesystem::path& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace bunrako::testing
