#pragma once

#include "core/Command.h"
#include "support/ManagedDesktop.h"

#include <chrono>
#include <cstdint>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <string_view>

namespace quillmere {

// A managed desktop that the test drives with command texts, as the user's keys would.
struct CommandedDesktop {
    // Long enough for a Space switch with its bounce watch, the moves it starts and the notifications after.
    static constexpr MainQueue::Duration commandSettleTime = std::chrono::seconds(3);

    explicit CommandedDesktop(
        SimulatedDesktop::SpaceListForm form = SimulatedDesktop::SpaceListForm::perDisplay)
        : managed(form) {}

    // The texts of the notices on screen now.
    std::vector<std::string> notices() const {
        std::vector<std::string> texts;
        for (const sim::Panel* panel : desktop.panels())
            if (const auto* view = dynamic_cast<const OverlayView*>(panel->content.get());
                view && panel->visible && panel->alpha > 0)
                texts.push_back(view->kind.label());
        return texts;
    }

    std::int32_t launch(const std::string& name) { return managed.launch(name); }
    WindowId open(std::int32_t app, SimulatedDesktop::WindowSetup setup = {}) {
        return desktop.openWindow(app, setup);
    }
    void start() {
        managed.start();
    }
    // As the user clicks the window.
    void click(WindowId window) {
        desktop.focus(window);
        managed.settle();
    }
    // Carries the command out and lets every switch, move and notification it started run to its end.
    void run(std::string_view text) {
        const auto parsed = Command::parse(text);
        if (!parsed) {
            ADD_FAILURE() << "not a command: " << text;
            return;
        }
        manager().perform(*parsed);
        managed.advance(commandSettleTime);
    }

    WindowManager& manager() { return managed.manager(); }
    WindowManagerProbe probe() { return managed.probe(); }
    std::optional<WindowId> keyWindowOf(std::int32_t pid) const { return desktop.keyWindow(pid); }
    std::optional<std::int32_t> frontApp() {
        const auto front = desktop.frontmostApplication();
        return front ? std::optional(front->processIdentifier) : std::nullopt;
    }

    ManagedDesktop managed;
    SimulatedDesktop& desktop = managed.desktop;
};

} // namespace quillmere
