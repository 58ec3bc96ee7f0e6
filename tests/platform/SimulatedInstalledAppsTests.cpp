#include "platform/ManualMainQueue.h"
#include "platform/sim/SimulatedDesktop.h"

#include <gtest/gtest.h>

namespace quillmere {
namespace {

using namespace std::chrono_literals;

struct InstalledDesktop : ::testing::Test {
    InstalledDesktop() {
        desktop.addDisplay({});
        desktop.install({.bundleIdentifier = "com.example.Mail",
                         .name = "Mail",
                         .windows = {{500ms, {.title = "Inbox"}}, {1500ms, {.title = "Draft"}}}});
        desktop.addObserver(didLaunchApplicationNotification, [this] { ++launches; });
    }
    std::vector<std::string> titles() {
        std::vector<std::string> seen;
        for (const WindowDescription& window : desktop.allWindows())
            seen.push_back(window.name.value_or(""));
        return seen;
    }

    ManualMainQueue queue;
    SimulatedDesktop desktop{queue};
    int launches = 0;
};

TEST_F(InstalledDesktop, ListsItsInstalledApplicationsForTheSettings) {
    EXPECT_EQ(desktop.installedApplications(), (std::vector<InstalledApplication>{{"com.example.Mail", "Mail"}}));
}

TEST_F(InstalledDesktop, OpeningAnInstalledApplicationLaunchesItAndItsWindowsFollowAtTheirDelays) {
    EXPECT_EQ(desktop.urlForApplication("com.example.Notes"), std::nullopt);
    const auto mail = desktop.urlForApplication("com.example.Mail");
    ASSERT_EQ(mail, "/Applications/Mail.app");

    desktop.open({"file:///a.eml"}, *mail, {.activates = false});
    queue.advance(0ms);
    EXPECT_EQ(launches, 1);
    EXPECT_TRUE(titles().empty());
    queue.advance(500ms);
    EXPECT_EQ(titles().size(), 1u);
    queue.advance(1s);
    EXPECT_EQ(titles().size(), 2u);

    desktop.openApplication(*mail, {});
    queue.advance(2s);
    EXPECT_EQ(launches, 1) << "a running application is not launched again";
    EXPECT_EQ(desktop.openedURLs("com.example.Mail"), std::vector<std::string>{"file:///a.eml"});
    EXPECT_EQ(desktop.openRequests().front().activates, false);
}

TEST_F(InstalledDesktop, AnApplicationQuitsWhenAskedUnlessItRefuses) {
    const std::int32_t stays = desktop.launch({.bundleIdentifier = "com.example.Editor", .name = "Editor"});
    const std::int32_t goes = desktop.launch({.bundleIdentifier = "com.example.Notes", .name = "Notes"});
    desktop.refuseTermination(stays);
    EXPECT_TRUE(desktop.terminateApplication(stays));
    EXPECT_TRUE(desktop.terminateApplication(goes));
    queue.advance(0ms);
    EXPECT_TRUE(desktop.application(stays));
    EXPECT_FALSE(desktop.application(goes));
    EXPECT_FALSE(desktop.terminateApplication(goes));
    EXPECT_EQ(desktop.terminateRequests(), (std::vector<std::int32_t>{stays, goes}));
}

TEST_F(InstalledDesktop, AlertsAnswerAsScriptedThenWithTheirLastButton) {
    const Alert alert{.message = "Quit?", .buttons = {"Quit", "Skip"}, .suppressionTitle = "Don't ask"};
    desktop.answerAlert({0, true});
    EXPECT_EQ(desktop.run(alert), (AlertAnswer{0, true}));
    EXPECT_EQ(desktop.run(alert), (AlertAnswer{1, false}));
    EXPECT_EQ(desktop.alerts().size(), 2u);
}

} // namespace
} // namespace quillmere
