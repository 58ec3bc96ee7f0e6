#include "app/Welcome.h"
#include "app/WelcomeTexts.h"
#include "platform/ManualMainQueue.h"
#include "platform/sim/SimulatedDesktop.h"
#include "settings/SetupTab.h"
#include "support/WidgetsOfType.h"
#include "widgets/Keycap.h"

#include <QLabel>
#include <gtest/gtest.h>

namespace quillmere {
namespace {

using namespace std::chrono_literals;
using Page = WelcomeModel::Page;

// The guide over a simulated system with its configuration in `settings`, recording every save of keys and
// every System Settings address opened.
class WelcomeTest : public testing::Test {
  protected:
    WelcomeTest() { desktop.setTrusted(false); }

    WelcomeModel::Services services() {
        return {
            .accessibility = desktop,
            .preferences = desktop,
            .spaceCount = [] { return 3; },
            .openSystemSettings = [this](const std::string& address) { opened.push_back(address); },
            .settings = [this] { return settings; },
        };
    }

    DockPresence dockPresence{[](ActivationPolicy) {}};

    Welcome& welcome() {
        if (!guide)
            guide = std::make_unique<Welcome>(services(), queue, desktop, dockPresence,
                                              [this](const KeyPreset::KeyMap& keys) {
                                                  saved.push_back(keys);
                                                  settings.keys = keys;
                                              });
        return *guide;
    }

    WelcomeView& window() { return *welcome().window(); }

    QString labelText(const char* name) {
        const auto* label = window().currentPage()->findChild<QLabel*>(name);
        return label && label->isVisibleTo(&window()) ? label->text() : QString();
    }

    bool seen() { return desktop.boolean(Welcome::seenKey).value_or(false); }

    ManualMainQueue queue;
    SimulatedDesktop desktop{queue};
    Settings settings = Settings::default_();
    std::vector<KeyPreset::KeyMap> saved;
    std::vector<std::string> opened;
    std::unique_ptr<Welcome> guide;
};

TEST(WelcomePages, TheGivenPageElseTheTrustPicks) {
    EXPECT_EQ(WelcomeModel::pageToShow(std::nullopt, false), Page::permission);
    EXPECT_EQ(WelcomeModel::pageToShow(std::nullopt, true), Page::macOS);
    EXPECT_EQ(WelcomeModel::pageToShow(Page::keys, false), Page::keys);
    EXPECT_EQ(WelcomeModel::pageToShow(Page::permission, true), Page::permission);
}

TEST(WelcomeTexts, FollowThePageAndTheTrust) {
    struct Case {
        Page page;
        bool trusted;
        std::string_view main;
        bool skip;
    };
    const Case cases[] = {
        {Page::permission, false, "Open Accessibility Settings…", true},
        {Page::permission, true, "Continue", true},
        {Page::macOS, true, "Continue", true},
        {Page::presets, false, "Continue", true},
        {Page::keys, true, "Done", false},
    };
    for (const Case& test : cases) {
        EXPECT_EQ(mainButtonTitle(test.page, test.trusted), test.main);
        EXPECT_EQ(offersSkip(test.page), test.skip);
    }
    EXPECT_EQ(skipHelp(true), "Close this guide");
    EXPECT_EQ(skipHelp(false), "Close this guide; Quillmere starts as soon as Accessibility is on");
}

TEST_F(WelcomeTest, APresetIsSavedOnlyAfterARowWasClickedAndOnlyWhenTheKeysChange) {
    const KeyPreset& rectangle = KeyPreset::rectangle();
    KeyPreset::KeyMap edited = Settings::default_().keys;
    edited["ctrl-alt-x"] = "float";
    struct Case {
        const char* name;
        KeyPreset::KeyMap keys;
        std::vector<std::optional<KeyPreset>> clicks;
        std::vector<KeyPreset::KeyMap> saved;
    };
    const Case cases[] = {
        {"no click", edited, {}, {}},
        {"system row, keys as default", Settings::default_().keys, {std::nullopt}, {}},
        {"system row, keys edited", edited, {std::nullopt}, {Settings::default_().keys}},
        {"preset", edited, {rectangle}, {rectangle.settingsKeys()}},
        {"preset then system row", Settings::default_().keys, {rectangle, std::nullopt}, {}},
        {"preset then system row, keys edited", edited, {rectangle, std::nullopt}, {Settings::default_().keys}},
    };
    for (const Case& test : cases) {
        settings.keys = test.keys;
        saved.clear();
        WelcomeModel model(services());
        model.saveKeys = [this](const KeyPreset::KeyMap& keys) { saved.push_back(keys); };
        for (const auto& click : test.clicks)
            model.choosePreset(click);
        model.setPage(Page::presets);
        model.next();
        EXPECT_EQ(saved, test.saved) << test.name;
        EXPECT_EQ(model.chosePreset(), !test.clicks.empty()) << test.name;
        EXPECT_EQ(model.page(), Page::keys) << test.name;
    }
}

TEST_F(WelcomeTest, OpensOnThePermissionPageUntilTrustedAndTurnsWithinASecondOfTheGrant) {
    welcome().show();
    EXPECT_EQ(window().windowTitle(), "Welcome to Quillmere");
    EXPECT_EQ(window().size(), QSize(560, 460));
    EXPECT_EQ(labelText("accessibilityStatus"), "Waiting for Accessibility permission…");
    EXPECT_FALSE(labelText("permissionHint").isEmpty());
    EXPECT_EQ(window().mainButton()->text(), "Open Accessibility Settings…");
    EXPECT_EQ(window().skipButton()->toolTip(), "Close this guide; Quillmere starts as soon as Accessibility is on");

    window().mainButton()->click();
    EXPECT_EQ(opened, std::vector<std::string>{std::string(SetupCheck::accessibilityPane)});

    desktop.setTrusted(true);
    queue.advance(1s);
    EXPECT_EQ(labelText("accessibilityStatus"), "Accessibility is on");
    EXPECT_TRUE(labelText("permissionHint").isEmpty());
    EXPECT_EQ(window().mainButton()->text(), "Continue");
    EXPECT_EQ(window().skipButton()->toolTip(), "Close this guide");

    window().mainButton()->click();
    EXPECT_EQ(welcome().model().page(), Page::macOS);
}

TEST_F(WelcomeTest, TheChecksPageLeavesOutThePermission) {
    desktop.setTrusted(true);
    welcome().show();
    EXPECT_EQ(welcome().model().page(), Page::macOS);
    ASSERT_EQ(window().checkRows().size(), 5u);
    for (const SetupCheck& check : welcome().model().checks())
        EXPECT_NE(check.id, "Accessibility permission");
    EXPECT_TRUE(labelText("accessibilityStatus").isEmpty()) << "no permission header on this page";
}

TEST_F(WelcomeTest, TheKeysPageShowsTheSavedChordsOrSaysThereAreNone) {
    settings.keys = {{"alt-f", "float"}};
    welcome().show(Page::keys);
    const std::vector<Keycap*> keycaps = widgetsOfType<Keycap>(*window().currentPage());
    ASSERT_EQ(keycaps.size(), 1u);
    EXPECT_EQ(keycaps.front()->text(), QString::fromStdString(*settings.shortcutText({"float"})));
    int hints = 0;
    for (const QLabel* label : window().currentPage()->findChildren<QLabel*>())
        hints += label->text() == "No shortcut yet; set one in Settings › Keys";
    EXPECT_EQ(hints, 4);
    EXPECT_EQ(window().skipButton(), nullptr);
    EXPECT_EQ(window().mainButton()->text(), "Done");
}

TEST_F(WelcomeTest, EveryWayOfClosingRecordsTheGuideAsSeenAndStopsTheRefresh) {
    struct Case {
        const char* name;
        std::optional<Page> page;
        std::function<void(WelcomeView&)> close;
    };
    const Case cases[] = {
        {"close button", std::nullopt, [](WelcomeView& window) { window.close(); }},
        {"Skip", Page::presets, [](WelcomeView& window) { window.skipButton()->click(); }},
        {"Done", Page::keys, [](WelcomeView& window) { window.mainButton()->click(); }},
    };
    for (const Case& test : cases) {
        desktop.remove(Welcome::seenKey);
        welcome().show(test.page);
        welcome().show(test.page);
        EXPECT_EQ(queue.scheduledCount(), 1u) << test.name << ": shown twice, one refresh";
        test.close(window());
        EXPECT_FALSE(window().isVisible()) << test.name;
        EXPECT_TRUE(seen()) << test.name;
        EXPECT_FALSE(welcome().refreshing()) << test.name;
        EXPECT_EQ(queue.scheduledCount(), 0u) << test.name;
    }
}

TEST_F(WelcomeTest, ThePresetChosenInTheWindowIsWhatTheKeysPageShows) {
    desktop.setTrusted(true);
    welcome().show(Page::presets);
    auto* aerospace = window().currentPage()->findChild<QPushButton*>(QString::fromStdString(KeyPreset::aerospace().name));
    ASSERT_NE(aerospace, nullptr);
    aerospace->click();
    window().mainButton()->click();
    ASSERT_EQ(saved.size(), 1u);
    EXPECT_EQ(saved.front(), KeyPreset::aerospace().settingsKeys());
    EXPECT_EQ(welcome().model().page(), Page::keys);
    EXPECT_EQ(static_cast<std::ptrdiff_t>(widgetsOfType<Keycap>(*window().currentPage()).size()),
              std::ranges::count_if(welcomeShortcuts(), [&](const WelcomeShortcut& shortcut) {
                  return settings.shortcutText(shortcut.commands).has_value();
              }));
}

} // namespace
} // namespace quillmere
