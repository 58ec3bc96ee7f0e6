#include "X11Session.h"
#include "platform/x11/X11Windows.h"
#include "support/Printers.h"

#include <algorithm>

namespace quillmere {
namespace {

class X11WindowsTests : public X11Session {
  protected:
    void SetUp() override {
        X11Session::SetUp();
        windows = std::make_unique<X11Windows>(*connection);
    }

    // Waits until the window manager manages the window (it is in _NET_CLIENT_LIST and framed).
    AXElement managed(XWindow window) {
        const AXElement element = X11Windows::windowElement(window);
        EXPECT_TRUE(waitFor([&] {
            const auto listed = windows->attribute(windows->applicationElement(pidOf(window)), "AXWindows");
            if (!listed)
                return false;
            const auto& elements = std::get<std::vector<AXElement>>(*listed);
            return std::ranges::find(elements, element) != elements.end() && extents(window).top > 0;
        }));
        return element;
    }

    std::int32_t pidOf(XWindow window) {
        const auto pid = connection->property(window, connection->atom(X11Atom::netWmPid));
        return pid ? static_cast<std::int32_t>(pid->cardinal().value_or(0)) : 0;
    }

    FrameExtents extents(XWindow window) {
        const auto read = connection->property(window, connection->atom(X11Atom::netFrameExtents));
        return read ? FrameExtents::decode(read->cardinals()) : FrameExtents{};
    }

    std::optional<Rect> frame(AXElement element) {
        const auto position = windows->attribute(element, "AXPosition");
        const auto size = windows->attribute(element, "AXSize");
        if (!position || !size)
            return std::nullopt;
        return Rect(*std::get<AXValue>(*position).point(), *std::get<AXValue>(*size).size());
    }

    // The frame window the manager put around the client, as the server has it.
    Rect managerFrame(XWindow client) {
        XWindow window = client;
        while (true) {
            const auto tree =
                connection->reply(xcb_query_tree_reply, xcb_query_tree(connection->raw(), window));
            if (!tree || tree.value()->parent == connection->root())
                break;
            window = tree.value()->parent;
        }
        const auto geometry =
            connection->reply(xcb_get_geometry_reply, xcb_get_geometry(connection->raw(), window));
        const double border = geometry.value()->border_width;
        return Rect(geometry.value()->x, geometry.value()->y, geometry.value()->width + 2 * border,
                    geometry.value()->height + 2 * border);
    }

    std::string text(AXElement element, std::string_view name) {
        const auto read = windows->attribute(element, name);
        return read ? std::get<std::string>(*read) : "error";
    }

    std::unique_ptr<X11Windows> windows;
};

TEST_F(X11WindowsTests, AFrameWriteLandsExactlyWithTheDecorationsIncluded) {
    TestClient client({"--title", "framed"});
    const AXElement element = managed(client.window());
    ASSERT_GT(extents(client.window()).top, 0) << "the window manager frames its windows";
    const Rect target(120, 90, 500, 350);
    // As the system writes a frame: size, position, size.
    EXPECT_EQ(windows->setAttribute(element, "AXSize", AXValue(target.size)), AXError::success);
    EXPECT_EQ(windows->setAttribute(element, "AXPosition", AXValue(target.origin)), AXError::success);
    EXPECT_EQ(windows->setAttribute(element, "AXSize", AXValue(target.size)), AXError::success);
    EXPECT_TRUE(waitFor([&] { return frame(element) == target; }))
        << ::testing::PrintToString(frame(element));
    EXPECT_EQ(managerFrame(client.window()), target);

    // A position alone keeps the size, a size alone keeps the position.
    EXPECT_EQ(windows->setAttribute(element, "AXPosition", AXValue(Point{300, 200})), AXError::success);
    EXPECT_TRUE(waitFor([&] { return frame(element) == Rect(300, 200, 500, 350); }));
    EXPECT_EQ(windows->setAttribute(element, "AXSize", AXValue(Size{640, 480})), AXError::success);
    EXPECT_TRUE(waitFor([&] { return frame(element) == Rect(300, 200, 640, 480); }));
    EXPECT_EQ(managerFrame(client.window()), Rect(300, 200, 640, 480));
}

TEST_F(X11WindowsTests, AWindowThatVanishedBetweenReadAndWriteAnswersInvalidElement) {
    TestClient client({"--title", "vanishing"});
    const AXElement element = managed(client.window());
    ASSERT_TRUE(frame(element));
    client.stop();
    ASSERT_TRUE(waitUntilGone(client.window()));
    EXPECT_EQ(windows->setAttribute(element, "AXPosition", AXValue(Point{10, 10})),
              AXError::invalidUIElement);
    EXPECT_EQ(windows->setAttribute(element, "AXMinimized", true), AXError::invalidUIElement);
    EXPECT_EQ(windows->perform(element, "AXRaise"), AXError::invalidUIElement);
    EXPECT_EQ(windows->attribute(element, "AXTitle").error(), AXError::invalidUIElement);
    EXPECT_EQ(windows->windowNumber(element).error(), AXError::invalidUIElement);
    EXPECT_TRUE(waitFor([] { return true; }));
    EXPECT_TRUE(connection->connected());
}

TEST_F(X11WindowsTests, RolesTitlesAndControlsComeFromTheClientsHints) {
    TestClient normal({"--title", "Normal window"});
    TestClient dialog({"--title", "A dialog", "--type", "dialog"});
    TestClient transient({"--title", "Owned", "--count", "2", "--transient"}, 2);
    TestClient fixed({"--title", "Fixed", "--fixed", "320x240", "--no-close"});
    const AXElement standard = managed(normal.window());
    EXPECT_EQ(text(standard, "AXRole"), "AXWindow");
    EXPECT_EQ(text(standard, "AXSubrole"), "AXStandardWindow");
    EXPECT_EQ(text(standard, "AXTitle"), "Normal window");
    EXPECT_EQ(text(managed(dialog.window()), "AXSubrole"), "AXDialog");
    EXPECT_EQ(text(managed(transient.window(0)), "AXSubrole"), "AXStandardWindow");
    EXPECT_EQ(text(managed(transient.window(1)), "AXSubrole"), "AXDialog");

    EXPECT_EQ(windows->isSettable(standard, "AXSize").value(), true);
    const AXElement unresizable = managed(fixed.window());
    EXPECT_EQ(windows->isSettable(unresizable, "AXSize").value(), false);
    EXPECT_EQ(windows->attribute(unresizable, "AXCloseButton").error(), AXError::noValue);
    EXPECT_EQ(windows->windowNumber(standard).value(), normal.window());

    const auto button = windows->attribute(standard, "AXCloseButton");
    ASSERT_TRUE(button);
    EXPECT_EQ(windows->perform(std::get<AXElement>(*button), "AXPress"), AXError::success);
    EXPECT_TRUE(waitFor([&] {
        const auto role = windows->attribute(standard, "AXRole");
        return !role && role.error() == AXError::invalidUIElement;
    }));
}

TEST_F(X11WindowsTests, NotificationsFollowWhatHappensToTheWindows) {
    TestClient first({"--title", "first"});
    const AXElement element = managed(first.window());
    std::vector<std::pair<AXElement, std::string>> heard;
    auto observer = windows->observer(pidOf(first.window()), [&](AXElement about, const std::string& name) {
        heard.emplace_back(about, name);
    });
    ASSERT_TRUE(observer);
    const AXElement application = windows->applicationElement(pidOf(first.window()));
    for (const char* name : {"AXUIElementDestroyed", "AXWindowMiniaturized", "AXWindowDeminiaturized",
                             "AXMoved", "AXResized", "AXFocusedWindowChanged"})
        EXPECT_EQ(observer.value()->add(application, name), AXError::success);
    EXPECT_EQ(observer.value()->add(application, "AXMoved"), AXError::notificationAlreadyRegistered);
    const auto heardOf = [&](std::string_view name) {
        return std::ranges::find(heard, std::pair(element, std::string(name))) != heard.end();
    };

    EXPECT_EQ(windows->setAttribute(element, "AXPosition", AXValue(Point{200, 150})), AXError::success);
    EXPECT_TRUE(heard.empty()) << "never inside the call";
    EXPECT_TRUE(waitFor([&] { return heardOf("AXMoved"); }));
    EXPECT_FALSE(heardOf("AXResized"));

    EXPECT_EQ(windows->setAttribute(element, "AXMinimized", true), AXError::success);
    EXPECT_TRUE(waitFor([&] { return heardOf("AXWindowMiniaturized"); }));
    EXPECT_EQ(std::get<bool>(*windows->attribute(element, "AXMinimized")), true);
    // A minimized window loses the focus, and gets it back when raised.
    EXPECT_TRUE(waitFor([&] { return std::get<bool>(*windows->attribute(element, "AXMain")) == false; }));
    heard.clear();
    EXPECT_EQ(windows->perform(element, "AXRaise"), AXError::success);
    EXPECT_TRUE(waitFor([&] {
        const auto main = windows->attribute(element, "AXMain");
        return heardOf("AXWindowDeminiaturized") && heardOf("AXFocusedWindowChanged") && main &&
               std::get<bool>(*main);
    }));

    first.stop();
    EXPECT_TRUE(waitFor([&] { return heardOf("AXUIElementDestroyed"); }));
    EXPECT_EQ(windows->attribute(application, "AXWindows").error(), AXError::cannotComplete);
}

TEST_F(X11WindowsTests, ARunningProcessWithoutWindowsHasAnEmptyList) {
    const AXElement self = windows->applicationElement(::getpid());
    EXPECT_EQ(std::get<std::vector<AXElement>>(*windows->attribute(self, "AXWindows")),
              std::vector<AXElement>{});
    EXPECT_EQ(windows->attribute(self, "AXFocusedWindow").error(), AXError::noValue);
}

TEST_F(X11WindowsTests, AWindowCreatedIsToldToTheObserversOfItsApplication) {
    std::vector<std::string> heard;
    auto observer = windows->observer(0, [&](AXElement, const std::string& name) { heard.push_back(name); });
    TestClient client({"--title", "new"});
    const std::int32_t pid = pidOf(client.window());
    std::vector<AXElement> created;
    auto own = windows->observer(pid, [&](AXElement about, const std::string&) { created.push_back(about); });
    ASSERT_EQ(own.value()->add(windows->applicationElement(pid), "AXWindowCreated"), AXError::success);
    // Known only once the window manager lists it, which may be after this client printed its id.
    EXPECT_TRUE(
        waitFor([&] { return !created.empty() || frame(X11Windows::windowElement(client.window())); }));
    managed(client.window());
    EXPECT_TRUE(heard.empty());
}

TEST_F(X11WindowsTests, TheWindowListHoldsTwoHundredWindowsFrontToBack) {
    TestClient many({"--title", "many", "--size", "120x90", "--count", "200"}, 200);
    const AXElement last = managed(many.window(199));
    ASSERT_TRUE(waitFor([&] {
        const auto all = windows->allWindows();
        return std::ranges::count(all, std::string("many"),
                                  [](const auto& each) { return each.name.value_or(""); }) == 200;
    }));
    const auto all = windows->allWindows();
    for (const WindowDescription& each : all) {
        EXPECT_EQ(each.ownerName, "QuillmereTest");
        EXPECT_EQ(each.ownerPid, many.pid());
        EXPECT_TRUE(each.bounds);
    }
    // The newest, focused window is in front.
    EXPECT_EQ(windows->perform(last, "AXRaise"), AXError::success);
    EXPECT_TRUE(waitFor([&] { return windows->onScreenWindows().front().number == many.window(199); }));
    const auto described = windows->describe({many.window(3), 12345, many.window(1)});
    ASSERT_EQ(described.size(), 2u);
    EXPECT_EQ(described[0].number, many.window(3));
    EXPECT_EQ(described[1].number, many.window(1));
}

// A real application: xterm sizes itself in whole character cells.
TEST_F(X11WindowsTests, AnXtermIsAStandardWindowWhoseFrameLandsWithinACell) {
    std::string program = "xterm", title = "-T", name = "a real terminal";
    char* argv[] = {program.data(), title.data(), name.data(), nullptr};
    pid_t pid = 0;
    ASSERT_EQ(::posix_spawnp(&pid, "xterm", nullptr, nullptr, argv, environ), 0);
    const struct Stop {
        pid_t pid;
        ~Stop() {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, nullptr, 0);
        }
    } stop{pid};
    std::vector<AXElement> elements;
    ASSERT_TRUE(waitFor([&] {
        const auto listed = windows->attribute(windows->applicationElement(pid), "AXWindows");
        if (listed)
            elements = std::get<std::vector<AXElement>>(*listed);
        return elements.size() == 1 && extents(windows->windowNumber(elements[0]).value()).top > 0;
    }));
    const AXElement terminal = elements[0];
    EXPECT_EQ(text(terminal, "AXSubrole"), "AXStandardWindow");
    EXPECT_EQ(text(terminal, "AXTitle"), "a real terminal");

    const Rect target(50, 40, 603, 407);
    EXPECT_EQ(windows->setAttribute(terminal, "AXPosition", AXValue(target.origin)), AXError::success);
    EXPECT_EQ(windows->setAttribute(terminal, "AXSize", AXValue(target.size)), AXError::success);
    ASSERT_TRUE(waitFor([&] {
        const auto now = frame(terminal);
        return now && now->origin == target.origin && now->size.width <= target.size.width &&
               now->size.width > target.size.width - 20 && now->size.height <= target.size.height &&
               now->size.height > target.size.height - 30;
    })) << ::testing::PrintToString(frame(terminal));
    EXPECT_EQ(managerFrame(windows->windowNumber(terminal).value()), frame(terminal));
}

} // namespace
} // namespace quillmere
