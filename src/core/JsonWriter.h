#pragma once

#include "core/Result.h"

#include <nlohmann/json.hpp>
#include <string>

namespace quillmere {

struct JsonStyle {
    // One member per line, two-space indent; otherwise everything on one line.
    bool pretty = true;
    // Profile files write "/" as "\/"; the configuration file writes it as is.
    bool escapeSlashes = false;
};

struct JsonWriteError {
    std::string message;
    friend bool operator==(const JsonWriteError&, const JsonWriteError&) = default;
};

// Writes a document with the keys of every object in the order of their UTF-8 bytes and whole numbers
// without a fraction. A number that is not finite cannot be written: the answer is a message, never a
// corrupt file.
Result<std::string, JsonWriteError> writeJson(const nlohmann::json& document, JsonStyle style = {});

} // namespace quillmere
