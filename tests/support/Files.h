#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

// Whole-file reads and writes for tests that look at what a store left on disk.
namespace quillmere::files {

inline void write(const std::filesystem::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

inline std::string read(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

} // namespace quillmere::files
