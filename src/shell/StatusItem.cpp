#include "shell/StatusItem.h"

#include "menubar/MenuBarRenderer.h"
#include "platform/qt/Symbols.h"
#include "shell/StatusLabel.h"

#include <QPixmap>

namespace quillmere {

StatusItem::StatusItem() {
    QObject::connect(&icon_, &QSystemTrayIcon::activated, &icon_, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::Context)
            onClick();
    });
}

void StatusItem::setSymbol(std::string_view symbol, std::string_view description) {
    symbol_ = std::string(symbol);
    icon_.setIcon(symbolIcon(symbol));
    icon_.setToolTip(QString::fromUtf8(description.data(), static_cast<qsizetype>(description.size())));
    icon_.show();
}

void StatusItem::showStatus(const WindowManagerStatus& status, const MenuBarSettings& settings,
                            bool accessibilityLost, bool configError) {
    symbol_.clear();
    const auto picture = MenuBarRenderer::image(status, settings, configError || accessibilityLost);
    const QImage shown = picture ? *picture : MenuBarRenderer::title(statusTitle(status));
    icon_.setIcon(QIcon(QPixmap::fromImage(shown)));
    icon_.setToolTip(QString::fromStdString(statusLabel(status, accessibilityLost, configError)));
    icon_.show();
}

} // namespace quillmere
