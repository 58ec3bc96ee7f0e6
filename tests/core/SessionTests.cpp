#include "core/Session.h"
#include "support/Snapshots.h"

#include <gtest/gtest.h>
#include <set>

namespace quillmere {
namespace {

using snapshots::h;
using snapshots::ref;
using snapshots::tile;
using snapshots::v;

using Kind = DecodingError::Kind;

std::string spaceWith(std::string_view windows, std::string_view more = "") {
    return R"({"boot": 1700000000, "windowServer": 381, "spaces": [{"id": 5, "layout": {"space": 1},
        "windows": )" +
           std::string(windows) + std::string(more) + "}]}";
}

Session decoded(std::string_view text) {
    const auto result = decodeSession(text);
    EXPECT_TRUE(result.ok()) << text << "\n" << (result.ok() ? "" : result.error().text());
    return result.ok() ? result.value() : Session{};
}

TEST(SessionCodingTest, TheWindowsArrayAlternatesReferenceAndIdAndARepeatedReferenceKeepsItsLastId) {
    const Session session = decoded(spaceWith(R"(["a.app#0", 101, "b.app#1", 102, "a.app#0", 103])"));
    ASSERT_EQ(session.spaces.size(), 1u);
    const std::map<WindowRef, WindowId> expected{{ref("a.app", 0), 103}, {ref("b.app", 1), 102}};
    EXPECT_EQ(session.spaces[0].windows, expected);
    EXPECT_EQ(session.spaces[0].configuredMode, std::nullopt);
    EXPECT_EQ(session.spaces[0].layout, SpaceSnapshot{.space = 1});
}

TEST(SessionCodingTest, EveryFieldRoundTripsCompactlyAndAnUnsetConfiguredModeIsLeftOut) {
    Session session{.boot = 1700000000,
                    .windowServer = 381,
                    .spaces = {{.id = 5,
                                .layout = {.space = 2,
                                           .mode = LayoutMode::stack,
                                           .tree = h(0.3, tile({ref("a", 0)}),
                                                     v(0.5, tile({ref("b/c", 1)}), tile({ref("a", 2)}))),
                                           .floating = {ref("d", 0)},
                                           .display = "1552-41007-5"},
                                .windows = {{ref("a", 0), 11},
                                            {ref("b/c", 1), 12},
                                            {ref("a", 2), 13},
                                            {ref("d", 0), 4294967295u}},
                                .configuredMode = LayoutMode::float_},
                               {.id = 0x10000000105, .layout = {.space = 3}}}};
    const auto bytes = encodeSession(session);
    ASSERT_TRUE(bytes.ok()) << bytes.error().message;
    EXPECT_EQ(bytes->find('\n'), std::string::npos);
    EXPECT_EQ(decoded(*bytes), session);

    const auto json = nlohmann::json::parse(*bytes);
    EXPECT_EQ(json["spaces"][0]["configuredMode"], "float");
    EXPECT_FALSE(json["spaces"][1].contains("configuredMode"));
    EXPECT_EQ(json["spaces"][1]["windows"], nlohmann::json::array());
    EXPECT_EQ(json["spaces"][0]["windows"].size(), 8u);
}

struct FailureCase {
    std::string json;
    Kind kind;
    const char* path;
};

class SessionDecodingFailureTest : public testing::TestWithParam<FailureCase> {};

TEST_P(SessionDecodingFailureTest, TheWholeFileFailsWithThePathOfTheBadValue) {
    const auto& c = GetParam();
    const auto result = decodeSession(c.json);
    ASSERT_FALSE(result.ok()) << c.json;
    EXPECT_EQ(result.error().kind, c.kind) << result.error().text();
    EXPECT_EQ(result.error().pathText(), c.path) << result.error().text();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SessionDecodingFailureTest,
    testing::Values(
        FailureCase{R"(["a.app#0", 101)", Kind::dataCorrupted, ""},
        FailureCase{R"({"windowServer": 1, "spaces": []})", Kind::keyNotFound, ""},
        FailureCase{R"({"boot": 1, "spaces": []})", Kind::keyNotFound, ""},
        FailureCase{R"({"boot": 1, "windowServer": 1})", Kind::keyNotFound, ""},
        FailureCase{R"({"boot": 1, "windowServer": 2147483648, "spaces": []})", Kind::dataCorrupted,
                    "windowServer"},
        FailureCase{R"({"boot": 1, "windowServer": 1, "spaces": [{"layout": {"space": 1}, "windows": []}]})",
                    Kind::keyNotFound, "spaces.0"},
        FailureCase{R"({"boot": 1, "windowServer": 1, "spaces": [{"id": 1, "windows": []}]})",
                    Kind::keyNotFound, "spaces.0"},
        FailureCase{R"({"boot": 1, "windowServer": 1, "spaces": [{"id": 1, "layout": {"space": 1}}]})",
                    Kind::keyNotFound, "spaces.0"},
        FailureCase{spaceWith(R"(["a.app#0", 101, "b.app#1"])"), Kind::dataCorrupted, "spaces.0.windows"},
        FailureCase{spaceWith(R"({"a.app#0": 101})"), Kind::typeMismatch, "spaces.0.windows"},
        FailureCase{spaceWith(R"([101, "a.app#0"])"), Kind::typeMismatch, "spaces.0.windows.0"},
        FailureCase{spaceWith(R"(["a.app#0", "101"])"), Kind::typeMismatch, "spaces.0.windows.1"},
        FailureCase{spaceWith(R"(["a.app#0", -1])"), Kind::dataCorrupted, "spaces.0.windows.1"},
        FailureCase{spaceWith(R"(["a.app", 101])"), Kind::dataCorrupted, "spaces.0.windows.0"},
        FailureCase{spaceWith("[]", R"(, "configuredMode": "tiles")"), Kind::dataCorrupted,
                    "spaces.0.configuredMode"},
        FailureCase{R"({"boot": 1, "windowServer": 1, "spaces": [{"id": 1, "layout": {}, "windows": []}]})",
                    Kind::keyNotFound, "spaces.0.layout"}));

// Rejecting everything and keeping part of a tree.
TEST(SpaceSnapshotKeepingTest, RejectingEverythingLeavesNoTreeAndEmptyListsButTheSameSpaceModeAndDisplay) {
    const SpaceSnapshot snapshot{.space = 4,
                                 .mode = LayoutMode::float_,
                                 .tree = h(0.5, tile({ref("a", 0)}), tile()),
                                 .floating = {ref("b", 0)},
                                 .others = {ref("c", 0)},
                                 .display = "Color LCD"};
    const SpaceSnapshot kept = snapshot.keeping([](const WindowRef&) { return false; });
    EXPECT_EQ(kept, (SpaceSnapshot{.space = 4, .mode = LayoutMode::float_, .display = "Color LCD"}));
}

TEST(SpaceSnapshotKeepingTest, SplitsWithAnEmptiedSideGiveWayAndSurvivingSplitsKeepAxisAndRatio) {
    const SpaceSnapshot snapshot{
        .space = 1,
        .tree = h(0.3, v(0.7, tile({ref("a", 0), ref("x", 0)}), tile({ref("x", 1)})),
                  v(0.6, tile({ref("b", 0)}), h(0.2, tile({ref("x", 2)}), tile({ref("c", 0)})))),
        .floating = {ref("x", 3), ref("d", 0)},
        .others = {ref("e", 0), ref("x", 4)}};
    const SpaceSnapshot kept = snapshot.keeping([](const WindowRef& r) { return r.app != "x"; });
    EXPECT_EQ(kept.tree, h(0.3, tile({ref("a", 0)}), v(0.6, tile({ref("b", 0)}), tile({ref("c", 0)}))));
    EXPECT_EQ(kept.floating, std::vector<WindowRef>{ref("d", 0)});
    EXPECT_EQ(kept.others, std::vector<WindowRef>{ref("e", 0)});
}

class RestorableTest : public testing::Test {
  protected:
    std::optional<Session::Space::Restorable> restorable(LayoutMode mode = LayoutMode::bsp) const {
        return space.restorable(
            mode,
            [this](WindowId id, const std::string& app) {
                return here.contains({id, app});
            },
            [this](WindowId id) { return floating.contains(id); });
    }

    Session::Space space{
        .id = 9,
        .layout = {.space = 2,
                   .mode = LayoutMode::stack,
                   .tree = h(0.4, tile({ref("a", 0)}), v(0.5, tile({ref("b", 0)}), tile({ref("c", 0)}))),
                   .floating = {ref("z", 0)},
                   .others = {ref("o", 0)},
                   .display = "Main"},
        .windows =
            {{ref("a", 0), 10}, {ref("b", 0), 20}, {ref("c", 0), 30}, {ref("z", 0), 40}, {ref("o", 0), 50}},
        .configuredMode = LayoutMode::bsp};
    std::set<std::pair<WindowId, std::string>> here{{10, "a"}, {20, "b"}, {30, "c"}, {40, "z"}, {50, "o"}};
    std::set<WindowId> floating;
};

TEST_F(RestorableTest, NothingIsRestorableWhenEveryWindowClosedOrBelongsToAnotherApplicationNow) {
    here = {{10, "b"}, {99, "a"}};
    EXPECT_EQ(restorable(), std::nullopt);
}

TEST_F(RestorableTest, OneRemainingTiledWindowKeepsOnlyItsTileAndTheSplitsAboveTheClosedOnesCollapse) {
    here = {{20, "b"}};
    const auto restored = restorable();
    ASSERT_TRUE(restored);
    EXPECT_EQ(restored->layout,
              (SpaceSnapshot{
                  .space = 2, .mode = LayoutMode::stack, .tree = tile({ref("b", 0)}), .display = "Main"}));
    EXPECT_EQ(restored->windows, (std::map<WindowRef, WindowId>{{ref("b", 0), 20}}));
}

TEST_F(RestorableTest, ATiledWindowThatNowFloatsJoinsTheFloatingListSortedByApplicationThenIndex) {
    space.windows.emplace(ref("a", 1), 11);
    space.layout.tree = h(0.4, tile({ref("a", 1), ref("a", 0)}), tile({ref("c", 0)}));
    here.insert({11, "a"});
    floating = {10, 11, 40, 50};
    const auto restored = restorable();
    ASSERT_TRUE(restored);
    EXPECT_EQ(restored->layout.tree, tile({ref("c", 0)}));
    EXPECT_EQ(restored->layout.floating,
              (std::vector<WindowRef>{ref("a", 0), ref("a", 1), ref("o", 0), ref("z", 0)}));
    EXPECT_TRUE(restored->layout.others.empty());
    EXPECT_EQ(restored->windows.size(), 6u);
}

struct ModeCase {
    LayoutMode saved;
    std::optional<LayoutMode> configured;
    LayoutMode now;
    LayoutMode restored;
};

class RestoredModeTest : public RestorableTest, public testing::WithParamInterface<ModeCase> {};

TEST_P(RestoredModeTest, TheSavedModeSurvivesOnlyWhileTheSpaceRulesGiveWhatTheyGaveAtTheSave) {
    const auto& c = GetParam();
    space.layout.mode = c.saved;
    space.configuredMode = c.configured;
    const auto restored = restorable(c.now);
    ASSERT_TRUE(restored);
    EXPECT_EQ(restored->layout.mode, c.restored);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RestoredModeTest,
    testing::Values(ModeCase{LayoutMode::stack, LayoutMode::bsp, LayoutMode::bsp, LayoutMode::stack},
                    ModeCase{LayoutMode::stack, LayoutMode::bsp, LayoutMode::float_, LayoutMode::float_},
                    ModeCase{LayoutMode::stack, std::nullopt, LayoutMode::bsp, LayoutMode::bsp},
                    ModeCase{LayoutMode::float_, std::nullopt, LayoutMode::stack, LayoutMode::stack},
                    ModeCase{LayoutMode::bsp, LayoutMode::stack, LayoutMode::stack, LayoutMode::bsp}));

} // namespace
} // namespace quillmere
