#include "platform/linux/JsonUserDefaults.h"

#include "platform/AtomicWrite.h"
#include "platform/Log.h"

#include <fstream>
#include <sstream>
#include <system_error>

namespace quillmere {

JsonUserDefaults::JsonUserDefaults(std::filesystem::path file) : file_(std::move(file)) {}

std::optional<nlohmann::json> JsonUserDefaults::load() const {
    std::error_code error;
    if (!std::filesystem::exists(file_, error) && !error)
        return nlohmann::json::object();
    std::ifstream in(file_, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    if (!in || error) {
        log(LogLevel::error, "user defaults %{public}s: unreadable, reading nothing from it", file_.string());
        return std::nullopt;
    }
    auto parsed = nlohmann::json::parse(bytes.str(), nullptr, false);
    if (!parsed.is_object()) {
        log(LogLevel::error, "user defaults %{public}s: not a JSON object, reading nothing from it",
            file_.string());
        return std::nullopt;
    }
    return parsed;
}

std::optional<nlohmann::json> JsonUserDefaults::value(std::string_view key) const {
    const auto stored = load();
    if (!stored)
        return std::nullopt;
    const auto found = stored->find(key);
    return found == stored->end() ? std::nullopt : std::optional(*found);
}

std::optional<std::string> JsonUserDefaults::string(std::string_view key) {
    const auto stored = value(key);
    return stored && stored->is_string() ? std::optional(stored->get<std::string>()) : std::nullopt;
}

std::optional<bool> JsonUserDefaults::boolean(std::string_view key) {
    const auto stored = value(key);
    return stored && stored->is_boolean() ? std::optional(stored->get<bool>()) : std::nullopt;
}

void JsonUserDefaults::setString(std::string_view key, const std::string& value) {
    store(key, nlohmann::json(value));
}

void JsonUserDefaults::setBoolean(std::string_view key, bool value) {
    store(key, nlohmann::json(value));
}

void JsonUserDefaults::remove(std::string_view key) {
    store(key, std::nullopt);
}

void JsonUserDefaults::store(std::string_view key, std::optional<nlohmann::json> value) {
    auto stored = load();
    if (!stored) {
        log(LogLevel::error, "user defaults %{public}s: not written, the file is kept as it is", file_.string());
        return;
    }
    if (value)
        (*stored)[std::string(key)] = std::move(*value);
    else if (!stored->erase(std::string(key)))
        return;
    std::error_code error;
    std::filesystem::create_directories(file_.parent_path(), error);
    const std::string bytes = stored->dump(2, ' ', false, nlohmann::json::error_handler_t::replace) + "\n";
    if (const auto failed = writeAtomically(file_, bytes))
        log(LogLevel::error, "user defaults not written: %{public}s", failed->description);
}

} // namespace quillmere
