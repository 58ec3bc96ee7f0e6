#pragma once

#include "core/LayoutSnapshot.h"
#include "core/WindowRef.h"

#include <cstdint>
#include <string>
#include <vector>

// Short builders for stored layouts in tests.
namespace quillmere::snapshots {

inline WindowRef ref(std::string app, std::int64_t index) {
    return WindowRef{std::move(app), index};
}

inline LayoutSnapshot tile(std::vector<WindowRef> refs = {}) {
    return LayoutSnapshot::tile(std::move(refs));
}

inline LayoutSnapshot h(double ratio, LayoutSnapshot first, LayoutSnapshot second) {
    return LayoutSnapshot::split(Axis::horizontal, ratio, std::move(first), std::move(second));
}

inline LayoutSnapshot v(double ratio, LayoutSnapshot first, LayoutSnapshot second) {
    return LayoutSnapshot::split(Axis::vertical, ratio, std::move(first), std::move(second));
}

} // namespace quillmere::snapshots
