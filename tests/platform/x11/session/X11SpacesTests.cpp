#include "X11Session.h"
#include "platform/x11/X11Spaces.h"

namespace quillmere {
namespace {

class X11SpacesTests : public X11Session {
  protected:
    void SetUp() override {
        X11Session::SetUp();
        spaces = std::make_unique<X11Spaces>(*connection);
        spaces->onChange([this] { ++changes; });
    }

    std::optional<std::uint32_t> rootCardinal(X11Atom name) {
        const auto read = connection->property(connection->root(), connection->atom(name));
        return read ? read->cardinal() : std::nullopt;
    }

    std::optional<std::uint32_t> desktopOf(XWindow window) {
        const auto read = connection->property(window, connection->atom(X11Atom::netWmDesktop));
        return read ? read->cardinal() : std::nullopt;
    }

    std::vector<XWindow> stacking() {
        const auto read =
            connection->property(connection->root(), connection->atom(X11Atom::netClientListStacking));
        return read ? read->cardinals() : std::vector<XWindow>{};
    }

    XWindow inputFocus() {
        const auto focus =
            connection->reply(xcb_get_input_focus_reply, xcb_get_input_focus(connection->raw()));
        return focus ? focus.value()->focus : XCB_NONE;
    }

    std::unique_ptr<X11Spaces> spaces;
    int changes = 0;
};

TEST_F(X11SpacesTests, TheDesktopsAreOneListOfSpacesNamedMain) {
    const auto answer = spaces->managedDisplaySpaces(spaces->mainConnection());
    ASSERT_TRUE(answer);
    const PropertyList expected(PropertyList::Array{PropertyList::Dictionary{
        {"Display Identifier", "Main"},
        {"Spaces",
         PropertyList::Array{
             PropertyList::Dictionary{
                 {"ManagedSpaceID", std::int64_t{1}}, {"id64", std::int64_t{1}}, {"type", 0}},
             PropertyList::Dictionary{
                 {"ManagedSpaceID", std::int64_t{2}}, {"id64", std::int64_t{2}}, {"type", 0}},
             PropertyList::Dictionary{
                 {"ManagedSpaceID", std::int64_t{3}}, {"id64", std::int64_t{3}}, {"type", 0}},
             PropertyList::Dictionary{
                 {"ManagedSpaceID", std::int64_t{4}}, {"id64", std::int64_t{4}}, {"type", 0}},
         }},
        {"Current Space", PropertyList::Dictionary{{"ManagedSpaceID", std::int64_t{1}},
                                                   {"id64", std::int64_t{1}},
                                                   {"type", 0}}},
    }});
    EXPECT_EQ(*answer, expected);
    EXPECT_EQ(spaces->activeMenuBarDisplayIdentifier(spaces->mainConnection()), "Main");
    EXPECT_FALSE(spaces->managedDisplaySpaces(spaces->mainConnection() + 1));
}

TEST_F(X11SpacesTests, AWindowSentToSpaceTwoIsOnTheSecondDesktop) {
    TestClient client({"--title", "traveller"});
    const XWindow window = client.window();
    ASSERT_TRUE(waitFor([&] { return desktopOf(window) == 0u; }));
    EXPECT_EQ(*spaces->spacesForWindows(1, WindowServer::allSpacesMask, {window}),
              PropertyList(PropertyList::Array{std::int64_t{1}}));

    EXPECT_TRUE(spaces->moveWindowsToManagedSpace({window}, 2));
    ASSERT_TRUE(waitFor([&] { return desktopOf(window) == 1u; }));
    EXPECT_EQ(*spaces->spacesForWindows(1, WindowServer::allSpacesMask, {window}),
              PropertyList(PropertyList::Array{std::int64_t{2}}));
    EXPECT_FALSE(spaces->moveWindowsToManagedSpace({window}, 9));
}

TEST_F(X11SpacesTests, SwitchingAddingAndRemovingDesktopsAreDirect) {
    EXPECT_TRUE(spaces->showSpace(3));
    ASSERT_TRUE(waitFor([&] { return rootCardinal(X11Atom::netCurrentDesktop) == 2u && changes > 0; }));
    const auto answer = spaces->managedDisplaySpaces(1);
    EXPECT_EQ(answer->array()->front().find("Current Space")->find("ManagedSpaceID")->integer(), 3);
    EXPECT_FALSE(spaces->showSpace(0));
    EXPECT_FALSE(spaces->showSpace(5));

    spaces->addDesktop();
    ASSERT_TRUE(waitFor([&] { return rootCardinal(X11Atom::netNumberOfDesktops) == 5u; }));
    EXPECT_TRUE(spaces->showSpace(5));
    ASSERT_TRUE(waitFor([&] { return rootCardinal(X11Atom::netCurrentDesktop) == 4u; }));
    EXPECT_TRUE(spaces->showSpace(1));
    ASSERT_TRUE(waitFor([&] { return rootCardinal(X11Atom::netCurrentDesktop) == 0u; }));
    spaces->removeDesktop();
    ASSERT_TRUE(waitFor([&] { return rootCardinal(X11Atom::netNumberOfDesktops) == 4u; }));
}

TEST_F(X11SpacesTests, FocusWithoutRaisingLeavesTheStackingAlone) {
    TestClient below({"--title", "below"});
    TestClient above({"--title", "above"});
    ASSERT_TRUE(waitFor([&] {
        const auto order = stacking();
        return order.size() >= 2 && order.back() == above.window() &&
               rootCardinal(X11Atom::netActiveWindow) == above.window();
    }));
    const auto process = spaces->processForPid(below.pid());
    ASSERT_TRUE(process);
    EXPECT_EQ(spaces->pidForProcess(*process).value(), below.pid());
    EXPECT_EQ(spaces->setFrontProcess(*process, below.window(), FrontProcessOptions::withoutRaising),
              StatusCode::noError);
    ASSERT_TRUE(waitFor([&] { return inputFocus() == below.window(); }));
    ASSERT_TRUE(waitFor([&] { return rootCardinal(X11Atom::netActiveWindow) == below.window(); }));
    EXPECT_EQ(stacking().back(), above.window());
    EXPECT_EQ(spaces->frontProcess().value(), *process);

    // Brought forward, it is raised too.
    EXPECT_EQ(spaces->setFrontProcess(*process, below.window(), FrontProcessOptions::bringForward),
              StatusCode::noError);
    EXPECT_TRUE(waitFor([&] { return stacking().back() == below.window(); }));
    EXPECT_EQ(spaces->processForPid(999999).error(), StatusCode::processNotFound);
}

} // namespace
} // namespace quillmere
