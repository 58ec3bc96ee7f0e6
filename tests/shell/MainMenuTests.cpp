#include "shell/MainMenu.h"

#include "platform/ManualMainQueue.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <map>

namespace quillmere {
namespace {

// Each menu as "Title: item, item Ctrl+Key, -, ...".
std::vector<std::string> described(const QMenuBar& bar) {
    std::vector<std::string> menus;
    for (QAction* title : bar.actions()) {
        std::string line = title->text().toStdString() + ":";
        for (QAction* item : title->menu()->actions()) {
            line += item->isSeparator() ? " -" : " " + item->text().toStdString();
            if (!item->shortcut().isEmpty())
                line += " " + item->shortcut().toString().toStdString();
            line += ",";
        }
        line.pop_back();
        menus.push_back(line);
    }
    return menus;
}

QAction* item(const QMenuBar& bar, const QString& menu, const QString& text) {
    for (QAction* title : bar.actions())
        if (title->text() == menu)
            for (QAction* action : title->menu()->actions())
                if (action->text() == text)
                    return action;
    return nullptr;
}

class MainMenuTest : public testing::Test {
  protected:
    MainMenuTest() {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(field);
        bar = mainMenu({count("settings"), count("updates"), count("spaces"), count("profiles"), count("welcome"),
                        count("quit")},
                       &window);
        layout->setMenuBar(bar);
    }

    std::function<void()> count(std::string name) {
        return [this, name] { ++calls[name]; };
    }

    QWidget window;
    QLineEdit* field = new QLineEdit("some text", &window);
    QMenuBar* bar = nullptr;
    std::map<std::string, int> calls;
};

TEST_F(MainMenuTest, OffersTheFourMenusWithTheirKeys) {
    EXPECT_THAT(described(*bar),
                testing::ElementsAre(
                    "Quillmere: About Quillmere, Check for Updates…, -, Settings… Ctrl+,, -, Quit Quillmere Ctrl+Q",
                    "Edit: Undo Ctrl+Z, Redo Ctrl+Shift+Z, -, Cut Ctrl+X, Copy Ctrl+C, Paste Ctrl+V, Select All Ctrl+A",
                    "Window: Close Ctrl+W, Minimize Ctrl+M, -, Spaces, Profiles Ctrl+Shift+P",
                    "Help: Welcome Guide"));
}

TEST_F(MainMenuTest, TheApplicationsItemsReachItsActions) {
    const std::pair<const char*, const char*> items[] = {
        {"Quillmere", "Check for Updates…"}, {"Quillmere", "Settings…"}, {"Quillmere", "Quit Quillmere"},
        {"Window", "Spaces"},                {"Window", "Profiles"},     {"Help", "Welcome Guide"},
    };
    for (const auto& [menu, text] : items)
        item(*bar, menu, text)->trigger();
    EXPECT_EQ(calls, (std::map<std::string, int>{{"profiles", 1},
                                                 {"quit", 1},
                                                 {"settings", 1},
                                                 {"spaces", 1},
                                                 {"updates", 1},
                                                 {"welcome", 1}}));
}

TEST_F(MainMenuTest, EditItemsActOnTheFocusedFieldAndWindowItemsOnTheActiveWindow) {
    window.show();
    QApplication::setActiveWindow(&window);
    field->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), field);

    item(*bar, "Edit", "Select All")->trigger();
    EXPECT_EQ(field->selectedText(), "some text");
    item(*bar, "Edit", "Cut")->trigger();
    EXPECT_EQ(field->text(), "");
    item(*bar, "Edit", "Undo")->trigger();
    EXPECT_EQ(field->text(), "some text");

    item(*bar, "Window", "Close")->trigger();
    EXPECT_FALSE(window.isVisible());
}

TEST_F(MainMenuTest, EditItemsDoNothingWithoutAFieldThatCanDoThem) {
    QWidget other;
    other.setFocusPolicy(Qt::StrongFocus);
    other.show();
    QApplication::setActiveWindow(&other);
    other.setFocus();
    for (const char* text : {"Undo", "Redo", "Cut", "Copy", "Paste", "Select All"})
        item(*bar, "Edit", text)->trigger();
    EXPECT_EQ(field->text(), "some text");
}


// A window whose menus undo on a stack, holding one step that sets `value` back to 0.
class UndoStackMenuTest : public testing::Test {
  protected:
    UndoStackMenuTest() {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(field);
        MainMenuActions actions;
        actions.undo = &undo;
        bar = mainMenu(actions, &window);
        layout->setMenuBar(bar);
        value = 5;
        undo.registerUndo(this, [this] { value = 0; });
        undo.setActionName("Change Setting");
        queue.advance(std::chrono::seconds(1));
        window.show();
        QApplication::setActiveWindow(&window);
        field->setFocus();
    }

    ManualMainQueue queue;
    UndoManager undo{queue};
    QWidget window;
    QLineEdit* field = new QLineEdit(&window);
    QMenuBar* bar = nullptr;
    int value = 0;
};

TEST_F(UndoStackMenuTest, UndoIsNamedAfterTheStepAndTakesItWhileTheFieldHasNothingToUndo) {
    QAction* undoItem = item(*bar, "Edit", "Undo Change Setting");
    ASSERT_NE(undoItem, nullptr);
    QTest::keyClick(field, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(value, 0);
    EXPECT_EQ(undoItem->text(), "Undo");
    EXPECT_FALSE(undo.canUndo());
}

TEST_F(UndoStackMenuTest, AFieldWithTypingOfItsOwnUndoesThatFirst) {
    QTest::keyClicks(field, "ab");
    QTest::keyClick(field, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(field->text(), "");
    EXPECT_EQ(value, 5);
}

} // namespace
} // namespace quillmere
