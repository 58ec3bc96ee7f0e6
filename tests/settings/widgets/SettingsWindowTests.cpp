#include "settings/widgets/SettingsWindowFixture.h"

#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace quillmere {
namespace {

QPushButton* button(QWidget& parent, const QString& text) {
    for (QPushButton* candidate : parent.findChildren<QPushButton*>())
        if (candidate->text() == text)
            return candidate;
    return nullptr;
}

struct OpeningCase {
    std::string name;
    bool systemSetUp;
    std::optional<std::string> remembered;
    std::string pane;
    std::optional<std::string> rememberedAfter;
};

class SettingsWindowOpening : public SettingsWindowTest, public testing::WithParamInterface<OpeningCase> {};

TEST_P(SettingsWindowOpening, opensOnPermissionsWhileACheckWarnsElseOnTheRememberedPane) {
    setUp(GetParam().systemSetUp);
    if (GetParam().remembered)
        managed.desktop.setString("settingsPane", *GetParam().remembered);
    settings->show();
    EXPECT_EQ(theModel().tab(), GetParam().pane);
    EXPECT_TRUE(settings->tab(GetParam().pane)->isChecked());
    EXPECT_EQ(managed.desktop.string("settingsPane"), GetParam().rememberedAfter);
}

INSTANTIATE_TEST_SUITE_P(SettingsWindow, SettingsWindowOpening,
                         testing::Values(OpeningCase{"aWarningWinsOverTheRememberedPane", false, "Keys", "Setup", "Keys"},
                                         OpeningCase{"rememberedPane", true, "Spaces", "Spaces", "Spaces"},
                                         OpeningCase{"nothingRemembered", true, std::nullopt, "General", "General"},
                                         OpeningCase{"unknownRememberedPane", true, "Nonsense", "General",
                                                     "Nonsense"}),
                         [](const auto& info) { return info.param.name; });

TEST_F(SettingsWindowTest, theSystemSwitchesForEveryApplicationClearTheChecksAtOnce) {
    const std::pair<std::string, std::string> ownValues[] = {
        {"com.apple.dock", "mru-spaces"},
        {"com.apple.WindowManager", "EnableTilingByEdgeDrag"},
        {"com.apple.AppleMultitouchTrackpad", "TrackpadThreeFingerHorizSwipeGesture"}};
    for (const auto& [application, key] : ownValues)
        managed.desktop.setAppPreference(application, key, std::nullopt);
    managed.desktop.setString("settingsPane", "Keys");
    settings->show();
    EXPECT_EQ(settings->tab("Setup")->text(), "Permissions (3)");
    EXPECT_EQ(theModel().tab(), "Setup");

    // As the System menu of the simulated screens switches them.
    managed.desktop.setPreference("mru-spaces", 0);
    managed.desktop.setPreference("EnableTilingByEdgeDrag", 0);
    managed.desktop.setPreference("TrackpadThreeFingerHorizSwipeGesture", 2);
    theModel().refresh();
    EXPECT_EQ(settings->tab("Setup")->text(), "Permissions");

    window().close();
    settings->show();
    EXPECT_EQ(theModel().tab(), "Keys");
}

TEST_F(SettingsWindowTest, switchingPaneKeepsTheTopLeftCornerAndFitsThePane) {
    open("General");
    window().move(140, 90);
    const QPoint topLeft = window().pos();
    const QSize general = settings->pane("General")->size();
    open("Keys");
    EXPECT_EQ(window().pos(), topLeft);
    EXPECT_EQ(general, QSize(620, 600));
    EXPECT_EQ(settings->pane("Keys")->size(), QSize(700, 640));
    EXPECT_EQ(window().windowTitle(), "Keys");
    EXPECT_EQ(managed.desktop.string("settingsPane"), "Keys");

    open("Setup");
    EXPECT_EQ(managed.desktop.string("settingsPane"), "Keys");
    EXPECT_EQ(window().pos(), topLeft);
}

TEST_F(SettingsWindowTest, thePermissionsTabCountsTheWarningsUntilCheckAgainFindsThemFixed) {
    setUp(false);
    managed.desktop.setAppPreference("com.apple.dock", "mru-spaces", 0);
    open("Setup");
    EXPECT_EQ(settings->tab("Setup")->text(), "Permissions (2)");
    EXPECT_EQ(window().windowTitle(), "Permissions (2)");

    setUp(true);
    button(setup(), "Check Again")->click();
    EXPECT_EQ(settings->tab("Setup")->text(), "Permissions");
    EXPECT_EQ(window().windowTitle(), "Permissions");
    QApplication::processEvents();
    for (SetupCheckRow* row : setup().rows())
        EXPECT_EQ(row->openButton(), nullptr);
}

TEST_F(SettingsWindowTest, aCheckNeedingAttentionOffersItsSystemSettingsPage) {
    setUp(false);
    open("Setup");
    std::vector<std::string> offered;
    for (SetupCheckRow* row : setup().rows())
        if (row->openButton()) {
            row->openButton()->click();
            offered.push_back(openedAddresses.back());
        }
    EXPECT_EQ(offered.size(), 3u);
    EXPECT_EQ(offered.front(), "x-apple.systempreferences:com.apple.Desktop-Settings.extension");
}

TEST_F(SettingsWindowTest, aWarningMarkSaysHowTheSettingStands) {
    setUp(false);
    open("Setup");
    std::vector<QString> said;
    for (QLabel* mark : setup().findChildren<QLabel*>())
        if (mark->accessibleName() == "Needs attention")
            said.push_back(mark->toolTip());
    ASSERT_EQ(said.size(), 3u);
    EXPECT_EQ(said.front(), "Needs attention: Automatically rearrange Spaces is on now. Turn it off in System Settings.");
}

TEST_F(SettingsWindowTest, theApplicationShowsInTheDockWhileEitherWindowIsOpen) {
    for (int shown = 0; shown < 2; ++shown) {
        settings->show();
        settings->showProfiles();
    }
    settings->settingsWindow()->close();
    EXPECT_TRUE(dockPresence.showsInDock());
    settings->profilesWindow()->close();
    EXPECT_FALSE(dockPresence.showsInDock());
    EXPECT_EQ(policies.back(), ActivationPolicy::accessory);
    EXPECT_EQ(std::count(policies.begin(), policies.end(), ActivationPolicy::accessory), 1);
}

TEST_F(SettingsWindowTest, closingTheWindowWhileRecordingBringsTheHotKeysBack) {
    open("Keys");
    const auto registered = managed.desktop.registeredHotKeys().size();
    ASSERT_GT(registered, 0u);
    theModel().record(SettingsModel::RecordAdd{"focus west"});
    ASSERT_TRUE(theModel().recording());
    EXPECT_LT(managed.desktop.registeredHotKeys().size(), registered);

    window().close();
    EXPECT_FALSE(theModel().recording());
    EXPECT_EQ(managed.desktop.registeredHotKeys().size(), registered);
}

TEST_F(SettingsWindowTest, switchingPaneStopsARecording) {
    open("Keys");
    theModel().record(SettingsModel::RecordAdd{"focus west"});
    settings->tab("General")->trigger();
    EXPECT_FALSE(theModel().recording());
    EXPECT_EQ(theModel().tab(), "General");
}

TEST_F(SettingsWindowTest, theApplicationLosingTheFocusStopsARecordingAndBringsTheHotKeysBack) {
    open("Keys");
    const auto registered = managed.desktop.registeredHotKeys().size();
    theModel().record(SettingsModel::RecordAdd{"focus west"});
    ASSERT_TRUE(theModel().recording());
    Q_EMIT qApp->applicationStateChanged(Qt::ApplicationActive);
    EXPECT_TRUE(theModel().recording()) << "only leaving the application stops it";

    // As when the user clicks into another application.
    Q_EMIT qApp->applicationStateChanged(Qt::ApplicationInactive);
    EXPECT_FALSE(theModel().recording());
    EXPECT_EQ(managed.desktop.registeredHotKeys().size(), registered);
    EXPECT_TRUE(window().isVisible());
}

TEST_F(SettingsWindowTest, editUndoNamesAndTakesTheModelsStepUnlessAFieldHasItsOwn) {
    open("General");
    later();
    edit([](Settings& settings) { settings.gap = 12; });
    later();
    auto* bar = window().findChild<QMenuBar*>();
    QAction* undo = nullptr;
    for (QAction* menu : bar->actions())
        if (menu->text() == "Edit")
            undo = menu->menu()->actions().front();
    ASSERT_NE(undo, nullptr);
    EXPECT_EQ(undo->text(), "Undo Change Setting");

    QLineEdit* padding = general().numberField("Padding")->field();
    padding->setFocus();
    QApplication::setActiveWindow(&window());
    padding->setFocus();
    QTest::keyClicks(padding, "7");
    undo->trigger();
    EXPECT_EQ(padding->text(), "");
    EXPECT_EQ(theModel().settings().gap, 12);

    undo->trigger();
    EXPECT_EQ(theModel().settings().gap, std::nullopt);
    EXPECT_EQ(storedConfig().contains("gap"), false);
}


TEST_F(SettingsWindowTest, theProfilesWindowComesBackWhereItWasUnlessThatIsOffEveryScreen) {
    settings->showProfiles();
    QWidget& profiles = *settings->profilesWindow();
    profiles.setGeometry(40, 30, 950, 700);
    const QRect kept(profiles.pos(), profiles.size());
    profiles.close();
    settings->showProfiles();
    EXPECT_EQ(QRect(profiles.pos(), profiles.size()), kept);

    profiles.close();
    managed.desktop.setString("Profiles frame", "-9000 -9000 950 700");
    settings->showProfiles();
    EXPECT_TRUE(profiles.screen()->availableGeometry().intersects(QRect(profiles.pos(), profiles.size())));
}

} // namespace
} // namespace quillmere
