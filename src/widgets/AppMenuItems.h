#pragma once

#include <string>
#include <vector>

namespace quillmere {

// The two sections of an application-name field's menu.
struct AppMenuItems {
    std::vector<std::string> running;
    // The installed names that are not running, in the order given.
    std::vector<std::string> installed;

    static AppMenuItems of(std::vector<std::string> running, const std::vector<std::string>& installed);
};

} // namespace quillmere
