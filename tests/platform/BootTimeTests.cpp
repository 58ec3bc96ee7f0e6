#include "platform/BootTime.h"
#include "platform/linux/ProcStat.h"

#include <chrono>
#include <gtest/gtest.h>
#include <string>

namespace quillmere {
namespace {

struct ProcStatCase {
    std::string name;
    std::string text;
    std::optional<std::int64_t> expected;
};

class ProcStatTest : public testing::TestWithParam<ProcStatCase> {};

TEST_P(ProcStatTest, ReadsTheBootTimeLine) {
    EXPECT_EQ(bootTimeFromProcStat(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProcStatTest,
    testing::Values(
        ProcStatCase{"Usual", "cpu  1 2 3\nintr 5 6\nctxt 99\nbtime 1714370000\nprocesses 12\n", 1714370000},
        ProcStatCase{"LastLineWithoutNewline", "ctxt 99\nbtime 1714370000", 1714370000},
        ProcStatCase{"Missing", "cpu  1 2 3\nctxt 99\n", std::nullopt},
        ProcStatCase{"Empty", "", std::nullopt}, ProcStatCase{"NotANumber", "btime soon\n", std::nullopt},
        ProcStatCase{"TrailingText", "btime 1714370000x\n", std::nullopt},
        ProcStatCase{"Zero", "btime 0\n", std::nullopt}, ProcStatCase{"Negative", "btime -5\n", std::nullopt},
        ProcStatCase{"TooLarge", "btime 99999999999999999999\n", std::nullopt},
        ProcStatCase{"OnlyAsALabel", "xbtime 5\nbtimes 6\n", std::nullopt}),
    [](const auto& info) { return info.param.name; });

TEST(BootTimeTest, TheKernelGivesABootTimeInThePast) {
    const auto boot = bootTime();
    ASSERT_TRUE(boot.has_value());
    const auto now =
        std::chrono::duration_cast<std::chrono::seconds>(std::chrono::system_clock::now().time_since_epoch())
            .count();
    EXPECT_GT(*boot, 0);
    EXPECT_LE(*boot, now);
    EXPECT_EQ(bootTime(), boot);
}

} // namespace
} // namespace quillmere
