#include "app/AppDelegate.h"
#include "core/KeyChord.h"
#include "core/SettingsCoding.h"
#include "platform/CapturingLogSink.h"
#include "platform/ManualMainQueue.h"
#include "platform/linux/InotifyFileWatching.h"
#include "platform/sim/SimulatedDesktop.h"
#include "profiles/ProfilesTab.h"
#include "settings/DockPresence.h"
#include "support/AlertScript.h"
#include "shell/FocusFilter.h"
#include "support/Files.h"
#include "support/PopUpMenu.h"
#include "support/TemporaryDirectory.h"
#include "support/WidgetsOfType.h"

#include <QMenuBar>
#include <QTest>
#include <chrono>
#include <sys/stat.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace quillmere {
namespace {

using namespace std::chrono_literals;

constexpr std::string_view waitingLine = "waiting for accessibility permission";
constexpr std::string_view lossLine = "accessibility was turned off; removing the mouse tap and pausing";

// The configuration file: the defaults with the given members replaced, and two key bindings.
std::string configText(const nlohmann::json& changes = nlohmann::json::object()) {
    auto json = nlohmann::json(Settings::default_());
    json["keys"] = {{"alt-shift-l", "swap east"}, {"ctrl-alt-shift-t", "pause"}};
    for (const auto& [key, value] : changes.items())
        json[key] = value;
    return json.dump(2);
}

// A laptop screen with two windows of an editor, and the application delegate over it, launched by launch().
class AppDelegateTest : public testing::Test {
  protected:
    AppDelegateTest() {
        display = desktop.addDisplay({.bounds = {0, 0, 1512, 982}});
        const std::int32_t editor = desktop.launch({.bundleIdentifier = "com.example.Editor", .name = "Editor"});
        left = desktop.openWindow(editor, {.title = "One", .frame = {100, 100, 600, 500}});
        right = desktop.openWindow(editor, {.title = "Two", .frame = {300, 200, 600, 500}});
        ownPid = desktop.launch({.bundleIdentifier = "com.brenvald.quillmere", .name = "Quillmere",
                                 .policy = ActivationPolicy::accessory});
        queue.advance(0ms);
    }

    ~AppDelegateTest() override {
        delegate.reset();
        queue.advance(0ms);
    }

    void writeConfig(const std::string& text) {
        std::filesystem::create_directories(folder / "config");
        files::write(folder / "config" / "config.json", text);
    }

    void launch() {
        delegate = std::make_unique<AppDelegate>(AppDelegateServices{
            .queue = queue,
            .desktop = desktop.bundle(),
            .watching = watching,
            .defaults = desktop,
            .dockPresence = dockPresence,
            .configDirectory = folder / "config",
            .sessionFile = folder / "session.json",
            .profilesDirectory = folder / "profiles",
            .ownPid = ownPid,
            .receiveCommands = [this](auto handler) { send = std::move(handler); },
            .relaunch =
                [this] {
                    ++relaunches;
                    return relaunchStarts;
                },
            .terminate = [this] { ++terminations; },
            .tell = [this](const std::string& text) { told.push_back(text); },
        });
        delegate->applicationDidFinishLaunching();
        queue.advance(0ms);
    }

    std::size_t count(std::string_view message) const {
        return std::ranges::count(logged.entries(), message, &LogEntry::message);
    }

    void press(std::string_view chordText) {
        const auto chord = KeyChord::parse(chordText);
        desktop.pressKey(*chord->keyCode(), chord->carbonModifiers());
        queue.advance(0ms);
    }

    Rect frame(WindowId window) const { return *desktop.frame(window); }

    // The two windows' frames, the western one first.
    std::pair<Rect, Rect> westAndEast() const {
        const Rect one = frame(left);
        const Rect two = frame(right);
        return one.minX() < two.minX() ? std::pair(one, two) : std::pair(two, one);
    }

    CapturingLogSink logged;
    TemporaryDirectory folder;
    ManualMainQueue queue;
    SimulatedDesktop desktop{queue};
    InotifyFileWatching watching{queue};
    DockPresence dockPresence{
        [this](ActivationPolicy policy) { desktop.setActivationPolicy(ownPid, policy); }};
    DisplayId display = 0;
    WindowId left = 0;
    WindowId right = 0;
    std::int32_t ownPid = 0;
    std::function<void(const std::string&)> send;
    int relaunches = 0;
    int terminations = 0;
    std::vector<std::string> told;
    bool relaunchStarts = true;
    std::unique_ptr<AppDelegate> delegate;
};

TEST_F(AppDelegateTest, WaitsForTrustWithOneLineAndTheWarningThenStartsWithinASecondOfIt) {
    desktop.setTrusted(false);
    const Rect untouched = frame(left);
    launch();
    queue.advance(5500ms);

    EXPECT_EQ(count(waitingLine), 1u);
    EXPECT_EQ(delegate->statusItem().symbol(), "exclamationmark.triangle");
    EXPECT_FALSE(delegate->started());
    EXPECT_EQ(delegate->hotkeys(), nullptr);
    EXPECT_FALSE(send) << "commands are not received before the start";
    EXPECT_EQ(frame(left), untouched);

    desktop.setTrusted(true);
    queue.advance(1s);
    EXPECT_TRUE(delegate->started());
    EXPECT_EQ(count("accessibility trusted, starting"), 1u);
    EXPECT_EQ(delegate->statusItem().symbol(), "") << "the status's picture shows";
    EXPECT_EQ(delegate->statusItem().icon().toolTip(), "Quillmere, Space 1");
    EXPECT_TRUE(send);
    EXPECT_NE(frame(left), untouched) << "the windows are tiled";
}

TEST_F(AppDelegateTest, TheFirstConfigurationIsInForceWhenStartUpAdmitsTheWindows) {
    writeConfig(configText({{"spacing", false}}));
    launch();

    const Rect area = *delegate->manager().visibleArea(desktop.currentSpace(display));
    const auto [west, east] = westAndEast();
    EXPECT_EQ(west.minX(), area.minX()) << "no padding: the file's spacing switch is in force";
    EXPECT_EQ(west.minY(), area.minY());
    EXPECT_EQ(west.maxX(), east.minX()) << "no gap";
    EXPECT_EQ(east.maxX(), area.maxX());
    EXPECT_EQ(desktop.registeredHotKeys().size(), 2u) << "the file's key bindings are registered";
}

TEST_F(AppDelegateTest, CommandsFromTheChannelAndTheHotKeysReachTheWindowManager) {
    writeConfig(configText());
    launch();
    const auto [west, east] = westAndEast();
    const WindowId western = frame(left) == west ? left : right;
    const WindowId eastern = western == left ? right : left;
    desktop.focus(western);
    queue.advance(0ms);

    send("swap east");
    queue.advance(1s);
    EXPECT_EQ(count("remote command swap east"), 1u);
    EXPECT_EQ(frame(western), east);
    EXPECT_EQ(frame(eastern), west);

    desktop.focus(eastern);
    press("alt-shift-l");
    queue.advance(1s);
    EXPECT_EQ(count("command swap east"), 1u);
    EXPECT_EQ(frame(western), west) << "the hot key swapped them back";
    EXPECT_EQ(frame(eastern), east);

    send("swap sideways");
    EXPECT_EQ(count("unknown remote command swap sideways"), 1u);
}

TEST_F(AppDelegateTest, WhilePausedOnlyThePauseChordStaysRegistered) {
    writeConfig(configText());
    launch();
    ASSERT_EQ(desktop.registeredHotKeys().size(), 2u);

    press("ctrl-alt-shift-t");
    EXPECT_TRUE(delegate->manager().pausedByHand());
    EXPECT_EQ(desktop.registeredHotKeys().size(), 1u);

    send("pause");
    EXPECT_FALSE(delegate->manager().pausedByHand());
    EXPECT_EQ(desktop.registeredHotKeys().size(), 2u);
}

// Whether the user had paused tiling when trust went.
class TrustLossTest : public AppDelegateTest, public testing::WithParamInterface<bool> {};

TEST_P(TrustLossTest, IsHandledOnceAndTheApplicationRelaunchesWhenTrustIsBack) {
    launch();
    if (GetParam())
        send("pause");

    desktop.setTrusted(false);
    queue.advance(3500ms);
    EXPECT_EQ(count(lossLine), 1u);
    EXPECT_TRUE(delegate->accessibilityLost());
    EXPECT_TRUE(delegate->manager().pausedByHand()) << "paused, and a pause by hand stays";
    EXPECT_EQ(delegate->statusItem().icon().toolTip(),
              "Quillmere, needs Accessibility permission, paused, Space 1");
    send("balance");
    EXPECT_EQ(count(lossLine), 1u) << "commands are dropped without another line";
    EXPECT_EQ(relaunches, 0);

    desktop.setTrusted(true);
    queue.advance(1s);
    EXPECT_EQ(count("accessibility back on; relaunching"), 1u);
    EXPECT_EQ(relaunches, 1);
    EXPECT_EQ(terminations, 1);
}

INSTANTIATE_TEST_SUITE_P(PausedByHand, TrustLossTest, testing::Bool());

// The system switches the tap off as the permission goes, before the next poll would notice.
TEST_F(AppDelegateTest, TheTapSwitchedOffByTheLossDropsTheMouseGesturesAtOnce) {
    launch();
    ASSERT_NE(delegate->mouse(), nullptr);
    EXPECT_TRUE(desktop.tapEnabled());
    desktop.setTrusted(false);
    desktop.disableTap(false);
    EXPECT_EQ(delegate->mouse(), nullptr);
    EXPECT_TRUE(delegate->accessibilityLost());
    EXPECT_FALSE(desktop.tapEnabled());
    EXPECT_EQ(count(lossLine), 1u);
}

TEST_F(AppDelegateTest, ARelaunchThatCannotStartLeavesTheApplicationRunning) {
    relaunchStarts = false;
    launch();
    desktop.setTrusted(false);
    queue.advance(1s);
    desktop.setTrusted(true);
    queue.advance(5s);

    EXPECT_EQ(relaunches, 1);
    EXPECT_EQ(terminations, 0);
    EXPECT_EQ(std::ranges::count(logged.entries(), LogLevel::error, &LogEntry::level), 2)
        << "the loss and the failed relaunch";
}

TEST_F(AppDelegateTest, ASettingSwitchSavesTheFlippedValueUnlessTheFileHasAnError) {
    writeConfig(configText());
    launch();
    send("toggle spacing");
    EXPECT_EQ(nlohmann::json::parse(files::read(folder / "config" / "config.json"))["spacing"], false);
    EXPECT_FALSE(delegate->settingsWindow()->model().settings().usesSpacing()) << "the Settings window follows";

    const std::string broken = "{\"keys\": ";
    writeConfig(broken);
    queue.poll();
    queue.advance(ConfigStore::reloadDelay);
    ASSERT_TRUE(delegate->config().error());
    send("toggle spacing");
    EXPECT_EQ(files::read(folder / "config" / "config.json"), broken);
    EXPECT_EQ(count("toggle spacing: config.json has an error, not saving"), 1u);
}

TEST_F(AppDelegateTest, ASettingSwitchNeverSavesOverAConfigurationThatCannotBeRead) {
    std::filesystem::create_directories(folder / "config");
    const auto file = folder / "config" / "config.json";
    ASSERT_EQ(::mkfifo(file.c_str(), 0600), 0);
    launch();
    ASSERT_TRUE(delegate->config().error());
    EXPECT_EQ(count("config.json: " + file.string() + ": not a regular file. Still using the last good settings."), 1u);

    send("toggle spacing");

    EXPECT_EQ(std::filesystem::symlink_status(file).type(), std::filesystem::file_type::fifo);
    EXPECT_EQ(count("toggle spacing: config.json has an error, not saving"), 1u);
}

TEST_F(AppDelegateTest, TheLaunchRemovesTheTemporaryFilesOfWritesKilledInTheMiddle) {
    const auto stale = std::chrono::file_clock::now() - std::chrono::hours(1);
    for (const auto& where : {folder / "config", folder / "profiles", folder.path()}) {
        std::filesystem::create_directories(where);
        files::write(where / ".quillmere-1234.tmp", "{");
        std::filesystem::last_write_time(where / ".quillmere-1234.tmp", stale);
    }
    launch();
    for (const auto& where : {folder / "config", folder / "profiles", folder.path()})
        EXPECT_FALSE(std::filesystem::exists(where / ".quillmere-1234.tmp")) << where;
}

TEST_F(AppDelegateTest, TheSettingsCommandOpensTheSettingsWindowAndTheDockPresence) {
    // The guide, open at a first launch, would keep the application in the Dock.
    desktop.setBoolean("welcomeSeen", true);
    launch();
    send("settings");
    QWidget* settings = delegate->settingsWindow()->settingsWindow();
    ASSERT_NE(settings, nullptr);
    EXPECT_TRUE(settings->isVisible());
    SettingsWindow& owner = *delegate->settingsWindow();
    EXPECT_EQ(settings->windowTitle(), owner.tab(owner.model().tab())->text());
    EXPECT_TRUE(dockPresence.showsInDock());

    settings->close();
    EXPECT_FALSE(dockPresence.showsInDock());
}

TEST_F(AppDelegateTest, TheApplicationIsInTheDockWhileOneOfItsWindowsIsOpen) {
    desktop.setBoolean("welcomeSeen", true);
    launch();
    const auto policy = [this] {
        for (const RunningApplication& app : desktop.runningApplications())
            if (app.processIdentifier == ownPid)
                return app.activationPolicy;
        return ActivationPolicy::prohibited;
    };
    EXPECT_EQ(policy(), ActivationPolicy::accessory);
    send("settings");
    EXPECT_EQ(policy(), ActivationPolicy::regular);
    delegate->settingsWindow()->showProfiles();
    delegate->settingsWindow()->settingsWindow()->close();
    EXPECT_EQ(policy(), ActivationPolicy::regular) << "the Profiles window is still open";
    delegate->settingsWindow()->profilesWindow()->close();
    EXPECT_EQ(policy(), ActivationPolicy::accessory);
}

TEST_F(AppDelegateTest, AClickBeforeTheStartOffersThePermissionMenuAndAfterItChecksThePermission) {
    desktop.setTrusted(false);
    launch();
    {
        PopUpReader menu;
        delegate->statusItemClicked();
        ASSERT_FALSE(menu.lines.empty());
        EXPECT_EQ(menu.lines.front(), "(Quillmere needs Accessibility permission)");
    }
    EXPECT_EQ(delegate->statusItem().icon().contextMenu(), nullptr);

    desktop.setTrusted(true);
    queue.advance(1s);
    desktop.setTrusted(false);
    PopUpReader menu;
    delegate->statusItemClicked();
    EXPECT_TRUE(menu.lines.empty()) << "no menu once started";
    EXPECT_TRUE(delegate->accessibilityLost()) << "the click noticed the loss at once";
    EXPECT_EQ(count(lossLine), 1u);
}

TEST_F(AppDelegateTest, AConfigurationErrorShowsInTheStatusItem) {
    launch();
    writeConfig("{ broken");
    queue.poll();
    queue.advance(ConfigStore::reloadDelay);
    ASSERT_TRUE(delegate->config().error());
    EXPECT_EQ(delegate->statusItem().icon().toolTip(), "Quillmere, Space 1, config.json has an error");
}

TEST_F(AppDelegateTest, TheSettingsAndProfilesWindowsCarryTheApplicationsMenus) {
    launch();
    send("settings");
    delegate->openProfiles();
    for (QWidget* window : {delegate->settingsWindow()->settingsWindow(), delegate->settingsWindow()->profilesWindow()}) {
        ASSERT_NE(window, nullptr);
        const auto* bar = window->findChild<QMenuBar*>();
        ASSERT_NE(bar, nullptr);
        std::vector<std::string> titles;
        for (QAction* menu : bar->actions())
            titles.push_back(menu->text().toStdString());
        EXPECT_THAT(titles, testing::ElementsAre("Quillmere", "Edit", "Window", "Help"));
    }
}

TEST_F(AppDelegateTest, CommandsThatComeWhileAnAlertIsOpenRunInOrderOnceTheWorkThatAskedHasFinished) {
    writeConfig(configText());
    Profile spanning;
    spanning.name = "Spanning";
    spanning.spansDisplays = true;
    ASSERT_FALSE(ProfileStore(folder / "profiles").save(spanning));
    launch();
    const std::pair<Rect, Rect> before = westAndEast();
    desktop.focus(frame(left) == before.first ? left : right);
    queue.advance(0ms);
    bool pausedInside = true;
    AlertScript script({[&](QMessageBox& box) {
        EXPECT_EQ(box.text(), "\u201CSpanning\u201D was captured with Spaces spanning displays");
        send("pause");
        press("alt-shift-l");
        pausedInside = delegate->manager().pausedByHand();
        alertButton(box, "Apply Anyway")->click();
    }});
    send("load Spanning");
    EXPECT_FALSE(pausedInside) << "nothing runs inside the alert";
    EXPECT_EQ(count("loaded profile Spanning; 0 windows to launch"), 1u);
    EXPECT_FALSE(delegate->manager().pausedByHand()) << "nor inside the load that asked";

    queue.advance(0ms);
    EXPECT_TRUE(delegate->manager().pausedByHand());
    EXPECT_EQ(count("command swap east"), 1u);
    queue.advance(1s);
    EXPECT_EQ(westAndEast(), before) << "the swap came after the pause, so it moved nothing";

    send("pause");
    EXPECT_FALSE(delegate->manager().pausedByHand()) << "with the alert gone, commands run at once";
}

TEST_F(AppDelegateTest, TheSpacesOverviewIsMadeOnceAfterTheStartAndShownAgain) {
    desktop.setTrusted(false);
    launch();
    delegate->openSpaces();
    EXPECT_EQ(delegate->spacesWindow(), nullptr) << "nothing before the start";

    desktop.setTrusted(true);
    queue.advance(1s);
    delegate->openSpaces();
    SpacesWindow* first = delegate->spacesWindow();
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->shown());
    first->close();
    delegate->openSpaces();
    EXPECT_EQ(delegate->spacesWindow(), first);
    EXPECT_TRUE(first->shown());
    EXPECT_EQ(first->observers(), 2u);
}

TEST_F(AppDelegateTest, TheWarningAboutUnplacedSpacesOpensOnceTheLoadHasFinished) {
    Profile wide;
    wide.name = "Wide";
    wide.spaces = {SpaceSnapshot{.space = 4}};
    ASSERT_FALSE(ProfileStore(folder / "profiles").save(wide));
    launch();
    AlertScript script({[](QMessageBox& box) {
        EXPECT_EQ(box.text(), "\u201CWide\u201D couldn't place 1 Space");
        EXPECT_TRUE(box.informativeText().startsWith("Display has no Desktop 4.\n\n"))
            << box.informativeText().toStdString();
        QTest::keyClick(&box, Qt::Key_Return);
    }});
    send("load Wide");
    EXPECT_EQ(count("loaded profile Wide; 0 windows to launch"), 1u);
    EXPECT_EQ(script.opened(), 0u) << "not inside the load";
    queue.advance(0ms);
    EXPECT_EQ(script.opened(), 1u);
}

TEST_F(AppDelegateTest, TheGuideOpensUntilSeenAndWhenThePermissionIsLost) {
    launch();
    ASSERT_NE(delegate->welcome().window(), nullptr) << "never seen";
    EXPECT_TRUE(delegate->welcome().window()->isVisible());
    EXPECT_EQ(delegate->welcome().model().page(), WelcomeModel::Page::macOS);
    delegate->welcome().window()->close();
    EXPECT_EQ(desktop.boolean("welcomeSeen"), true);

    delegate.reset();
    launch();
    EXPECT_EQ(delegate->welcome().window(), nullptr) << "seen, and trusted";
    desktop.setTrusted(false);
    queue.advance(1s);
    ASSERT_NE(delegate->welcome().window(), nullptr);
    EXPECT_TRUE(delegate->welcome().window()->isVisible());
    EXPECT_EQ(delegate->welcome().model().page(), WelcomeModel::Page::permission);
}

TEST_F(AppDelegateTest, ClosingTheGuideGivesTheFrontBackSoThatCommandsActAgain) {
    writeConfig(configText());
    desktop.focus(left);
    launch();
    QCoreApplication::processEvents();
    ASSERT_EQ(desktop.frontmostApplication()->processIdentifier, ownPid) << "the guide came forward";
    const Rect before = frame(left);

    delegate->welcome().window()->close();
    queue.advance(0ms);
    EXPECT_EQ(desktop.frontmostApplication()->bundleIdentifier, "com.example.Editor");
    send("swap east");
    queue.advance(1s);
    EXPECT_NE(frame(left), before) << "the command acted on the window in front before the guide";
}

TEST_F(AppDelegateTest, TheGuidesPresetIsSavedButNeverOverAFileWithAnError) {
    writeConfig(configText());
    launch();
    WelcomeModel& guide = delegate->welcome().model();
    guide.choosePreset(KeyPreset::amethyst());
    guide.setPage(WelcomeModel::Page::presets);
    guide.next();
    EXPECT_EQ(delegate->config().settings().keys, KeyPreset::amethyst().settingsKeys());

    writeConfig("{ \"keys\": ");
    queue.poll();
    queue.advance(ConfigStore::reloadDelay);
    ASSERT_TRUE(delegate->config().error());
    guide.choosePreset(std::nullopt);
    guide.setPage(WelcomeModel::Page::presets);
    guide.next();
    EXPECT_EQ(files::read(folder / "config" / "config.json"), "{ \"keys\": ") << "the user's edit is kept";
    const auto refusal = std::ranges::find(logged.entries(), "welcome presets: config.json has an error, not saving",
                                           &LogEntry::message);
    ASSERT_NE(refusal, logged.entries().end());
    EXPECT_EQ(refusal->level, LogLevel::error);
}

TEST_F(AppDelegateTest, AnUpdateCheckSaysWhereUpdatesComeFrom) {
    launch();
    delegate->checkForUpdates();
    delegate->miniMap()->model().actions().checkForUpdates();
    EXPECT_EQ(told, std::vector<std::string>(2, std::string(PackageUpdater::checkAnswer)));
}

TEST_F(AppDelegateTest, TheFocusFilterLoadsProfilesOnceStarted) {
    desktop.setTrusted(false);
    launch();
    delegate->focusFilter().load("work");
    EXPECT_EQ(count("no profile work"), 0u) << "not started: the load goes nowhere";
    desktop.setTrusted(true);
    queue.advance(1s);
    delegate->focusFilter().load("work");
    EXPECT_EQ(count("focus filter loading work"), 2u);
    EXPECT_EQ(count("no profile work"), 1u) << "the window manager looked the profile up";
}

TEST_F(AppDelegateTest, TheProfilesWindowShowsTheProfilesOverTheSettingsModel) {
    launch();
    delegate->openProfiles();
    QWidget* window = delegate->settingsWindow()->profilesWindow();
    ASSERT_NE(window, nullptr);
    const std::vector<ProfilesTab*> tabs = widgetsOfType<ProfilesTab>(*window);
    ASSERT_EQ(tabs.size(), 1u);
    delegate->settingsWindow()->model().newProfile();
    QApplication::processEvents();
    ASSERT_NE(tabs.front()->detail(), nullptr);
    EXPECT_EQ(tabs.front()->detail()->name(), "Untitled");
}

} // namespace
} // namespace quillmere
