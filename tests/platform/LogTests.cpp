#include "platform/CapturingLogSink.h"
#include "platform/Log.h"
#include "platform/StandardErrorLogSink.h"

#include <cstdint>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace quillmere {
namespace {

struct FormatCase {
    std::string expected;
    std::string format;
    // Texts are held as views: only literals and long-lived strings here.
    std::vector<LogArgument> arguments;
};

void PrintTo(const FormatCase& formatCase, std::ostream* out) {
    *out << '"' << formatCase.format << '"';
}

class LogFormatTest : public testing::TestWithParam<FormatCase> {};

TEST_P(LogFormatTest, FormatsLikePrintfWithTheMarksOfTheUnifiedLog) {
    EXPECT_EQ(formatLogMessage(GetParam().format, GetParam().arguments), GetParam().expected);
}

const std::string display = "Built-in Retina Display";

INSTANTIATE_TEST_SUITE_P(
    Cases, LogFormatTest,
    testing::Values(
        // The formats as the window manager writes them.
        FormatCase{"switch Built-in Retina Display 2 → 4: 2 step(s) right, moving the pointer there first",
                   "switch %{public}s %{public}s → %{public}s: %ld step(s) %{public}s%{public}s",
                   {display, "2", "4", 2L, "right", ", moving the pointer there first"}},
        FormatCase{"tracked 4294967295 Safari on space 0 floating=true",
                   "tracked %u %{public}s on space %ld floating=%{bool}d",
                   {std::uint32_t{0xFFFFFFFF}, "Safari", 0L, true}},
        FormatCase{"floating=false", "floating=%{bool}d", {false}},
        FormatCase{"saving the session failed: No space left on device",
                   "saving the session failed: %{public}s",
                   {"No space left on device"}},
        // Plain printf conversions, with what their length modifiers do.
        FormatCase{
            "-1 4294967295 -1 18446744073709551615 255", "%d %u %ld %llu %hhu", {-1, -1, -1L, -1LL, -1}},
        FormatCase{"#0A0B0C 0x1f 017", "#%02X%02X%02X %#x %#o", {10, 11, 12, 31, 15}},
        FormatCase{"[  42] [42  ] [+42] [007]", "[%4d] [%-4d] [%+d] [%.3d]", {42, 42, 42, 7}},
        FormatCase{"0.150 1e+03 2.5", "%.3f %.0e %g", {0.15, 1000.0, 2.5f}},
        FormatCase{"[  ab] [abc] x", "[%4s] [%.3s] %c", {"ab", "abcdef", 'x'}},
        FormatCase{"Desktop 12345678901", "Desktop %lld", {std::int64_t{12345678901}}},
        FormatCase{"(null)", "%s", {static_cast<const char*>(nullptr)}},
        // An argument of another kind than its conversion is written as itself.
        FormatCase{"7 Safari 2.5 3", "%s %d %d %f", {7, "Safari", 2.5, 3u}},
        // What is not a conversion, or has no argument, is written as it stands.
        FormatCase{"100% sure, %{public and %y", "100%% sure, %{public and %y", {}},
        FormatCase{"a %ld %{public}s", "%s %ld %{public}s", {"a"}},
        FormatCase{"1 trailing %", "%d trailing %", {1, 2}}));

TEST(LogTest, WritesEntriesOfTheSubsystemAndCategoryToTheSink) {
    CapturingLogSink captured;

    log(LogLevel::default_, "config loaded");
    log(LogLevel::error, "%{public}s", std::string("config.json: bad. Still using the last good settings."));

    const std::vector<LogEntry> expected{
        {"com.brenvald.quillmere", "wm", LogLevel::default_, "config loaded"},
        {"com.brenvald.quillmere", "wm", LogLevel::error,
         "config.json: bad. Still using the last good settings."}};
    EXPECT_EQ(captured.entries(), expected);
}

TEST(LogTest, SignpostIntervalsPairTheirBeginAndEnd) {
    CapturingLogSink captured;

    const auto outer = signposter.beginInterval("Load profile");
    const auto inner = signposter.beginInterval("Switch Space");
    signposter.endInterval("Switch Space", inner);
    signposter.endInterval("Load profile", outer);

    ASSERT_EQ(captured.signposts().size(), 4u);
    EXPECT_NE(outer.interval, inner.interval);
    const std::vector<SignpostEntry> expected{
        {"com.brenvald.quillmere", "performance", SignpostEdge::begin, "Load profile", outer.interval},
        {"com.brenvald.quillmere", "performance", SignpostEdge::begin, "Switch Space", inner.interval},
        {"com.brenvald.quillmere", "performance", SignpostEdge::end, "Switch Space", inner.interval},
        {"com.brenvald.quillmere", "performance", SignpostEdge::end, "Load profile", outer.interval}};
    EXPECT_EQ(captured.signposts(), expected);
    EXPECT_TRUE(captured.entries().empty());
}

TEST(LogTest, ACaptureEndsWithItsScopeAndTheOuterSinkIsBack) {
    CapturingLogSink outer;
    {
        CapturingLogSink inner;
        log(LogLevel::default_, "inner");
        EXPECT_EQ(inner.entries().size(), 1u);
    }
    log(LogLevel::default_, "outer");
    ASSERT_EQ(outer.entries().size(), 1u);
    EXPECT_EQ(outer.entries()[0].message, "outer");
}

TEST(LogTest, TheStandardErrorSinkWritesOneLinePerEntry) {
    StandardErrorLogSink sink;
    Logger logger("com.brenvald.quillmere", "wm", sink);
    Signposter signposts("com.brenvald.quillmere", "performance", sink);

    testing::internal::CaptureStderr();
    logger(LogLevel::default_, "window %u back in its old place", 42u);
    logger(LogLevel::error, "%{public}s", "Couldn't save config: Permission denied");
    signposts.endInterval("Layout", signposts.beginInterval("Layout"));
    const auto output = testing::internal::GetCapturedStderr();

    EXPECT_THAT(output,
                testing::MatchesRegex("[0-9:.]{12} \\[wm\\] window 42 back in its old place\n"
                                      "[0-9:.]{12} \\[wm\\] error: Couldn't save config: Permission denied\n"
                                      "[0-9:.]{12} \\[performance\\] begin Layout #1\n"
                                      "[0-9:.]{12} \\[performance\\] end Layout #1\n"));
}

} // namespace
} // namespace quillmere
