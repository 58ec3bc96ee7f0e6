#include "settings/SettingsWindow.h"

#include "settings/DockPresence.h"

#include <QGuiApplication>
#include <QScreen>
#include <QVBoxLayout>

namespace quillmere {
namespace {

std::unique_ptr<QWidget> plainWindow(const QString& title, const MainMenuActions& menuActions) {
    auto window = std::make_unique<QWidget>();
    window->setWindowTitle(title);
    (new QVBoxLayout(window.get()))->setMenuBar(mainMenu(menuActions, window.get()));
    window->resize(640, 460);
    return window;
}

void centre(QWidget& window) {
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        window.move(screen->availableGeometry().center() - window.rect().center());
}

// A hidden window is centred before it opens; an open one keeps where the user put it.
void open(QWidget& window) {
    if (!window.isVisible())
        centre(window);
    DockPresence::show(window);
}

} // namespace

SettingsWindow::SettingsWindow(std::unique_ptr<SettingsModel> model) : model_(std::move(model)) {
    model_->showProfiles = [this] { showProfiles(); };
}

void SettingsWindow::show() {
    model_->refresh();
    if (!settings_)
        settings_ = plainWindow("Settings", menuActions);
    open(*settings_);
}

void SettingsWindow::showProfiles() {
    model_->refresh();
    if (!profiles_)
        profiles_ = plainWindow("Profiles", menuActions);
    open(*profiles_);
}

} // namespace quillmere
