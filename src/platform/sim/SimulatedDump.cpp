#include "platform/sim/SimulatedDesktop.h"

#include <algorithm>
#include <sstream>

namespace quillmere {

namespace {

std::ostream& operator<<(std::ostream& out, const Rect& rect) {
    return out << '(' << rect.minX() << ", " << rect.minY() << ", " << rect.width() << ", " << rect.height()
               << ')';
}

const char* policyText(ActivationPolicy policy) {
    switch (policy) {
    case ActivationPolicy::regular:
        return "regular";
    case ActivationPolicy::accessory:
        return "accessory";
    case ActivationPolicy::prohibited:
        return "prohibited";
    }
    return "";
}

} // namespace

std::string SimulatedDesktop::dump() const {
    std::ostringstream out;
    const auto windowLine = [&](const sim::Window& window) {
        out << "    window " << window.number << " \"" << window.title << "\" of " << window.pid << ' '
            << window.frame << (window.minimized ? ", minimized" : "") << '\n';
    };
    // Windows front to back.
    const auto windowsWhere = [&](auto&& holds) {
        for (WindowId number : stacking_)
            if (holds(windows_.at(number)))
                windowLine(windows_.at(number));
    };
    const auto spaceLines = [&](const sim::SpaceList& list) {
        int desktop = 0;
        for (const sim::Space& space : list.spaces) {
            if (space.fullScreen)
                out << "  full screen: space " << space.id;
            else
                out << "  desktop " << ++desktop << ": space " << space.id;
            out << (space.id == list.current ? ", shown" : "") << '\n';
            windowsWhere([&](const sim::Window& w) {
                return std::ranges::find(w.spaces, space.id) != w.spaces.end();
            });
        }
    };

    if (form_ == SpaceListForm::shared) {
        out << "spaces of every display\n";
        spaceLines(sharedSpaces_);
    }
    for (const sim::Display& display : displays_) {
        out << "display " << display.number << " \"" << display.identity.name << "\" " << display.uuid << ' '
            << display.bounds << (activeDisplay_ == display.number ? ", active" : "") << '\n';
        if (form_ == SpaceListForm::perDisplay)
            spaceLines(display.spaces);
    }
    if (std::ranges::any_of(windows_, [](const auto& entry) { return entry.second.onAllSpaces; })) {
        out << "on every space\n";
        windowsWhere([](const sim::Window& w) { return w.onAllSpaces; });
    }
    if (std::ranges::any_of(windows_,
                            [](const auto& e) { return !e.second.onAllSpaces && e.second.spaces.empty(); })) {
        out << "on no space\n";
        windowsWhere([](const sim::Window& w) { return !w.onAllSpaces && w.spaces.empty(); });
    }
    for (const auto& [pid, running] : apps_) {
        const RunningApplication& info = running.info;
        out << "application " << pid << ' ' << info.bundleIdentifier.value_or("-") << " \""
            << info.localizedName.value_or("") << "\" " << policyText(info.activationPolicy)
            << (front_ == pid ? ", front" : "") << (running.responding ? "" : ", not responding") << '\n';
    }
    return out.str();
}

} // namespace quillmere
