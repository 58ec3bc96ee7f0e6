#pragma once

#include "core/Geometry.h"
#include "core/LayoutMode.h"
#include "core/LayoutSnapshot.h"
#include "core/Profile.h"
#include "profiles/ProfileEditor.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace quillmere {

// The decisions of the editor of one Desktop of a profile: which display's part is edited, its texts, and
// the profile each edit gives. It changes nothing itself; its owner saves what it returns.
//
// A part's stored snapshot is the first entry of the profile's Desktops with the part's Desktop number and
// display signature, two absent signatures counting as equal.
class SpaceDesign {
  public:
    using Edit = std::function<void(SpaceSnapshot&)>;

    // `parts` is never empty.
    SpaceDesign(Profile profile, std::optional<std::string> label, std::vector<DesktopPart> parts,
                std::optional<std::string> selected);

    const Profile& profile() const { return profile_; }
    const std::vector<DesktopPart>& parts() const { return parts_; }
    // The first part whose display is the selected one, else the first.
    const DesktopPart& edited() const;
    bool isEdited(const DesktopPart& part) const { return part.display == edited().display; }

    std::string title() const;
    std::optional<std::string> placeDescription() const;
    // The menu item that clears the edited part alone; none with a single part.
    std::optional<std::string> clearPartTitle() const;
    bool canClearPart() const { return edited().configured; }
    bool canClearDesktop() const;
    // Shown while no part is arranged.
    std::optional<std::string> unarrangedNote() const;
    std::string caption() const;
    static std::string modeNote(LayoutMode mode);

    // The profile with the edit applied to the part's stored snapshot, which is appended first when the
    // profile lacks it.
    Profile updated(const DesktopPart& part, const Edit& edit) const;
    // The profile without the parts' stored snapshots.
    Profile cleared(const std::vector<DesktopPart>& parts) const;
    // Sets the tree to the template, filled with the Desktop's apps in their order.
    static Edit applying(const LayoutSnapshot& layout);
    // One reference of index 0 per application, in the order given.
    static std::vector<WindowRef> newRefs(const std::vector<std::string>& apps);
    static std::vector<std::string> apps(const std::vector<WindowRef>& refs);

    // The drawing of the parts for an available width: its size, and each part's rectangle in it.
    struct Drawing {
        Size size;
        std::vector<Rect> parts;
    };
    Drawing drawing(double availableWidth) const;
    static constexpr double singleMaxWidth = 560;
    static constexpr double severalMaxWidth = 720;
    static constexpr double partInset = 4;

  private:
    std::optional<std::size_t> storedIndex(const Profile& in, const DesktopPart& part) const;

    Profile profile_;
    std::optional<std::string> label_;
    std::vector<DesktopPart> parts_;
    std::optional<std::string> selected_;
};

} // namespace quillmere
