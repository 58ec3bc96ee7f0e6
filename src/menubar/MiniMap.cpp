#include "menubar/MiniMap.h"

#include "menubar/PanelPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <limits>

namespace quillmere {
namespace {

Rect rect(const QRect& rect) { return Rect(rect.x(), rect.y(), rect.width(), rect.height()); }

} // namespace

MiniMap::MiniMap(MiniMapServices services, MiniMapActions actions)
    : services_(std::move(services)),
      model_(services_.manager, services_.queue, services_.previews, services_.profiles, std::move(actions)),
      panel_(std::make_unique<MenuBarPanel>()) {
    view_ = new MiniMapView(model_,
                            {.map = {services_.switcher, services_.applications, services_.previews, services_.wallpaper},
                             .queue = services_.queue,
                             .configFile = services_.configFile,
                             .quit = services_.quit},
                            [this] { close(); });
    // Named for the window system, which lists it though it shows no title.
    panel_->setWindowTitle("Quillmere Mini Map");
    panel_->setContent(view_);
    panel_->onCancel = [this] { close(); };
}

MiniMap::~MiniMap() {
    if (activation_)
        services_.notifications.removeObserver(*activation_);
}

QRect MiniMap::itemGeometry() const { return item_ ? item_->geometry() : QRect(); }

void MiniMap::toggle(const QSystemTrayIcon& item) {
    if (shown()) {
        close();
        return;
    }
    item_ = &item;
    model_.refresh(true);
    const QRect anchor = itemGeometry();
    QScreen* screen = anchor.isEmpty() ? nullptr : QGuiApplication::screenAt(anchor.center());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    view_->fitHeight(std::numeric_limits<int>::max());
    const Size wanted{MiniMapView::width, static_cast<double>(view_->heightForWidth(MiniMapView::width))};
    const Rect frame =
        PanelPlacement::frame(rect(anchor), rect(screen->geometry()), rect(screen->availableGeometry()), wanted);
    view_->fitHeight(static_cast<int>(frame.height()));
    panel_->setGeometry(static_cast<int>(frame.minX()), static_cast<int>(frame.minY()), static_cast<int>(frame.width()),
                        static_cast<int>(frame.height()));
    panel_->reveal();
    watchForDismissal();
}

void MiniMap::close() {
    if (!shown())
        return;
    outsideClicks_.stop();
    if (activation_) {
        services_.notifications.removeObserver(*activation_);
        activation_.reset();
    }
    panel_->hide();
}

void MiniMap::watchForDismissal() {
    outsideClicks_.start({panel_.get()}, [this] { return itemGeometry(); }, [this] { close(); });
    activation_ = services_.notifications.addObserver(
        didActivateApplicationNotification, [this](const WorkspaceNotification& notification) {
            if (!notification.application || notification.application->processIdentifier != services_.ownPid)
                close();
        });
}

} // namespace quillmere
