#include "shell/DesktopChoice.h"

namespace quillmere {

Result<DesktopKind, std::string> chooseDesktop(const LaunchOptions& options, const DisplayFacts& facts) {
    if (facts.x11Reached && facts.ewmhWindowManager && !options.simulated && !options.scenario)
        return DesktopKind::x11;
    if (facts.x11Reached || facts.waylandDisplay)
        return DesktopKind::simulated;
    if (facts.x11Display)
        return "quillmere: cannot open display \"" + *facts.x11Display + "\"";
    return std::string("quillmere: no display to show Quillmere on (DISPLAY is not set)");
}

} // namespace quillmere
