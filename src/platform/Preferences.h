#pragma once

#include "core/PropertyList.h"

#include <optional>
#include <string_view>

namespace quillmere {

// Which applications, users and hosts a preference is stored for.
enum class PreferencesApplication { any, current };
enum class PreferencesUser { any, current };
enum class PreferencesHost { any, current };

// The user's preferences as Core Foundation keeps them: one value per key in each domain.
class Preferences {
  public:
    virtual ~Preferences() = default;

    // The value stored for exactly that domain; none when there is none.
    virtual std::optional<PropertyList> copyValue(std::string_view key, PreferencesApplication application,
                                                  PreferencesUser user, PreferencesHost host) = 0;
    // What another application keeps under the key for itself, as the current user's preferences resolve
    // it; none when it keeps nothing there.
    virtual std::optional<PropertyList> appValue(std::string_view key, std::string_view applicationId) = 0;
};

} // namespace quillmere
