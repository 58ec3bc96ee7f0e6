#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace quillmere::fuzz {

// The fuzzer's input as text: every reader takes bytes that need not be UTF-8.
inline std::string_view text(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// Aborts on a broken property, so that libFuzzer reports it as a crash and keeps the input.
inline void require(bool holds, const char* property) {
    if (holds)
        return;
    std::fprintf(stderr, "Property broken: %s\n", property);
    std::abort();
}

} // namespace quillmere::fuzz
