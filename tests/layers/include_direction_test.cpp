// The folders of src/ are the map of the program: each folder includes only
// the folders below it, and only the Qt side includes Qt. This test reads
// every #include line and names the file and line of each one against that.
#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <optional>
#include <regex>
#include <string>
#include <vector>

#include "support/temp_folder.h"

namespace bunrako {
namespace {

namespace fs = std::filesystem;

// The core folders, lowest first.
constexpr std::array<std::string_view, 6> kCoreOrder = {"common",    "settings", "volumes",
                                                        "catalogue", "register", "office"};
// The Qt side (every <folder>/ui/) and the tool stand side by side above the core.
constexpr int kTopRank = static_cast<int>(kCoreOrder.size());

struct Layer {
    std::string folder;  // "volumes", "volumes/ui", "tool", "" for src/main.cpp
    int rank = 0;
    bool ui = false;
};

std::optional<Layer> layerOf(const fs::path& relative) {
    auto part = relative.begin();
    if (part == relative.end()) return std::nullopt;
    const std::string top = part->generic_string();
    if (std::next(part) == relative.end()) return Layer{"", kTopRank + 1, true};  // src/main.cpp
    const std::string second = std::next(part)->generic_string();
    if (second == "ui") return Layer{top + "/ui", kTopRank, true};
    if (top == "tool") return Layer{top, kTopRank, false};
    for (std::size_t i = 0; i < kCoreOrder.size(); ++i) {
        if (kCoreOrder[i] == top) return Layer{top, static_cast<int>(i), false};
    }
    return std::nullopt;
}

std::string whyForbidden(const Layer& from, const Layer& to) {
    if (from.folder == to.folder || from.folder.empty()) return {};
    if (to.rank > from.rank) return "includes " + to.folder + ", a layer above " + from.folder;
    if (to.rank == from.rank && from.ui != to.ui)
        return "includes " + to.folder + ", beside " + from.folder;
    return {};
}

// Every include of a file under root against the order, as "path:line: why".
std::vector<std::string> includeViolations(const fs::path& root) {
    static const std::regex include(R"(^\s*#\s*include\s*([<"])([^>"]+)[>"])");
    static const std::regex qtHeader(R"(^Q[A-Za-z]*(/.*)?$|^qt[A-Za-z]*/)");
    std::vector<std::string> found;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        const auto ext = entry.path().extension();
        if (!entry.is_regular_file() || (ext != ".h" && ext != ".cpp")) continue;
        const fs::path relative = fs::relative(entry.path(), root);
        const auto from = layerOf(relative);
        if (!from) continue;
        std::ifstream in(entry.path());
        std::string line;
        for (int number = 1; std::getline(in, line); ++number) {
            std::smatch match;
            if (!std::regex_search(line, match, include)) continue;
            const std::string header = match[2];
            std::string why;
            if (match[1] == "<") {
                if (!from->ui && std::regex_search(header, qtHeader))
                    why = "includes Qt outside a ui/ folder";
            } else if (header.find('/') != std::string::npos) {
                if (const auto to = layerOf(fs::path(header))) why = whyForbidden(*from, *to);
            }
            if (!why.empty()) {
                found.push_back(relative.generic_string() + ":" + std::to_string(number) + ": " +
                                why);
            }
        }
    }
    return found;
}

std::string joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines) text += line + "\n";
    return text;
}

TEST(IncludeDirection, SourcesFollowTheLayerOrder) {
    const auto found = includeViolations(BUNRAKO_SOURCE_DIR);
    EXPECT_TRUE(found.empty()) << joined(found);
}

struct IncludeCase {
    const char* file;
    const char* line;
    bool allowed;
};

class IncludeRule : public ::testing::TestWithParam<IncludeCase> {};

TEST_P(IncludeRule, IsJudgedByTheFoldersOfBothEnds) {
    testing::TempFolder tree;
    const fs::path file = tree / GetParam().file;
    fs::create_directories(file.parent_path());
    testing::writeBytes(file, std::string(GetParam().line) + "\n");
    const auto found = includeViolations(tree.path());
    EXPECT_EQ(found.empty(), GetParam().allowed) << joined(found);
    if (!found.empty()) {
        EXPECT_EQ(found[0].rfind(std::string(GetParam().file) + ":1: ", 0), 0u) << found[0];
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IncludeRule,
    ::testing::Values(IncludeCase{"volumes/a.cpp", "#include \"settings/b.h\"", true},
                      IncludeCase{"volumes/a.cpp", "#include \"volumes/b.h\"", true},
                      IncludeCase{"register/a.h", "#include \"catalogue/b.h\"", true},
                      IncludeCase{"catalogue/a.cpp", "#include \"register/b.h\"", false},
                      IncludeCase{"settings/a.cpp", "#include \"office/b.h\"", false},
                      IncludeCase{"common/a.cpp", "  #  include \"volumes/b.h\"", false},
                      IncludeCase{"office/a.cpp", "#include \"office/ui/b.h\"", false},
                      IncludeCase{"volumes/a.cpp", "#include \"tool/b.h\"", false},
                      IncludeCase{"tool/a.cpp", "#include \"office/ui/b.h\"", false},
                      IncludeCase{"office/ui/a.cpp", "#include \"tool/b.h\"", false},
                      IncludeCase{"volumes/ui/a.cpp", "#include \"office/ui/b.h\"", true},
                      IncludeCase{"office/ui/a.cpp", "#include <QWidget>", true},
                      IncludeCase{"main.cpp", "#include <QApplication>", true},
                      IncludeCase{"office/a.cpp", "#include <QString>", false},
                      IncludeCase{"tool/a.cpp", "#include <QtCore/QString>", false},
                      IncludeCase{"common/a.cpp", "#include <queue>", true}));

}  // namespace
}  // namespace bunrako
