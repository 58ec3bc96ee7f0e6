#include "X11Session.h"

#include <algorithm>
#include <set>

namespace quillmere {
namespace {

using X11ConnectionTests = X11Session;

TEST_F(X11ConnectionTests, InternsEveryAtomOfTheTableAsADistinctAtom) {
    std::set<XAtom> atoms;
    for (std::size_t index = 0; index < x11AtomNames.size(); ++index) {
        const XAtom atom = connection->atom(static_cast<X11Atom>(index));
        EXPECT_NE(atom, 0u) << x11AtomNames[index];
        atoms.insert(atom);
        EXPECT_EQ(connection->atomName(atom), x11AtomNames[index]);
    }
    EXPECT_EQ(atoms.size(), x11AtomNames.size());
    EXPECT_EQ(connection->intern("_NET_WM_NAME"), connection->atom(X11Atom::netWmName));
}

TEST_F(X11ConnectionTests, ReadsTheWindowManagersPropertiesAsValues) {
    const auto check =
        connection->property(connection->root(), connection->atom(X11Atom::netSupportingWmCheck));
    ASSERT_TRUE(check.ok());
    ASSERT_TRUE(check->cardinal());
    const auto name = connection->property(*check->cardinal(), connection->atom(X11Atom::netWmName));
    ASSERT_TRUE(name.ok());
    EXPECT_EQ(name->text(), "Openbox");
    const auto missing = connection->property(connection->root(), connection->intern("QUILLMERE_NOTHING"));
    ASSERT_TRUE(missing.ok());
    EXPECT_FALSE(missing->exists());
}

TEST_F(X11ConnectionTests, AVanishedWindowReadsAsGoneAndAFailedWriteCostsNothing) {
    TestClient client({"--title", "short-lived"});
    const XWindow window = client.window();
    client.stop();
    ASSERT_TRUE(waitUntilGone(window));
    const auto title = connection->property(window, connection->atom(X11Atom::netWmName));
    ASSERT_FALSE(title.ok());
    EXPECT_EQ(title.error(), X11Error::gone);
    const XWindow windows[] = {window, connection->root()};
    const auto both = connection->properties(windows, connection->atom(X11Atom::netSupportingWmCheck));
    EXPECT_FALSE(both[0].ok());
    EXPECT_TRUE(both[1].ok());
    const auto geometry =
        connection->reply(xcb_get_geometry_reply, xcb_get_geometry(connection->raw(), window));
    ASSERT_FALSE(geometry.ok());
    EXPECT_EQ(geometry.error(), X11Error::gone);

    // Writes nobody waits for come back as errors among the events, which are dropped.
    xcb_map_window(connection->raw(), window);
    connection->sendToClient(window, connection->atom(X11Atom::wmProtocols), {});
    connection->sync();
    EXPECT_TRUE(waitFor([] { return true; }));
    EXPECT_TRUE(connection->connected());
    EXPECT_TRUE(connection->property(connection->root(), connection->atom(X11Atom::netSupported)).ok());
}

TEST_F(X11ConnectionTests, DeliversEventsOnTheMainQueueNeverInsideTheCallThatCausedThem) {
    const XAtom marker = connection->intern("QUILLMERE_TEST_MARKER");
    std::vector<XAtom> changed;
    const auto id = connection->listen([&](const xcb_generic_event_t& event) {
        if ((event.response_type & 0x7f) == XCB_PROPERTY_NOTIFY)
            changed.push_back(reinterpret_cast<const xcb_property_notify_event_t&>(event).atom);
    });
    connection->selectInput(connection->root(), XCB_EVENT_MASK_PROPERTY_CHANGE);
    const std::uint32_t value = 7;
    xcb_change_property(connection->raw(), XCB_PROP_MODE_REPLACE, connection->root(), marker,
                        XCB_ATOM_CARDINAL, 32, 1, &value);
    // The read's reply brings the event along; it still waits for the main queue.
    const auto read = connection->property(connection->root(), marker);
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read->cardinal(), 7u);
    EXPECT_TRUE(changed.empty());
    EXPECT_TRUE(waitFor([&] { return std::ranges::find(changed, marker) != changed.end(); }));

    connection->stopListening(id);
    changed.clear();
    xcb_delete_property(connection->raw(), connection->root(), marker);
    connection->sync();
    waitFor([] { return true; });
    EXPECT_TRUE(changed.empty());
}

TEST_F(X11ConnectionTests, AListenerMayStopAnotherWhileAnEventGoesRound) {
    int secondHeard = 0;
    X11Connection::ListenerId second = 0;
    bool stopped = false;
    connection->listen([&](const xcb_generic_event_t&) {
        if (!stopped) {
            connection->stopListening(second);
            stopped = true;
        }
    });
    second = connection->listen([&](const xcb_generic_event_t&) { ++secondHeard; });
    connection->selectInput(connection->root(), XCB_EVENT_MASK_PROPERTY_CHANGE);
    const XAtom marker = connection->intern("QUILLMERE_TEST_MARKER");
    xcb_change_property(connection->raw(), XCB_PROP_MODE_REPLACE, connection->root(), marker, XCB_ATOM_STRING,
                        8, 1, "x");
    connection->flush();
    EXPECT_TRUE(waitFor([&] { return stopped; }));
    EXPECT_EQ(secondHeard, 0);
}

} // namespace
} // namespace quillmere
