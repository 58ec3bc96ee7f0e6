#include "platform/linux/RuntimeLaunchScripts.h"
#include "support/Printers.h"
#include "support/ProfiledDesktop.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <sys/stat.h>

namespace quillmere {
namespace {

using namespace std::chrono_literals;

const std::string editorId = "com.example.Editor";
const std::string mailId = "com.example.Mail";
const std::string terminalId = "com.example.Terminal";

SpaceSnapshot desktopWith(std::int64_t number, std::vector<WindowRef> refs) {
    return {.space = number, .tree = LayoutSnapshot::tile(std::move(refs))};
}

// Two editor windows on Desktop 1 and a mail window on Desktop 3, captured as "Work".
struct WorkDesktop : ProfiledDesktop {
    WorkDesktop() {
        start();
        manager().capture("Work", false);
    }
    Profile work() const { return *stored("Work"); }
    // The launch scripts written so far.
    std::vector<std::filesystem::path> scripts() const {
        std::vector<std::filesystem::path> found;
        std::error_code ignored;
        for (const auto& entry : std::filesystem::directory_iterator(managed.runtime / "quillmere", ignored))
            found.push_back(entry.path());
        return found;
    }

    const std::int32_t editor = launch("Editor");
    const std::int32_t mail = launch("Mail");
    const WindowId a = openOn(editor, 1);
    const WindowId b = openOn(editor, 1);
    const WindowId m = openOn(mail, 3);
};

TEST(ProfileLoadTest, WindowsAlreadyInPlaceStayAndTheProfileBecomesCurrent) {
    WorkDesktop world;
    const std::vector<WindowId> tiled = world.probe().layout(world.desktopNumber(1))->tree.windows();

    world.manager().load(world.work());
    world.managed.advance(2s);

    EXPECT_EQ(world.desktop.spaces(world.a), std::vector<SpaceId>{world.desktopNumber(1)});
    EXPECT_EQ(world.desktop.spaces(world.m), std::vector<SpaceId>{world.desktopNumber(3)});
    EXPECT_EQ(world.probe().layout(world.desktopNumber(1))->tree.windows(), tiled);
    EXPECT_EQ(world.manager().lastProfile(), "Work");
    EXPECT_EQ(world.desktop.string("lastProfile"), "Work");
    EXPECT_EQ(world.managed.statuses.back().profile, "Work");
    EXPECT_TRUE(world.managed.logged("loaded profile Work; 0 windows to launch"));
}

TEST(ProfileLoadTest, AWindowTheUserMovedGoesBackAndLeavesTheLayoutItWasIn) {
    WorkDesktop world;
    world.desktop.moveWindowToSpace(world.m, world.desktopNumber(1));
    world.run("retile");
    ASSERT_TRUE(world.inLayoutOf(world.m, world.desktopNumber(1)));

    world.run("load Work");

    EXPECT_EQ(world.desktop.spaces(world.m), std::vector<SpaceId>{world.desktopNumber(3)});
    EXPECT_TRUE(world.inLayoutOf(world.m, world.desktopNumber(3)));
    for (WindowId window : {world.a, world.b, world.m})
        EXPECT_EQ(world.layoutsHolding(window), 1) << window;
}

TEST(ProfileLoadTest, AWindowCapturedOutsideItsLayoutIsTiledWhereTheLoadMovesIt) {
    WorkDesktop world;
    Profile work = world.work();
    work.spaces.back().tree.reset();
    work.spaces.back().others = {{mailId, 0}};
    world.store(work);
    world.desktop.moveWindowToSpace(world.m, world.desktopNumber(1));
    world.run("retile");
    ASSERT_TRUE(world.inLayoutOf(world.m, world.desktopNumber(1)));

    world.run("load Work");

    EXPECT_EQ(world.desktop.spaces(world.m), std::vector<SpaceId>{world.desktopNumber(3)});
    EXPECT_TRUE(world.inLayoutOf(world.m, world.desktopNumber(3)));
    EXPECT_EQ(world.layoutsHolding(world.m), 1);
}

TEST(ProfileLoadTest, AWindowInFullScreenIsLeftWhereItIs) {
    WorkDesktop world;
    const SpaceId fullScreen = world.desktop.enterFullScreen({world.m});
    world.managed.advance(2s);

    world.run("load Work");

    EXPECT_EQ(world.desktop.spaces(world.m), std::vector<SpaceId>{fullScreen});
    EXPECT_TRUE(world.managed.logged("profile Work: com.example.Mail#0 is full screen, left where it is"));
}

TEST(ProfileLoadTest, MissingWindowsAreOwedTheirDesktopsAndRoutedThereWhenTheyOpen) {
    ProfiledDesktop world;
    world.desktop.install({.bundleIdentifier = mailId, .name = "Mail", .windows = {{500ms, {}}, {1s, {}}}});
    world.start();
    const Profile profile{.name = "Mail",
                          .spaces = {desktopWith(1, {{mailId, 0}}), desktopWith(3, {{mailId, 1}})}};

    world.manager().load(profile);

    ASSERT_TRUE(world.probe().owed(mailId));
    EXPECT_EQ(*world.probe().owed(mailId), (std::vector<SpaceId>{world.desktopNumber(1), world.desktopNumber(3)}));
    EXPECT_TRUE(world.managed.logged("loaded profile Mail; 2 windows to launch"));
    ASSERT_EQ(world.desktop.openRequests().size(), 1u);
    EXPECT_EQ(world.desktop.openRequests().front(), (SimulatedDesktop::OpenRequest{mailId, {}, false}));

    world.managed.advance(2s);
    std::vector<SpaceId> where;
    for (const WindowDescription& window : world.desktop.allWindows())
        where.push_back(world.desktop.spaces(window.number).front());
    EXPECT_THAT(where, testing::UnorderedElementsAre(world.desktopNumber(1), world.desktopNumber(3)));

    world.manager().load({.name = "Empty"});
    EXPECT_EQ(world.probe().owed(mailId), nullptr);
}

TEST(ProfileLoadTest, AnApplicationRunningOnlyAsAnAccessoryIsLaunched) {
    ProfiledDesktop world;
    world.desktop.install({.bundleIdentifier = mailId, .name = "Mail"});
    world.desktop.launch({.bundleIdentifier = mailId, .name = "Mail", .policy = ActivationPolicy::accessory});
    world.start();

    world.manager().load({.name = "Mail", .spaces = {desktopWith(1, {{mailId, 0}})}});

    ASSERT_EQ(world.desktop.openRequests().size(), 1u);
    EXPECT_EQ(world.desktop.openRequests().front().app, mailId);
}

TEST(ProfileLoadTest, AMissingApplicationOpensItsItemsAndACommandRunsFromAPrivateScript) {
    WorkDesktop world;
    world.desktop.install({.bundleIdentifier = terminalId, .name = "Terminal"});
    const Profile dev{.name = "Dev",
                      .open = std::map<std::string, std::vector<std::string>>{
                          {terminalId, {"$ make test", "~/src", "example.com", "https://bad link"}}}};

    world.manager().load(dev);

    const auto scripts = world.scripts();
    ASSERT_EQ(scripts.size(), 1u);
    struct stat status {};
    ::stat(scripts.front().c_str(), &status);
    EXPECT_EQ(status.st_mode & 07777, 0700u);
    std::ifstream file(scripts.front());
    std::ostringstream text;
    text << file.rdbuf();
    const std::string shell = ::access("/bin/zsh", X_OK) == 0 ? "/bin/zsh" : "/bin/sh";
    EXPECT_EQ(text.str(), launchScriptText("make test", shell));

    ASSERT_EQ(world.desktop.openRequests().size(), 1u);
    const auto& request = world.desktop.openRequests().front();
    EXPECT_FALSE(request.activates);
    EXPECT_EQ(request.urls, (std::vector<std::string>{"file://" + scripts.front().string(),
                                                       "file://" + (world.managed.folder / "home/src").string(),
                                                       "https://example.com"}));
    EXPECT_TRUE(world.managed.logged("profile Dev: launching com.example.Terminal with 3 items"));

    world.manager().load(dev, WindowManager::LoadOrigin::automatic);
    EXPECT_EQ(world.scripts().size(), 1u) << "an automatic load runs no command";
    EXPECT_EQ(world.desktop.openRequests().back().urls.size(), 2u);
}

TEST(ProfileLoadTest, AProfileForTheDisplaysNowPresentAppliesItselfButRunsNoCommand) {
    WorkDesktop world;
    const SimulatedDesktop::DisplaySetup side{.name = "Side", .bounds = {1440, 0, 1280, 800}, .serial = 8, .uuid = "SIDE"};
    DisplayId plugged = world.desktop.addDisplay(side);
    world.managed.advance(2s);
    world.manager().capture("Docked", false);
    Profile docked = *world.stored("Docked");
    docked.autoApply = true;
    docked.open = std::map<std::string, std::vector<std::string>>{{terminalId, {"$ make", "example.com"}}};
    world.store(docked);
    world.desktop.install({.bundleIdentifier = terminalId, .name = "Terminal"});

    world.desktop.removeDisplay(plugged);
    world.managed.advance(2s);
    EXPECT_EQ(world.manager().lastProfile(), std::nullopt);
    plugged = world.desktop.addDisplay(side);
    world.managed.advance(2s);

    EXPECT_TRUE(world.managed.logged("displays changed to MAIN + SIDE, applying Docked"));
    EXPECT_EQ(world.manager().lastProfile(), "Docked");
    EXPECT_TRUE(world.scripts().empty());
    ASSERT_EQ(world.desktop.openRequests().size(), 1u);
    EXPECT_EQ(world.desktop.openRequests().front().urls, std::vector<std::string>{"https://example.com"});
}

// Unlisted applications: the Finder, this application, the terminal the user typed "load" in, and two others;
// the editor's window is on Desktop 1, captured as "Work".
struct UnlistedDesktop : ProfiledDesktop {
    UnlistedDesktop() {
        managed.ownPid = own;
        start();
        manager().capture("Work", false);
        click(openOn(terminal, 2));
    }
    bool hidden(std::int32_t pid) const { return desktop.isHidden(pid); }
    Profile work() const { return *stored("Work"); }

    const std::int32_t finder = desktop.launch({.bundleIdentifier = "com.apple.finder", .name = "Finder"});
    const std::int32_t own = desktop.launch({.bundleIdentifier = "com.brenvald.quillmere", .name = "Quillmere"});
    const std::int32_t terminal = launch("Terminal");
    const std::int32_t notes = launch("Notes");
    const std::int32_t player = launch("Player");
    const std::int32_t editor = launch("Editor");
    const WindowId a = openOn(editor, 1);
};

TEST(ProfileLoadTest, UnlistedApplicationsAreHiddenOrQuitAsTheUserAnswers) {
    struct Case {
        const char* name;
        bool hide;
        bool quit;
        std::optional<AlertAnswer> answer;
        bool quits;
        bool hides;
    };
    const std::vector<Case> cases{
        {"hide", true, false, std::nullopt, false, true},
        {"quit after Quit Apps", false, true, AlertAnswer{0, false}, true, false},
        {"Skip quits and hides nothing", true, true, AlertAnswer{1, false}, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        UnlistedDesktop world;
        Profile work = world.work();
        work.hideUnlisted = c.hide;
        work.quitUnlisted = c.quit;
        if (c.answer)
            world.desktop.answerAlert(*c.answer);

        world.manager().load(work);

        EXPECT_EQ(world.desktop.alerts().size(), c.quit ? 1u : 0u);
        if (c.quit) {
            EXPECT_EQ(world.desktop.alerts().front().informativeText,
                      "Notes, Player\n\nApps with unsaved changes will ask before quitting.");
        }
        const std::vector<std::int32_t> quit{world.notes, world.player};
        EXPECT_EQ(world.desktop.terminateRequests(), c.quits ? quit : std::vector<std::int32_t>{});
        EXPECT_EQ(world.hidden(world.notes), c.hides);
        EXPECT_EQ(world.hidden(world.player), c.hides);
        for (std::int32_t untouched : {world.finder, world.own, world.terminal, world.editor})
            EXPECT_FALSE(world.hidden(untouched)) << untouched;
    }
}

TEST(ProfileLoadTest, ATickedQuitConfirmationHoldsForThatProfileOnly) {
    UnlistedDesktop world;
    Profile work = world.work();
    work.quitUnlisted = true;
    world.desktop.refuseTermination(world.notes);
    world.desktop.refuseTermination(world.player);
    world.desktop.answerAlert({0, true});

    world.manager().load(work);
    world.manager().load(work);
    EXPECT_EQ(world.desktop.alerts().size(), 1u);
    EXPECT_EQ(world.desktop.terminateRequests().size(), 4u);
    EXPECT_EQ(world.desktop.boolean("quitUnlistedConfirmed.Work"), true);

    work.name = "Other";
    world.manager().load(work);
    EXPECT_EQ(world.desktop.alerts().size(), 2u);
}

} // namespace
} // namespace quillmere
