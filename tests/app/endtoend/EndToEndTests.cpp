// The real programs on a virtual X server of the test's own, with folders of the test's own for everything
// they keep, driven from the command line as a user drives them.

#include "support/Environment.h"
#include "support/TemporaryDirectory.h"

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <poll.h>
#include <spawn.h>
#include <sstream>
#include <string>
#include <sys/inotify.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace quillmere {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

// Every wait is bounded, so that a fault shows as a failure instead of a hang.
constexpr auto waitLimit = std::chrono::seconds(10);

const std::string programs = QUILLMERE_PROGRAM_DIRECTORY;

// A started program; killed if the test did not see it end.
class Process {
  public:
    // Its standard output and error go to the file, when one is given.
    explicit Process(const std::vector<std::string>& arguments, const std::optional<fs::path>& output = std::nullopt) {
        std::vector<char*> argv;
        for (const std::string& argument : arguments)
            argv.push_back(const_cast<char*>(argument.c_str()));
        argv.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        if (output) {
            posix_spawn_file_actions_addopen(&actions, 1, output->c_str(), O_WRONLY | O_CREAT | O_APPEND, 0600);
            posix_spawn_file_actions_adddup2(&actions, 1, 2);
        }
        EXPECT_EQ(::posix_spawnp(&pid_, argv[0], &actions, nullptr, argv.data(), environ), 0) << argv[0];
        posix_spawn_file_actions_destroy(&actions);
    }
    ~Process() {
        if (!ended_) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
    }
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;

    pid_t pid() const { return pid_; }

    // The exit status once it has ended by itself; none when it did not end in time or was killed.
    std::optional<int> exitStatus() {
        const int descriptor = static_cast<int>(::syscall(SYS_pidfd_open, pid_, 0));
        pollfd ended{descriptor, POLLIN, 0};
        const bool done = ::poll(&ended, 1, static_cast<int>(std::chrono::milliseconds(waitLimit).count())) == 1;
        ::close(descriptor);
        if (!done)
            return std::nullopt;
        int status = 0;
        ::waitpid(pid_, &status, 0);
        ended_ = true;
        return WIFEXITED(status) ? std::optional(WEXITSTATUS(status)) : std::nullopt;
    }

  private:
    pid_t pid_ = 0;
    bool ended_ = false;
};

std::string read(const fs::path& file) {
    std::ifstream stream(file, std::ios::binary);
    std::ostringstream text;
    text << stream.rdbuf();
    return text.str();
}

// Waits, without polling, until the condition holds; looks again whenever an entry of the folder changes.
bool waitUntil(const fs::path& folder, const std::function<bool()>& condition) {
    const int watcher = ::inotify_init1(IN_CLOEXEC | IN_NONBLOCK);
    ::inotify_add_watch(watcher, folder.c_str(), IN_CREATE | IN_MOVED_TO | IN_MODIFY | IN_DELETE);
    const auto deadline = Clock::now() + waitLimit;
    bool holds = condition();
    while (!holds && Clock::now() < deadline) {
        pollfd changed{watcher, POLLIN, 0};
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (::poll(&changed, 1, static_cast<int>(std::max<std::int64_t>(left.count(), 0))) == 1) {
            char events[4096];
            while (::read(watcher, events, sizeof events) > 0) {
            }
        }
        holds = condition();
    }
    ::close(watcher);
    return holds;
}

// One virtual X server for the whole suite: starting one costs more than a test.
class VirtualDisplay {
  public:
    VirtualDisplay() {
        int ready[2];
        EXPECT_EQ(::pipe2(ready, O_CLOEXEC), 0);
        const std::string descriptor = std::to_string(ready[1]);
        ::fcntl(ready[1], F_SETFD, 0);
        server_.emplace(std::vector<std::string>{"Xvfb", "-displayfd", descriptor, "-screen", "0", "1280x800x24",
                                                 "-nolisten", "tcp"});
        ::close(ready[1]);
        std::string number;
        char byte;
        pollfd source{ready[0], POLLIN, 0};
        while (::poll(&source, 1, 10000) == 1 && ::read(ready[0], &byte, 1) == 1 && byte != '\n')
            number += byte;
        ::close(ready[0]);
        name_ = ":" + number;
    }

    const std::string& name() const { return name_; }

  private:
    std::optional<Process> server_;
    std::string name_;
};

// Folders of the test's own, the virtual display, and the application started from the command line.
class EndToEndTest : public testing::Test {
  protected:
    static void SetUpTestSuite() { display = new VirtualDisplay; }
    static void TearDownTestSuite() {
        delete display;
        display = nullptr;
    }

    EndToEndTest() {
        // Made here, private as the programs make it, so that the test can watch it from the start.
        for (const fs::path& made : {runtime, runtime / "quillmere"}) {
            fs::create_directories(made);
            fs::permissions(made, fs::perms::owner_all, fs::perm_options::replace);
        }
        fs::create_directories(folder / "log");
    }

    // The application of the variant, its log in the file of that name.
    std::unique_ptr<Process> launch(const std::string& program, const std::string& logName) {
        return std::make_unique<Process>(
            std::vector<std::string>{programs + "/" + program, "--dump-desktop", dump.string()},
            folder / "log" / logName);
    }

    // The text of the command line's program, with its exit status.
    int command(const std::vector<std::string>& words, const std::string& program = "quillmere") {
        std::vector<std::string> arguments{programs + "/" + program};
        arguments.insert(arguments.end(), words.begin(), words.end());
        Process sender(arguments);
        return sender.exitStatus().value_or(-1);
    }

    bool logged(const std::string& logName, const std::string& text) {
        return waitUntil(folder / "log", [&] { return read(folder / "log" / logName).find(text) != std::string::npos; });
    }

    // Once the command channel is open the start has run to its end.
    bool accepting(const std::string& socket = "com.brenvald.quillmere") {
        return waitUntil(runtime / "quillmere", [&] { return fs::exists(runtime / "quillmere" / socket); });
    }

    // The guide has been seen, so that nothing of Quillmere's own stands in front of the desktop.
    void returningUser() {
        fs::create_directories(session.parent_path());
        std::ofstream(session.parent_path() / "defaults.json") << R"({"welcomeSeen": true})";
    }

    // The line of the dump that names the window.
    std::string windowLine(const std::string& title) {
        const std::string text = read(dump);
        const auto at = text.find("\"" + title + "\"");
        if (at == std::string::npos)
            return {};
        return text.substr(at, text.find('\n', at) - at);
    }

    static inline VirtualDisplay* display = nullptr;
    TemporaryDirectory folder;
    fs::path runtime = folder / "runtime";
    fs::path dump = folder / "desktop.txt";
    fs::path session = folder / "data" / "com.brenvald.quillmere" / "session.json";
    ScopedEnvironment home{"HOME", folder.path().string()};
    ScopedEnvironment runtimeFolder{"XDG_RUNTIME_DIR", runtime.string()};
    ScopedEnvironment config{"XDG_CONFIG_HOME", (folder / "config").string()};
    ScopedEnvironment data{"XDG_DATA_HOME", (folder / "data").string()};
    ScopedEnvironment screen{"DISPLAY", display->name()};
    ScopedEnvironment platform{"QT_QPA_PLATFORM", "xcb"};
};

TEST_F(EndToEndTest, CommandsFromTheCommandLineChangeTheDesktop) {
    returningUser();
    auto app = launch("quillmere", "release");
    ASSERT_TRUE(accepting());
    const std::string before = windowLine("Release Notes");

    ASSERT_EQ(command({"swap", "east"}), 0);
    EXPECT_TRUE(waitUntil(folder.path(), [&] { return windowLine("Release Notes") != before; }))
        << before << " stayed";
    EXPECT_TRUE(logged("release", "remote command swap east"));

    ASSERT_EQ(command({"space", "2"}), 0);
    EXPECT_TRUE(waitUntil(folder.path(), [&] { return read(dump).find("desktop 2: space 2, shown") != std::string::npos; }));
}

TEST_F(EndToEndTest, ASecondLaunchOpensTheSettingsOfTheRunningCopy) {
    auto app = launch("quillmere", "release");
    ASSERT_TRUE(accepting());

    Process second({programs + "/quillmere"});
    EXPECT_EQ(second.exitStatus(), 0);
    EXPECT_TRUE(logged("release", "remote command settings"));
    // The Settings window is titled after the pane it shows.
    Process search({"timeout", "5", "xdotool", "search", "--sync", "--onlyvisible", "--name",
                    "^(General|Keys|Rules|Spaces|Menu Bar|Permissions( \\([0-9]+\\))?)$"},
                   folder / "log" / "search");
    EXPECT_EQ(search.exitStatus(), 0) << "the Settings window is shown";
}

class EndingTest : public EndToEndTest, public testing::WithParamInterface<int> {};

// The session is saved a second after the last change; an end before then must save it too.
TEST_P(EndingTest, EndsInOrderOnASignalWithTheLastChangeSaved) {
    returningUser();
    auto app = launch("quillmere", "release");
    ASSERT_TRUE(accepting());
    ASSERT_TRUE(waitUntil(session.parent_path(), [&] { return fs::exists(session); }));
    const std::string saved = read(session);
    const std::string before = windowLine("Release Notes");
    ASSERT_EQ(command({"swap", "east"}), 0);
    ASSERT_TRUE(waitUntil(folder.path(), [&] { return windowLine("Release Notes") != before; }));

    ::kill(app->pid(), GetParam());
    EXPECT_EQ(app->exitStatus(), 0);
    EXPECT_NE(read(session), saved) << "the swap is in the session";
    EXPECT_EQ(command({"balance"}), 1) << "nothing listens any more";
}

INSTANTIATE_TEST_SUITE_P(TerminationSignals, EndingTest, testing::Values(SIGTERM, SIGINT, SIGHUP));

TEST_F(EndToEndTest, TheDevelopmentVariantTakesOver) {
    auto release = launch("quillmere", "release");
    ASSERT_TRUE(accepting());

    auto development = launch("quillmere-dev", "development");
    EXPECT_EQ(release->exitStatus(), 0) << "the running copy was asked to quit";
    EXPECT_TRUE(accepting("com.brenvald.quillmere.dev"));
    EXPECT_TRUE(logged("development", "quitting the other copy, com.brenvald.quillmere"));
}

TEST_F(EndToEndTest, WithoutTheSessionsRuntimeFolderTheCommandLineFindsTheCopyInTheUsersOwnAndOnlyOneRuns) {
    const ScopedEnvironment noSession("XDG_RUNTIME_DIR", std::nullopt);
    const ScopedEnvironment state("XDG_STATE_HOME", (folder / "state").string());
    char host[256] = {};
    ::gethostname(host, sizeof host - 1);
    const fs::path own = folder / "state" / "quillmere" / (std::string("run-") + host);
    fs::create_directories(own.parent_path());
    auto app = launch("quillmere", "release");
    ASSERT_TRUE(waitUntil(own.parent_path(), [&] { return fs::exists(own / "com.brenvald.quillmere"); }));

    EXPECT_EQ(command({"balance"}), 0);
    EXPECT_TRUE(logged("release", "remote command balance"));
    auto second = launch("quillmere", "second");
    EXPECT_EQ(second->exitStatus(), 0) << "the second launch hands over to the running copy and ends";
}

TEST_F(EndToEndTest, ARuntimeFolderOthersCouldUseIsNeverUsedAndTheApplicationDoesNotStart) {
    fs::permissions(runtime / "quillmere", fs::perms::owner_all | fs::perms::others_all, fs::perm_options::replace);
    auto app = launch("quillmere", "release");
    EXPECT_EQ(app->exitStatus(), 1);
    EXPECT_NE(read(folder / "log" / "release").find("quillmere: not starting: " + (runtime / "quillmere").string()),
              std::string::npos)
        << read(folder / "log" / "release");
    EXPECT_EQ(command({"balance"}), 1);
}

TEST_F(EndToEndTest, WithoutADisplayItSaysSoInOneLineAndLeavesNoLockBehind) {
    const ScopedEnvironment noX11("DISPLAY", std::nullopt);
    const ScopedEnvironment noWayland("WAYLAND_DISPLAY", std::nullopt);
    auto app = launch("quillmere", "release");
    EXPECT_EQ(app->exitStatus(), 1);
    EXPECT_EQ(read(folder / "log" / "release"),
              "quillmere: no display to show Quillmere on (DISPLAY is not set)\n");
    EXPECT_FALSE(fs::exists(runtime / "quillmere" / "com.brenvald.quillmere.lock"));
}

TEST_F(EndToEndTest, ForwardingACommandNeedsNoDisplay) {
    auto app = launch("quillmere", "release");
    ASSERT_TRUE(accepting());
    const ScopedEnvironment noX11("DISPLAY", std::nullopt);
    EXPECT_EQ(command({"balance"}), 0);
    EXPECT_TRUE(logged("release", "remote command balance"));
}

// A virtual X server of the test's own with Openbox managing it, which publishes _NET_SUPPORTING_WM_CHECK.
class WindowManagerTest : public EndToEndTest {
  protected:
    WindowManagerTest() {
        // xprop tells of every change of the root's properties, a line at a time as it comes.
        Process spy({"stdbuf", "-oL", "xprop", "-root", "-spy"}, folder / "log" / "root");
        manager.emplace(std::vector<std::string>{"openbox", "--sm-disable"}, folder / "log" / "openbox");
        EXPECT_TRUE(logged("root", "_NET_SUPPORTING_WM_CHECK(WINDOW)")) << "Openbox manages the display";
    }

    VirtualDisplay server;
    ScopedEnvironment ownScreen{"DISPLAY", server.name()};
    std::optional<Process> manager;
};

TEST_F(WindowManagerTest, AskedForItTheSimulatedDesktopRunsEvenBesideAWindowManager) {
    returningUser();
    auto app = std::make_unique<Process>(
        std::vector<std::string>{programs + "/quillmere", "--simulated", "--dump-desktop", dump.string()},
        folder / "log" / "release");
    ASSERT_TRUE(accepting());
    EXPECT_TRUE(waitUntil(folder.path(), [&] { return !windowLine("Release Notes").empty(); }))
        << read(folder / "log" / "release");
}

} // namespace
} // namespace quillmere
