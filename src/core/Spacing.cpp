#include "core/Spacing.h"

namespace quillmere {

Spacing Spacing::forDisplay(double width) {
    const double space = width > 1600 ? 10 : 5;
    return {space, space, 0.5};
}

} // namespace quillmere
