#include "support/ManagedDesktop.h"
#include "support/Printers.h"

#include <gtest/gtest.h>

namespace quillmere {
namespace {

TEST(WindowManagerStart, TilesTheWindowsAlreadyOpen) {
    ManagedDesktop managed;
    SimulatedDesktop& desktop = managed.desktop;
    desktop.addDisplay({.bounds = {0, 0, 1440, 900}});
    const auto editor = desktop.launch({.bundleIdentifier = "com.example.editor", .name = "Editor"});
    const WindowId left = desktop.openWindow(editor, {.frame = {100, 100, 400, 300}});
    const WindowId right = desktop.openWindow(editor, {.frame = {200, 200, 400, 300}});
    managed.settle();

    managed.manager().start();
    managed.settle();

    EXPECT_NE(desktop.frame(left), desktop.frame(right));
    EXPECT_EQ(desktop.frame(left)->height(), 900 - 25 - 10);
}

} // namespace
} // namespace quillmere
