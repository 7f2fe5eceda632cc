#include "cli/cliapp.h"

#include <sstream>

#include <gtest/gtest.h>

namespace plenara {
namespace {

TEST(CliTest, HelpPrintsTheUsage) {
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(runCli({"--help"}, out, err), 0);
    EXPECT_EQ(out.str().rfind("Usage: plenara-cli", 0), 0u);
    EXPECT_TRUE(err.str().empty());
}

TEST(CliTest, AnUnknownOptionIsAUsageError) {
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(runCli({"--no-such-option"}, out, err), 2);
    EXPECT_TRUE(out.str().empty());
    EXPECT_NE(err.str().find("--no-such-option"), std::string::npos);
    EXPECT_NE(err.str().find("Usage:"), std::string::npos);
}

} // namespace
} // namespace plenara
