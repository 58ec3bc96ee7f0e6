#pragma once

#include "core/JsonReader.h"
#include "core/MenuBarSettings.h"

#include <nlohmann/json.hpp>

namespace quillmere {

// Both keys of the record and of every entry are written and required.
void to_json(nlohmann::json& json, const MenuBarSettings& settings);
MenuBarSettings readMenuBarSettings(const JsonReader& json);

} // namespace quillmere
