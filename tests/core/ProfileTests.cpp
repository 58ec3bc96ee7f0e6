#include "core/Profile.h"
#include "support/Snapshots.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace quillmere {
namespace {

using snapshots::ref;

using Kind = DecodingError::Kind;

Profile decoded(std::string_view text) {
    const auto result = decodeProfile(text);
    EXPECT_TRUE(result.ok()) << text << "\n" << (result.ok() ? "" : result.error().text());
    return result.ok() ? result.value() : Profile{};
}

std::string encoded(const Profile& profile) {
    const auto result = encodeProfile(profile);
    EXPECT_TRUE(result.ok()) << (result.ok() ? "" : result.error().message);
    return result.ok() ? result.value() : "";
}

std::string withSpace(std::string_view spaceMembers) {
    return R"({"name": "Work", "spaces": [{"space": 1)" + std::string(spaceMembers) + "}]}";
}

TEST(ProfileCodingTest, OnlyTheTwoRequiredKeysReadWithEveryOptionAbsentAndWriteBackAsThemselves) {
    const Profile profile = decoded(R"({"name": "Work", "spaces": [], "someday": {"ignored": true}})");
    EXPECT_EQ(profile, Profile{.name = "Work"});
    EXPECT_EQ(encoded(profile), "{\n  \"name\" : \"Work\",\n  \"spaces\" : []\n}");
}

TEST(ProfileCodingTest, NullMeansAbsentForEveryOptionalKey) {
    const Profile profile = decoded(R"({"name": "Work", "spaces": [], "display": null, "autoApply": null,
        "spansDisplays": null, "displays": null, "show": null, "hideUnlisted": null, "quitUnlisted": null,
        "fullScreen": null, "icon": null, "open": null})");
    EXPECT_EQ(profile, Profile{.name = "Work"});
}

TEST(ProfileCodingTest, ASpaceWithOnlyItsNumberGainsModeAndEmptyListsWhenWritten) {
    const Profile profile = decoded(withSpace(""));
    ASSERT_EQ(profile.spaces.size(), 1u);
    EXPECT_EQ(profile.spaces[0], SpaceSnapshot{.space = 1});
    const auto json = nlohmann::json::parse(encoded(profile));
    EXPECT_EQ(json["spaces"][0],
              nlohmann::json::parse(R"({"space": 1, "mode": "bsp", "floating": [], "others": []})"));
}

struct TreeCase {
    const char* members;
    std::optional<LayoutSnapshot> tree;
};

class SpaceTreeTest : public testing::TestWithParam<TreeCase> {};

TEST_P(SpaceTreeTest, ReadsAsStoredAndRoundTrips) {
    const Profile profile = decoded(withSpace(GetParam().members));
    ASSERT_EQ(profile.spaces.size(), 1u);
    EXPECT_EQ(profile.spaces[0].tree, GetParam().tree) << GetParam().members;
    EXPECT_EQ(decoded(encoded(profile)), profile);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SpaceTreeTest,
    testing::Values(TreeCase{R"(, "tree": null)", std::nullopt},
                    TreeCase{R"(, "tree": [])", LayoutSnapshot::tile()},
                    TreeCase{R"(, "tree": ["a#b#3", "#5", "x#+7", "x#-2"])",
                             LayoutSnapshot::tile({ref("a#b", 3), ref("", 5), ref("x", 7), ref("x", -2)})},
                    TreeCase{R"(, "tree": {"axis": "vertical", "ratio": 1, "first": [], "second": ["a#0"]})",
                             LayoutSnapshot::split(Axis::vertical, 1.0, LayoutSnapshot::tile(),
                                                   LayoutSnapshot::tile({ref("a", 0)}))}));

struct FailureCase {
    std::string json;
    Kind kind;
    const char* path;
    const char* description = nullptr;
};

class ProfileDecodingFailureTest : public testing::TestWithParam<FailureCase> {};

TEST_P(ProfileDecodingFailureTest, TheWholeFileFailsWithThePathOfTheBadValue) {
    const auto& c = GetParam();
    const auto result = decodeProfile(c.json);
    ASSERT_FALSE(result.ok()) << c.json;
    EXPECT_EQ(result.error().kind, c.kind) << result.error().text();
    EXPECT_EQ(result.error().pathText(), c.path) << result.error().text();
    if (c.description) {
        EXPECT_EQ(result.error().description, c.description);
    }
}

std::string splitObject(std::string_view ratio, std::string_view first = "[]",
                        std::string_view second = "[]") {
    return R"({"axis": "horizontal", "ratio": )" + std::string(ratio) + R"(, "first": )" +
           std::string(first) + R"(, "second": )" + std::string(second) + "}";
}

std::string split(std::string_view ratio, std::string_view first = "[]") {
    return R"(, "tree": )" + splitObject(ratio, first);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProfileDecodingFailureTest,
    testing::Values(
        FailureCase{"[]", Kind::typeMismatch, ""}, FailureCase{R"({"spaces": []})", Kind::keyNotFound, ""},
        FailureCase{R"({"name": "Work"})", Kind::keyNotFound, ""},
        FailureCase{R"({"name": 3, "spaces": []})", Kind::typeMismatch, "name"},
        FailureCase{R"({"name": "Work", "spaces": {}})", Kind::typeMismatch, "spaces"},
        FailureCase{R"({"name": "Work", "spaces": [{"mode": "bsp"}]})", Kind::keyNotFound, "spaces.0"},
        FailureCase{R"({"name": "Work", "spaces": [], "autoApply": "yes"})", Kind::typeMismatch, "autoApply"},
        FailureCase{R"({"name": "Work", "spaces": [], "show": 1.5})", Kind::dataCorrupted, "show"},
        FailureCase{R"({"name": "Work", "spaces": [], "displays": [{}]})", Kind::keyNotFound, "displays.0"},
        FailureCase{R"({"name": "Work", "spaces": [], "fullScreen": [{}]})", Kind::keyNotFound,
                    "fullScreen.0"},
        FailureCase{R"({"name": "Work", "spaces": [], "fullScreen": [{"windows": ["a#0", "a"]}]})",
                    Kind::dataCorrupted, "fullScreen.0.windows.1", "expected \"bundle.id#index\", got \"a\""},
        FailureCase{R"({"name": "Work", "spaces": [], "open": {"a": [1]}})", Kind::typeMismatch, "open.a.0"},
        FailureCase{withSpace(R"(, "mode": "tiles")"), Kind::dataCorrupted, "spaces.0.mode"},
        FailureCase{withSpace(R"(, "floating": ["a#0", "x#"])"), Kind::dataCorrupted, "spaces.0.floating.1",
                    "expected \"bundle.id#index\", got \"x#\""},
        FailureCase{withSpace(R"(, "others": ["x#1a"])"), Kind::dataCorrupted, "spaces.0.others.0",
                    "expected \"bundle.id#index\", got \"x#1a\""},
        FailureCase{withSpace(R"(, "others": ["x# 1"])"), Kind::dataCorrupted, "spaces.0.others.0"},
        FailureCase{withSpace(R"(, "others": ["x#9223372036854775808"])"), Kind::dataCorrupted,
                    "spaces.0.others.0"},
        FailureCase{withSpace(R"(, "others": [7])"), Kind::typeMismatch, "spaces.0.others.0"},
        // One bad reference deep in a tile fails the file and is named as what it is.
        FailureCase{withSpace(split("0.5", R"(["a#0", "no-number"])")), Kind::dataCorrupted,
                    "spaces.0.tree.first.1", "expected \"bundle.id#index\", got \"no-number\""},
        FailureCase{withSpace(R"(, "tree": "a#0")"), Kind::typeMismatch, "spaces.0.tree"},
        FailureCase{withSpace(R"(, "tree": {"axis": "horizontal", "ratio": 0.5, "first": []})"),
                    Kind::keyNotFound, "spaces.0.tree"},
        FailureCase{withSpace(R"(, "tree": {"axis": "diagonal", "ratio": 0.5, "first": [], "second": []})"),
                    Kind::dataCorrupted, "spaces.0.tree.axis"},
        FailureCase{withSpace(split(R"("0.5")")), Kind::typeMismatch, "spaces.0.tree.ratio"},
        FailureCase{withSpace(split("1.5")), Kind::dataCorrupted, "spaces.0.tree.ratio",
                    "Expected a ratio from 0 to 1 but found 1.5 instead."},
        FailureCase{withSpace(split("-0.25")), Kind::dataCorrupted, "spaces.0.tree.ratio"},
        FailureCase{withSpace(R"(, "tree": )" + splitObject("0.5", "[]", splitObject("1.0000001"))),
                    Kind::dataCorrupted, "spaces.0.tree.second.ratio"}));

// A tree as deep as a layout of that many windows can be reads; one nested far beyond that is refused
// before reading it could exhaust the stack.
TEST(ProfileDecodingTest, ATreeNestedBeyondTheDepthLimitFailsTheFile) {
    const auto nested = [](int depth) {
        std::string tree;
        for (int level = 0; level < depth; ++level)
            tree += R"({"axis": "vertical", "ratio": 0.5, "first": [], "second": )";
        return tree + "[]" + std::string(static_cast<std::size_t>(depth), '}');
    };
    const auto deepest = decodeProfile(withSpace(R"(, "tree": )" + nested(LayoutSnapshot::maxDepth)));
    ASSERT_TRUE(deepest.ok()) << deepest.error().text();
    EXPECT_EQ(deepest.value().spaces[0].tree->windows().size(), 0u);

    const auto tooDeep = decodeProfile(withSpace(R"(, "tree": )" + nested(LayoutSnapshot::maxDepth + 1)));
    ASSERT_FALSE(tooDeep.ok());
    EXPECT_EQ(tooDeep.error().kind, Kind::dataCorrupted);
    EXPECT_EQ(tooDeep.error().description, "Expected a layout at most 1000 splits deep.");

    EXPECT_FALSE(decodeProfile(withSpace(R"(, "tree": )" + nested(100'000))).ok());
}

TEST(ProfileCodingTest, EveryFieldRoundTripsExactlyWithSlashesEscaped) {
    Profile profile{
        .name = "Work/Play",
        .display = "A + B",
        .autoApply = false,
        .spansDisplays = true,
        .displays = std::vector<ProfileDisplay>{{DisplayIdentity{"Studio", 1552, 44, 9, false},
                                                 Rect(0, 0, 2560, 1440), 3}},
        .spaces = {SpaceSnapshot{
                       .space = 2,
                       .mode = LayoutMode::stack,
                       .tree = LayoutSnapshot::split(
                           Axis::horizontal, 2.0 / 3.0, LayoutSnapshot::tile({ref("com.a", 0)}),
                           LayoutSnapshot::split(Axis::vertical, 0.1 + 0.2, LayoutSnapshot::tile(),
                                                 LayoutSnapshot::tile({ref("com.b", 1), ref("com.a", 1)}))),
                       .floating = {ref("com.c", 0)},
                       .others = {ref("com.d", 4)},
                       .display = "1552-44-9"},
                   SpaceSnapshot{.space = 1, .mode = LayoutMode::float_}},
        .show = -1,
        .hideUnlisted = true,
        .quitUnlisted = false,
        .fullScreen = std::vector<FullScreenSnapshot>{{{ref("com.e", 0), ref("com.f", 2)}}, {}},
        .icon = "chevron.left.forwardslash.chevron.right",
        .open = std::map<std::string, std::vector<std::string>>{{"com.a", {"https://x.org/a", "$ make"}}},
    };
    const std::string text = encoded(profile);
    EXPECT_NE(text.find(R"("Work\/Play")"), std::string::npos) << text;
    EXPECT_NE(text.find(R"("https:\/\/x.org\/a")"), std::string::npos) << text;
    EXPECT_EQ(decoded(text), profile);
    EXPECT_EQ(encoded(decoded(text)), text);
}

TEST(ProfileCodingTest, ARatioThatIsNoFiniteNumberCannotBeWritten) {
    const Profile profile{
        .name = "Work",
        .spaces = {SpaceSnapshot{
            .space = 1,
            .tree = LayoutSnapshot::split(Axis::horizontal, std::numeric_limits<double>::quiet_NaN(),
                                          LayoutSnapshot::tile(), LayoutSnapshot::tile())}}};
    EXPECT_FALSE(encodeProfile(profile).ok());
}

TEST(ProfileEqualityTest, OpenMapsCompareAsMapsButSpacesCompareInOrder) {
    const Profile a = decoded(R"({"name": "W", "spaces": [{"space": 1}, {"space": 2}],
        "open": {"a": ["x.org"], "b": ["/tmp"]}})");
    const Profile b = decoded(R"({"name": "W", "spaces": [{"space": 1}, {"space": 2}],
        "open": {"b": ["/tmp"], "a": ["x.org"]}})");
    const Profile c = decoded(R"({"name": "W", "spaces": [{"space": 2}, {"space": 1}],
        "open": {"a": ["x.org"], "b": ["/tmp"]}})");
    EXPECT_EQ(a, b);
    EXPECT_NE(a, c);
}

TEST(WindowRefTest, TextSplitsAtTheLastHashAndPrintsTheIndexInDecimal) {
    EXPECT_EQ(ref("a#b", -3).text(), "a#b#-3");
    EXPECT_EQ(WindowRef::parse("a#b#-3"), ref("a#b", -3));
    EXPECT_EQ(WindowRef::parse("#0"), ref("", 0));
    for (const char* bad : {"", "a", "a#", "a#+", "a#-", "a#1.0", "a# 1", "a#1 ", "a#x"})
        EXPECT_EQ(WindowRef::parse(bad), std::nullopt) << bad;
}

TEST(SpaceSnapshotTest, WindowsAreTheTreeInOrderThenFloatingThenOthersWithDuplicatesKept) {
    const SpaceSnapshot snapshot{
        .space = 1,
        .tree = LayoutSnapshot::split(Axis::horizontal, 0.5,
                                      LayoutSnapshot::split(Axis::vertical, 0.5,
                                                            LayoutSnapshot::tile({ref("a", 0)}),
                                                            LayoutSnapshot::tile({ref("b", 0), ref("b", 1)})),
                                      LayoutSnapshot::tile({ref("c", 0)})),
        .floating = {ref("d", 0)},
        .others = {ref("a", 0)}};
    EXPECT_EQ(snapshot.windows(),
              (std::vector{ref("a", 0), ref("b", 0), ref("b", 1), ref("c", 0), ref("d", 0), ref("a", 0)}));
}

TEST(ProfileViewsTest, RecordedDisplaysWithoutAListAreNameOnlyIdentitiesInTextOrder) {
    const Profile profile = decoded(R"({"name": "W", "spaces": [{"space": 1, "display": "B"},
        {"space": 2, "display": "A"}, {"space": 3, "display": "B"}, {"space": 4}]})");
    const auto identities = profile.recordedDisplays();
    ASSERT_EQ(identities.size(), 2u);
    EXPECT_EQ(identities[0], (DisplayIdentity{"A", 0, 0, 0, false}));
    EXPECT_EQ(identities[1], (DisplayIdentity{"B", 0, 0, 0, false}));
    EXPECT_EQ(identities[1].signature(), "B");

    Profile listed = profile;
    listed.displays = std::vector<ProfileDisplay>{};
    EXPECT_TRUE(listed.recordedDisplays().empty());
    const DisplayIdentity studio{"Studio", 1, 2, 3, false};
    const DisplayIdentity panel{"Built-in", 4, 5, 0, true};
    listed.displays = std::vector<ProfileDisplay>{{studio, Rect(), 1}, {panel, Rect(), 2}};
    EXPECT_EQ(listed.recordedDisplays(), (std::vector{studio, panel}));
}

TEST(ProfileViewsTest, AppsCoverEverySpaceAndFullScreenSpaceAndLaunchedAppsAddThoseWithSomethingToOpen) {
    Profile profile = decoded(R"({"name": "W",
        "spaces": [{"space": 1, "tree": ["t#0"], "floating": ["f#0"], "others": ["o#0"]}],
        "fullScreen": [{"windows": ["s#0"]}],
        "open": {"t": ["x.org"], "opener": ["  ", "/Users/me"], "broken": ["$ ", ""]}})");
    EXPECT_EQ(profile.apps(), (std::set<std::string>{"f", "o", "s", "t"}));
    EXPECT_EQ(profile.launchedApps(), (std::set<std::string>{"f", "o", "opener", "s", "t"}));
    EXPECT_EQ(profile.items("opener"), (std::vector{LaunchItem{LaunchItem::Kind::path, "/Users/me"}}));
    EXPECT_TRUE(profile.items("broken").empty());
    EXPECT_TRUE(profile.items("nobody").empty());
}

TEST(ProfileEditsTest, SetItemsStoresTrimmedTextsAndRemovingTheLastKeyLeavesOpenOut) {
    Profile profile{.name = "W"};
    profile.setItems({"  x.org  ", "", "\t$ make", "line\n"}, "a");
    profile.setItems({"/tmp"}, "b");
    ASSERT_TRUE(profile.open);
    EXPECT_EQ(profile.open->at("a"), (std::vector<std::string>{"x.org", "$ make", "line\n"}));
    profile.setItems({" ", "\t", "\u3000"}, "a");
    EXPECT_FALSE(profile.open->contains("a"));
    profile.setItems({}, "b");
    EXPECT_EQ(profile.open, std::nullopt);
    EXPECT_EQ(nlohmann::json::parse(encoded(profile)).contains("open"), false);
    profile.setItems({}, "c");
    EXPECT_EQ(profile.open, std::nullopt);
}

struct LaunchCase {
    const char* text;
    std::optional<LaunchItem> item;
};

class LaunchItemTest : public testing::TestWithParam<LaunchCase> {};

TEST_P(LaunchItemTest, ParsesByFirstCharacterAndScheme) {
    EXPECT_EQ(LaunchItem::parse(GetParam().text), GetParam().item) << GetParam().text;
}

LaunchItem link(const char* text) {
    return LaunchItem{LaunchItem::Kind::link, text};
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LaunchItemTest,
    testing::Values(LaunchCase{"", std::nullopt}, LaunchCase{"  \t ", std::nullopt},
                    LaunchCase{"$", std::nullopt}, LaunchCase{" $ \t", std::nullopt},
                    LaunchCase{"~", LaunchItem{LaunchItem::Kind::path, "~"}},
                    LaunchCase{" /Users/me/a b ", LaunchItem{LaunchItem::Kind::path, "/Users/me/a b"}},
                    LaunchCase{"$  open -a Mail  ", LaunchItem{LaunchItem::Kind::command, "open -a Mail"}},
                    LaunchCase{"\u00a0https://x.org", link("https://x.org")},
                    LaunchCase{"mailto:me@x.org", link("mailto:me@x.org")},
                    LaunchCase{"x-apple.note+1://abc", link("x-apple.note+1://abc")},
                    LaunchCase{"localhost:8080", link("https://localhost:8080")},
                    LaunchCase{"host:\u0663", link("https://host:\u0663")},
                    LaunchCase{"x.org/path", link("https://x.org/path")},
                    LaunchCase{"1password:open", link("https://1password:open")},
                    LaunchCase{"a_b:c", link("https://a_b:c")}, LaunchCase{"web:", link("https://web:")},
                    LaunchCase{":x", link("https://:x")}, LaunchCase{"\nx.org", link("https://\nx.org")}));

} // namespace
} // namespace quillmere
