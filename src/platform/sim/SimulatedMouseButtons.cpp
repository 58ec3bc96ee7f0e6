#include "platform/sim/SimulatedDesktop.h"

#include <stdexcept>
#include <string>

namespace quillmere {

namespace {

std::uint32_t bit(int button) {
    if (button < 0 || button > 31)
        throw std::invalid_argument("no mouse button " + std::to_string(button));
    return std::uint32_t{1} << button;
}

} // namespace

void SimulatedDesktop::pressButton(int button) {
    pressedButtons_ |= bit(button);
}

void SimulatedDesktop::releaseButton(int button) {
    pressedButtons_ &= ~bit(button);
}

} // namespace quillmere
