#pragma once

#include <optional>
#include <string>
#include <vector>

namespace quillmere {

// One installed desktop entry, as much of it as tells which running program it describes.
struct DesktopEntry {
    // The entry's desktop file id without ".desktop", for example "org.gnome.TextEditor".
    std::string id;
    // Its name in the user's language.
    std::string name;
    // The window class its program's windows carry, when the entry says.
    std::optional<std::string> startupWMClass;
    // The file name of the program its command line runs, without the folder.
    std::optional<std::string> executable;
    friend bool operator==(const DesktopEntry&, const DesktopEntry&) = default;
};

// The two halves of a window's WM_CLASS: the instance name and the class name.
struct WindowClass {
    std::string instance;
    std::string className;
    friend bool operator==(const WindowClass&, const WindowClass&) = default;
};

// How a running program is named to the rest of the system.
struct ApplicationIdentity {
    std::optional<std::string> bundleIdentifier;
    std::optional<std::string> localizedName;
    friend bool operator==(const ApplicationIdentity&, const ApplicationIdentity&) = default;
};

// The entry that describes a program with windows of that class running that executable, as the desktop
// finds it: the entry whose StartupWMClass is the class (or the instance), else the entry whose id is the
// class (or the instance, or the last part of a reverse-domain id) whatever the case, else the entry whose
// command runs the executable. Among equals the first entry counts, as the desktop lists the user's own
// entries before the system's.
const DesktopEntry* matchingDesktopEntry(const std::vector<DesktopEntry>& entries,
                                         const std::optional<WindowClass>& windowClass,
                                         const std::optional<std::string>& executable);

// The identity is the entry's id, else the window class, else the executable's name; the name is the
// entry's, else the window class, else the executable's name, so that rules by name still find it.
ApplicationIdentity applicationIdentity(const DesktopEntry* entry,
                                        const std::optional<WindowClass>& windowClass,
                                        const std::optional<std::string>& executable);

} // namespace quillmere
