#pragma once

#include "core/Profile.h"
#include "platform/AtomicWrite.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillmere {

// The profile files, one JSON file per profile in one folder. Nothing is kept between calls: every load
// reads the folder anew, and every change is the save of one profile.
class ProfileStore {
  public:
    // A file that failed to load, listed beside the profiles so that it is not lost in silence.
    struct Problem {
        std::filesystem::path file;
        std::string message;
        friend bool operator==(const Problem&, const Problem&) = default;
    };

    struct Loaded {
        // By name, in the order of the names' bytes; two files holding one name both appear.
        std::vector<Profile> profiles;
        // By file name, the same way.
        std::vector<Problem> problems;
    };

    // "quillmere/profiles" in the user's configuration folder.
    static std::filesystem::path defaultDirectory();

    explicit ProfileStore(std::filesystem::path directory = defaultDirectory());

    const std::filesystem::path& directory() const { return directory_; }

    // Every entry of the folder (hidden ones too, subfolders not entered) whose extension is exactly
    // "json". A folder that cannot be listed holds nothing.
    Loaded load() const;
    // Written atomically to the profile's file name, for the user's eyes alone as it names what the user
    // works on, creating the folder when needed; no other file is touched. None on success.
    [[nodiscard]] std::optional<FileError> save(const Profile& profile) const;
    // The first loaded profile of exactly this name.
    std::optional<Profile> named(std::string_view name) const;

  private:
    std::filesystem::path directory_;
};

} // namespace quillmere

template <> struct std::hash<quillmere::ProfileStore::Problem> {
    std::size_t operator()(const quillmere::ProfileStore::Problem& problem) const noexcept;
};
