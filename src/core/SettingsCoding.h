#pragma once

#include "core/JsonReader.h"
#include "core/JsonWriter.h"
#include "core/Result.h"
#include "core/Settings.h"

#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

namespace quillmere {

// Writes the required keys always and each optional key only when present, numbers as stored.
void to_json(nlohmann::json& json, const Settings& settings);

// Reads the fields in declaration order; the first missing key or value of the wrong type fails the whole
// read with its coding path. Missing and null optional keys are absent; unknown keys are ignored; nothing
// is checked beyond types.
Settings readSettings(const JsonReader& json);
Decoded<Settings> decodeSettings(std::string_view bytes);

// The configuration file's bytes: pretty-printed, keys sorted, "/" not escaped.
Result<std::string, JsonWriteError> encodeSettings(const Settings& settings);

} // namespace quillmere
