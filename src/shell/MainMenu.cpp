#include "shell/MainMenu.h"

#include "menubar/ApplicationKeys.h"
#include "shell/UndoItems.h"
#include "shell/entry/VersionText.h"

#include <QApplication>
#include <QMessageBox>

namespace quillmere {
namespace {

void addItem(QMenu* menu, const QString& title, std::function<void()> action, QKeySequence key = {}) {
    QAction* item = menu->addAction(title);
    item->setShortcut(key);
    QObject::connect(item, &QAction::triggered, menu, std::move(action));
}

// Text fields answer these; other widgets do not, and then nothing happens.
std::function<void()> toFocusedWidget(const char* method) {
    return [method] {
        QWidget* focused = QApplication::focusWidget();
        if (focused && focused->metaObject()->indexOfMethod(QByteArray(method) + "()") >= 0)
            QMetaObject::invokeMethod(focused, method);
    };
}

void showAbout() {
    QMessageBox::about(QApplication::activeWindow(), "About Quillmere",
                       QString::fromStdString("Quillmere " + std::string(builtVersion().version)));
}

void closeActiveWindow() {
    if (QWidget* window = QApplication::activeWindow())
        window->close();
}

void minimizeActiveWindow() {
    if (QWidget* window = QApplication::activeWindow())
        window->showMinimized();
}

} // namespace

QMenuBar* mainMenu(const MainMenuActions& actions, QWidget* window) {
    auto* bar = new QMenuBar(window);

    QMenu* application = bar->addMenu("Quillmere");
    addItem(application, "About Quillmere", showAbout);
    addItem(application, "Check for Updates…", actions.checkForUpdates);
    application->addSeparator();
    addItem(application, "Settings…", actions.openSettings, ApplicationKeys::settings);
    application->addSeparator();
    addItem(application, "Quit Quillmere", actions.quit, ApplicationKeys::quit);

    QMenu* edit = bar->addMenu("Edit");
    addUndoItems(edit, actions.undo, *window);
    edit->addSeparator();
    addItem(edit, "Cut", toFocusedWidget("cut"), QKeySequence(Qt::CTRL | Qt::Key_X));
    addItem(edit, "Copy", toFocusedWidget("copy"), QKeySequence(Qt::CTRL | Qt::Key_C));
    addItem(edit, "Paste", toFocusedWidget("paste"), QKeySequence(Qt::CTRL | Qt::Key_V));
    addItem(edit, "Select All", toFocusedWidget("selectAll"), QKeySequence(Qt::CTRL | Qt::Key_A));

    QMenu* windows = bar->addMenu("Window");
    addItem(windows, "Close", closeActiveWindow, QKeySequence(Qt::CTRL | Qt::Key_W));
    addItem(windows, "Minimize", minimizeActiveWindow, QKeySequence(Qt::CTRL | Qt::Key_M));
    windows->addSeparator();
    addItem(windows, "Spaces", actions.openSpaces);
    addItem(windows, "Profiles", actions.openProfiles, ApplicationKeys::profiles);

    QMenu* help = bar->addMenu("Help");
    addItem(help, "Welcome Guide", actions.showWelcome);
    return bar;
}

} // namespace quillmere
