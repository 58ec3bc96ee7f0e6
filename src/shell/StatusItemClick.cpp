#include "shell/StatusItemClick.h"

#include <QCursor>

namespace quillmere {

void clickStatusItem(const QSystemTrayIcon& item, const StatusItemClick& click) {
    click.checkAccessibility();
    if (click.started()) {
        click.toggleMiniMap();
        return;
    }
    const QRect where = item.geometry();
    permissionMenu(click.permissionMenu)->exec(where.isEmpty() ? QCursor::pos() : where.bottomLeft());
}

} // namespace quillmere
