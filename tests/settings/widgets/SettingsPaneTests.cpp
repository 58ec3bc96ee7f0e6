#include "settings/widgets/SettingsWindowFixture.h"

#include "settings/RulesPane.h"
#include "support/Wheel.h"

#include <QListWidget>
#include <QRadioButton>
#include <QScrollBar>
#include <QSlider>

namespace quillmere {
namespace {

TEST_F(SettingsWindowTest, theRulesPaneIsInTheWindow) {
    open("Rules");
    EXPECT_NE(dynamic_cast<RulesPane*>(&settings->pane("Rules")->content()), nullptr);
}

// ---- General ----

TEST_F(SettingsWindowTest, generalShowsTheBuiltInSettings) {
    open("General");
    GeneralTab& pane = general();
    const std::pair<const char*, bool> switches[] = {
        {"Focus follows mouse", true},       {"Mouse follows focus", true},
        {"Show window previews", false},     {"Active window border", false},
        {"Dim other windows", false},        {"Animate windows", false},
        {"Use macOS tiling with Quillmere", true}, {"Follow after sending", true},
        {"Follow when routed by a rule", false},   {"Space round windows", true},
    };
    for (const auto& [title, on] : switches)
        EXPECT_EQ(pane.switchRow(title)->isOn(), on) << title;
    EXPECT_FALSE(pane.borderRows()->isVisibleTo(&pane));
    EXPECT_FALSE(pane.dimmingRow()->isVisibleTo(&pane));
    EXPECT_EQ(pane.tiling()->currentText(), "BSP");
    EXPECT_EQ(pane.stacking()->currentText(), "Fill");
    for (const char* title : {"Padding", "Gap between windows", "Default split ratio"})
        EXPECT_EQ(pane.numberField(title)->field()->text(), "") << title;
    EXPECT_EQ(pane.numberField("Default split ratio")->field()->placeholderText(),
              "0.5: the share a window keeps when a new one splits it");
}

TEST_F(SettingsWindowTest, anOptionalSwitchOffAndOnAgainStoresTrue) {
    open("General");
    SwitchRow* follow = general().switchRow("Follow after sending");
    follow->box()->click();
    later();
    follow->box()->click();
    EXPECT_EQ(storedConfig()["followAfterSending"], true);
    EXPECT_TRUE(follow->isOn());
}

TEST_F(SettingsWindowTest, previewsSwitchedOnWithoutScreenRecordingAskOnceAndWarn) {
    managed.desktop.setScreenCaptureAccess(false);
    open("General");
    general().switchRow("Show window previews")->box()->click();
    EXPECT_EQ(managed.desktop.captureAccessRequests(), 1);
    EXPECT_TRUE(general().captureWarning()->isVisibleTo(&general()));
    EXPECT_EQ(storedConfig()["windowPreviews"], true);
}

TEST_F(SettingsWindowTest, choosingTheBuiltInAlgorithmRemovesItFromTheFile) {
    open("General");
    QComboBox* tiling = general().tiling();
    const auto choose = [](QComboBox* box, const QString& text) {
        box->setCurrentIndex(box->findText(text));
        Q_EMIT box->activated(box->currentIndex());
    };
    choose(tiling, "Master and stack");
    EXPECT_EQ(storedConfig()["tiling"], "master-stack");
    EXPECT_EQ(general().numberField("Default split ratio")->field()->placeholderText(),
              "0.5: the main window's share");
    later();
    choose(tiling, "BSP");
    EXPECT_FALSE(storedConfig().contains("tiling"));
}

TEST_F(SettingsWindowTest, theWheelScrollsThePaneOverAPickerOrSliderUntilTheUserFocusesIt) {
    open("General");
    general().switchRow("Active window border")->box()->click();
    later();
    const bool dropDowns[] = {true, true, false};
    QSlider* slider = nullptr;
    for (QSlider* candidate : general().findChildren<QSlider*>())
        if (!slider && candidate->isVisibleTo(&general()))
            slider = candidate;
    QWidget* const controls[] = {general().tiling(), general().stacking(), slider};
    for (std::size_t index = 0; index < std::size(controls); ++index) {
        QWidget& control = *controls[index];
        SCOPED_TRACE(index);
        ASSERT_NE(&control, nullptr);
        QScrollArea* pane = scrollAreaOf(control);
        ASSERT_NE(pane, nullptr);
        pane->verticalScrollBar()->setValue(0);
        ASSERT_GT(pane->verticalScrollBar()->maximum(), 0);
        const std::string stored = storedConfig().dump();
        const QVariant shown = dropDowns[index] ? QVariant(static_cast<QComboBox&>(control).currentIndex())
                                                : QVariant(static_cast<QSlider&>(control).value());
        const bool couldUndo = theModel().undo().canUndo();

        wheelDown(control);
        EXPECT_EQ(dropDowns[index] ? QVariant(static_cast<QComboBox&>(control).currentIndex())
                                   : QVariant(static_cast<QSlider&>(control).value()),
                  shown);
        EXPECT_EQ(storedConfig().dump(), stored);
        EXPECT_EQ(theModel().undo().canUndo(), couldUndo);
        EXPECT_GT(pane->verticalScrollBar()->value(), 0) << "the pane scrolls instead";
        EXPECT_EQ(control.focusPolicy(), Qt::StrongFocus);
    }

    QComboBox* stacking = general().stacking();
    stacking->setFocus();
    wheelDown(*stacking);
    EXPECT_NE(stacking->currentText(), "Fill") << "a focused picker still takes the wheel";
}

struct PlaceholderCase {
    std::optional<double> width;
    QString placeholder;
};

TEST_F(SettingsWindowTest, automaticSpacingFollowsTheMainScreensWidth) {
    const PlaceholderCase cases[] = {{1600, "Auto (5 pt on this display)"},
                                     {1601, "Auto (10 pt on this display)"},
                                     {std::nullopt, "Auto (5 pt on this display)"}};
    for (const PlaceholderCase& c : cases) {
        mainScreenWidth = c.width;
        open("General");
        theModel().refresh();
        EXPECT_EQ(general().numberField("Padding")->field()->placeholderText(), c.placeholder);
        EXPECT_EQ(general().numberField("Gap between windows")->field()->placeholderText(), c.placeholder);
    }
}

TEST_F(SettingsWindowTest, theFieldsOfASectionStartAtOneEdge) {
    open("General");
    general().switchRow("Active window border")->box()->click();
    later();
    general().switchRow("Dim other windows")->box()->click();
    QApplication::processEvents();
    const auto left = [this](const char* name) {
        QWidget* field = general().findChild<QWidget*>(name);
        EXPECT_NE(field, nullptr) << name;
        return field ? field->mapTo(&general(), QPoint(0, 0)).x() : -1;
    };
    EXPECT_EQ(left("Default split ratio"), left("Padding"));
    EXPECT_EQ(left("Gap between windows"), left("Padding"));
    EXPECT_EQ(left("Dimming"), left("Border opacity"));
}

TEST_F(SettingsWindowTest, spacingOffDisablesPaddingAndGapButNotTheRatio) {
    open("General");
    general().switchRow("Space round windows")->box()->click();
    EXPECT_FALSE(general().numberField("Padding")->isEnabled());
    EXPECT_FALSE(general().numberField("Gap between windows")->isEnabled());
    EXPECT_TRUE(general().numberField("Default split ratio")->isEnabled());
}

TEST_F(SettingsWindowTest, aChosenColourIsStoredInCapitalsAndTheAccentColourUnsetsIt) {
    open("General");
    general().switchRow("Active window border")->box()->click();
    later();
    general().chooseColour(QColor(0x1a, 0x2b, 0x3c));
    EXPECT_EQ(storedConfig()["borderColor"], "#1A2B3C");
    ASSERT_TRUE(general().useAccentColour()->isVisibleTo(&general()));
    later();
    general().useAccentColour()->click();
    EXPECT_FALSE(storedConfig().contains("borderColor"));
    EXPECT_FALSE(general().useAccentColour()->isVisibleTo(&general()));
}

// ---- Spaces ----

TEST_F(SettingsWindowTest, aLabelTypedAndReturnedIsWrittenOnce) {
    open("Spaces");
    QLineEdit* label = spaces().labelField(1);
    label->setFocus();
    const int before = configChanges;
    QTest::keyClicks(label, "Mail");
    EXPECT_EQ(configChanges, before);
    QTest::keyClick(label, Qt::Key_Return);
    EXPECT_EQ(configChanges, before + 1);
    EXPECT_EQ(theModel().spaceSettings(1).label, "Mail");
    EXPECT_EQ(theModel().undo().undoActionName(), "Change Space Label");
}

TEST_F(SettingsWindowTest, movingFromOneLabelToAnotherSavesTheFirstOnce) {
    open("Spaces");
    QLineEdit* first = spaces().labelField(1);
    QLineEdit* second = spaces().labelField(2);
    first->setFocus();
    const int before = configChanges;
    QTest::keyClicks(first, "Mail");
    moveFocus(first, second);
    moveFocus(second, first);
    EXPECT_EQ(configChanges, before + 1);
    EXPECT_EQ(theModel().spaceSettings(1).label, "Mail");
}

TEST_F(SettingsWindowTest, aLabelBeingTypedIsKeptWhenTheWindowIsLeft) {
    open("Spaces");
    QLineEdit* label = spaces().labelField(2);
    label->setFocus();
    QTest::keyClicks(label, "Code");
    QEvent deactivate(QEvent::WindowDeactivate);
    QApplication::sendEvent(&window(), &deactivate);
    theModel().refresh();
    EXPECT_EQ(theModel().spaceSettings(2).label, "Code");
}

TEST_F(SettingsWindowTest, aLayoutIsSavedAtOnceAndTileIsStoredAsNothing) {
    open("Spaces");
    spaces().layoutPicker(2)->segment(LayoutMode::stack)->click();
    EXPECT_EQ(theModel().spaceSettings(2).layout, LayoutMode::stack);
    EXPECT_EQ(theModel().undo().undoActionName(), "Change Layout");
    later();
    spaces().layoutPicker(2)->segment(LayoutMode::bsp)->click();
    EXPECT_EQ(theModel().spaceSettings(2).layout, std::nullopt);
}

// ---- Menu Bar ----

TEST_F(SettingsWindowTest, theMenuBarListShowsEveryRowAtOneHeightWithoutScrollingItself) {
    open("MenuBar");
    QListWidget& list = *menuBar().list();
    ASSERT_EQ(list.count(), 8);
    std::set<int> heights;
    for (int row = 0; row < list.count(); ++row)
        heights.insert(list.visualItemRect(list.item(row)).height());
    EXPECT_EQ(heights.size(), 1u) << "Quillmere logo's row is as tall as the others";
    EXPECT_EQ(list.verticalScrollBar()->maximum(), 0) << "the pane scrolls, not the list";
    EXPECT_GE(list.viewport()->height(), list.visualItemRect(list.item(7)).bottom());
}

TEST_F(SettingsWindowTest, theFirstMenuBarEditWritesAllEightEntries) {
    open("MenuBar");
    menuBar().rowSwitch(0)->click();
    const auto stored = storedConfig()["menuBar"];
    ASSERT_EQ(stored["items"].size(), 8u);
    EXPECT_EQ(stored["items"][0]["item"], "profileIcon");
    EXPECT_EQ(stored["items"][0]["shown"], true);
    EXPECT_EQ(stored["items"][7]["item"], "stacked");
    EXPECT_EQ(stored["indexStyle"], "single");
}

TEST_F(SettingsWindowTest, theLastRowMovedToTheTopComesFirst) {
    open("MenuBar");
    menuBar().moveRows({7}, 0);
    QApplication::processEvents();
    EXPECT_EQ(menuBar().rowTitle(0), "Stacked windows");
    EXPECT_EQ(menuBar().rowTitle(1), "Profile icon");
    EXPECT_EQ(storedConfig()["menuBar"]["items"][0]["item"], "stacked");
}

TEST_F(SettingsWindowTest, anIndexStyleKeepsTheOrderAndSwitches) {
    open("MenuBar");
    menuBar().styleButton(MenuBarSettings::IndexStyle::displays)->click();
    const auto stored = storedConfig()["menuBar"];
    EXPECT_EQ(stored["indexStyle"], "displays");
    EXPECT_EQ(stored["items"][3]["item"], "index");
    EXPECT_EQ(stored["items"][3]["shown"], true);
}

} // namespace
} // namespace quillmere
