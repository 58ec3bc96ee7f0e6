#include "settings/KeySections.h"
#include "settings/KeysPane.h"
#include "support/SettingsModelFixture.h"
#include "support/WidgetsOfType.h"
#include "widgets/ChordControls.h"
#include "widgets/Keycap.h"
#include "widgets/SwitchRow.h"

#include <QApplication>
#include <QCheckBox>
#include <QMenu>
#include <QTest>
#include <gmock/gmock.h>

namespace quillmere {
namespace {

constexpr EventFlags ctrl = 0x40000;
constexpr EventFlags alt = 0x80000;
constexpr std::uint16_t h = 4;

// The Keys pane over the settings model; the user's confirmations are answered by the test.
class KeysPaneTest : public SettingsModelTest {
  protected:
    KeysPaneTest() {
        pane.confirm = [this](const Confirmation& confirmation) {
            asked.push_back(confirmation);
            return answer;
        };
        pane.resize(700, 640);
        pane.show();
    }

    // What the pane does once the handler of the user's action has returned.
    static void settleWidgets() {
        QApplication::processEvents();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    ChordButton* chordButton(const std::string& chord) {
        for (ChordButton* button : widgetsOfType<ChordButton>(pane))
            if (button->chord() == chord && !button->isHidden())
                return button;
        return nullptr;
    }

    ActionSection& section(const std::string& title) {
        const auto& sections = KeyAction::sections();
        for (std::size_t index = 0; index < sections.size(); ++index)
            if (sections[index].title == title)
                return *pane.sections()[index];
        throw std::out_of_range(title);
    }

    KeysPane pane{*model};
    std::vector<Confirmation> asked;
    bool answer = true;
};

TEST_F(KeysPaneTest, aRecordedChordIsFiledAndNoticedAndItsUndoTakesItBack) {
    ChordButton* focusWest = chordButton("alt-h");
    ASSERT_NE(focusWest, nullptr);
    QTest::mouseClick(&focusWest->button(), Qt::LeftButton);
    EXPECT_EQ(focusWest->button().caps(), (std::vector<Cap>{{"Press keys…", false}}));

    keyMonitors.press(h, ctrl | alt);
    settleWidgets();

    EXPECT_EQ(storedConfig()["keys"]["ctrl-alt-h"], "focus west");
    EXPECT_FALSE(storedConfig()["keys"].contains("alt-h"));
    ASSERT_TRUE(model->notice());
    EXPECT_TRUE(pane.noticeRow().isVisible());
    EXPECT_EQ(pane.notice().text().toStdString(), *model->notice());
    EXPECT_THAT(*model->notice(), testing::StartsWith("⌃⌥H was “"));
    EXPECT_EQ(chordButton("alt-h"), nullptr);
    ASSERT_NE(chordButton("ctrl-alt-h"), nullptr);
    EXPECT_EQ(chordButton("ctrl-alt-h")->button().caps(),
              (std::vector<Cap>{{"⌃", false}, {"⌥", false}, {"H", false}}));

    ASSERT_TRUE(pane.undoNotice().isVisible());
    QTest::mouseClick(&pane.undoNotice(), Qt::LeftButton);
    settleWidgets();
    EXPECT_EQ(storedConfig()["keys"]["alt-h"], "focus west");
    EXPECT_EQ(storedConfig()["keys"]["ctrl-alt-h"], "place left");
    EXPECT_FALSE(pane.noticeRow().isVisible());
}

TEST_F(KeysPaneTest, clickingAChordTwiceStopsTheRecordingAndTheHotKeysReturn) {
    ChordButton* focusWest = chordButton("alt-h");
    QTest::mouseClick(&focusWest->button(), Qt::LeftButton);
    EXPECT_TRUE(model->recording());
    QTest::mouseClick(&focusWest->button(), Qt::LeftButton);
    settleWidgets();
    EXPECT_FALSE(model->recording());
    EXPECT_EQ(focusWest->button().caps(), (std::vector<Cap>{{"⌥", false}, {"H", false}}));
    EXPECT_EQ(managed.desktop.registeredHotKeys().size(), startingKeys().size());
}

TEST_F(KeysPaneTest, removingAChordKeepsTheCommandsOtherChords) {
    QTest::mouseClick(&chordButton("ctrl-alt-left")->removeButton(), Qt::LeftButton);
    settleWidgets();
    EXPECT_FALSE(storedConfig()["keys"].contains("ctrl-alt-left"));
    EXPECT_EQ(storedConfig()["keys"]["ctrl-alt-h"], "place left");
    EXPECT_EQ(chordButton("ctrl-alt-left"), nullptr);
    EXPECT_NE(chordButton("ctrl-alt-h"), nullptr);
}

TEST_F(KeysPaneTest, thePrefixPickerTakesTheModifiersHeldTogether) {
    ActionSection& focus = section("Focus");
    auto* picker = widgetsOfType<ModifierPicker>(focus).front();
    ASSERT_NE(picker, nullptr);
    EXPECT_EQ(picker->caps(), (std::vector<Cap>{{"⌥", false}}));
    QTest::mouseClick(picker, Qt::LeftButton);
    EXPECT_EQ(picker->caps(), (std::vector<Cap>{{"Hold modifiers, then release", false}}));
    keyMonitors.holdModifiers(ctrl);
    keyMonitors.holdModifiers(ctrl | alt);
    keyMonitors.holdModifiers(alt);
    keyMonitors.holdModifiers(0);
    settleWidgets();
    EXPECT_EQ(storedConfig()["keys"]["ctrl-alt-j"], "focus south");
    EXPECT_FALSE(storedConfig()["keys"].contains("alt-j"));
    EXPECT_EQ(widgetsOfType<ModifierPicker>(*focus.row("focus west")->parentWidget()).front()->caps(), (std::vector<Cap>{{"⌃", false}, {"⌥", false}}));
}

TEST_F(KeysPaneTest, searchingShowsMatchingRowsEvenInACollapsedSection) {
    ActionSection& focus = section("Focus");
    QTest::mouseClick(&focus.toggle(), Qt::LeftButton);
    EXPECT_FALSE(focus.expanded());
    EXPECT_FALSE(focus.row("focus west")->isVisible());

    QTest::keyClicks(&pane.search(), "west");
    EXPECT_TRUE(focus.isVisible());
    EXPECT_TRUE(focus.row("focus west")->isVisible());
    EXPECT_FALSE(focus.row("focus south")->isVisible());
    EXPECT_FALSE(pane.spacesSection().isVisible());

    pane.search().clear();
    EXPECT_FALSE(focus.row("focus west")->isVisible());
    EXPECT_TRUE(pane.spacesSection().isVisible());

    QTest::keyClicks(&pane.search(), "nothing is called this");
    for (ActionSection* section : pane.sections())
        EXPECT_FALSE(section->isVisible());
    EXPECT_FALSE(pane.spacesSection().isVisible());
    EXPECT_FALSE(pane.customSection().isVisible());
}

TEST_F(KeysPaneTest, aPresetAppliesOnlyOnceConfirmed) {
    const KeyPreset& preset = KeyPreset::all().front();
    QMenu* menu = pane.presets().menu();
    answer = false;
    menu->actions().front()->trigger();
    EXPECT_EQ(asked.back(), KeysPane::presetConfirmation(preset));
    EXPECT_EQ(model->settings().keys, startingKeys());

    answer = true;
    menu->actions().front()->trigger();
    settleWidgets();
    EXPECT_EQ(model->settings().keys, preset.settingsKeys());
    EXPECT_EQ(model->undo().undoActionName(), "Use " + preset.name + " Shortcuts");

    menu->actions().back()->trigger();
    EXPECT_EQ(asked.back(), KeysPane::restoreConfirmation());
    EXPECT_EQ(model->settings().keys, Settings::default_().keys);
}

// How many blank columns stand between the rightmost mark drawn on the button (its menu arrow) and the mark
// before it (its text), within its frame.
int gapBeforeTheArrow(QWidget& button) {
    const QImage picture = button.grab().toImage();
    const auto dark = [&picture](int x) {
        for (int y = 4; y < picture.height() - 4; ++y)
            if (qGray(picture.pixel(x, y)) < 110)
                return true;
        return false;
    };
    int x = picture.width() - 5;
    while (x > 4 && !dark(x))
        --x;
    while (x > 4 && dark(x))
        --x;
    int gap = 0;
    for (; x > 4 && !dark(x); --x)
        ++gap;
    return gap;
}

TEST_F(KeysPaneTest, thePresetsMenusArrowKeepsClearOfItsText) {
    EXPECT_NE(pane.presets().menu(), nullptr);
    EXPECT_GE(gapBeforeTheArrow(pane.presets()), 4);
}

TEST_F(KeysPaneTest, theMasterSwitchStoresAnExplicitValue) {
    EXPECT_TRUE(pane.shortcutsSwitch().isOn());
    pane.shortcutsSwitch().box()->click();
    pane.shortcutsSwitch().box()->click();
    EXPECT_EQ(storedConfig()["shortcuts"], true);
}

} // namespace
} // namespace quillmere
