#include "shell/StatusPicture.h"

#include "menubar/MenuBarRenderer.h"
#include "shell/StatusLabel.h"

#include <QPixmap>

namespace quillmere {

void showStatus(QSystemTrayIcon& item, const WindowManagerStatus& status, const MenuBarSettings& settings,
                bool accessibilityLost, bool configError) {
    const auto picture = MenuBarRenderer::image(status, settings, configError || accessibilityLost);
    const QImage shown = picture ? *picture : MenuBarRenderer::title(statusTitle(status));
    item.setIcon(QIcon(QPixmap::fromImage(shown)));
    item.setToolTip(QString::fromStdString(statusLabel(status, accessibilityLost, configError)));
}

} // namespace quillmere
