#include "menubar/MiniMapModel.h"
#include "support/ManagedDesktop.h"

#include <fstream>
#include <gtest/gtest.h>

namespace quillmere {
namespace {

// One display of two Desktops with an editor window on the first, the manager started, and a model over it
// that counts its notifications.
struct MiniMapModelTest : testing::Test {
    MiniMapModelTest() {
        managed.start();
        model.observe([this] { ++notified; });
    }

    std::vector<SpaceId> order() const { return managed.desktop.spaceOrder(main); }
    std::vector<WindowId> windowsOn(std::size_t place) const {
        std::vector<WindowId> windows;
        for (const MiniSpace& space : model.displays().at(0).spaces)
            if (space.id == order()[place])
                for (const MiniWindow& window : space.windows)
                    windows.push_back(window.id);
        return windows;
    }

    ManagedDesktop managed;
    const DisplayId main = managed.desktop.addDisplay({.name = "Main", .bounds = {0, 0, 1440, 900}, .desktops = 2});
    const WindowId editor = managed.desktop.openWindow(managed.launch("Editor"), {.frame = {100, 100, 500, 400}});
    MiniMapModel model{managed.manager(), managed.queue, managed.previews, managed.profiles, {}};
    int notified = 0;
};

TEST_F(MiniMapModelTest, ErrorsAndSettingsNotifyOnChangeDisplaysAndStatusOnEveryAssignment) {
    model.setConfigError("config.json: line 3: a comma is missing");
    model.setConfigError("config.json: line 3: a comma is missing");
    EXPECT_EQ(notified, 1);
    model.setSettings(Settings::default_());
    model.setAccessibilityLost(false);
    model.setProfiles({});
    model.setProfileProblems({});
    EXPECT_EQ(notified, 1) << "nothing changed";
    model.setStatus(managed.manager().status());
    model.setStatus(managed.manager().status());
    EXPECT_EQ(notified, 3);
    model.setDisplays({});
    model.setDisplays({});
    EXPECT_EQ(notified, 5);
}

TEST_F(MiniMapModelTest, ShortcutIsTheFirstChordInTextOrderWhileShortcutsAreOn) {
    Settings settings = Settings::default_();
    settings.keys = {{"ctrl-alt-p", "pause"}, {"alt-p", "pause"}, {"ctrl-alt-1", "load Home"}, {"cmd-left", "float"}};
    model.setSettings(settings);
    EXPECT_EQ(model.shortcut("pause"), "⌥P");
    EXPECT_EQ(model.shortcut("load Home"), "⌃⌥1");
    EXPECT_EQ(model.shortcut("float"), "⌘←");
    EXPECT_EQ(model.shortcut("load Work"), std::nullopt);
    settings.keys = {{"ctrl-alt-p", "pause"}};
    model.setSettings(settings);
    EXPECT_EQ(model.shortcut("pause"), "⌃⌥P");
    settings.shortcuts = false;
    model.setSettings(settings);
    EXPECT_EQ(model.shortcut("pause"), std::nullopt) << "chords are bound but shortcuts are off";
}

TEST_F(MiniMapModelTest, RefreshReadsTheMapAndTheProfiles) {
    std::filesystem::create_directories(managed.profiles.directory());
    std::ofstream(managed.profiles.directory() / "Broken.json") << "{";
    model.refresh(false);
    ASSERT_EQ(model.displays().size(), 1u);
    EXPECT_EQ(windowsOn(0), std::vector<WindowId>{editor});
    ASSERT_EQ(model.profileProblems().size(), 1u);
    EXPECT_EQ(model.profileProblems()[0].file.filename(), "Broken.json");
}

TEST_F(MiniMapModelTest, ASendRefreshesTheMapATenthOfASecondLater) {
    model.refresh(false);
    model.send(editor, order()[1], true);
    managed.advance(std::chrono::milliseconds(99));
    EXPECT_EQ(windowsOn(1), std::vector<WindowId>{}) << "not read yet";
    managed.advance(std::chrono::milliseconds(1));
    EXPECT_EQ(windowsOn(1), std::vector<WindowId>{editor});

    // Every send has its own refresh.
    const int before = notified;
    model.send(editor, order()[0], true);
    model.send(editor, order()[1], true);
    managed.advance(MiniMapModel::sendRefreshDelay);
    EXPECT_EQ(notified - before, 2);
}

} // namespace
} // namespace quillmere
