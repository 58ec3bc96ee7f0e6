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
    EXPECT_FALSE(options->simulated);
    EXPECT_FALSE(LaunchOptions::parse({}).value().scenario.has_value());
    EXPECT_TRUE(LaunchOptions::parse({"-psn_0_1234", "--simulated"}).value().simulated);
    // A file may be called like the option.
    EXPECT_FALSE(LaunchOptions::parse({"--dump-desktop", "--simulated"}).value().simulated);
}

TEST(LaunchOptions, RefuseAnOptionWithoutItsFile) {
    for (const auto& arguments : {std::vector<std::string>{"--scenario"}, {"--dump-desktop", ""}}) {
        const auto options = LaunchOptions::parse(arguments);
        ASSERT_FALSE(options.ok());
        EXPECT_EQ(options.error(), arguments[0] + " needs a file");
    }
}

TEST(LaunchOptions, WithAScenarioInPlaceOfTheOneGiven) {
    struct Case {
        std::vector<std::string> given;
        std::vector<std::string> expected;
    };
    for (const Case& c : std::vector<Case>{
             {{}, {"--scenario", "now.json"}},
             {{"--scenario", "start.json"}, {"--scenario", "now.json"}},
             {{"-psn_0_1", "--scenario", "a.json", "--dump-desktop", "d.txt", "--scenario", "b.json"},
              {"-psn_0_1", "--dump-desktop", "d.txt", "--scenario", "now.json"}},
             // A file may be called like the option.
             {{"--dump-desktop", "--scenario"}, {"--dump-desktop", "--scenario", "--scenario", "now.json"}},
         }) {
        const auto arguments = LaunchOptions::withScenario(c.given, "now.json");
        EXPECT_EQ(arguments, c.expected);
        EXPECT_EQ(LaunchOptions::parse(arguments).value().scenario, "now.json");
    }
}

} // namespace
} // namespace quillmere
