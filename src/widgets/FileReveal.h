#pragma once

#include <filesystem>

namespace quillmere {

// Opens the file in its default application.
void openFile(const std::filesystem::path& file);

// Shows the file selected in the file manager, through its D-Bus service; where there is none, opens the
// folder that holds it.
void revealFile(const std::filesystem::path& file);

} // namespace quillmere
