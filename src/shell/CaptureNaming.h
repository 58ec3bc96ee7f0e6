#pragma once

#include "core/Profile.h"
#include "stores/ProfileStore.h"

#include <optional>
#include <string>
#include <string_view>

namespace quillmere {

// The decisions of the capture dialog, over the profiles loaded when it opened (the folder is not read
// again while it is open). A name stands for a file: names that map onto one file name count as one
// profile, and so does a file that failed to load, so that a capture never overwrites a file the user did
// not agree to replace.
class CaptureNaming {
  public:
    // What the dialog shows for the text in its field, and what confirming it does.
    struct Choice {
        // The text without spaces and tabs at either end; nothing is captured when it is empty.
        std::string name;
        // The stored profile a confirmation recaptures; none captures a new profile under `name`.
        std::optional<Profile> existing;
        std::string buttonTitle;
        bool enabled = false;
        std::string note;
    };

    explicit CaptureNaming(ProfileStore::Loaded loaded);

    // The screen's name lowercased, "profile" without a screen, made free of every taken file.
    std::string initialName(const std::optional<std::string>& screenName) const;
    Choice choose(std::string_view text) const;

  private:
    ProfileStore::Loaded loaded_;
};

} // namespace quillmere
