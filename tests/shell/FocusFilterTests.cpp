#include "platform/CapturingLogSink.h"
#include "platform/ManualMainQueue.h"
#include "platform/sim/SimulatedDesktop.h"
#include "shell/FocusFilter.h"
#include "support/Files.h"
#include "support/TemporaryDirectory.h"

#include <gtest/gtest.h>

namespace quillmere {
namespace {

using Filter = QuillmereFocusFilter;

// Focus filters run against the user defaults, with every profile the router would load written down.
class FocusFilterTest : public testing::Test {
  protected:
    FocusFilterTest() {
        router.setHandler([this](const std::string& name) { loaded.push_back(name); });
    }

    std::optional<std::string> pending() { return defaults.string(Filter::endProfileKey); }
    std::size_t logLines() const { return logged.entries().size(); }

    CapturingLogSink logged;
    ManualMainQueue queue;
    SimulatedDesktop defaults{queue};
    std::vector<std::string> loaded;
    FocusFilterRouter router;
};

TEST_F(FocusFilterTest, AFocusLoadsItsProfileAndOnItsEndTheOneItNamed) {
    struct Step {
        Filter filter;
        std::vector<std::string> loaded;
        std::optional<std::string> pending;
    };
    const Step steps[] = {
        {{"work", "home"}, {"work"}, "home"},
        {{}, {"work", "home"}, std::nullopt},
        {{"work", std::nullopt}, {"work", "home", "work"}, std::nullopt},
        {{}, {"work", "home", "work"}, std::nullopt},
        {{"a", "b"}, {"work", "home", "work", "a"}, "b"},
        {{"c", std::nullopt}, {"work", "home", "work", "a", "c"}, std::nullopt},
    };
    for (std::size_t index = 0; index < std::size(steps); ++index) {
        steps[index].filter.perform(defaults, router);
        EXPECT_EQ(loaded, steps[index].loaded) << "step " << index;
        EXPECT_EQ(pending(), steps[index].pending) << "step " << index;
    }
}

TEST_F(FocusFilterTest, AnEndWithNothingPendingDoesNothingNotEvenALogLine) {
    Filter{}.perform(defaults, router);
    EXPECT_TRUE(loaded.empty());
    EXPECT_EQ(logLines(), 0u);

    Filter{"work", std::nullopt}.perform(defaults, router);
    ASSERT_EQ(logLines(), 1u);
    EXPECT_EQ(logged.entries().front().message, "focus filter loading work");
}

TEST_F(FocusFilterTest, BeforeTheStartALoadIsLoggedButGoesNowhereAndTheEndProfileIsKeptAllTheSame) {
    const FocusFilterRouter notStarted;
    Filter{"work", "home"}.perform(defaults, notStarted);
    EXPECT_EQ(logLines(), 1u);
    EXPECT_EQ(pending(), "home");
}

TEST(FocusFilterDisplay, NamesTheProfilesChosen) {
    using Shown = Filter::DisplayRepresentation;
    EXPECT_EQ((Filter{}.displayRepresentation()), (Shown{"No profile", std::nullopt}));
    EXPECT_EQ((Filter{"work", std::nullopt}.displayRepresentation()), (Shown{"work", std::nullopt}));
    EXPECT_EQ((Filter{"work", "home"}.displayRepresentation()), (Shown{"work", "Then home when it ends"}));
    EXPECT_EQ((Filter{std::nullopt, "home"}.displayRepresentation()), (Shown{"No profile", "Then home when it ends"}));
    EXPECT_EQ(Filter::title, "Load Quillmere Profile");
}

TEST(FocusFilterOptions, OfferTheProfilesThatLoadInTheStoresOrder) {
    TemporaryDirectory folder;
    const ProfileStore store(folder.path());
    for (const std::string name : {"work", "Home", "away"}) {
        Profile profile;
        profile.name = name;
        ASSERT_FALSE(store.save(profile));
    }
    files::write(folder / "broken.json", "{");
    EXPECT_EQ(ProfileOptions::results(store), (std::vector<std::string>{"Home", "away", "work"}));
}

} // namespace
} // namespace quillmere
