#include "shell/LaunchOptions.h"

#include <gtest/gtest.h>

namespace quillmere {
namespace {

TEST(LaunchOptions, ReadTheScenarioAndTheDumpFileAndLeaveOtherArgumentsAlone) {
    const auto options =
        LaunchOptions::parse({"-psn_0_1234", "--scenario", "desk.json", "--dump-desktop", "/tmp/d.txt"});
    ASSERT_TRUE(options.ok());
    EXPECT_EQ(options->scenario, "desk.json");
    EXPECT_EQ(options->dumpDesktop, "/tmp/d.txt");
    EXPECT_FALSE(LaunchOptions::parse({}).value().scenario.has_value());
}

TEST(LaunchOptions, RefuseAnOptionWithoutItsFile) {
    for (const auto& arguments : {std::vector<std::string>{"--scenario"}, {"--dump-desktop", ""}}) {
        const auto options = LaunchOptions::parse(arguments);
        ASSERT_FALSE(options.ok());
        EXPECT_EQ(options.error(), arguments[0] + " needs a file");
    }
}

} // namespace
} // namespace quillmere
