#include "stores/ProfileStore.h"

#include "core/ProfileEditing.h"
#include "stores/ReadFailure.h"
#include "stores/UserFolders.h"

#include <algorithm>
#include <system_error>

namespace quillmere {

namespace {

namespace fs = std::filesystem;

// Sorted, so that files holding profiles of one name always come back in the same order.
std::vector<fs::path> profileFiles(const fs::path& directory) {
    std::vector<fs::path> files;
    std::error_code error;
    fs::directory_iterator entries(directory, error);
    for (const auto end = fs::directory_iterator(); !error && entries != end; entries.increment(error))
        if (entries->path().extension() == ".json")
            files.push_back(entries->path());
    if (error)
        return {};
    std::ranges::sort(files, {}, [](const fs::path& file) { return file.filename().string(); });
    return files;
}

Result<Profile, ReadFailure> loadProfile(const fs::path& file) {
    const auto bytes = readFile(file);
    if (!bytes)
        return ReadFailure(bytes.error());
    auto profile = decodeProfile(*bytes);
    if (!profile)
        return ReadFailure(profile.error());
    return std::move(profile).value();
}

} // namespace

fs::path ProfileStore::defaultDirectory() {
    return configurationHome() / "quillmere" / "profiles";
}

ProfileStore::ProfileStore(fs::path directory) : directory_(std::move(directory)) {}

ProfileStore::Loaded ProfileStore::load() const {
    Loaded loaded;
    for (const fs::path& file : profileFiles(directory_)) {
        auto profile = loadProfile(file);
        if (profile)
            loaded.profiles.push_back(std::move(profile).value());
        else
            loaded.problems.push_back(Problem{file, describe(profile.error())});
    }
    std::ranges::stable_sort(loaded.profiles, {}, &Profile::name);
    std::ranges::stable_sort(loaded.problems, {},
                             [](const Problem& problem) { return problem.file.filename().string(); });
    return loaded;
}

std::optional<FileError> ProfileStore::save(const Profile& profile) const {
    if (auto folder = createPrivateFolder(directory_))
        return folder;
    const fs::path file = directory_ / profileFileName(profile.name);
    const auto bytes = encodeProfile(profile);
    if (!bytes)
        return FileError{file.string() + ": " + bytes.error().message};
    return writeAtomically(file, *bytes, FileAccess::owner);
}

std::optional<Profile> ProfileStore::named(std::string_view name) const {
    auto loaded = load();
    const auto found = std::ranges::find(loaded.profiles, name, &Profile::name);
    if (found == loaded.profiles.end())
        return std::nullopt;
    return std::move(*found);
}

} // namespace quillmere

std::size_t std::hash<quillmere::ProfileStore::Problem>::operator()(
    const quillmere::ProfileStore::Problem& problem) const noexcept {
    return std::filesystem::hash_value(problem.file) * 31 + std::hash<std::string>{}(problem.message);
}
