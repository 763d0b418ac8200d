#include "tool/cli.h"

#include <gtest/gtest.h>

#include <sstream>

namespace bunrako::cli {
namespace {

TEST(Cli, UnknownCommandIsAUsageError) {
    std::ostringstream out, err;
    EXPECT_EQ(run({"frobnicate"}, out, err), kUsage);
    EXPECT_EQ(run({}, out, err), kUsage);
    EXPECT_TRUE(out.str().empty());
    EXPECT_NE(err.str().find("usage"), std::string::npos);
}

TEST(Cli, HelpPrintsTheUsageOnStandardOutput) {
    for (const char* flag : {"--help", "-h"}) {
        std::ostringstream out, err;
        EXPECT_EQ(run({flag}, out, err), kSuccess);
        EXPECT_EQ(out.str().rfind("usage: bunrako-tool", 0), 0u) << flag;
        EXPECT_TRUE(err.str().empty());
    }
}

TEST(Cli, VersionIsTheBuildsVersion) {
    std::ostringstream out, err;
    EXPECT_EQ(run({"--version"}, out, err), kSuccess);
    EXPECT_EQ(out.str(), "bunrako-tool " BUNRAKO_EXPECTED_VERSION "\n");
    EXPECT_TRUE(err.str().empty());
}

}  // namespace
}  // namespace bunrako::cli
