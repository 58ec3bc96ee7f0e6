#pragma once

#include "core/JsonReader.h"
#include "platform/ReadFile.h"
#include "support/Files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

// What may lie where a stored file is expected and must be refused at once, with its reason, without a
// hang, a crash or the memory of the whole thing: the same table for every reader.
namespace quillmere::hostile {

struct Case {
    const char* name;
    void (*put)(const std::filesystem::path& file, const std::string& validContent);
    // Part of the reason the reader gives.
    std::string reason;
    // The superuser reads a file whatever its permissions.
    bool readableBySuperuser = false;

    bool skipped() const { return readableBySuperuser && ::geteuid() == 0; }
};

// A list of lists this deep as the value of "x" beside the valid members.
inline std::string nested(const std::string& validContent, int depth) {
    return validContent.substr(0, validContent.rfind('}')) + (validContent.find(':') == std::string::npos ? "" : ",") +
           "\"x\":" + std::string(static_cast<std::size_t>(depth), '[') +
           std::string(static_cast<std::size_t>(depth), ']') + "}";
}

// What cannot be read as a file at all.
inline const std::vector<Case>& unreadableFiles() {
    static const std::vector<Case> all{
        {"AFolder", [](const auto& file, const auto&) { std::filesystem::create_directory(file); },
         "Is a directory"},
        {"ANamedPipe", [](const auto& file, const auto&) { ::mkfifo(file.c_str(), 0600); }, "not a regular file"},
        {"ALinkLoop", [](const auto& file, const auto&) { std::filesystem::create_symlink(file.filename(), file); },
         "Too many levels of symbolic links"},
        {"NoReadPermission",
         [](const auto& file, const auto& content) {
             files::write(file, content);
             std::filesystem::permissions(file, std::filesystem::perms::none);
         },
         "Permission denied", true},
        {"TooLarge",
         [](const auto& file, const auto& content) {
             files::write(file, std::string(maximumStoredFileSize, ' ') + content);
         },
         "larger than 16 MB"},
    };
    return all;
}

// The above, and a document that reads as a file but not as JSON.
inline const std::vector<Case>& cases() {
    static const std::vector<Case> all = [] {
        auto list = unreadableFiles();
        list.push_back({"NestedTooDeep",
                         [](const auto& file, const auto& content) { files::write(file, nested(content, 100000)); },
                         "nests deeper than " + std::to_string(maximumJsonDepth) + " levels"});
        return list;
    }();
    return all;
}

// What a writer must leave as it was: the kind of thing, its permissions, size and time of change.
inline std::string stateOf(const std::filesystem::path& file) {
    struct stat status {};
    if (::lstat(file.c_str(), &status) != 0)
        return "missing";
    return std::to_string(status.st_mode) + " " + std::to_string(status.st_size) + " " +
           std::to_string(status.st_mtim.tv_sec) + "." + std::to_string(status.st_mtim.tv_nsec);
}

inline std::string caseName(const testing::TestParamInfo<Case>& info) { return info.param.name; }

} // namespace quillmere::hostile
