#include "settings/LoginItemToggle.h"

#include "platform/Log.h"

#include <QVBoxLayout>

namespace quillmere {

LoginItemToggle::LoginItemToggle(LoginItem item, QWidget* parent)
    : QWidget(parent), item_(std::move(item)),
      row_(new SwitchRow("Open at login", "Start Quillmere when you log in, so tiling and hotkeys are always on.",
                         this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(row_);
    row_->setOn(item_.enabled());
    row_->onToggle = [this](bool on) {
        if (auto failure = item_.setEnabled(on))
            log(LogLevel::error, "login item: %{public}s", *failure);
        row_->setOn(item_.enabled());
    };
}

} // namespace quillmere
