#pragma once

#include "platform/InstalledApplications.h"
#include "platform/RunningApplications.h"

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillmere {

// The applications installed on this machine, by display name, and the translations between display names
// (what rules name) and identifiers (what profiles name). Scanned once, on first use, and kept for the life
// of the object, which both windows share: applications installed later show after a restart. Running
// applications are asked afresh on every call. Main thread only.
//
// The scan takes the desktop's installed applications first, then the ".desktop" entries of type
// Application in each applications folder, in order, and one level of subfolders below each. An entry's
// identifier is its desktop file id (the path below the folder with "/" turned into "-"); the first entry of
// an id wins, and a Hidden one removes that id. Of two applications with one display name the first wins.
// NoDisplay entries are the system's hidden helpers: they are not listed, but are known and give icons.
class InstalledApps {
  public:
    struct Folders {
        // Searched in this order.
        std::vector<std::filesystem::path> applications;
        // The locale whose Name[...] keys win over Name.
        std::string locale;

        // $XDG_DATA_HOME/applications, then the applications folder of each $XDG_DATA_DIRS entry, with
        // the defaults of the base-directory rules; the locale of LC_ALL, LC_MESSAGES or LANG.
        static Folders fromEnvironment();
    };

    struct App {
        std::string identifier;
        // The .desktop file; none for the desktop's own installed applications.
        std::optional<std::filesystem::path> file;
        // A theme icon name or a file path.
        std::optional<std::string> icon;
    };

    // Both must outlive this object.
    InstalledApps(InstalledApplications& installed, RunningApplications& running, Folders folders);

    // Listed applications by display name.
    const std::map<std::string, App>& apps();
    // The NoDisplay applications by display name, where no listed one has that name.
    const std::map<std::string, App>& hiddenApps();
    // The listed display names in the user's locale's order.
    const std::vector<std::string>& names();
    const std::map<std::string, std::string>& bundleIDs();

    // The running applications' names first (any policy), then the installed ones; else the identifier.
    std::string name(std::string_view bundleID);
    // The running applications' identifiers first (any policy), then the installed ones.
    std::optional<std::string> bundleID(std::string_view name);

    // The display names of the running regular applications, once each, in plain order.
    std::vector<std::string> runningApps();
    // Listed, running or hidden, in that order; names compare exactly.
    bool knowsApp(std::string_view name);

    // The icon of the first application of that name: running ones first, by their installed entry; none
    // when no entry of that name gives one.
    std::optional<std::string> iconName(std::string_view name);

  private:
    void scan();

    InstalledApplications& installed_;
    RunningApplications& running_;
    Folders folders_;
    bool scanned_ = false;
    std::map<std::string, App> apps_;
    std::map<std::string, App> hiddenApps_;
    std::vector<std::string> names_;
    std::map<std::string, std::string> bundleIDs_;
};

} // namespace quillmere
