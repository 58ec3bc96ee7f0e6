#include "core/SettingFields.h"

#include <type_traits>

namespace quillmere {

bool changesLayouts(const Settings& before, const Settings& after, LayoutEffect effect) {
    bool changed = false;
    forEachSettingField([&](const auto& field) {
        if (field.layout != effect)
            return;
        if constexpr (std::is_null_pointer_v<decltype(field.inForce)>)
            changed = changed || before.*field.member != after.*field.member;
        else
            changed = changed || (before.*field.inForce)() != (after.*field.inForce)();
    });
    return changed;
}

} // namespace quillmere
