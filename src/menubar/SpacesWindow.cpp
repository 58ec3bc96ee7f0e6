#include "menubar/SpacesWindow.h"

#include "menubar/SpacesWindowLayout.h"

#include <QGuiApplication>
#include <QScreen>

namespace quillmere {

SpacesWindow::SpacesWindow(MiniMapModel& model, SpacesWindowServices services)
    : model_(model), services_(services), panel_(std::make_unique<MenuBarPanel>()),
      view_(new SpacesWindowView(model_, services_.map)) {
    // Named for the window system, which lists it though it shows no title.
    panel_->setWindowTitle("Quillmere Spaces");
    panel_->setContent(view_);
    panel_->onCancel = [this] { close(); };
}

SpacesWindow::~SpacesWindow() { stopRefreshing(); }

void SpacesWindow::show() {
    model_.refresh(true);
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect visible = screen->availableGeometry();
    const Rect frame = SpacesWindowLayout::frame(Rect(visible.x(), visible.y(), visible.width(), visible.height()),
                                                 model_.displays().size());
    panel_->setGeometry(static_cast<int>(frame.minX()), static_cast<int>(frame.minY()),
                        static_cast<int>(frame.width()), static_cast<int>(frame.height()));
    if (!shown())
        panel_->reveal();
    outsideClicks_.start({panel_.get()}, [] { return QRect(); }, [this] { close(); });
    startRefreshing();
}

void SpacesWindow::close() {
    if (!shown())
        return;
    outsideClicks_.stop();
    stopRefreshing();
    panel_->hide();
}

void SpacesWindow::startRefreshing() {
    if (timer_.isPending())
        return;
    for (const std::string_view name : {activeSpaceDidChangeNotification, didActivateApplicationNotification})
        observers_.push_back(services_.notifications.addObserver(name, [this] { model_.refresh(true); }));
    timer_.schedule(refreshInterval, [this] { tick(); });
}

void SpacesWindow::stopRefreshing() {
    timer_.cancel();
    for (const ObserverToken& token : observers_)
        services_.notifications.removeObserver(token);
    observers_.clear();
}

void SpacesWindow::tick() {
    timer_.schedule(refreshInterval, [this] { tick(); });
    ++ticks_;
    model_.refresh(ticks_ % ticksPerPreview == 0);
}

} // namespace quillmere
