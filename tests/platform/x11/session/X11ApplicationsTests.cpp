#include "X11Session.h"
#include "platform/QueuedNotificationCenter.h"
#include "platform/x11/X11Applications.h"

#include <algorithm>
#include <unistd.h>

namespace quillmere {
namespace {

// The applications of the session, with every workspace notification about one application they post.
class X11ApplicationsTests : public X11Session {
  protected:
    void SetUp() override {
        X11Session::SetUp();
        notifications.emplace(queue);
        for (std::string_view name : {didLaunchApplicationNotification, didTerminateApplicationNotification,
                                      didActivateApplicationNotification, didHideApplicationNotification,
                                      didUnhideApplicationNotification})
            notifications->addObserver(name, [this](const WorkspaceNotification& notification) {
                told.emplace_back(notification.name, notification.application->processIdentifier);
            });
        applications.emplace(*connection, *notifications, ::getpid());
    }

    bool wasTold(std::string_view name, pid_t pid) {
        return waitFor(
            [&] { return std::ranges::count(told, std::pair(std::string(name), std::int32_t(pid))) > 0; });
    }

    std::optional<QueuedNotificationCenter> notifications;
    std::optional<X11Applications> applications;
    std::vector<std::pair<std::string, std::int32_t>> told;
};

TEST_F(X11ApplicationsTests, AProcessWithAManagedWindowIsARunningApplicationNamedAfterItsClass) {
    TestClient client({"--class", "QuillmereProbe"});
    ASSERT_TRUE(wasTold(didLaunchApplicationNotification, client.pid()));
    const auto app = applications->application(client.pid());
    ASSERT_TRUE(app.has_value());
    EXPECT_EQ(app->bundleIdentifier, "QuillmereProbe");
    EXPECT_EQ(app->localizedName, "QuillmereProbe");
    EXPECT_EQ(app->activationPolicy, ActivationPolicy::regular);
    ASSERT_TRUE(app->launchDate.has_value());
    EXPECT_LE(*app->launchDate, std::chrono::system_clock::now());

    EXPECT_TRUE(applications->activate(client.pid()));
    EXPECT_TRUE(waitFor([&] {
        const auto front = applications->frontmostApplication();
        return front && front->processIdentifier == client.pid();
    }));
    EXPECT_TRUE(wasTold(didActivateApplicationNotification, client.pid()));
}

TEST_F(X11ApplicationsTests, AProcessWithOnlyADialogIsNoRegularApplication) {
    TestClient client({"--type", "dialog"});
    ASSERT_TRUE(wasTold(didLaunchApplicationNotification, client.pid()));
    EXPECT_EQ(applications->application(client.pid())->activationPolicy, ActivationPolicy::accessory);
}

TEST_F(X11ApplicationsTests, HidingMinimizesEveryWindowAndQuittingClosesThemWithoutKilling) {
    TestClient client({"--count", "2"}, 2);
    ASSERT_TRUE(wasTold(didLaunchApplicationNotification, client.pid()));

    applications->hideApplication(client.pid());
    EXPECT_TRUE(wasTold(didHideApplicationNotification, client.pid()));
    applications->activate(client.pid());
    EXPECT_TRUE(wasTold(didUnhideApplicationNotification, client.pid()));

    // The client ends by itself once both windows were asked to close.
    EXPECT_TRUE(applications->terminateApplication(client.pid()));
    EXPECT_TRUE(wasTold(didTerminateApplicationNotification, client.pid()));
    EXPECT_FALSE(applications->application(client.pid()).has_value());
    EXPECT_FALSE(applications->terminateApplication(client.pid())) << "nothing is left to ask";
}

TEST_F(X11ApplicationsTests, ThisProcessIsNeverARegularApplication) {
    // A window of our own, managed like any other.
    const xcb_window_t own = xcb_generate_id(connection->raw());
    const xcb_screen_t& screen = connection->screen();
    xcb_create_window(connection->raw(), XCB_COPY_FROM_PARENT, own, screen.root, 0, 0, 200, 100, 0,
                      XCB_WINDOW_CLASS_INPUT_OUTPUT, screen.root_visual, 0, nullptr);
    const std::uint32_t pid = static_cast<std::uint32_t>(::getpid());
    xcb_change_property(connection->raw(), XCB_PROP_MODE_REPLACE, own, connection->atom(X11Atom::netWmPid),
                        XCB_ATOM_CARDINAL, 32, 1, &pid);
    xcb_map_window(connection->raw(), own);
    connection->flush();
    ASSERT_TRUE(wasTold(didLaunchApplicationNotification, ::getpid()));
    EXPECT_EQ(applications->application(::getpid())->activationPolicy, ActivationPolicy::accessory);
    xcb_destroy_window(connection->raw(), own);
    connection->flush();
    EXPECT_TRUE(wasTold(didTerminateApplicationNotification, ::getpid()));
}

} // namespace
} // namespace quillmere
