// The application: settles which copy runs, then starts Qt with the simulated desktop shown in the
// simulated screens and receives commands from the command line.

#include "platform/Log.h"
#include "platform/qt/QtMainQueue.h"
#include "platform/qt/SimulatedScreensWindow.h"
#include "platform/sim/SimulatedScenario.h"
#include "shell/CommandReceiver.h"
#include "shell/DesktopDumpFile.h"
#include "shell/LaunchOptions.h"
#include "shell/RemoteCommand.h"
#include "shell/SingleInstance.h"
#include "shell/TerminationSignals.h"
#include "shell/entry/RuntimeFolder.h"

#include <QApplication>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <sstream>
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
        quillmere::log(LogLevel::error, "running without the single-instance check: %{public}s", folder.error().description);
    }

    QApplication application(argc, argv);
    QtMainQueue queue;
    SimulatedDesktop desktop(queue);
    scenario->applyTo(desktop);
    SimulatedScreensWindow screens(desktop);
    std::optional<DesktopDumpFile> dump;
    if (options->dumpDesktop)
        dump.emplace(queue, desktop, *options->dumpDesktop);
    desktop.setChangeCallback([&] {
        screens.view().desktopChanged();
        if (dump)
            dump->desktopChanged();
    });
    TerminationSignals termination(queue, [](int) { QApplication::quit(); });

    // Only the holder of the variant's lock may replace its socket.
    std::optional<CommandReceiver> receiver;
    if (lock)
        if (auto socket = commandSocket(*folder, variant))
            receiver.emplace(queue, std::move(*socket), [](const std::string& text) { readRemoteCommand(text); });

    screens.show();
    const int status = QApplication::exec();
    desktop.setChangeCallback(nullptr);
    return status;
}
