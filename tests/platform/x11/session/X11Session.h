#pragma once

#include "platform/ManualMainQueue.h"
#include "platform/x11/X11Connection.h"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace quillmere {

// The X session the wrapper started (DISPLAY), seen through our own connection on a manual main queue.
// Waiting for the server or the window manager blocks on the connection's descriptor, up to a deadline that
// only a broken session reaches.
class X11Session : public ::testing::Test {
  protected:
    static constexpr std::chrono::seconds deadline{10};

    void SetUp() override {
        connection = X11Connection::open(queue);
        ASSERT_TRUE(connection) << "no X server on DISPLAY";
    }

    // Runs the main queue (tasks due now and readable descriptors) until `done` holds; false at the deadline.
    bool waitFor(const std::function<bool()>& done) {
        const auto end = std::chrono::steady_clock::now() + deadline;
        while (true) {
            queue.advance(MainQueue::Duration::zero());
            queue.poll();
            queue.advance(MainQueue::Duration::zero());
            if (done())
                return true;
            const auto left =
                std::chrono::duration_cast<std::chrono::milliseconds>(end - std::chrono::steady_clock::now());
            if (left.count() <= 0)
                return false;
            // Events that the predicate's own reads brought along wait on the queue: no blocking then.
            pollfd watched{xcb_get_file_descriptor(connection->raw()), POLLIN, 0};
            ::poll(&watched, 1, queue.scheduledCount() > 0 ? 0 : static_cast<int>(left.count()));
        }
    }

    // The server destroys a client's windows once it sees the client's connection close, some time after
    // the client ended.
    bool waitUntilGone(XWindow window) {
        return waitFor([&] {
            const auto read =
                connection->reply(xcb_get_geometry_reply, xcb_get_geometry(connection->raw(), window));
            return !read && read.error() == X11Error::gone;
        });
    }

    ManualMainQueue queue;
    std::unique_ptr<X11Connection> connection;
};

// One run of the test client (or of any program that prints the ids of its windows, one a line), stopped
// by its process id when it goes out of scope.
class TestClient {
  public:
    explicit TestClient(std::vector<std::string> arguments, int windows = 1) {
        arguments.insert(arguments.begin(), QUILLMERE_X11_TEST_CLIENT);
        std::vector<char*> argv;
        for (std::string& argument : arguments)
            argv.push_back(argument.data());
        argv.push_back(nullptr);
        int output[2], input[2];
        EXPECT_EQ(::pipe(output), 0);
        EXPECT_EQ(::pipe(input), 0);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, output[1], 1);
        posix_spawn_file_actions_adddup2(&actions, input[0], 0);
        posix_spawn_file_actions_addclose(&actions, output[0]);
        posix_spawn_file_actions_addclose(&actions, input[1]);
        EXPECT_EQ(::posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), environ), 0);
        posix_spawn_file_actions_destroy(&actions);
        ::close(output[1]);
        ::close(input[0]);
        stdin_ = input[1];
        FILE* lines = ::fdopen(output[0], "r");
        unsigned id = 0;
        while (static_cast<int>(windows_.size()) < windows && std::fscanf(lines, "%x", &id) == 1)
            windows_.push_back(id);
        std::fclose(lines);
    }
    ~TestClient() { stop(); }
    TestClient(const TestClient&) = delete;
    TestClient& operator=(const TestClient&) = delete;

    pid_t pid() const { return pid_; }
    XWindow window(std::size_t index = 0) const { return windows_.at(index); }
    const std::vector<XWindow>& windows() const { return windows_; }

    // Ends the client, which takes its windows with it.
    void stop() {
        if (pid_ <= 0)
            return;
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
        ::close(stdin_);
        pid_ = 0;
    }

  private:
    pid_t pid_ = 0;
    int stdin_ = -1;
    std::vector<XWindow> windows_;
};

} // namespace quillmere
