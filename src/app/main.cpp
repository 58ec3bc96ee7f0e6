// The application: settles which copy runs, then starts Qt with the window manager on the simulated desktop,
// shown in the simulated screens, driven by its hot keys and by commands from the command line.

#include "app/AppDelegate.h"
#include "menubar/FeedbackPainter.h"
#include "platform/Log.h"
#include "platform/linux/InotifyFileWatching.h"
#include "platform/linux/JsonUserDefaults.h"
#include "platform/qt/QtMainQueue.h"
#include "platform/qt/SimulatedScreensWindow.h"
#include "platform/sim/SimulatedDesktop.h"
#include "platform/sim/SimulatedScenario.h"
#include "settings/DockPresence.h"
#include "shell/ChildProcess.h"
#include "shell/CommandReceiver.h"
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

// A message that needs no answer, in a window of its own that does not hold up the application.
void tell(const std::string& text, DockPresence& dockPresence) {
    auto* message = new QMessageBox(QMessageBox::Information, "Quillmere", QString::fromStdString(text));
    message->setAttribute(Qt::WA_DeleteOnClose);
    dockPresence.show(*message);
}

} // namespace

int main(int argc, char** argv) {
    blockTerminationSignals();
    const BuildVariant variant = variantOfProgram(argv[0]);
    const auto options = LaunchOptions::parse(std::vector<std::string>(argv + 1, argv + argc));
    if (!options) {
        std::fprintf(stderr, "quillmere: %s\n", options.error().c_str());
        return 2;
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
    SimulatedDesktop desktop(queue);
    // Launched first, as the system starts the application before the user works with the others.
    const std::int32_t ownPid =
        desktop.launch({.bundleIdentifier = std::string(bundleIdentifier), .name = "Quillmere",
                        .policy = ActivationPolicy::accessory});
    desktop.setOwnApplication(ownPid);
    scenario->applyTo(desktop);
    // An application that does not answer holds the caller for real, as on a Mac.
    desktop.setBlockingWait([](MainQueue::Duration wait) { std::this_thread::sleep_for(wait); });

    const FeedbackPainter feedbackPainter(application.palette());
    SimulatedScreensWindow screens(desktop, &feedbackPainter);
    std::optional<DesktopDumpFile> dump;
    if (options->dumpDesktop)
        dump.emplace(queue, desktop, *options->dumpDesktop);
    desktop.setChangeCallback([&] {
        screens.view().desktopChanged();
        if (dump)
            dump->desktopChanged();
    });

    // Every ordinary end goes through here: the will-terminate notification is delivered first, so that the
    // session is saved, and the event loop ends on the turn after it.
    const auto endInOrder = [&] {
        desktop.quitOwnApplication();
        queue.after(MainQueue::Duration::zero(), [] { QApplication::quit(); });
    };

    const Desktop bundle = desktop.bundle();
    // The application's Dock icon is its place in the simulated system, where the window manager sees it.
    DockPresence dockPresence(
        [&](ActivationPolicy policy) { bundle.activationPolicy.setActivationPolicy(ownPid, policy); });
    InotifyFileWatching watching(queue);
    JsonUserDefaults defaults(userDefaultsFile());
    std::optional<CommandReceiver> receiver;
    AppDelegate delegate({
        .queue = queue,
        .desktop = bundle,
        .watching = watching,
        .defaults = defaults,
        .dockPresence = dockPresence,
        .ownPid = ownPid,
        // Only the holder of the variant's lock may replace its socket.
        .receiveCommands =
            [&](std::function<void(const std::string&)> onText) {
                if (lock)
                    if (auto socket = commandSocket(*folder, variant))
                        receiver.emplace(queue, std::move(*socket), std::move(onText));
            },
        .relaunch =
            [&] {
                return relaunch(variant, relaunchArguments({argv + 1, argv + argc},
                                                           SimulatedScenario::of(desktop), folder, variant));
            },
        .terminate = endInOrder,
        .openSystemSettings = [&](const std::string& address) { screens.openSystemSettings(address); },
        .tell = [&](const std::string& text) { tell(text, dockPresence); },
    });
    TerminationSignals termination(queue, [&](int) { endInOrder(); });

    screens.show();
    delegate.applicationDidFinishLaunching();
    const int status = QApplication::exec();
    receiver.reset();
    desktop.setChangeCallback(nullptr);
    return status;
}
