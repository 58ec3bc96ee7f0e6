#pragma once

#include "platform/AccessibilityDisplay.h"
#include "platform/DesktopPictures.h"
#include "platform/Preferences.h"

namespace quillmere {

// What the user set up for the Mac's own system, as an X11 session answers it: it keeps no such
// preferences, asks for no reduced motion and names no desktop picture file (a root pixmap is no file).
class X11Preferences final : public Preferences, public AccessibilityDisplay, public DesktopPictures {
  public:
    std::optional<PropertyList> copyValue(std::string_view, PreferencesApplication, PreferencesUser,
                                          PreferencesHost) override {
        return std::nullopt;
    }
    std::optional<PropertyList> appValue(std::string_view, std::string_view) override { return std::nullopt; }
    bool shouldReduceMotion() override { return false; }
    std::optional<std::string> desktopImageURL(const Screen&) override { return std::nullopt; }
};

} // namespace quillmere
