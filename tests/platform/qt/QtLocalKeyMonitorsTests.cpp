#include "platform/qt/QtLocalKeyMonitors.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

namespace quillmere {
namespace {

using Type = LocalKeyEvent::Type;

// A window with a text field and the Edit menu's Undo shortcut, as the Settings window has them.
class QtKeyMonitorTest : public testing::Test {
  protected:
    QtKeyMonitorTest() {
        undo.setShortcut(QKeySequence::Undo);
        undo.setShortcutContext(Qt::ApplicationShortcut);
        QObject::connect(&undo, &QAction::triggered, [this] { ++undone; });
        window.addAction(&undo);
        window.setFocusPolicy(Qt::StrongFocus);
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    KeyMonitorToken record() {
        return monitors.addLocalMonitor([this](const LocalKeyEvent& event) { seen.push_back(event); });
    }

    std::vector<LocalKeyEvent> keyDowns() const {
        std::vector<LocalKeyEvent> downs;
        std::ranges::copy_if(seen, std::back_inserter(downs),
                             [](const LocalKeyEvent& event) { return event.type == Type::keyDown; });
        return downs;
    }

    // Exactly this event, without the modifier presses QTest adds.
    void send(QEvent::Type type, Qt::Key key, Qt::KeyboardModifiers modifiers) {
        QKeyEvent event(type, key, modifiers);
        QApplication::sendEvent(&window, &event);
    }

    QtLocalKeyMonitors monitors;
    QWidget window;
    QLineEdit* field = new QLineEdit(&window);
    QAction undo;
    int undone = 0;
    std::vector<LocalKeyEvent> seen;
};

TEST_F(QtKeyMonitorTest, handsOverKeysWithMacCodesAndSwallowsThem) {
    field->setFocus();
    record();
    QTest::keyClick(field, Qt::Key_H, Qt::ControlModifier | Qt::AltModifier);
    QTest::keyClick(field, Qt::Key_Escape);
    QTest::keyClick(field, Qt::Key_Left, Qt::MetaModifier | Qt::ShiftModifier);
    QTest::keyClick(field, Qt::Key_X);
    EXPECT_EQ(keyDowns(), (std::vector<LocalKeyEvent>{{Type::keyDown, 4, 0x40000 | 0x80000},
                                                      {Type::keyDown, 53, 0},
                                                      {Type::keyDown, 123, 0x100000 | 0x20000},
                                                      {Type::keyDown, 7, 0}}));
    EXPECT_TRUE(field->text().isEmpty());
}

TEST_F(QtKeyMonitorTest, turnsModifierKeysIntoTheModifiersHeldAfterThem) {
    record();
    send(QEvent::KeyPress, Qt::Key_Control, Qt::NoModifier);
    send(QEvent::KeyPress, Qt::Key_Alt, Qt::ControlModifier);
    send(QEvent::KeyRelease, Qt::Key_Control, Qt::ControlModifier | Qt::AltModifier);
    send(QEvent::KeyRelease, Qt::Key_Alt, Qt::AltModifier);
    EXPECT_EQ(seen, (std::vector<LocalKeyEvent>{{Type::flagsChanged, 0, 0x40000},
                                                {Type::flagsChanged, 0, 0x40000 | 0x80000},
                                                {Type::flagsChanged, 0, 0x80000},
                                                {Type::flagsChanged, 0, 0}}));
}

TEST_F(QtKeyMonitorTest, keepsWindowShortcutsFromFiringWhileInstalled) {
    window.setFocus();
    const KeyMonitorToken token = record();
    QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(undone, 0);
    EXPECT_EQ(keyDowns(), (std::vector<LocalKeyEvent>{{Type::keyDown, 6, 0x40000}}));

    monitors.removeMonitor(token);
    const std::size_t before = seen.size();
    QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(undone, 1);
    EXPECT_EQ(seen.size(), before);
}

} // namespace
} // namespace quillmere
