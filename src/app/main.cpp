// The application: picks the desktop it runs on, settles which copy runs, then starts Qt with the window
// manager on that desktop, driven by its hot keys and by commands from the command line. On the user's own
// X11 session it arranges the real windows; elsewhere it runs on the simulated desktop, shown in the
// simulated screens.

#include "app/AppDelegate.h"
#include "menubar/FeedbackPainter.h"
#include "platform/Log.h"
#include "platform/linux/InotifyFileWatching.h"
#include "platform/linux/JsonUserDefaults.h"
#include "platform/qt/QtMainQueue.h"
#include "platform/qt/SimulatedScreensWindow.h"
#include "platform/sim/SimulatedDesktop.h"
#include "platform/sim/SimulatedScenario.h"
#include "platform/x11/WindowManagerCheck.h"
#include "settings/DockPresence.h"
#include "shell/ChildProcess.h"
#include "shell/CommandReceiver.h"
#include "shell/DesktopChoice.h"
#include "shell/DesktopDumpFile.h"
#include "shell/LaunchOptions.h"
#include "shell/RelaunchScenario.h"
#include "shell/SingleInstance.h"
#include "shell/TerminationSignals.h"
#include "shell/entry/RuntimeFolder.h"
#include "stores/UserFolders.h"

#include <QApplication>
#include <QMessageBox>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <thread>
#include <unistd.h>

using namespace quillmere;

namespace {

std::int64_t launchTime() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::system_clock::now().time_since_epoch())
        .count();
}

// The scenario file's desktop, or the built-in one; none after telling what is wrong with the file.
std::optional<SimulatedScenario> scenarioFrom(const LaunchOptions& options) {
    if (!options.scenario)
        return SimulatedScenario::builtIn();
    std::ifstream file(*options.scenario, std::ios::binary);
    if (!file) {
        std::fprintf(stderr, "quillmere: %s: cannot be read\n", options.scenario->c_str());
        return std::nullopt;
    }
    std::ostringstream text;
    text << file.rdbuf();
    auto scenario = SimulatedScenario::read(text.str());
    if (!scenario) {
        std::fprintf(stderr, "quillmere: %s: %s\n", options.scenario->c_str(), scenario.error().text().c_str());
        return std::nullopt;
    }
    return std::move(scenario).value();
}

std::optional<CommandSocket> commandSocket(const std::filesystem::path& folder, BuildVariant variant) {
    auto socket = CommandSocket::bind(commandSocketPath(folder, variant));
    if (!socket) {
        quillmere::log(LogLevel::error, "commands cannot be received: %{public}s", socket.error());
        return std::nullopt;
    }
    return std::move(socket).value();
}

// Opens the application again once this process has ended, through a shell that waits for it, with the
// arguments given. The variant's own program starts it, so that it runs as the same variant.
bool relaunch(BuildVariant variant, const std::vector<std::string>& given) {
    const std::string folder = QCoreApplication::applicationDirPath().toStdString();
    const std::string program = folder + (variant == BuildVariant::development ? "/quillmere-dev" : "/quillmere");
    const std::string script = "while kill -0 " + std::to_string(::getpid()) +
                               " 2>/dev/null; do sleep 0.2; done; exec \"$0\" \"$@\"";
    std::vector<std::string> arguments{"-c", script, program};
    arguments.insert(arguments.end(), given.begin(), given.end());
    return startChildProcess("/bin/sh", arguments).has_value();
}

// What the session offers to run on. The X server is asked only when DISPLAY names one.
DisplayFacts displayFacts() {
    const char* x11 = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    DisplayFacts facts{.waylandDisplay = wayland && *wayland};
    if (!x11 || !*x11)
        return facts;
    facts.x11Display = x11;
    const WindowManagerCheck probe = probeWindowManager(x11);
    facts.x11Reached = probe.reached;
    facts.ewmhWindowManager = probe.windowManager.has_value();
    return facts;
}

// What differs between the desktops once one is running.
struct RunningDesktop {
    Desktop bundle;
    std::int32_t ownPid = 0;
    // Delivers the will-terminate notification, so that the session is saved.
    std::function<void()> willTerminate;
    // The arguments a relaunch starts with.
    std::function<std::vector<std::string>()> relaunchArguments;
    std::function<void(const std::string&)> openSystemSettings;
    // Shows what the desktop shows of its own, just before the application has finished launching.
    std::function<void()> show = [] {};
};

// A message that needs no answer, in a window of its own that does not hold up the application.
void tell(const std::string& text, DockPresence& dockPresence) {
    auto* message = new QMessageBox(QMessageBox::Information, "Quillmere", QString::fromStdString(text));
    message->setAttribute(Qt::WA_DeleteOnClose);
    dockPresence.show(*message);
}

// Builds and connects every part over the desktop and runs until the application ends.
int run(QtMainQueue& queue, const RunningDesktop& desktop, const std::optional<InstanceLock>& lock,
        const Result<std::filesystem::path, RuntimeFolderProblem>& folder, BuildVariant variant) {
    // Every ordinary end goes through here: the will-terminate notification is delivered first, so that the
    // session is saved, and the event loop ends on the turn after it.
    const auto endInOrder = [&] {
        desktop.willTerminate();
        queue.after(MainQueue::Duration::zero(), [] { QApplication::quit(); });
    };
    // The application's Dock icon is its place in the system, where the window manager sees it.
    DockPresence dockPresence([&](ActivationPolicy policy) {
        desktop.bundle.activationPolicy.setActivationPolicy(desktop.ownPid, policy);
    });
    InotifyFileWatching watching(queue);
    JsonUserDefaults defaults(userDefaultsFile());
    std::optional<CommandReceiver> receiver;
    AppDelegate delegate({
        .queue = queue,
        .desktop = desktop.bundle,
        .watching = watching,
        .defaults = defaults,
        .dockPresence = dockPresence,
        .ownPid = desktop.ownPid,
        // Only the holder of the variant's lock may replace its socket.
        .receiveCommands =
            [&](std::function<void(const std::string&)> onText) {
                if (lock)
                    if (auto socket = commandSocket(*folder, variant))
                        receiver.emplace(queue, std::move(*socket), std::move(onText));
            },
        .relaunch = [&] { return relaunch(variant, desktop.relaunchArguments()); },
        .terminate = endInOrder,
        .openSystemSettings = desktop.openSystemSettings,
        .tell = [&](const std::string& text) { tell(text, dockPresence); },
    });
    TerminationSignals termination(queue, [&](int) { endInOrder(); });

    desktop.show();
    delegate.applicationDidFinishLaunching();
    const int status = QApplication::exec();
    receiver.reset();
    return status;
}

// The simulated desktop from the scenario, shown in the simulated screens.
int runSimulated(QtMainQueue& queue, const LaunchOptions& options, const SimulatedScenario& scenario,
                 const std::vector<std::string>& arguments, const std::optional<InstanceLock>& lock,
                 const Result<std::filesystem::path, RuntimeFolderProblem>& folder, BuildVariant variant) {
    SimulatedDesktop desktop(queue);
    // Launched first, as the system starts the application before the user works with the others.
    const std::int32_t ownPid = desktop.launch({.bundleIdentifier = std::string(bundleIdentifier),
                                                .name = "Quillmere",
                                                .policy = ActivationPolicy::accessory});
    desktop.setOwnApplication(ownPid);
    scenario.applyTo(desktop);
    // An application that does not answer holds the caller for real, as on a Mac.
    desktop.setBlockingWait([](MainQueue::Duration wait) { std::this_thread::sleep_for(wait); });

    const FeedbackPainter feedbackPainter(QApplication::palette());
    SimulatedScreensWindow screens(desktop, &feedbackPainter);
    std::optional<DesktopDumpFile> dump;
    if (options.dumpDesktop)
        dump.emplace(queue, desktop, *options.dumpDesktop);
    desktop.setChangeCallback([&] {
        screens.view().desktopChanged();
        if (dump)
            dump->desktopChanged();
    });
    const int status = run(
        queue,
        {.bundle = desktop.bundle(),
         .ownPid = ownPid,
         .willTerminate = [&] { desktop.quitOwnApplication(); },
         .relaunchArguments =
             [&] { return relaunchArguments(arguments, SimulatedScenario::of(desktop), folder, variant); },
         .openSystemSettings = [&](const std::string& address) { screens.openSystemSettings(address); },
         .show = [&] { screens.show(); }},
        lock, folder, variant);
    desktop.setChangeCallback(nullptr);
    return status;
}

} // namespace

int main(int argc, char** argv) {
    blockTerminationSignals();
    const BuildVariant variant = variantOfProgram(argv[0]);
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const auto options = LaunchOptions::parse(arguments);
    if (!options) {
        std::fprintf(stderr, "quillmere: %s\n", options.error().c_str());
        return 2;
    }
    // Settled before the lock is taken, so that a start that cannot run leaves nothing behind.
    const auto kind = chooseDesktop(*options, displayFacts());
    if (!kind) {
        std::fprintf(stderr, "%s\n", kind.error().c_str());
        return 1;
    }
    const auto scenario = scenarioFrom(*options);
    if (!scenario)
        return 2;

    const auto folder = runtimeFolder(true);
    std::optional<InstanceLock> lock;
    if (folder) {
        SessionCopies copies(*folder);
        StartRole role = settleRunningCopies(*folder, variant, {::getpid(), launchTime()}, copies);
        if (role.kind != StartRole::Kind::run)
            return 0;
        lock = std::move(role.lock);
    } else {
        // Without the folder no lock tells whether another copy runs: two would fight over the windows.
        std::fprintf(stderr, "quillmere: not starting: %s\n", folder.error().description.c_str());
        return 1;
    }

    QApplication application(argc, argv);
    QtMainQueue queue;
    if (*kind == DesktopKind::x11)
        quillmere::log(LogLevel::default_,
                       "this build cannot arrange X11 windows yet: running on the simulated desktop");
    return runSimulated(queue, *options, *scenario, arguments, lock, folder, variant);
}
