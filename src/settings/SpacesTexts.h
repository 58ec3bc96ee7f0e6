#pragma once

#include "core/Settings.h"

#include <string>

namespace quillmere {

// How Desktops are numbered and how to change a layout now, with the user's own shortcuts; while the
// configuration holds entries for more Desktops than exist, also that those are kept.
std::string spacesExplanation(const Settings& settings, int spaceCount);

// The Desktops the pane lists, 1 to this: always at least Desktop 1.
int listedDesktops(int spaceCount);

} // namespace quillmere
