#include "app/Welcome.h"

namespace quillmere {

Welcome::Welcome(WelcomeModel::Services services, MainQueue& queue, UserDefaults& defaults,
                 DockPresence& dockPresence, std::function<void(const KeyPreset::KeyMap&)> saveKeys)
    : model_(services), queue_(queue), defaults_(defaults), dockPresence_(dockPresence),
      openSettings_(services.openSystemSettings) {
    model_.saveKeys = std::move(saveKeys);
    model_.close = [this] {
        if (window_)
            window_->close();
    };
    model_.onChange = [this] {
        if (window_)
            window_->reload();
    };
}

Welcome::~Welcome() {
    if (window_)
        window_->onClosed = [] {};
}

void Welcome::show(std::optional<WelcomeModel::Page> page) {
    model_.refresh();
    model_.setPage(WelcomeModel::pageToShow(page, model_.trusted()));
    if (!window_) {
        window_ = std::make_unique<WelcomeView>(model_, openSettings_);
        window_->onClosed = [this] { stopRefreshing(); };
    }
    dockPresence_.show(*window_);
    scheduleRefresh();
}

void Welcome::scheduleRefresh() {
    refresh_.schedule(refreshInterval, [this] {
        model_.refresh();
        scheduleRefresh();
    });
}

void Welcome::stopRefreshing() {
    refresh_.cancel();
    defaults_.setBoolean(seenKey, true);
}

} // namespace quillmere
