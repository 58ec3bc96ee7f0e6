#pragma once

#include "core/JsonReader.h"
#include "core/Result.h"
#include "platform/ReadFile.h"

#include <filesystem>
#include <string>
#include <variant>

namespace quillmere {

// Why a stored document could not be read: the file itself, or what was in it.
using ReadFailure = std::variant<FileError, DecodingError>;

// The readable text of a failure, as the configuration error and the profile problems show it: for what
// was in the file, the path of keys and list positions joined with "." and ": " before the description,
// or the description alone at the top of the document; for the file, its description.
std::string describe(const ReadFailure& failure);

} // namespace quillmere
