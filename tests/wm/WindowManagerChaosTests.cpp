#include "support/ManagedDesktop.h"
#include "support/Printers.h"
#include "wm/Mouse.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <map>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace quillmere {
namespace {

using namespace std::chrono_literals;

// Does at random what users, applications and hardware do, and checks after every step what the window
// manager must keep true whatever happens.
class ChaosDriver {
  public:
    explicit ChaosDriver(std::uint64_t seed) : random_(seed) {
        plug({.name = "Main", .bounds = {0, 0, 1440, 900}, .uuid = "MAIN", .desktops = 3});
        for (int i = 0; i < 3; ++i)
            launch();
        for (int i = 0; i < 4; ++i)
            open();
        desktop.install({.bundleIdentifier = "com.example.Mail", .name = "Mail", .windows = {{300ms, {}}, {900ms, {}}}});
        managed.settle();
        desktop.traceAccessibility(true);
        managed.manager().update(Settings::default_());
        managed.manager().start();
        mouse_ = std::make_unique<Mouse>(managed.manager(), managed.mouseServices());
        managed.settle();
    }

    void step() {
        const bool pausedThroughout = managed.manager().pausedByHand();
        desktop.traceAccessibility(true);
        switch (pick(25)) {
        case 0:
            launch();
            break;
        case 1:
            if (auto pid = anyApp(); pid && apps_.size() > 1) {
                desktop.quit(*pid);
                apps_.erase(*pid);
                hung_.erase(*pid);
                answeredAgain_.erase(*pid);
            }
            break;
        case 2:
        case 3:
            open();
            break;
        case 4:
            if (auto window = anyWindow())
                desktop.closeWindow(*window);
            break;
        case 5:
            if (auto window = anyWindow())
                desktop.minimize(*window, chance(2));
            break;
        case 6:
            if (auto pid = anyApp())
                chance(2) ? desktop.hide(*pid) : desktop.unhide(*pid);
            break;
        case 7:
            if (auto window = anyWindow())
                desktop.focus(*window);
            break;
        case 8:
            if (auto window = anyWindow(); window && !desktop.spaces(*window).empty())
                desktop.openTab(*window);
            break;
        case 9:
        case 10:
            switchSpace();
            break;
        case 11:
            plugOrUnplug();
            break;
        case 12:
            managed.manager().togglePause();
            break;
        case 13:
            managed.manager().update(randomSettings());
            break;
        case 14:
            chance(4) ? desktop.sleepAndWake() : addDesktop();
            break;
        case 15:
            missionControlMove();
            break;
        case 16:
            fullScreenInOrOut();
            break;
        case 17:
            replug();
            break;
        case 18:
            restart();
            break;
        case 19:
            tileAsSystem();
            break;
        case 20:
            if (auto window = anyWindow()) {
                desktop.focus(*window);
                managed.manager().perform(Command{Command::FullScreenPair{}});
            }
            break;
        case 21:
            managed.manager().capture(profileName(), chance(2));
            break;
        case 22:
            loadProfile();
            break;
        case 23:
            pointerGesture();
            break;
        case 24:
            hangOrAnswer();
            break;
        }
        const bool stillPaused = managed.manager().pausedByHand();
        managed.advance(std::chrono::milliseconds(pick(4) == 0 ? pick(2000) : pick(200)));
        check(pausedThroughout && stillPaused && managed.manager().pausedByHand());
    }

  private:
    int pick(int below) { return std::uniform_int_distribution<int>(0, below - 1)(random_); }
    bool chance(int oneIn) { return pick(oneIn) == 0; }

    std::optional<std::int32_t> anyApp() {
        if (apps_.empty())
            return std::nullopt;
        return *std::next(apps_.begin(), pick(static_cast<int>(apps_.size())));
    }

    std::optional<WindowId> anyWindow() {
        std::vector<WindowId> windows;
        for (const WindowDescription& description : desktop.allWindows())
            windows.push_back(description.number);
        if (windows.empty())
            return std::nullopt;
        return windows[static_cast<std::size_t>(pick(static_cast<int>(windows.size())))];
    }

    void launch() {
        if (apps_.size() >= 8)
            return;
        static const std::vector<std::string> names{"Editor", "Mail", "Notes", "Terminal", "Player", "Finder"};
        const std::string name = names[static_cast<std::size_t>(pick(static_cast<int>(names.size())))];
        const std::int32_t pid = desktop.launch({.bundleIdentifier = "com.example." + name,
                                                 .name = name,
                                                 .policy = chance(8) ? ActivationPolicy::accessory
                                                                     : ActivationPolicy::regular});
        apps_.insert(pid);
        if (chance(2))
            desktop.setMenuBar(pid, {tileMenu()});
    }

    static SimulatedDesktop::MenuSetup tileMenu() {
        return {.role = "AXMenuBarItem",
                .title = "Window",
                .children = {{.role = "AXMenu",
                              .children = {{.identifier = "_tileLeft:", .effect = sim::MenuEffect::tileLeft},
                                           {.identifier = "_tileRight:", .effect = sim::MenuEffect::tileRight}}}}};
    }

    // One or two windows glide to halves, quarters or the whole of their display, as the system's own tiling
    // moves them, now and then while the user still holds the mouse button.
    void tileAsSystem() {
        std::map<WindowId, Rect> frames;
        const Desktops desktops = managed.spaces.desktops();
        for (int i = 0; i < 1 + pick(2); ++i) {
            const auto window = anyWindow();
            const auto frame = window ? desktop.frame(*window) : std::nullopt;
            const auto display = frame ? desktops.display(frame->center()) : nullptr;
            if (!display)
                continue;
            const Rect bounds = display->frame;
            const double width = bounds.width() / (1 + pick(2));
            const double height = bounds.height() / (1 + pick(2));
            frames.insert_or_assign(*window, Rect(bounds.minX() + (bounds.width() - width) * pick(2),
                                                  bounds.minY() + (bounds.height() - height) * pick(2), width,
                                                  height));
        }
        if (frames.empty())
            return;
        desktop.arrangeAsSystem(frames, std::chrono::milliseconds(pick(300)), 1 + pick(5));
        if (chance(4))
            desktop.pressButton(0);
        else
            desktop.releaseButton(0);
    }

    std::string profileName() { return std::array{"Work", "Play", "Docked"}[pick(3)]; }

    // A stored profile with options of chance, now and then owing a window of an application to launch. The
    // alerts answer "Skip", so nothing is quit behind the driver's back.
    void loadProfile() {
        auto profile = managed.profiles.named(profileName());
        if (!profile)
            return;
        profile->hideUnlisted = chance(3);
        profile->quitUnlisted = chance(4);
        if (chance(3))
            profile->show = pick(5);
        if (chance(3))
            profile->spaces.push_back(
                {.space = 1 + pick(5), .tree = LayoutSnapshot::tile({{"com.example.Mail", pick(3)}})});
        managed.manager().load(*profile, chance(3) ? WindowManager::LoadOrigin::automatic : WindowManager::LoadOrigin::user);
    }

    void open() {
        const auto pid = anyApp();
        if (!pid || desktop.allWindows().size() >= 30)
            return;
        SimulatedDesktop::WindowSetup setup{
            .title = chance(3) ? "Copy" : "Document",
            .frame = {static_cast<double>(pick(2000)), static_cast<double>(pick(900)), 200.0 + pick(900),
                      150.0 + pick(700)},
            .minimumSize = chance(4) ? Size{400.0 + pick(600), 0} : Size{}};
        if (chance(10))
            setup.subrole = "AXDialog";
        desktop.openWindow(*pid, setup);
    }

    void switchSpace() {
        const std::vector<DisplayId> displays = desktop.activeDisplays();
        if (displays.empty())
            return;
        const DisplayId display = displays[static_cast<std::size_t>(pick(static_cast<int>(displays.size())))];
        const std::vector<SpaceId> order = desktop.spaceOrder(display);
        desktop.switchSpace(display, order[static_cast<std::size_t>(pick(static_cast<int>(order.size())))]);
    }

    void plug(SimulatedDesktop::DisplaySetup setup) {
        const DisplayId display = desktop.addDisplay(setup);
        plugged_.insert_or_assign(display, std::move(setup));
    }

    double rightEdge() {
        double x = 0;
        for (DisplayId display : desktop.activeDisplays())
            x = std::max(x, desktop.bounds(display).maxX());
        return x;
    }

    void plugOrUnplug() {
        const std::vector<DisplayId> displays = desktop.activeDisplays();
        if (displays.size() < 3 && (displays.size() < 2 || chance(2))) {
            plug({.name = "Side",
                  .bounds = {rightEdge(), 0, 1000.0 + pick(1000), 800},
                  .uuid = "SIDE-" + std::to_string(++sides_),
                  .desktops = 1 + pick(3)});
        } else if (!displays.empty()) {
            const DisplayId display = displays[static_cast<std::size_t>(pick(static_cast<int>(displays.size())))];
            desktop.removeDisplay(display);
            unplugged_.push_back(plugged_.extract(display).mapped());
        }
    }

    // A display that was unplugged comes back, with its Spaces or, now and then, with new Space ids.
    void replug() {
        if (unplugged_.empty() || desktop.activeDisplays().size() >= 3)
            return;
        const auto at = unplugged_.begin() + pick(static_cast<int>(unplugged_.size()));
        SimulatedDesktop::DisplaySetup setup = *at;
        unplugged_.erase(at);
        setup.bounds = {desktop.activeDisplays().empty() ? 0 : rightEdge(), 0, setup.bounds.width(),
                        setup.bounds.height()};
        setup.newSpaceIds = chance(3);
        plug(std::move(setup));
    }

    std::vector<SpaceId> desktopsOf(DisplayId display) {
        std::vector<SpaceId> result;
        for (SpaceId space : desktop.spaceOrder(display))
            if (!managed.spaces.desktops().isFullScreen(space))
                result.push_back(space);
        return result;
    }

    void missionControlMove() {
        const auto window = anyWindow();
        const std::vector<DisplayId> displays = desktop.activeDisplays();
        if (!window || displays.empty() || !onOneDesktop(*window))
            return;
        const std::vector<SpaceId> spaces =
            desktopsOf(displays[static_cast<std::size_t>(pick(static_cast<int>(displays.size())))]);
        desktop.moveWindowToSpace(*window, spaces[static_cast<std::size_t>(pick(static_cast<int>(spaces.size())))]);
    }

    // Only a window the user sees can be put into full screen.
    void fullScreenInOrOut() {
        const auto window = anyWindow();
        if (!window)
            return;
        const std::vector<SpaceId> spaces = desktop.spaces(*window);
        const auto shown = desktop.onScreenWindows();
        if (spaces.size() == 1 && managed.spaces.desktops().isFullScreen(spaces.front()))
            desktop.exitFullScreen(*window);
        else if (onOneDesktop(*window) && std::ranges::find(shown, *window, &WindowDescription::number) != shown.end())
            desktop.enterFullScreen({*window});
    }

    // The user quits the application and starts it again, which picks the session up.
    void restart() {
        desktop.quitOwnApplication();
        managed.settle();
        mouse_.reset();
        managed.made.reset();
        managed.manager().update(randomSettings());
        managed.manager().start();
        mouse_ = std::make_unique<Mouse>(managed.manager(), managed.mouseServices());
    }

    // A point somewhere on a window's title bar, edge or body, or anywhere on the displays and beyond.
    Point anyPoint() {
        const auto window = anyWindow();
        const auto frame = window ? desktop.frame(*window) : std::nullopt;
        if (!frame || chance(4))
            return {static_cast<double>(pick(3200) - 200), static_cast<double>(pick(1200) - 100)};
        switch (pick(3)) {
        case 0:
            return {frame->minX() + pick(static_cast<int>(frame->width()) + 1), frame->minY() + pick(28)};
        case 1:
            return {chance(2) ? frame->minX() + pick(4) : frame->maxX() - pick(4), frame->midY()};
        default:
            return frame->center();
        }
    }

    // Plain, fn, fn and Shift drags of either button through a few points, some released at once, some left
    // to pause; or the pointer resting somewhere.
    void pointerGesture() {
        if (chance(3)) {
            desktop.movePointer(anyPoint());
            return;
        }
        const EventFlags modifiers[] = {0, EventFlag::maskSecondaryFn,
                                        EventFlag::maskSecondaryFn | EventFlag::maskShift};
        const int button = chance(4) ? 1 : 0;
        const Point from = anyPoint();
        desktop.mouseDown(button, from, modifiers[pick(3)]);
        for (int i = pick(5); i > 0; --i) {
            desktop.mouseDrag(chance(2) ? anyPoint() : Point{from.x + pick(200) - 100, from.y + pick(200) - 100});
            managed.advance(std::chrono::milliseconds(pick(100)));
        }
        desktop.mouseUp(button);
    }

    // An application stops answering, or one that hung answers again. The manager can learn that it answers
    // only from the next message it sends it, so its windows are held to the promises once a Space change
    // has come since.
    void hangOrAnswer() {
        if (!hung_.empty() && chance(2)) {
            const std::int32_t pid = *std::next(hung_.begin(), pick(static_cast<int>(hung_.size())));
            desktop.setResponding(pid, true);
            hung_.erase(pid);
            answeredAgain_.insert_or_assign(pid, spaceChanges());
        } else if (const auto pid = anyApp()) {
            desktop.setResponding(*pid, false);
            hung_.insert(*pid);
            answeredAgain_.erase(*pid);
        }
    }

    std::size_t spaceChanges() const {
        return static_cast<std::size_t>(std::ranges::count_if(managed.log.signposts(), [](const SignpostEntry& entry) {
            return entry.name == "Space change" && entry.edge == SignpostEdge::begin;
        }));
    }

    // Nothing can be asked of an application that does not answer, nor is it known to answer again before
    // the manager has had its next chance.
    bool mayBeUnknown(std::int32_t pid) const {
        const auto answered = answeredAgain_.find(pid);
        return hung_.contains(pid) || (answered != answeredAgain_.end() && answered->second == spaceChanges());
    }

    void addDesktop() {
        const std::vector<DisplayId> displays = desktop.activeDisplays();
        if (!displays.empty())
            desktop.addDesktop(displays.front());
    }

    Settings randomSettings() {
        Settings settings = Settings::default_();
        settings.animateWindows = chance(2);
        if (chance(2))
            settings.gap = pick(30);
        if (chance(3))
            settings.spacing = false;
        settings.tiling = std::array{TileAlgorithm::bsp, TileAlgorithm::i3, TileAlgorithm::masterStack}[pick(3)];
        settings.stacking = chance(2) ? StackAlgorithm::fill : StackAlgorithm::accordion;
        if (chance(2))
            settings.floatTitles = {{.app = "Finder", .title = "^Copy"}};
        if (chance(2))
            settings.appSpaces = {{"Mail", 1 + pick(4)}};
        settings.followRoutedWindows = chance(2);
        if (chance(3))
            settings.spaces = {{.space = 2, .layout = chance(2) ? LayoutMode::stack : LayoutMode::float_}};
        return settings;
    }

    bool onOneDesktop(WindowId window) {
        const std::vector<SpaceId> spaces = desktop.spaces(window);
        if (spaces.size() != 1)
            return false;
        for (DisplayId display : desktop.activeDisplays()) {
            const std::vector<SpaceId> order = desktop.spaceOrder(display);
            if (std::ranges::find(order, spaces.front()) != order.end())
                return !managed.spaces.desktops().isFullScreen(spaces.front());
        }
        return false;
    }

    void check(bool pausedThroughout) {
        WindowManagerProbe probe = managed.probe();
        std::map<WindowId, int> held;
        for (const auto& [space, layout] : probe.layouts()) {
            std::vector<WindowId> ids = layout.tree.windows();
            ids.insert(ids.end(), layout.floating.begin(), layout.floating.end());
            for (WindowId id : ids) {
                ++held[id];
                EXPECT_TRUE(probe.isTracked(id)) << "untracked window " << id << " in the layout of " << space;
            }
        }
        for (const auto& [id, count] : held) {
            EXPECT_EQ(count, 1) << "window " << id << " is held " << count << " times";
        }

        for (WindowId id : probe.tracked()) {
            const auto description = desktop.describe({id});
            if (description.empty() || desktop.isHidden(description.front().ownerPid) || !onOneDesktop(id) ||
                mayBeUnknown(description.front().ownerPid))
                continue;
            const AXWindow window = windowHandle(id, description.front().ownerPid);
            if (window.isTileable(desktop)) {
                EXPECT_EQ(held[id], 1) << "tileable window " << id << " of a shown application is in no layout\n"
                                       << history(id) << desktop.dump() << everything();
            }
        }

        if (!pausedThroughout)
            return;
        for (const std::string& line : desktop.accessibilityTrace()) {
            EXPECT_FALSE(line.starts_with("write window") && (line.find(" AXPosition ") != std::string::npos ||
                                                              line.find(" AXSize ") != std::string::npos))
                << "written while paused: " << line;
        }
    }

    std::string everything() const {
        std::string lines;
        for (const LogEntry& entry : managed.log.entries())
            lines += entry.message + "\n";
        return lines;
    }
    // What the manager logged about the window, to tell how it got where it is.
    std::string history(WindowId id) const {
        std::string lines;
        for (const LogEntry& entry : managed.log.entries())
            if (entry.message.find(std::to_string(id)) != std::string::npos)
                lines += entry.message + "\n";
        return lines;
    }

    AXWindow windowHandle(WindowId id, std::int32_t pid) {
        for (const AXWindow& window : AXUIElementRef::windows(desktop, pid))
            if (window.id == id)
                return window;
        return {};
    }

  public:
    ManagedDesktop managed;
    SimulatedDesktop& desktop = managed.desktop;

  private:
    std::mt19937_64 random_;
    std::set<std::int32_t> apps_;
    std::set<std::int32_t> hung_;
    // Applications that answer again, with the number of Space changes when they did.
    std::map<std::int32_t, std::size_t> answeredAgain_;
    std::map<DisplayId, SimulatedDesktop::DisplaySetup> plugged_;
    std::vector<SimulatedDesktop::DisplaySetup> unplugged_;
    int sides_ = 0;
    std::unique_ptr<Mouse> mouse_;
};

// Each seed runs this many steps, checked after every one.
constexpr int chaosSteps = 300;

void runChaos(std::uint64_t seed) {
    testing::Test::RecordProperty("seed", std::to_string(seed));
    ChaosDriver driver(seed);
    for (int step = 0; step < chaosSteps && !testing::Test::HasFailure(); ++step) {
        SCOPED_TRACE("seed " + std::to_string(seed) + ", step " + std::to_string(step));
        driver.step();
    }
}

std::optional<std::uint64_t> environmentNumber(const char* name) {
    const char* given = std::getenv(name);
    return given ? std::optional(std::strtoull(given, nullptr, 10)) : std::nullopt;
}

// Fixed seeds, so that a fault they find fails every run and not once in a while.
class WindowManagerChaos : public testing::TestWithParam<std::uint64_t> {};

TEST_P(WindowManagerChaos, KeepsItsPromisesWhateverHappens) {
    runChaos(GetParam());
}

INSTANTIATE_TEST_SUITE_P(FixedSeeds, WindowManagerChaos, testing::Range<std::uint64_t>(1, 33));

// One seed of chance per run, printed, and QUILLMERE_CHAOS_SEED replays it. QUILLMERE_CHAOS_RUNS asks for that
// many seeds of chance instead, for a longer run.
TEST(WindowManagerChaosOfChance, KeepsItsPromisesWhateverHappens) {
    if (const auto seed = environmentNumber("QUILLMERE_CHAOS_SEED")) {
        std::cout << "chaos seed " << *seed << std::endl;
        runChaos(*seed);
        return;
    }
    std::random_device device;
    const std::uint64_t runs = environmentNumber("QUILLMERE_CHAOS_RUNS").value_or(1);
    for (std::uint64_t run = 0; run < runs && !HasFailure(); ++run) {
        const std::uint64_t seed = (std::uint64_t{device()} << 32) | device();
        std::cout << "chaos seed " << seed << " (QUILLMERE_CHAOS_SEED replays it)" << std::endl;
        runChaos(seed);
    }
}

} // namespace
} // namespace quillmere
