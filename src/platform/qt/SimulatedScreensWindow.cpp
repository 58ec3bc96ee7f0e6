#include "platform/qt/SimulatedScreensWindow.h"

#include "platform/qt/WindowPlacement.h"

#include <QMenuBar>
#include <QScreen>
#include <QToolBar>
#include <algorithm>

namespace quillmere {
namespace {

struct KnownApp {
    const char* bundleIdentifier;
    const char* name;
};

// What the Launch menu offers besides the applications that run.
constexpr KnownApp launchable[] = {{"com.apple.Safari", "Safari"},     {"com.apple.Terminal", "Terminal"},
                                   {"com.apple.mail", "Mail"},         {"com.apple.Notes", "Notes"},
                                   {"com.apple.TextEdit", "TextEdit"}, {"com.apple.iCal", "Calendar"}};

// The system settings that the application reads, with the value each switch stores when on.
struct PreferenceSwitch {
    const char* key;
    const char* title;
    std::int64_t on;
};
constexpr PreferenceSwitch preferenceSwitches[] = {
    {"mru-spaces", "Automatically rearrange Spaces", 1},
    {"GloballyEnabled", "Stage Manager", 1},
    {"EnableTilingByEdgeDrag", "Drag windows to edges to tile", 1},
    {"TrackpadThreeFingerHorizSwipeGesture", "Swipe between Spaces with three fingers", 2},
    {"TrackpadFourFingerHorizSwipeGesture", "Swipe between Spaces with four fingers", 2},
    {"com.apple.swipescrolldirection", "Natural scrolling", 1},
};

// The System Settings pages, by a part of their address, and the switch of the System menu each stands for.
struct SettingsPage {
    std::string_view addressPart;
    const char* switchTitle;
};
constexpr SettingsPage settingsPages[] = {
    {"Privacy_Accessibility", "Accessibility permission"},
    {"Privacy_ScreenCapture", "Screen recording permission"},
    {"Desktop-Settings", "Automatically rearrange Spaces"},
    {"Trackpad-Settings", "Swipe between Spaces with three fingers"},
};

QString text(const std::string& value) { return QString::fromStdString(value); }

std::string displayName(SimulatedDesktop& desktop, DisplayId display) {
    for (const Screen& screen : desktop.screens())
        if (screen.number == display)
            return screen.localizedName;
    return "Display " + std::to_string(display);
}

// Menus are filled when they open, so that they always offer what the desktop has now.
QMenu* liveMenu(QMenuBar* bar, const QString& title, std::function<void(QMenu&)> fill) {
    QMenu* menu = bar->addMenu(title);
    QObject::connect(menu, &QMenu::aboutToShow, menu, [menu, fill] {
        menu->clear();
        fill(*menu);
    });
    return menu;
}

} // namespace

SimulatedScreensWindow::SimulatedScreensWindow(SimulatedDesktop& desktop, const PanelViewPainter* painter,
                                               QWidget* parent)
    : QMainWindow(parent), desktop_(desktop), view_(new SimulatedScreensView(desktop, painter, this)) {
    setWindowTitle("Simulated screens");
    setCentralWidget(view_);
    setGeometry(viewerFrame(screen()->availableGeometry()));
    liveMenu(menuBar(), "Applications", [this](QMenu& menu) { fillApplications(menu); });
    liveMenu(menuBar(), "Desktops", [this](QMenu& menu) { fillDesktops(menu); });
    system_ = liveMenu(menuBar(), "System", [this](QMenu& menu) { fillSystem(menu); });

    QToolBar* keys = addToolBar("Keys");
    keys->setMovable(false);
    QAction* fn = keys->addAction("fn");
    fn->setCheckable(true);
    fn->setToolTip("Hold fn for the mouse and the keys");
    connect(fn, &QAction::toggled, this, [this](bool held) { view_->setFnHeld(held); });
}

void SimulatedScreensWindow::openWindow(std::int32_t pid, const std::string& name) {
    const auto main = desktop_.mainScreen();
    const Rect area = main && main->number ? desktop_.bounds(*main->number) : Rect(0, 0, 1440, 900);
    const double step = 30.0 * (opened_++ % 8);
    const Rect frame(area.minX() + 80 + step, area.minY() + 80 + step, std::min(800.0, area.width() - 160),
                     std::min(560.0, area.height() - 160));
    desktop_.openWindow(pid, {.title = name + " " + std::to_string(opened_), .frame = frame});
}

void SimulatedScreensWindow::fillApplications(QMenu& menu) {
    QMenu* launch = menu.addMenu("Launch");
    for (const KnownApp& app : launchable)
        launch->addAction(app.name, this, [this, app] {
            const std::int32_t pid = desktop_.launch({.bundleIdentifier = app.bundleIdentifier, .name = app.name});
            openWindow(pid, app.name);
        });
    QMenu* quit = menu.addMenu("Quit");
    QMenu* open = menu.addMenu("Open a window of");
    for (const RunningApplication& app : desktop_.runningApplications()) {
        const std::string name = app.localizedName.value_or(app.bundleIdentifier.value_or("?"));
        const std::int32_t pid = app.processIdentifier;
        quit->addAction(text(name), this, [this, pid] { desktop_.quit(pid); });
        open->addAction(text(name), this, [this, pid, name] { openWindow(pid, name); });
    }
    QMenu* close = menu.addMenu("Close a window");
    for (const WindowDescription& window : desktop_.onScreenWindows())
        if (window.layer == 0 && desktop_.frame(window.number))
            close->addAction(text(window.ownerName + " — " + window.name.value_or("")), this,
                             [this, number = window.number] { desktop_.closeWindow(number); });
}

void SimulatedScreensWindow::fillDesktops(QMenu& menu) {
    for (DisplayId display : desktop_.activeDisplays()) {
        QMenu* shown = menu.addMenu(text(displayName(desktop_, display)));
        const auto order = desktop_.spaceOrder(display);
        for (std::size_t i = 0; i < order.size(); ++i) {
            QAction* show = shown->addAction("Show Space " + QString::number(i + 1), this,
                                             [this, display, space = order[i]] { desktop_.switchSpace(display, space); });
            show->setCheckable(true);
            show->setChecked(desktop_.currentSpace(display) == order[i]);
        }
        shown->addSeparator();
        shown->addAction("Add a Desktop", this, [this, display] { desktop_.addDesktop(display); });
        shown->addAction("Unplug", this, [this, display] { desktop_.removeDisplay(display); });
    }
    menu.addSeparator();
    menu.addAction("Plug in a display", this, [this] {
        double right = 0;
        for (DisplayId display : desktop_.activeDisplays())
            right = std::max(right, desktop_.bounds(display).maxX());
        const int number = static_cast<int>(desktop_.activeDisplays().size()) + 1;
        desktop_.addDisplay({.name = "External Display " + std::to_string(number),
                             .bounds = Rect(right, 0, 1920, 1080),
                             .serial = static_cast<std::uint32_t>(7000 + number),
                             .desktops = 2});
    });
}

void SimulatedScreensWindow::fillSystem(QMenu& menu) {
    QAction* trusted = menu.addAction("Accessibility permission", this,
                                      [this] { desktop_.setTrusted(!desktop_.isTrusted()); });
    trusted->setCheckable(true);
    trusted->setChecked(desktop_.isTrusted());
    QAction* recording = menu.addAction("Screen recording permission", this,
                                        [this] { desktop_.setScreenCaptureAccess(!desktop_.preflightAccess()); });
    recording->setCheckable(true);
    recording->setChecked(desktop_.preflightAccess());
    menu.addSeparator();
    for (const PreferenceSwitch& preference : preferenceSwitches) {
        const auto stored = desktop_.copyValue(preference.key, PreferencesApplication::any, PreferencesUser::current,
                                               PreferencesHost::any);
        const bool on = stored && stored->integer() == preference.on;
        QAction* toggle = menu.addAction(preference.title, this, [this, preference, on] {
            desktop_.setPreference(preference.key, on ? PropertyList(std::int64_t{0}) : PropertyList(preference.on));
        });
        toggle->setCheckable(true);
        toggle->setChecked(on);
    }
}

void SimulatedScreensWindow::openSystemSettings(const std::string& address) {
    show();
    raise();
    activateWindow();
    const QRect title = menuBar()->actionGeometry(system_->menuAction());
    system_->popup(menuBar()->mapToGlobal(title.bottomLeft()));
    for (const SettingsPage& page : settingsPages)
        if (address.find(page.addressPart) != std::string::npos)
            for (QAction* item : system_->actions())
                if (item->text() == page.switchTitle)
                    system_->setActiveAction(item);
}

} // namespace quillmere
