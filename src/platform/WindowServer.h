#pragma once

#include <cstdint>
#include <optional>

namespace quillmere {

// The process that owns every window. Window ids stay valid only while the same process runs.
class WindowServer {
  public:
    virtual ~WindowServer() = default;

    // None when no window server can be found.
    virtual std::optional<std::int32_t> processId() const = 0;
};

} // namespace quillmere
