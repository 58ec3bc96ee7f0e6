// A stand-in for the application in tests of running copies: it settles the running copies as the
// application does, then receives commands until it is asked to quit. What it becomes and receives goes to
// standard output, one line each; the log goes to standard error.
//
// Usage: copy_probe release|development LAUNCH_NANOSECONDS

#include "shell/SingleInstance.h"
#include "shell/TerminationSignals.h"
#include "shell/entry/CommandSocket.h"
#include "shell/entry/RuntimeFolder.h"

#include <csignal>
#include <cstdio>
#include <poll.h>
#include <string>
#include <sys/signalfd.h>
#include <unistd.h>

using namespace quillmere;

int main(int argc, char** argv) {
    blockTerminationSignals();
    if (argc != 3)
        return 2;
    const BuildVariant own = std::string(argv[1]) == "development" ? BuildVariant::development : BuildVariant::release;
    const CopyRecord self{::getpid(), std::stoll(argv[2])};
    const auto folder = runtimeFolder(true);
    if (!folder)
        return 2;
    SessionCopies copies(*folder);
    const StartRole role = settleRunningCopies(*folder, own, self, copies);
    if (role.kind != StartRole::Kind::run) {
        std::printf("%s\n", role.kind == StartRole::Kind::secondLaunch ? "second launch" : "yielded");
        return 0;
    }
    auto socket = CommandSocket::bind(commandSocketPath(*folder, own));
    if (!socket)
        return 2;
    std::printf("running\n");
    std::fflush(stdout);

    sigset_t terminate;
    sigemptyset(&terminate);
    sigaddset(&terminate, SIGTERM);
    pollfd sources[2]{{::signalfd(-1, &terminate, SFD_CLOEXEC), POLLIN, 0}, {socket->descriptor(), POLLIN, 0}};
    CommandSocket receiver = std::move(socket).value();
    for (;;) {
        ::poll(sources, 2, -1);
        if (sources[0].revents) {
            std::printf("terminated\n");
            return 0;
        }
        const Reception received = receiver.receive();
        if (const auto* command = std::get_if<ReceivedCommand>(&received)) {
            std::printf("received %s\n", command->text.c_str());
            std::fflush(stdout);
        }
    }
}
