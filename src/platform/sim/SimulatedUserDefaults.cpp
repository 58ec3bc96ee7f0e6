#include "platform/sim/SimulatedDesktop.h"

namespace quillmere {

namespace {

template <class T, class Map> std::optional<T> stored(const Map& defaults, std::string_view key) {
    const auto found = defaults.find(key);
    if (found == defaults.end())
        return std::nullopt;
    const T* value = std::get_if<T>(&found->second);
    return value ? std::optional<T>(*value) : std::nullopt;
}

} // namespace

std::optional<std::string> SimulatedDesktop::string(std::string_view key) {
    return stored<std::string>(userDefaults_, key);
}

std::optional<bool> SimulatedDesktop::boolean(std::string_view key) {
    return stored<bool>(userDefaults_, key);
}

void SimulatedDesktop::setString(std::string_view key, const std::string& value) {
    userDefaults_.insert_or_assign(std::string(key), value);
}

void SimulatedDesktop::setBoolean(std::string_view key, bool value) {
    userDefaults_.insert_or_assign(std::string(key), value);
}

void SimulatedDesktop::remove(std::string_view key) {
    if (const auto found = userDefaults_.find(key); found != userDefaults_.end())
        userDefaults_.erase(found);
}

} // namespace quillmere
