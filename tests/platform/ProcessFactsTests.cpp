#include "platform/linux/ProcStat.h"
#include "platform/linux/ProcessFacts.h"

#include <chrono>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>

namespace quillmere {
namespace {

// Fields 3 to 21 of a stat line, before the start time.
const std::string middleFields = "S 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18";

struct StartTicksCase {
    std::string name;
    std::string text;
    std::optional<std::uint64_t> expected;
};

class StartTicksTest : public testing::TestWithParam<StartTicksCase> {};

TEST_P(StartTicksTest, ReadsTheTwentySecondField) {
    EXPECT_EQ(startTicksFromProcessStat(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StartTicksTest,
    testing::Values(StartTicksCase{"Usual", "42 (xterm) " + middleFields + " 987654 23 24 25\n", 987654},
                    StartTicksCase{"LastField", "42 (xterm) " + middleFields + " 987654", 987654},
                    StartTicksCase{"NameWithSpacesAndParentheses",
                                   "42 (my (odd) app) " + middleFields + " 31337 1 2\n", 31337},
                    StartTicksCase{"NameThatLooksLikeFields", "42 (a 1 2 3) " + middleFields + " 555 9\n",
                                   555},
                    StartTicksCase{"TooFewFields", "42 (xterm) S 1 2 3\n", std::nullopt},
                    StartTicksCase{"NoName", "42 xterm " + middleFields + " 987654\n", std::nullopt},
                    StartTicksCase{"NotANumber", "42 (xterm) " + middleFields + " soon 1\n", std::nullopt},
                    StartTicksCase{"Negative", "42 (xterm) " + middleFields + " -5 1\n", std::nullopt},
                    StartTicksCase{"Empty", "", std::nullopt}),
    [](const auto& info) { return info.param.name; });

TEST(ProcessFactsTest, TellsThisProcessLaunchDateAndProgram) {
    const auto launched = processLaunchDate(::getpid());
    ASSERT_TRUE(launched.has_value());
    const auto now = std::chrono::system_clock::now();
    // The kernel counts in ticks from a boot time in whole seconds.
    EXPECT_LE(*launched, now + std::chrono::seconds(1));
    EXPECT_GT(*launched, now - std::chrono::hours(1));
    EXPECT_EQ(processExecutableName(::getpid()), "platform_tests");
}

TEST(ProcessFactsTest, AProcessThatIsGoneHasNoFacts) {
    // Beyond the kernel's largest process id.
    constexpr std::int32_t gone = 1 << 23;
    EXPECT_EQ(processLaunchDate(gone), std::nullopt);
    EXPECT_EQ(processExecutableName(gone), std::nullopt);
}

} // namespace
} // namespace quillmere
