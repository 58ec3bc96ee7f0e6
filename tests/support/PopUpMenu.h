#pragma once

#include <QApplication>
#include <QMenu>
#include <QTimer>
#include <string>
#include <vector>

namespace quillmere {

// The lines of the menu that pops up next while the reader lives, as "text" or "(text)" for a disabled one
// and "-" for a separator; then the menu is closed, as the user would.
class PopUpReader {
  public:
    PopUpReader() {
        timer_.setSingleShot(true);
        QObject::connect(&timer_, &QTimer::timeout, [this] { read(); });
        timer_.start(0);
    }

    std::vector<std::string> lines;
    QKeySequence shortcutOfLast;

  private:
    void read() {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return;
        for (QAction* action : menu->actions()) {
            const QString text = action->isSeparator() ? "-" : action->text();
            lines.push_back((action->isEnabled() ? text : "(" + text + ")").toStdString());
        }
        shortcutOfLast = menu->actions().back()->shortcut();
        menu->close();
    }

    QTimer timer_;
};

} // namespace quillmere
