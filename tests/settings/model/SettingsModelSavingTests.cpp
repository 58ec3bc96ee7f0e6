#include "support/EverySetting.h"
#include "support/SettingsModelFixture.h"

namespace quillmere {
namespace {

using Pane = SettingsModel::Pane;

TEST_F(SettingsModelTest, savesASwitchAndUndoesAndRedoesIt) {
    edit([](Settings& settings) { settings.focusFollowsMouse = false; });
    EXPECT_EQ(storedConfig()["focusFollowsMouse"], false);
    EXPECT_EQ(model->undo().undoActionName(), "Change Setting");

    later();
    model->undo().undo();
    EXPECT_EQ(storedConfig()["focusFollowsMouse"], true);
    EXPECT_TRUE(model->settings().focusFollowsMouse);
    EXPECT_FALSE(model->undo().canUndo());
    EXPECT_EQ(model->undo().redoActionName(), "Change Setting");

    later();
    model->undo().redo();
    EXPECT_EQ(storedConfig()["focusFollowsMouse"], false);
    EXPECT_EQ(model->undo().undoActionName(), "Change Setting");
    EXPECT_FALSE(model->undo().canRedo());
}

TEST_F(SettingsModelTest, undoesTwoSavesNewestFirst) {
    edit([](Settings& settings) { settings.gap = 12; }, "Change Setting");
    later();
    model->changeSpace(2, [](Settings::SpaceSettings& space) { space.label = "Mail"; });
    model->save("Change Space Label");
    later();

    EXPECT_EQ(model->undo().undoActionName(), "Change Space Label");
    model->undo().undo();
    EXPECT_EQ(model->spaceSettings(2).label, std::nullopt);
    EXPECT_EQ(model->settings().gap, 12);
    later();
    EXPECT_EQ(model->undo().undoActionName(), "Change Setting");
    model->undo().undo();
    EXPECT_EQ(storedConfig().contains("gap"), false);
}

TEST_F(SettingsModelTest, anUnchangedSaveWritesNothingButRefreshes) {
    const int changes = configChanges;
    const int refreshed = refreshes;
    model->save("Change Setting");
    EXPECT_EQ(configChanges, changes);
    EXPECT_FALSE(model->undo().canUndo());
    EXPECT_EQ(refreshes, refreshed + 1);
}

TEST_F(SettingsModelTest, tellsObserversOnlyOfChangedValues) {
    std::vector<SettingsModel::Property> told;
    model->addObserver([&told](SettingsModel::Property property) { told.push_back(property); });
    model->refresh();
    EXPECT_TRUE(told.empty());
    model->setTab("Keys");
    model->setTab("Keys");
    EXPECT_EQ(told, std::vector{SettingsModel::Property::tab});
}

TEST_F(SettingsModelTest, aFailedWriteRevertsTheEditWithoutAnUndoStep) {
    {
        FullDisk full;
        edit([](Settings& settings) { settings.gap = 30; });
    }
    EXPECT_EQ(model->settings().gap, std::nullopt);
    ASSERT_TRUE(model->error());
    EXPECT_TRUE(model->error()->starts_with("Couldn't save config: "));
    EXPECT_FALSE(model->undo().canUndo());
}

struct PaneCase {
    std::string name;
    Pane pane;
    // Which of the changed fields the pane's restore resets: gap, shortcuts, floatApps, spaces, menuBar.
    std::vector<bool> reset;
};

class RestoreDefaults : public SettingsModelTest, public testing::WithParamInterface<PaneCase> {};

TEST_P(RestoreDefaults, resetsOnlyThePanesSettingsAsOneStep) {
    const auto changeAll = [](Settings& settings) {
        settings.gap = 20;
        settings.shortcuts = false;
        settings.floatApps = {"Notes"};
        settings.spaces = {{.space = 1, .label = "Mail"}};
        settings.menuBar = MenuBarSettings::default_();
    };
    edit(changeAll);
    later();
    model->restoreDefaults(GetParam().pane);
    const Settings& now = model->settings();
    const Settings& defaults = Settings::default_();
    EXPECT_EQ(now.gap == defaults.gap, GetParam().reset[0]);
    EXPECT_EQ(now.shortcuts == defaults.shortcuts, GetParam().reset[1]);
    EXPECT_EQ(now.floatApps == defaults.floatApps, GetParam().reset[2]);
    EXPECT_EQ(now.spaces == defaults.spaces, GetParam().reset[3]);
    EXPECT_EQ(now.menuBar == defaults.menuBar, GetParam().reset[4]);
    EXPECT_EQ(storedConfig().contains("menuBar"), !GetParam().reset[4]);
    EXPECT_EQ(model->undo().undoActionName(), "Restore Defaults");

    later();
    model->undo().undo();
    Settings changed = model->settings();
    changeAll(changed);
    EXPECT_EQ(model->settings(), changed);
}

INSTANTIATE_TEST_SUITE_P(SettingsModel, RestoreDefaults,
                         testing::Values(PaneCase{"general", Pane::general, {true, false, false, false, false}},
                                         PaneCase{"keys", Pane::keys, {false, true, false, false, false}},
                                         PaneCase{"rules", Pane::rules, {false, false, true, false, false}},
                                         PaneCase{"spaces", Pane::spaces, {false, false, false, true, false}},
                                         PaneCase{"menuBar", Pane::menuBar, {false, false, false, false, true}}),
                         [](const testing::TestParamInfo<PaneCase>& info) { return info.param.name; });

// The keys of the file, of all that a record with every setting changed writes, whose values are the
// built-in ones.
std::set<std::string> keysAtDefault(const Settings& settings) {
    const auto all = nlohmann::json::parse(encodeSettings(everySettingChanged()).value());
    const auto written = nlohmann::json::parse(encodeSettings(settings).value());
    const auto defaults = nlohmann::json::parse(encodeSettings(Settings::default_()).value());
    std::set<std::string> keys;
    for (const auto& [key, value] : all.items())
        if (written.value(key, nlohmann::json()) == defaults.value(key, nlohmann::json()))
            keys.insert(key);
    return keys;
}

TEST_F(SettingsModelTest, eachPaneRestoresExactlyItsOwnKeys) {
    const std::pair<Pane, std::set<std::string>> panes[] = {
        {Pane::general,
         {"focusFollowsMouse", "mouseFollowsFocus", "followAfterSending", "followRoutedWindows",
          "windowPreviews", "padding", "gap", "spacing", "activeBorder", "borderColor", "borderOpacity",
          "dimInactive", "dimOpacity", "animateWindows", "ratio", "tiling", "stacking", "nativeTiling"}},
        {Pane::keys, {"keys", "shortcuts"}},
        {Pane::rules, {"floatApps", "floatTitles", "appSpaces", "fullScreenApps"}},
        {Pane::spaces, {"spaces"}},
        {Pane::menuBar, {"menuBar"}},
    };
    for (const auto& [pane, keys] : panes) {
        edit([](Settings& settings) { settings = everySettingChanged(); });
        ASSERT_EQ(keysAtDefault(model->settings()), std::set<std::string>{});
        later();
        model->restoreDefaults(pane);
        EXPECT_EQ(keysAtDefault(model->settings()), keys);
    }
}

TEST_F(SettingsModelTest, keysThePerDesktopSettingsInOrder) {
    edit([](Settings& settings) { settings.spaces = {{.space = 5}, {.space = 1}}; });
    model->changeSpace(3, [](Settings::SpaceSettings& space) { space.layout = LayoutMode::stack; });
    model->changeSpace(5, [](Settings::SpaceSettings& space) { space.label = "Five"; });
    std::vector<std::int64_t> order;
    for (const auto& space : model->settings().spaces)
        order.push_back(space.space);
    EXPECT_EQ(order, (std::vector<std::int64_t>{1, 3, 5}));
    EXPECT_EQ(model->spaceSettings(5).label, "Five");

    const auto seven = model->spaceSettings(7);
    EXPECT_EQ(seven, (Settings::SpaceSettings{.space = 7}));
    EXPECT_EQ(model->settings().spaces.size(), 3u);
}

TEST_F(SettingsModelTest, aBrokenFileStaysByteForByteThroughAnEdit) {
    const std::string broken = "{\"keys\": {\"alt-h\": ";
    writeConfigByHand(broken);
    ASSERT_TRUE(model->error());

    edit([](Settings& settings) { settings.gap = 8; });
    EXPECT_EQ(files::read(config.file()), broken);
    EXPECT_EQ(model->settings().gap, std::nullopt) << "the edit shows reverted";
    EXPECT_TRUE(model->error());
    EXPECT_FALSE(model->undo().canUndo());
}

TEST_F(SettingsModelTest, revertsABrokenFileToTheSettingsInForce) {
    edit([](Settings& settings) { settings.gap = 8; });
    const std::string broken = "not json";
    writeConfigByHand(broken);

    model->revertConfig();
    EXPECT_EQ(files::read(trashed("config.json")), broken);
    EXPECT_EQ(storedConfig()["gap"], 8);
    EXPECT_EQ(model->error(), std::nullopt);
    EXPECT_FALSE(config.fileUnreadable());
}

TEST_F(SettingsModelTest, aRevertThatCannotWritePutsTheBrokenFileBack) {
    const std::string broken = "not json";
    writeConfigByHand(broken);
    {
        FullDisk full;
        model->revertConfig();
    }
    EXPECT_EQ(files::read(config.file()), broken);
    ASSERT_TRUE(model->error());
    EXPECT_TRUE(model->error()->starts_with("Couldn't save config: "));
}

TEST_F(SettingsModelTest, countsOnlyWarningsAsProblemsAndKeepsTheFirstRegistrationOfAChord) {
    managed.desktop.setAppPreference("com.apple.dock", "mru-spaces", 0);
    managed.desktop.setAppPreference("com.apple.WindowManager", "EnableTilingByEdgeDrag", 0);
    model->refresh();
    EXPECT_EQ(model->problemCount(), 1) << "the trackpad's swipe";
    EXPECT_EQ(model->spaceCount(), 3);

    edit([](Settings& settings) { settings.keys = {{"alt-h", "focus west"}, {"opt-h", "focus east"}}; });
    ASSERT_TRUE(model->registrations().contains("alt-h"));
    EXPECT_EQ(model->registrations().at("alt-h").command->text(), "focus west");
}

} // namespace
} // namespace quillmere
