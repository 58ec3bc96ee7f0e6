#include "widgets/AppMenuItems.h"

#include <algorithm>

namespace quillmere {

AppMenuItems AppMenuItems::of(std::vector<std::string> running, const std::vector<std::string>& installed) {
    AppMenuItems items{std::move(running), {}};
    for (const auto& name : installed)
        if (std::find(items.running.begin(), items.running.end(), name) == items.running.end())
            items.installed.push_back(name);
    return items;
}

} // namespace quillmere
