#include "platform/linux/RuntimeLaunchScripts.h"
#include "support/TemporaryDirectory.h"
#include "wm/LaunchItemURL.h"
#include "wm/FullScreenSnapshots.h"
#include "wm/QuitConfirmation.h"
#include "wm/UnlistedApps.h"

#include <gtest/gtest.h>

namespace quillmere {
namespace {

RunningApplication app(std::int32_t pid, std::optional<std::string> bundle, std::optional<std::string> name,
                       ActivationPolicy policy = ActivationPolicy::regular) {
    return {.processIdentifier = pid, .bundleIdentifier = std::move(bundle), .localizedName = std::move(name),
            .activationPolicy = policy};
}

TEST(QuitConfirmationTest, NamesTheAppsSortedAndOffersToQuitFirst) {
    const Alert alert = QuitConfirmation::alert(
        {app(1, "b", "Notes"), app(2, "c", std::nullopt), app(3, "a", "Mail")}, "Work");
    EXPECT_EQ(alert.message, "Quit apps not in \u201CWork\u201D?");
    EXPECT_EQ(alert.informativeText, "Mail, Notes\n\nApps with unsaved changes will ask before quitting.");
    EXPECT_EQ(alert.buttons, (std::vector<std::string>{"Quit Apps", "Skip"}));
    EXPECT_EQ(alert.suppressionTitle, "Don't ask again for this profile");
    EXPECT_EQ(QuitConfirmation::key("Work"), "quitUnlistedConfirmed.Work");
}

TEST(UnlistedAppsTest, LeavesOutListedOwnFinderFrontmostAndNonRegularApps) {
    Profile profile{.name = "Work", .open = std::map<std::string, std::vector<std::string>>{{"com.example.Mail", {"x.com"}}}};
    const std::vector<RunningApplication> running{
        app(1, "com.example.Mail", "Mail"),          app(2, "com.apple.finder", "Finder"),
        app(3, "com.example.Own", "Own"),            app(4, "com.example.Terminal", "Terminal"),
        app(5, std::nullopt, "Nameless"),            app(6, "com.example.Helper", "Helper", ActivationPolicy::accessory),
        app(7, "com.example.Notes", "Notes"),
    };
    std::vector<std::int32_t> pids;
    for (const RunningApplication& unlisted : unlistedApps(profile, running, 3, 4))
        pids.push_back(unlisted.processIdentifier);
    EXPECT_EQ(pids, (std::vector<std::int32_t>{5, 7}));
}

TEST(LaunchItemURLTest, TurnsEachKindOfItemIntoWhatItsApplicationOpens) {
    TemporaryDirectory home;
    std::filesystem::create_directory(home / "Projects");
    TemporaryDirectory runtime;
    RuntimeLaunchScripts scripts(runtime.path());
    const auto url = [&](std::string_view text) { return launchItemURL(*LaunchItem::parse(text), home.path(), scripts); };

    EXPECT_EQ(url("example.com/a?b=1#c"), "https://example.com/a?b=1#c");
    EXPECT_EQ(url("https://example.com/a b"), std::nullopt);
    EXPECT_EQ(url("https://example.com/%zz"), std::nullopt);
    EXPECT_EQ(url("~/Projects"), "file://" + home.path().string() + "/Projects/");
    EXPECT_EQ(url("~/notes 1.txt"), "file://" + home.path().string() + "/notes%201.txt");
    EXPECT_EQ(url("/etc/hosts"), "file:///etc/hosts");

    const auto script = url("$ make");
    ASSERT_TRUE(script);
    EXPECT_TRUE(script->starts_with("file://" + (runtime / "quillmere/quillmere-").string()));
    EXPECT_TRUE(script->ends_with(".command"));
}

TEST(LaunchItemURLTest, ACommandWhoseScriptCannotBeWrittenGivesNothing) {
    RuntimeLaunchScripts nowhere(std::nullopt);
    EXPECT_EQ(launchItemURL(*LaunchItem::parse("$ make"), "/home/a", nowhere), std::nullopt);
}

TEST(FullScreenSnapshotsTest, KeepsTheTwoLeftmostReferencesOfEachFullScreenSpaceOnce) {
    const DisplaySpaces left("L", DisplayIdentity{"L", 1, 1, 1, false}, Rect(0, 0, 1000, 800), {1}, 1,
                             std::vector<SpaceId>{1, 5, 6});
    const DisplaySpaces right("R", DisplayIdentity{"R", 1, 1, 2, false}, Rect(1000, 0, 1000, 800), {2}, 2,
                              std::vector<SpaceId>{2, 7});
    const Desktops desktops({right, left});
    const std::vector<InventoryWindow> windows{
        {.id = 61, .app = "c", .space = 6, .bounds = Rect(0, 0, 500, 800)},
        {.id = 51, .app = "a", .space = 5, .bounds = Rect(600, 0, 400, 800)},
        {.id = 52, .app = "a", .space = 5, .bounds = Rect(0, 0, 300, 800)},
        {.id = 53, .app = "a", .space = 5, .bounds = Rect(300, 0, 300, 800)},
        {.id = 71, .app = "d", .space = 7, .bounds = Rect(1000, 0, 1000, 800)},
        {.id = 11, .app = "e", .space = 1, .bounds = Rect(0, 0, 1000, 800)},
    };
    const std::map<WindowId, WindowRef> refs{{51, {"a", 0}}, {52, {"a", 1}}, {53, {"a", 2}}, {71, {"d", 0}}, {11, {"e", 0}}};
    const std::vector<FullScreenSnapshot> expected{{{{"a", 1}, {"a", 2}}}, {{{"d", 0}}}};
    EXPECT_EQ(fullScreenSnapshots(desktops, windows, refs), expected)
        << "display order; Space 6 has no referenced window; Desktops are not full screen";
}

} // namespace
} // namespace quillmere
