#include "core/Desktops.h"
#include "core/Profile.h"
#include "core/ProfilePlacement.h"
#include "support/Printers.h"

#include <gtest/gtest.h>
#include <limits>

namespace quillmere {
namespace {

using Appended = ProfilePlacement::Appended;
using Matched = ProfilePlacement::Matched;
using NoRoom = ProfilePlacement::NoRoom;

const DisplayIdentity panel{"Built-in Retina Display", 1552, 100, 1, true};
const DisplayIdentity studio{"Studio Display", 1552, 200, 7, false};
const DisplayIdentity projector{"Projector", 0, 0, 0, false};

SpaceSnapshot on(const DisplayIdentity& display, std::int64_t space) {
    return SpaceSnapshot{.space = space, .display = display.signature()};
}

// Desktop n of a display has the id base + n.
DisplaySpaces present(const DisplayIdentity& identity, Rect frame, int desktops, SpaceId base) {
    std::vector<SpaceId> spaces;
    for (int n = 1; n <= desktops; ++n)
        spaces.push_back(base + static_cast<SpaceId>(n));
    return DisplaySpaces(identity.name, identity, frame, spaces, spaces.empty() ? 0 : spaces.front());
}

struct Expected {
    std::optional<SpaceId> space;
    std::optional<std::string> display;
    std::int64_t number;
    ProfilePlacement::Reason reason;
};

void expectPlacements(const std::vector<ProfilePlacement>& placements, const Profile& profile,
                      const std::vector<Expected>& expected) {
    ASSERT_EQ(placements.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE("placement " + std::to_string(i));
        const ProfilePlacement& placement = placements[i];
        EXPECT_EQ(placement.snapshot, profile.spaces[i]);
        EXPECT_EQ(placement.space, expected[i].space);
        EXPECT_EQ(placement.display ? std::optional(placement.display->id) : std::nullopt,
                  expected[i].display);
        EXPECT_EQ(placement.number, expected[i].number);
        EXPECT_EQ(placement.reason, expected[i].reason);
    }
}

// Recorded on the built-in panel (3 Desktops) and a studio display (2 Desktops).
class ProfilePlacementTest : public testing::Test {
  protected:
    Profile profile{
        .name = "Desk",
        .displays = std::vector<ProfileDisplay>{{panel, Rect(0, 0, 1512, 982), 3},
                                                {studio, Rect(1512, 0, 2560, 1440), 2}},
        .spaces = {on(panel, 1), on(panel, 3), on(studio, 1), on(studio, 2)},
    };
    static Desktops panelWith(int desktops) {
        return Desktops({present(panel, Rect(0, 0, 1512, 982), desktops, 10)});
    }
};

TEST_F(ProfilePlacementTest, AMissingDisplaysDesktopsLandOnTheMainDisplaysLastOnes) {
    expectPlacements(panelWith(6).place(profile), profile,
                     {{11, panel.name, 1, Matched{}},
                      {13, panel.name, 3, Matched{}},
                      {15, panel.name, 5, Appended{panel.name}},
                      {16, panel.name, 6, Appended{panel.name}}});
}

TEST_F(ProfilePlacementTest, AppendedDesktopsStartAtTheFirstWhenMainHasTooFewAndRunOutOfRoom) {
    expectPlacements(panelWith(1).place(profile), profile,
                     {{11, panel.name, 1, Matched{}},
                      {std::nullopt, panel.name, 3, NoRoom{}},
                      {11, panel.name, 1, Appended{panel.name}},
                      {std::nullopt, panel.name, 2, NoRoom{}}});
}

TEST_F(ProfilePlacementTest, EveryMissingDisplayGetsItsOwnRunInRecordedOrder) {
    profile.displays->push_back({projector, Rect(), 1});
    profile.spaces.push_back(on(projector, 1));
    expectPlacements(panelWith(6).place(profile), profile,
                     {{11, panel.name, 1, Matched{}},
                      {13, panel.name, 3, Matched{}},
                      {14, panel.name, 4, Appended{panel.name}},
                      {15, panel.name, 5, Appended{panel.name}},
                      {16, panel.name, 6, Appended{panel.name}}});
}

TEST_F(ProfilePlacementTest, ADisplayWithAnotherSerialIsMatchedByName) {
    DisplayIdentity replaced = studio;
    replaced.serial = 8;
    const Desktops desktops(
        {present(panel, Rect(0, 0, 1512, 982), 3, 10), present(replaced, Rect(1512, 0, 2560, 1440), 2, 20)});
    expectPlacements(desktops.place(profile), profile,
                     {{11, panel.name, 1, Matched{}},
                      {13, panel.name, 3, Matched{}},
                      {21, studio.name, 1, Matched{}},
                      {22, studio.name, 2, Matched{}}});
}

TEST_F(ProfilePlacementTest, SpacesWithoutADisplayGoToMainAndADesktopBeyondTheLastHasNoRoom) {
    const Desktops desktops(
        {present(studio, Rect(-2560, 0, 2560, 1440), 3, 20), present(panel, Rect(0, 0, 1512, 982), 2, 10)});
    profile.spaces = {SpaceSnapshot{.space = 2}, on(studio, 4), on(studio, 3)};
    expectPlacements(desktops.place(profile), profile,
                     {{12, panel.name, 2, Matched{}},
                      {std::nullopt, studio.name, 4, NoRoom{}},
                      {23, studio.name, 3, Matched{}}});
}

TEST_F(ProfilePlacementTest, WithoutAnyDisplayNothingHasRoom) {
    expectPlacements(Desktops({}).place(profile), profile,
                     {{std::nullopt, std::nullopt, 1, NoRoom{}},
                      {std::nullopt, std::nullopt, 3, NoRoom{}},
                      {std::nullopt, std::nullopt, 1, NoRoom{}},
                      {std::nullopt, std::nullopt, 2, NoRoom{}}});
    EXPECT_TRUE(Desktops({}).place(Profile{.name = "Empty"}).empty());
}

TEST_F(ProfilePlacementTest, WithoutADisplayListAMissingDisplayCountsUpToItsHighestDesktop) {
    const Profile named{.name = "Old", .spaces = {on(projector, 3), on(panel, 1), on(projector, 1)}};
    // A name-only identity's signature is the recorded text, which still finds the panel by its signature.
    expectPlacements(panelWith(6).place(named), named,
                     {{16, panel.name, 6, Appended{panel.name}},
                      {11, panel.name, 1, Matched{}},
                      {14, panel.name, 4, Appended{panel.name}}});
}

TEST_F(ProfilePlacementTest, NumbersFromAHandEditedFileNeverOverflow) {
    profile.displays->at(1).desktops = std::numeric_limits<std::int64_t>::max();
    profile.spaces = {on(studio, std::numeric_limits<std::int64_t>::max()),
                      on(studio, std::numeric_limits<std::int64_t>::min())};
    const auto placements = panelWith(2).place(profile);
    ASSERT_EQ(placements.size(), 2u);
    EXPECT_EQ(placements[0].reason, ProfilePlacement::Reason{NoRoom{}});
    EXPECT_EQ(placements[1].reason, ProfilePlacement::Reason{NoRoom{}});
}

struct MatchCase {
    const char* what;
    std::optional<bool> spans;
    std::optional<std::vector<DisplayIdentity>> displays;
    std::optional<std::string> fingerprint;
    bool presentSpans;
    bool sameMode;
    bool matches;
};

class ProfileMatchTest : public testing::TestWithParam<MatchCase> {};

TEST_P(ProfileMatchTest, MatchesOnlyTheDisplaysAndSpacesModeItWasRecordedWith) {
    const auto& c = GetParam();
    Profile profile{.name = "P", .display = c.fingerprint, .spansDisplays = c.spans};
    if (c.displays) {
        profile.displays.emplace();
        for (const DisplayIdentity& identity : *c.displays)
            profile.displays->push_back({identity, Rect(), 1});
    }
    const std::vector<DisplaySpaces> displays{present(panel, Rect(0, 0, 1512, 982), 1, 10),
                                              present(studio, Rect(1512, 0, 2560, 1440), 1, 20)};
    const Desktops desktops(displays, std::nullopt, c.presentSpans);
    EXPECT_EQ(desktops.sameMode(profile), c.sameMode) << c.what;
    EXPECT_EQ(desktops.matchesExactly(profile), c.matches) << c.what;
}

const std::string both = panel.name + " + " + studio.name;

INSTANTIATE_TEST_SUITE_P(
    Cases, ProfileMatchTest,
    testing::Values(
        MatchCase{"same displays", std::nullopt, std::vector{studio, panel}, std::nullopt, false, true, true},
        MatchCase{"one display fewer", false, std::vector{panel}, std::nullopt, false, true, false},
        MatchCase{"spanning then, separate now", true, std::vector{panel, studio}, std::nullopt, false, false,
                  false},
        MatchCase{"spanning then and now", true, std::vector{panel, studio}, std::nullopt, true, true, true},
        MatchCase{"absent spanning while spanning now", std::nullopt, std::vector{panel, studio},
                  std::nullopt, true, false, false},
        MatchCase{"fingerprint only", std::nullopt, std::nullopt, both, false, true, true},
        MatchCase{"another fingerprint", std::nullopt, std::nullopt, panel.name, false, true, false},
        MatchCase{"nothing recorded", std::nullopt, std::nullopt, std::nullopt, false, true, false},
        MatchCase{"a list wins over the fingerprint", std::nullopt, std::vector{panel}, both, false, true,
                  false}));

} // namespace
} // namespace quillmere
