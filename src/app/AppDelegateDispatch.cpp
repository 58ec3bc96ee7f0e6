#include "app/AppDelegate.h"

#include "platform/Log.h"
#include "shell/RemoteCommand.h"

namespace quillmere {

void AppDelegate::remote(const std::string& text) {
    if (const auto command = readRemoteCommand(text))
        run(*command);
}

void AppDelegate::hotKeyPressed(const Command& command) {
    log(LogLevel::default_, "command %{public}s", command.text());
    run(command);
}

void AppDelegate::run(const Command& command) {
    // Behind an open alert, or behind commands still waiting for one that closed.
    if (alerts_.open() || !held_.empty()) {
        held_.push_back(command);
        return;
    }
    perform(command);
}

void AppDelegate::runHeld() {
    while (!held_.empty() && !alerts_.open()) {
        const Command next = std::move(held_.front());
        held_.pop_front();
        perform(next);
    }
}

void AppDelegate::later(std::function<void()> work) {
    services_.queue.after(MainQueue::Duration::zero(), lifetime_.guarded(std::move(work)));
}

void AppDelegate::perform(const Command& command) {
    if (std::holds_alternative<Command::OpenSettings>(command.value)) {
        openSettings();
        return;
    }
    if (const auto* toggle = std::get_if<Command::Toggle>(&command.value)) {
        // Saving would replace a file the user still has to mend.
        if (config_.error()) {
            log(LogLevel::error, "%{public}s: config.json has an error, not saving", command.text());
            return;
        }
        Settings settings = config_.settings();
        settings.flip(toggle->setting);
        config_.save(settings);
        return;
    }
    if (checkAccessibility())
        manager_->perform(command);
}

void AppDelegate::statusChanged(const WindowManager::Status& status) {
    status_ = status;
    if (hotkeys_) {
        const bool was = hotkeys_->paused;
        hotkeys_->paused = status.paused;
        // While paused only the pause chord stays registered.
        if (was != status.paused)
            hotkeys_->rebind(hotkeys_->current());
    }
    if (miniMap_)
        miniMap_->model().setStatus(status);
    updateTitle();
}

void AppDelegate::configurationChanged(ConfigStore& store) {
    manager_->update(store.settings());
    previews_.setEnabled(store.settings().showsWindowPreviews());
    if (hotkeys_)
        hotkeys_->rebind(store.settings());
    if (miniMap_) {
        miniMap_->model().setSettings(store.settings());
        miniMap_->model().setConfigError(store.error());
    }
    updateTitle();
    if (settingsWindow_)
        settingsWindow_->model().refresh();
}

} // namespace quillmere
