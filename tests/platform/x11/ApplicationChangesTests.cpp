#include "platform/x11/ApplicationChanges.h"

#include <gtest/gtest.h>

namespace quillmere {
namespace {

RunningApplication app(std::int32_t pid, std::string name) {
    return {.processIdentifier = pid, .bundleIdentifier = name, .localizedName = name};
}

ApplicationsSnapshot::Entry shown(std::int32_t pid, std::string name) {
    return {app(pid, std::move(name)), false};
}
ApplicationsSnapshot::Entry hidden(std::int32_t pid, std::string name) {
    return {app(pid, std::move(name)), true};
}

std::vector<std::pair<std::string, std::int32_t>>
told(const std::vector<WorkspaceNotification>& notifications) {
    std::vector<std::pair<std::string, std::int32_t>> result;
    for (const WorkspaceNotification& notification : notifications)
        result.emplace_back(notification.name,
                            notification.application ? notification.application->processIdentifier : 0);
    return result;
}

using Told = std::vector<std::pair<std::string, std::int32_t>>;
const std::string launched(didLaunchApplicationNotification);
const std::string terminated(didTerminateApplicationNotification);
const std::string activated(didActivateApplicationNotification);
const std::string hid(didHideApplicationNotification);
const std::string unhid(didUnhideApplicationNotification);

TEST(ApplicationChangesTest, NothingChangedTellsNothing) {
    const ApplicationsSnapshot same{{{10, shown(10, "xterm")}, {20, hidden(20, "gimp")}}, 10};
    EXPECT_TRUE(applicationChanges(same, same).empty());
    EXPECT_TRUE(applicationChanges({}, {}).empty());
}

TEST(ApplicationChangesTest, ALaunchIsToldBeforeItsActivationAndCarriesTheApplication) {
    const ApplicationsSnapshot before{{{10, shown(10, "xterm")}}, 10};
    const ApplicationsSnapshot after{{{10, shown(10, "xterm")}, {30, shown(30, "gimp")}}, 30};
    const auto changes = applicationChanges(before, after);
    EXPECT_EQ(told(changes), (Told{{launched, 30}, {activated, 30}}));
    EXPECT_EQ(changes.front().application, app(30, "gimp"));
}

TEST(ApplicationChangesTest, AnApplicationLaunchedHiddenIsNotSaidToHide) {
    const ApplicationsSnapshot after{{{30, hidden(30, "gimp")}}, std::nullopt};
    EXPECT_EQ(told(applicationChanges({}, after)), (Told{{launched, 30}}));
}

TEST(ApplicationChangesTest, HidingAndShowingFollowTheMinimizedWindows) {
    const ApplicationsSnapshot before{{{10, shown(10, "xterm")}, {20, hidden(20, "gimp")}}, 10};
    const ApplicationsSnapshot after{{{10, hidden(10, "xterm")}, {20, shown(20, "gimp")}}, 10};
    EXPECT_EQ(told(applicationChanges(before, after)), (Told{{hid, 10}, {unhid, 20}}));
}

TEST(ApplicationChangesTest, TheLastWindowClosingTerminatesAfterTheNextActivation) {
    const ApplicationsSnapshot before{{{10, shown(10, "xterm")}, {20, shown(20, "gimp")}}, 20};
    const ApplicationsSnapshot after{{{10, shown(10, "xterm")}}, 10};
    const auto changes = applicationChanges(before, after);
    EXPECT_EQ(told(changes), (Told{{activated, 10}, {terminated, 20}}));
    EXPECT_EQ(changes.back().application, app(20, "gimp"));
}

TEST(ApplicationChangesTest, NoActivationWithoutAFrontmostApplicationOrForAnUnknownOne) {
    const ApplicationsSnapshot before{{{10, shown(10, "xterm")}}, 10};
    EXPECT_TRUE(applicationChanges(before, {{{10, shown(10, "xterm")}}, std::nullopt}).empty());
    // The active window belongs to a process that is not an application, such as our own.
    EXPECT_TRUE(applicationChanges(before, {{{10, shown(10, "xterm")}}, 99}).empty());
}

TEST(ApplicationChangesTest, EachKindIsToldInTheOrderOfProcessIds) {
    const ApplicationsSnapshot before{{{5, shown(5, "a")}, {6, shown(6, "b")}}, std::nullopt};
    const ApplicationsSnapshot after{{{8, shown(8, "c")}, {7, shown(7, "d")}}, std::nullopt};
    EXPECT_EQ(told(applicationChanges(before, after)),
              (Told{{launched, 7}, {launched, 8}, {terminated, 5}, {terminated, 6}}));
}

} // namespace
} // namespace quillmere
