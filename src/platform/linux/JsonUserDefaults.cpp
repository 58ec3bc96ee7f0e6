#include "platform/linux/JsonUserDefaults.h"

#include "core/JsonReader.h"
#include "platform/AtomicWrite.h"
#include "platform/Log.h"
#include "platform/ReadFile.h"

namespace quillmere {

JsonUserDefaults::JsonUserDefaults(std::filesystem::path file) : file_(std::move(file)) {}

std::optional<nlohmann::json> JsonUserDefaults::load() const {
    const auto bytes = readFile(file_);
    if (!bytes && bytes.error().missing)
        return nlohmann::json::object();
    if (!bytes) {
        log(LogLevel::error, "user defaults unreadable, reading nothing from them: %{public}s",
            bytes.error().description);
        return std::nullopt;
    }
    auto parsed = decodeJson<nlohmann::json>(*bytes, [](const JsonReader& json) {
        if (!json.json().is_object())
            json.fail(DecodingError::Kind::typeMismatch, "not a JSON object");
        return json.json();
    });
    if (!parsed) {
        log(LogLevel::error, "user defaults %{public}s: %{public}s, reading nothing from them", file_.string(),
            parsed.error().text());
        return std::nullopt;
    }
    return std::move(parsed).value();
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
    // Compact: indenting would grow a deeply nested document by its depth on every line.
    const std::string bytes = stored->dump(-1, ' ', false, nlohmann::json::error_handler_t::replace) + "\n";
    auto failed = createPrivateFolder(file_.parent_path());
    if (!failed)
        failed = writeAtomically(file_, bytes, FileAccess::owner);
    if (failed)
        log(LogLevel::error, "user defaults not written: %{public}s", failed->description);
}

} // namespace quillmere
