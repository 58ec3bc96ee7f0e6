#include "core/ProfileEditing.h"
#include "support/Printers.h"
#include "support/Snapshots.h"

#include <gtest/gtest.h>
#include <limits>

namespace quillmere {
namespace {

using snapshots::h;
using snapshots::ref;
using snapshots::tile;
using snapshots::v;

LayoutSnapshot named(std::string_view name) {
    for (const LayoutTemplate& entry : LayoutSnapshot::templates())
        if (entry.name == name)
            return entry.layout;
    ADD_FAILURE() << "no template " << name;
    return tile();
}

TEST(LayoutTemplatesTest, AreTheSevenEmptyLayoutsInOrder) {
    std::vector<std::string> names;
    for (const LayoutTemplate& entry : LayoutSnapshot::templates()) {
        names.push_back(entry.name);
        EXPECT_TRUE(entry.layout.windows().empty()) << entry.name;
    }
    EXPECT_EQ(names, (std::vector<std::string>{"Single", "Halves", "⅔ + ⅓", "Thirds", "Main + stack", "Rows",
                                               "Quarters"}));
    EXPECT_EQ(named("⅔ + ⅓"), h(2.0 / 3.0, tile(), tile()));
    EXPECT_EQ(named("Quarters"), h(0.5, v(0.5, tile(), tile()), v(0.5, tile(), tile())));
}

TEST(LayoutGeometryTest, ThirdsInNineHundredPointsWithAGapOfSix) {
    const auto tiles = named("Thirds").tiles(Rect(0, 10, 900, 500), 6);
    ASSERT_EQ(tiles.size(), 3u);
    EXPECT_EQ(tiles[0], (LayoutTile{{false}, {}, Rect(0, 10, 298, 500)}));
    EXPECT_EQ(tiles[1], (LayoutTile{{true, false}, {}, Rect(304, 10, 295, 500)}));
    EXPECT_EQ(tiles[2], (LayoutTile{{true, true}, {}, Rect(605, 10, 295, 500)}));
}

TEST(LayoutGeometryTest, QuartersHaveTheRootDividerFirstThenEachHalfs) {
    const auto dividers = named("Quarters").dividers(Rect(0, 0, 906, 606), 6);
    ASSERT_EQ(dividers.size(), 3u);
    EXPECT_EQ(dividers[0], (LayoutDivider{{}, Axis::horizontal, Rect(450, 0, 6, 606), Rect(0, 0, 906, 606)}));
    EXPECT_EQ(dividers[1],
              (LayoutDivider{{false}, Axis::vertical, Rect(0, 300, 450, 6), Rect(0, 0, 450, 606)}));
    EXPECT_EQ(dividers[2],
              (LayoutDivider{{true}, Axis::vertical, Rect(456, 300, 450, 6), Rect(456, 0, 450, 606)}));
    EXPECT_EQ(named("Rows").dividers(Rect(0, 0, 100, 100), 0)[0].strip, Rect(0, 50, 100, 0));
    EXPECT_TRUE(named("Single").dividers(Rect(0, 0, 100, 100), 6).empty());
}

TEST(LayoutPathTest, NodeFollowsThePathAndAPathThroughATileFindsNothing) {
    const LayoutSnapshot quarters =
        named("Quarters").filled({ref("a", 0), ref("b", 0), ref("c", 0), ref("d", 0)});
    EXPECT_EQ(quarters.node({}), quarters);
    EXPECT_EQ(quarters.node({true, false}), tile({ref("c", 0)}));
    EXPECT_EQ(named("Halves").node({true, false}), std::nullopt);
}

struct EditCase {
    const char* what;
    LayoutSnapshot before;
    std::function<LayoutSnapshot(const LayoutSnapshot&)> edit;
    LayoutSnapshot after;
};

class LayoutEditTest : public testing::TestWithParam<EditCase> {};

TEST_P(LayoutEditTest, GivesTheEditedTreeAndLeavesTheReceiverAsItWas) {
    const auto& c = GetParam();
    const LayoutSnapshot copy = c.before;
    EXPECT_EQ(c.edit(c.before), c.after) << c.what;
    EXPECT_EQ(c.before, copy) << c.what;
}

const LayoutSnapshot a = tile({ref("a", 0)});
const LayoutSnapshot b = tile({ref("b", 0)});
const LayoutSnapshot c = tile({ref("c", 0)});

INSTANTIATE_TEST_SUITE_P(
    Cases, LayoutEditTest,
    testing::Values(
        EditCase{"replace the root", h(0.5, a, b), [](auto& l) { return l.replacing({}, c); }, c},
        EditCase{"replace the second", h(0.3, a, b), [](auto& l) { return l.replacing({true}, c); },
                 h(0.3, a, c)},
        EditCase{"replace under a tile", h(0.3, a, b),
                 [](auto& l) {
                     return l.replacing({true, true}, c);
                 },
                 h(0.3, a, b)},
        EditCase{"split the second tile", h(0.5, a, b),
                 [](auto& l) { return l.splitting({true}, Axis::vertical); }, h(0.5, a, v(0.5, b, tile()))},
        EditCase{"split the root", a, [](auto& l) { return l.splitting({}, Axis::horizontal); },
                 h(0.5, a, tile())},
        EditCase{"split nowhere", a, [](auto& l) { return l.splitting({false}, Axis::horizontal); }, a},
        EditCase{"remove the root", h(0.5, a, b), [](auto& l) { return l.removing({}); }, tile()},
        EditCase{"remove the main tile", h(0.5, a, v(0.25, b, c)),
                 [](auto& l) { return l.removing({false}); }, v(0.25, b, c)},
        EditCase{"remove a stacked tile", h(0.5, a, v(0.25, b, c)),
                 [](auto& l) {
                     return l.removing({true, false});
                 },
                 h(0.5, a, c)},
        EditCase{"remove below a tile", h(0.5, a, b),
                 [](auto& l) {
                     return l.removing({true, true});
                 },
                 h(0.5, a, b)},
        EditCase{"ratio above the range", h(0.5, a, b), [](auto& l) { return l.settingRatio({}, 0.95); },
                 h(0.9, a, b)},
        EditCase{"ratio below the range", h(0.5, a, b), [](auto& l) { return l.settingRatio({}, 0.05); },
                 h(0.1, a, b)},
        EditCase{"ratio at the edge", h(0.5, a, b), [](auto& l) { return l.settingRatio({}, 0.1); },
                 h(0.1, a, b)},
        EditCase{"ratio of an inner split", h(0.5, a, v(0.5, b, c)),
                 [](auto& l) { return l.settingRatio({true}, 0.7); }, h(0.5, a, v(0.7, b, c))},
        EditCase{"ratio of a tile", h(0.5, a, b), [](auto& l) { return l.settingRatio({false}, 0.7); },
                 h(0.5, a, b)},
        EditCase{"ratio that is no number", h(0.5, a, b),
                 [](auto& l) { return l.settingRatio({}, std::numeric_limits<double>::quiet_NaN()); },
                 h(0.5, a, b)},
        EditCase{"fill halves with three", named("Halves"),
                 [](auto& l) { return l.filled({ref("x", 0), ref("y", 0), ref("z", 0)}); },
                 h(0.5, tile({ref("x", 0)}), tile({ref("y", 0), ref("z", 0)}))},
        EditCase{"fill with nothing", named("Halves"), [](auto& l) { return l.filled({}); }, named("Halves")},
        EditCase{"fill single with two", named("Single"),
                 [](auto& l) { return l.filled({ref("x", 0), ref("y", 0)}); },
                 tile({ref("x", 0), ref("y", 0)})},
        EditCase{"fill around full tiles", h(0.5, tile(), v(0.5, a, b)),
                 [](auto& l) { return l.filled({ref("x", 0), ref("y", 0), ref("z", 0)}); },
                 h(0.5, tile({ref("x", 0)}), v(0.5, a, tile({ref("b", 0), ref("y", 0), ref("z", 0)})))}),
    [](const auto& info) {
        std::string name = info.param.what;
        std::ranges::replace(name, ' ', '_');
        return name;
    });

TEST(ProfileRenumberTest, SortsDesktopsAndNumbersEachAppAcrossThemLeavingFullScreenAlone) {
    const Profile profile{
        .name = "W",
        .spaces = {SpaceSnapshot{.space = 2,
                                 .tree = h(0.4, tile({ref("a", 7)}), tile({ref("b", 3)})),
                                 .others = {ref("a", 0)},
                                 .display = "D"},
                   SpaceSnapshot{.space = 1,
                                 .mode = LayoutMode::stack,
                                 .tree = tile({ref("a", 5)}),
                                 .floating = {ref("b", 9), ref("a", 5)}},
                   SpaceSnapshot{.space = 2, .floating = {ref("a", 1)}}},
        .fullScreen = std::vector<FullScreenSnapshot>{{{ref("a", 4)}}},
    };
    Profile expected = profile;
    expected.spaces = {SpaceSnapshot{.space = 1,
                                     .mode = LayoutMode::stack,
                                     .tree = tile({ref("a", 0)}),
                                     .floating = {ref("b", 0), ref("a", 1)}},
                       SpaceSnapshot{.space = 2,
                                     .tree = h(0.4, tile({ref("a", 2)}), tile({ref("b", 1)})),
                                     .others = {ref("a", 3)},
                                     .display = "D"},
                       SpaceSnapshot{.space = 2, .floating = {ref("a", 4)}}};
    EXPECT_EQ(profile.renumbered(), expected);
}

TEST(ProfileIconTest, TheCatalogueHasFourGroupsOfTwelveStartingWithTheDefault) {
    const auto& groups = Profile::iconChoices();
    ASSERT_EQ(groups.size(), 4u);
    for (const auto& group : groups)
        EXPECT_EQ(group.icons.size(), 12u) << group.title;
    EXPECT_EQ(groups[0].icons[0].symbol, Profile::defaultIcon);
    EXPECT_EQ(groups[3].title, "Places");
    EXPECT_EQ(groups[3].icons[11].symbol, "leaf");
}

TEST(ProfileIconTest, TheDefaultIconIsStoredAsAbsent) {
    Profile profile{.name = "W"};
    profile.setIcon("star");
    EXPECT_EQ(profile.icon, "star");
    profile.setIcon("rectangle.stack");
    EXPECT_EQ(profile.icon, std::nullopt);
    profile.setIcon("star");
    profile.setIcon(std::nullopt);
    EXPECT_EQ(profile.icon, std::nullopt);
}

TEST(ProfileNameTest, FileNamesReplaceSlashesOnly) {
    EXPECT_EQ(profileFileName("Work/Play"), "Work-Play.json");
    EXPECT_EQ(profileFileName(" a\\b: c "), " a\\b: c .json");
}

struct UniqueCase {
    const char* name;
    std::set<std::string> taken;
    const char* unique;
};

class UniqueProfileNameTest : public testing::TestWithParam<UniqueCase> {};

TEST_P(UniqueProfileNameTest, NeverHandsOutANameWhoseFileIsTaken) {
    const auto& c = GetParam();
    const std::string unique = uniqueProfileName(c.name, c.taken);
    EXPECT_EQ(unique, c.unique);
    EXPECT_EQ(profileNameProblem(unique, std::nullopt, c.taken), std::nullopt) << unique;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UniqueProfileNameTest,
    testing::Values(UniqueCase{"Work", {}, "Work"}, UniqueCase{"Work", {"Home"}, "Work"},
                    UniqueCase{"Work", {"Work", "Work 2"}, "Work 3"},
                    UniqueCase{"Work", {"Work", "Work 3"}, "Work 2"},
                    // Another profile's file, not its name, is what a new name must not take.
                    UniqueCase{"Work", {"work"}, "Work 2"}, UniqueCase{"A/B", {"a-b", "A-B 2"}, "A/B 3"},
                    UniqueCase{"Ärger copy", {"ärger COPY"}, "Ärger copy 2"}));

std::string repeated(std::string_view text, int times) {
    std::string result;
    for (int i = 0; i < times; ++i)
        result += text;
    return result;
}

struct ProblemCase {
    std::string name;
    std::optional<std::string> current;
    std::set<std::string> taken;
    std::optional<std::string> problem;
};

class ProfileNameProblemTest : public testing::TestWithParam<ProblemCase> {};

TEST_P(ProfileNameProblemTest, NamesTheProblemWithItsExactText) {
    const auto& c = GetParam();
    EXPECT_EQ(profileNameProblem(c.name, c.current, c.taken), c.problem) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProfileNameProblemTest,
    testing::Values(ProblemCase{"", std::nullopt, {}, "Enter a name."},
                    ProblemCase{" \t\u2003", std::nullopt, {}, "Enter a name."},
                    ProblemCase{"Work", std::nullopt, {"Home"}, std::nullopt},
                    ProblemCase{"  Work ", std::nullopt, {"Work"}, "A profile called “Work” already exists."},
                    ProblemCase{"Work/Play",
                                std::nullopt,
                                {"work-play"},
                                "“Work/Play” would share a file with “work-play”."},
                    ProblemCase{"WORK", std::nullopt, {"Work"}, "“WORK” would share a file with “Work”."},
                    ProblemCase{"Work", "Work", {"Work", "Home"}, std::nullopt},
                    ProblemCase{"work", "Work", {"Work"}, std::nullopt},
                    ProblemCase{"Home", "Work", {"Work", "Home"}, "A profile called “Home” already exists."},
                    ProblemCase{std::string(251, 'x'), std::nullopt, {}, "That name is too long."},
                    ProblemCase{std::string(250, 'x'), std::nullopt, {}, std::nullopt},
                    // Bytes, not characters, are what a file name can hold.
                    ProblemCase{repeated("é", 126), std::nullopt, {}, "That name is too long."},
                    ProblemCase{repeated("é", 125), std::nullopt, {}, std::nullopt}));

} // namespace
} // namespace quillmere
