#include "common/version.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

namespace bunrako {
namespace {

struct ArgumentsCase {
    std::vector<const char*> arguments;
    bool asks;
};

void PrintTo(const ArgumentsCase& c, std::ostream* out) {
    if (c.arguments.empty()) *out << "(none)";
    for (const char* argument : c.arguments) *out << argument << ' ';
}

class VersionArguments : public ::testing::TestWithParam<ArgumentsCase> {};

TEST_P(VersionArguments, OnlyTheVersionOptionAsks) {
    const ArgumentsCase& c = GetParam();
    EXPECT_EQ(AsksForVersion(static_cast<int>(c.arguments.size()), c.arguments.data()), c.asks);
}

INSTANTIATE_TEST_SUITE_P(CommandLines, VersionArguments,
                         ::testing::Values(ArgumentsCase{{}, false},
                                           ArgumentsCase{{"--version"}, true},
                                           ArgumentsCase{{"-platform", "xcb", "--version"}, true},
                                           ArgumentsCase{{"-version"}, false},
                                           ArgumentsCase{{"--versions"}, false}));

}  // namespace
}  // namespace bunrako
