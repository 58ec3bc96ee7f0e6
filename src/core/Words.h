#pragma once

#include <string_view>
#include <vector>

namespace quillmere {

// The pieces of a text between separators, empty pieces dropped, so that leading, trailing and repeated
// separators do not matter.
std::vector<std::string_view> splitDroppingEmpty(std::string_view text, char separator);

// The words of a command text: only the space character separates them; tabs and other white space belong
// to the words.
inline std::vector<std::string_view> words(std::string_view text) {
    return splitDroppingEmpty(text, ' ');
}

} // namespace quillmere
