#include "core/Command.h"
#include "support/Printers.h"

#include <gtest/gtest.h>
#include <limits>
#include <set>

namespace quillmere {
namespace {

using C = Command;

Command place(Region::Edge edge) {
    return {C::Place{Region{edge}}};
}

struct RoundTrip {
    std::string text;
    std::optional<Command> parsed;
    // What the parsed command prints; empty when it prints the text itself.
    std::string printed = "";
    // The printed text reads back as a different command: a truncated amount or a rounded share.
    bool lossy = false;
};

std::ostream& operator<<(std::ostream& out, const RoundTrip& row) {
    return out << "\"" << row.text << "\"";
}

class CommandRoundTripTest : public testing::TestWithParam<RoundTrip> {};

TEST_P(CommandRoundTripTest, ParsesPrintsAndParsesBack) {
    const auto& row = GetParam();
    const auto parsed = Command::parse(row.text);
    ASSERT_EQ(parsed, row.parsed);
    if (!parsed)
        return;
    const auto printed = row.printed.empty() ? row.text : row.printed;
    EXPECT_EQ(parsed->text(), printed);
    const auto reparsed = Command::parse(printed);
    ASSERT_TRUE(reparsed.has_value());
    EXPECT_EQ(reparsed->text(), printed);
    if (!row.lossy) {
        EXPECT_EQ(reparsed, parsed);
    }
}

const RoundTrip roundTrips[] = {
    // Words: spaces only, exact case, no empty text.
    {"", std::nullopt},
    {"    ", std::nullopt},
    {"focus", std::nullopt},
    {"  focus   west  ", C{C::Focus{Direction::west}}, "focus west"},
    {"Focus west", std::nullopt},
    {"focus West", std::nullopt},
    {"\tfocus west", std::nullopt},
    {"focus\twest", std::nullopt},
    {"focus west\t", std::nullopt},
    // Extra words are ignored, but not after a single-word command or one of the exact forms.
    {"focus west now", C{C::Focus{Direction::west}}, "focus west"},
    {"zoom now", std::nullopt},
    {"fullscreen pair now", std::nullopt},
    {"toggle dim now", std::nullopt},
    {"space fullscreen next now", std::nullopt},
    {"send display next now", std::nullopt},
    {"layout stack please", C{C::SetLayout{LayoutMode::stack}}, "layout stack"},
    {"pop out now", C{C::PopOut{}}, "pop out"},
    {"space last now", C{C::LastSpace{}}, "space last"},
    // Directions.
    {"swap east", C{C::Swap{Direction::east}}},
    {"preselect north", C{C::Preselect{Direction::north}}},
    {"join south", C{C::Join{Direction::south}}},
    {"join up", std::nullopt},
    // Desktop numbers.
    {"space 3", C{C::FocusSpace{3}}},
    {"space +3", C{C::FocusSpace{3}}, "space 3"},
    {"space 03", C{C::FocusSpace{3}}, "space 3"},
    {"space -1", C{C::FocusSpace{-1}}},
    {"space 0", C{C::FocusSpace{0}}},
    {"space -9223372036854775808", C{C::FocusSpace{std::numeric_limits<std::int64_t>::min()}}},
    {"space 9223372036854775808", std::nullopt},
    {"space 3.0", std::nullopt},
    {"space x", std::nullopt},
    {"space", std::nullopt},
    {"send 10", C{C::SendToSpace{10}}},
    {"send +7 later", C{C::SendToSpace{7}}, "send 7"},
    {"send 1e1", std::nullopt},
    // Steps.
    {"space next", C{C::StepSpace{true}}},
    {"space prev", C{C::StepSpace{false}}},
    {"space last", C{C::LastSpace{}}},
    {"space fullscreen prev", C{C::StepFullScreen{false}}},
    {"space fullscreen next", C{C::StepFullScreen{true}}},
    {"space fullscreen", std::nullopt},
    {"space fullscreen last", std::nullopt},
    {"send display next", C{C::SendToDisplay{true}}},
    {"send display prev", C{C::SendToDisplay{false}}},
    {"send display", std::nullopt},
    {"send next", C{C::SendStep{true}}},
    {"send prev", C{C::SendStep{false}}},
    {"display next", C{C::FocusDisplay{true}}},
    {"display previous", std::nullopt},
    {"stack prev", C{C::CycleStack{false}}},
    {"stack next", C{C::CycleStack{true}}},
    // Border amounts: truncated toward zero when printed; refused when they cannot be printed as an integer.
    {"border horizontal -100", C{C::MoveBorder{Axis::horizontal, -100}}},
    {"border vertical 100 more", C{C::MoveBorder{Axis::vertical, 100}}, "border vertical 100"},
    {"border horizontal 0.5", C{C::MoveBorder{Axis::horizontal, 0.5}}, "border horizontal 0", true},
    {"border vertical 12.9", C{C::MoveBorder{Axis::vertical, 12.9}}, "border vertical 12", true},
    {"border vertical -12.9", C{C::MoveBorder{Axis::vertical, -12.9}}, "border vertical -12", true},
    {"border horizontal +3", C{C::MoveBorder{Axis::horizontal, 3}}, "border horizontal 3"},
    {"border horizontal 3.0", C{C::MoveBorder{Axis::horizontal, 3}}, "border horizontal 3"},
    {"border horizontal 0x10", C{C::MoveBorder{Axis::horizontal, 16}}, "border horizontal 16"},
    {"border horizontal 1e2", C{C::MoveBorder{Axis::horizontal, 100}}, "border horizontal 100"},
    {"border horizontal 1e-400", C{C::MoveBorder{Axis::horizontal, 0}}, "border horizontal 0"},
    {"border horizontal 9.2e18", C{C::MoveBorder{Axis::horizontal, 9.2e18}},
     "border horizontal 9200000000000000000"},
    {"border horizontal -9223372036854775808", std::nullopt},
    {"border horizontal 1e19", std::nullopt},
    {"border horizontal 1e400", std::nullopt},
    {"border horizontal inf", std::nullopt},
    {"border horizontal -infinity", std::nullopt},
    {"border horizontal nan", std::nullopt},
    {"border horizontal \t5", std::nullopt},
    {"border horizontal 5\t", std::nullopt},
    {"border horizontal 5px", std::nullopt},
    {"border horizontal", std::nullopt},
    {"border diagonal 5", std::nullopt},
    // Layouts, mirrors and rotations.
    {"layout bsp", C{C::SetLayout{LayoutMode::bsp}}},
    {"layout float", C{C::SetLayout{LayoutMode::float_}}},
    {"layout Float", std::nullopt},
    {"mirror vertical", C{C::Mirror{Axis::vertical}}},
    {"rotate 90", C{C::Rotate{Rotation::quarter}}},
    {"rotate 180", C{C::Rotate{Rotation::half}}},
    {"rotate 270", C{C::Rotate{Rotation::threeQuarter}}},
    {"rotate 45", std::nullopt},
    // Names: every word after the first, joined by single spaces; tabs belong to the words.
    {"capture   Work   Day  Two ", C{C::Capture{"Work Day Two"}}, "capture Work Day Two"},
    {"load Work", C{C::Load{"Work"}}},
    {"load a\tb", C{C::Load{"a\tb"}}},
    {"capture", std::nullopt},
    {"capture\tWork", std::nullopt},
    // Regions.
    {"place left", place({Direction::west, std::nullopt})},
    {"place left 2/3", place({Direction::west, 2.0 / 3.0})},
    {"place right 3/4", place({Direction::east, 0.75})},
    {"place left 0.333", place({Direction::west, 0.333}), "place left 1/3", true},
    {"place top 0.4", place({Direction::north, 0.4})},
    {"place bottom 0.05", place({Direction::south, 0.05})},
    {"place bottom 0.95", place({Direction::south, 0.95})},
    {"place left 0.04", std::nullopt},
    {"place left 1/25", std::nullopt},
    {"place left 0.96", std::nullopt},
    {"place left 1/2 more", std::nullopt},
    {"place top-left", C{C::Place{Region{Region::Corner{Direction::north, Direction::west}}}}},
    {"place top--left", C{C::Place{Region{Region::Corner{Direction::north, Direction::west}}}},
     "place top-left"},
    {"place left-top", std::nullopt},
    {"place top-left 1/2", std::nullopt},
    {"place bottom-center-sixth", C{C::Place{Region{Region::Sixth{1, 1}}}}},
    {"place middle-left-sixth", std::nullopt},
    {"place column", C{C::Place{Region{Region::Column{}}}}},
    {"place center", C{C::Place{Region{Region::Center{}}}}},
    {"place center 1/3", std::nullopt},
    {"place", std::nullopt},
    // Toggles.
    {"toggle spacing", C{C::Toggle{SettingToggle::spacing}}},
    {"toggle border", C{C::Toggle{SettingToggle::border}}},
    {"toggle dim", C{C::Toggle{SettingToggle::dim}}},
    {"toggle Dim", std::nullopt},
    {"toggle", std::nullopt},
    // Two-word forms of their own.
    {"pop out", C{C::PopOut{}}},
    {"pop in", C{C::PopIn{}}},
    {"pop", std::nullopt},
    {"pop up", std::nullopt},
    {"fullscreen pair", C{C::FullScreenPair{}}},
    {"fullscreen next", std::nullopt},
    // Single words.
    {"zoom", C{C::ToggleZoom{}}},
    {"float", C{C::ToggleFloat{}}},
    {"balance", C{C::Balance{}}},
    {"retile", C{C::Retile{}}},
    {"close", C{C::Close{}}},
    {"split", C{C::ToggleSplit{}}},
    {"grow", C{C::Resize{true}}},
    {" shrink ", C{C::Resize{false}}, "shrink"},
    {"restore", C{C::Restore{}}},
    {"pause", C{C::TogglePause{}}},
    {"settings", C{C::OpenSettings{}}},
    {"fullscreen", C{C::ToggleFullScreen{}}},
    {"send", std::nullopt},
    {"dance", std::nullopt},
};

INSTANTIATE_TEST_SUITE_P(Table, CommandRoundTripTest, testing::ValuesIn(roundTrips));

TEST(CommandRoundTripTest, TheTableReachesEveryCase) {
    std::set<std::size_t> cases;
    for (const auto& row : roundTrips)
        if (row.parsed)
            cases.insert(row.parsed->value.index());
    EXPECT_EQ(cases.size(), std::variant_size_v<decltype(Command::value)>);
    EXPECT_EQ(cases.size(), 35u);
}

// Values built elsewhere: menus and the Profiles editor construct commands without going through the text.
TEST(CommandPrinterTest, ValuesThatHaveNoExactTextPrintWithoutHarm) {
    EXPECT_EQ((C{C::Capture{""}}.text()), "capture ");
    EXPECT_FALSE(Command::parse("capture "));
    EXPECT_EQ((C{C::Load{" a  b "}}.text()), "load  a  b ");
    EXPECT_EQ(Command::parse("load  a  b "), (C{C::Load{"a b"}}));

    const auto column = C{C::Place{Region{Region::Column{std::pair{0.25, 0.75}}}}};
    EXPECT_EQ(column.text(), "place column");
    EXPECT_EQ(Command::parse(column.text()), (C{C::Place{Region{Region::Column{}}}}));

    // Amounts the integer form cannot hold are written as numbers, which the parser refuses too.
    EXPECT_EQ((C{C::MoveBorder{Axis::horizontal, std::numeric_limits<double>::infinity()}}.text()),
              "border horizontal inf");
    EXPECT_EQ((C{C::MoveBorder{Axis::vertical, -1e300}}.text()), "border vertical -1e+300");
    EXPECT_FALSE(Command::parse("border vertical -1e+300"));
    EXPECT_EQ((C{C::MoveBorder{Axis::vertical, -0.9}}.text()), "border vertical 0");
}

TEST(CommandEqualityTest, ComparesCaseAndArguments) {
    EXPECT_EQ((C{C::MoveBorder{Axis::horizontal, 100}}), (C{C::MoveBorder{Axis::horizontal, 100.0}}));
    EXPECT_NE((C{C::MoveBorder{Axis::horizontal, 100}}), (C{C::MoveBorder{Axis::vertical, 100}}));
    EXPECT_NE((C{C::FocusSpace{3}}), (C{C::SendToSpace{3}}));
    EXPECT_NE((C{C::StepSpace{true}}), (C{C::SendStep{true}}));
    EXPECT_NE((C{C::PopOut{}}), (C{C::PopIn{}}));
    EXPECT_NE(place({Direction::west, std::nullopt}), place({Direction::west, 0.5}));
    EXPECT_NE((C{C::Capture{"a"}}), (C{C::Load{"a"}}));
}

} // namespace
} // namespace quillmere
