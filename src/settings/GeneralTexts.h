#pragma once

#include "core/Settings.h"

#include <optional>
#include <string>

namespace quillmere {

// The texts of the General pane that follow the settings.

// Names the send shortcuts the user has bound, else says what to bind.
std::string followAfterSendingCaption(const Settings& settings);

// Describes the tiling algorithm and stacking style in force.
std::string layoutAlgorithmsFooter(const Settings& settings);

// What padding and gap come to while left empty, on a main screen that many points wide (none without
// a main screen).
std::string automaticSpacingPlaceholder(std::optional<double> mainScreenWidth);

std::string splitRatioPlaceholder(const Settings& settings);

} // namespace quillmere
