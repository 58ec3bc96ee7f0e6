#pragma once

#include <QPixmap>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace quillmere {

// Application icons by display name, 32 by 32: the entry's icon by theme or file, else the theme's generic
// application icon, else the application's own generic picture, so never null. Cached by name for good:
// lists redraw without touching the file system, and a name keeps its icon until restart. Main thread only.
class AppIcons {
  public:
    static constexpr int size = 32;

    // The icon an application's entry names, a theme icon name or a file path; none when it names none.
    using EntryIcon = std::function<std::optional<std::string>(std::string_view name)>;

    explicit AppIcons(EntryIcon entryIcon) : entryIcon_(std::move(entryIcon)) {}

    QPixmap icon(std::string_view name);

    // The application's own picture, for when the theme has no generic application icon.
    static QPixmap bundledGenericIcon();

  private:
    EntryIcon entryIcon_;
    std::map<std::string, QPixmap, std::less<>> cache_;
};

} // namespace quillmere
