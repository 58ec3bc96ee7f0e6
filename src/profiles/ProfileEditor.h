#pragma once

#include "core/Geometry.h"
#include "core/LayoutSnapshot.h"
#include "core/Profile.h"
#include "platform/Displays.h"
#include "settings/model/SettingsModel.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace quillmere {

// One display's share of the Desktop being edited, as the Space designer draws it.
struct DesktopPart {
    // Absent when the profile records no display.
    std::optional<std::string> display;
    // The recorded display's name; absent when none has that signature.
    std::optional<std::string> name;
    Rect frame;
    SpaceSnapshot snapshot;
    // False when the profile does not arrange this Desktop on this display yet and `snapshot` is a fresh one.
    bool configured = false;
};

// What the editor of one profile shows and does, apart from its widgets: which display and Desktop are being
// edited, what the designer draws, and the edits that save a changed copy of the profile through the model.
// The profile is the stored one and is never changed in place; the view state (the chosen display and
// Desktop) outlives a new stored version of the same profile. Every value is derived afresh on each read.
//
// A snapshot belongs to the edited display when the profile spans several recorded displays, or when its
// display is the edited one (two absent displays are equal).
class ProfileEditor {
  public:
    // Both must outlive the editor.
    ProfileEditor(SettingsModel& model, Displays& displays, Profile profile);

    const Profile& profile() const { return profile_; }
    // A newer stored version of the same profile; the view state stays.
    void setProfile(Profile profile) { profile_ = std::move(profile); }

    // ---- View state ----

    const std::optional<std::int64_t>& selectedSpace() const { return selectedSpace_; }
    const std::optional<std::string>& selectedDisplay() const { return selectedDisplay_; }
    // A chip: the Desktop, on the display shown.
    void selectSpace(std::int64_t space) { selectedSpace_ = space; }
    // The display picker: back to the lowest Desktop arranged on that display.
    void chooseDisplay(const std::string& display);
    // The designer: another display of the same Desktop.
    void select(const std::string& display) { selectedDisplay_ = display; }

    // ---- Derived values ----

    // The signature of the display being edited: the chosen one, else the recorded one at the origin, else
    // the first recorded one; none for an empty list of displays.
    std::optional<std::string> display() const;
    // How many Desktops the chips offer: the edited display's recorded count, else the most of any display.
    std::int64_t desktopCount() const;
    // The Desktop being edited on the edited display; the chosen number is held to at most the Desktop
    // count, and a Desktop the profile does not arrange there is a fresh snapshot.
    SpaceSnapshot space() const;
    // The recorded frame of that display, else the main screen's, else the first screen's.
    Rect frame(const std::optional<std::string>& display) const;
    // Never empty: one part per recorded display when the Desktops span them, else the edited display's.
    std::vector<DesktopPart> parts() const;
    // The profile's snapshot of the Desktop that belongs to the edited display.
    std::optional<SpaceSnapshot> arranges(std::int64_t space) const;
    // The window references of the Desktop in the snapshots that belong to the edited display.
    std::int64_t windowCount(std::int64_t space) const;
    // One set of Desktops across several recorded displays.
    bool spans() const;
    // The line under the Desktops title.
    std::string hint() const;
    // The header's line.
    std::string summary() const;

    // ---- Edits ----

    // The apps of a tile go to another Desktop of the edited display: the tile stays, empty, and the apps
    // fill the target's empty tiles in order, the rest joining its last tile, or make a new snapshot there.
    // Nothing happens for the same Desktop, a number below 1, or a path that names no tile with apps.
    void moveApps(std::int64_t from, const LayoutPath& path, std::int64_t to);
    // Saves a changed copy of the profile, without comparing it with the stored one.
    void change(const std::function<void(Profile&)>& edit, const std::string& action = "Change Profile");

    // A Desktop the profile does not arrange: one empty tile in the Desktop's configured layout mode.
    static SpaceSnapshot unconfigured(std::int64_t space, const std::optional<std::string>& display,
                                      const SettingsModel& model);

  private:
    bool belongs(const SpaceSnapshot& snapshot) const;
    const ProfileDisplay* recorded(const std::optional<std::string>& display) const;

    SettingsModel& model_;
    Displays& displays_;
    Profile profile_;
    std::optional<std::int64_t> selectedSpace_;
    std::optional<std::string> selectedDisplay_;
};

} // namespace quillmere
