#include "shell/TerminationSignals.h"

#include <csignal>
#include <stdexcept>
#include <sys/signalfd.h>
#include <unistd.h>

namespace quillmere {
namespace {

sigset_t terminationSignals() {
    sigset_t blocked;
    sigemptyset(&blocked);
    sigaddset(&blocked, SIGTERM);
    sigaddset(&blocked, SIGINT);
    sigaddset(&blocked, SIGHUP);
    return blocked;
}

} // namespace

void blockTerminationSignals() {
    const sigset_t blocked = terminationSignals();
    ::pthread_sigmask(SIG_BLOCK, &blocked, nullptr);
}

TerminationSignals::TerminationSignals(MainQueue& queue, std::function<void(int)> onSignal)
    : queue_(queue), onSignal_(std::move(onSignal)) {
    const sigset_t blocked = terminationSignals();
    descriptor_ = ::signalfd(-1, &blocked, SFD_NONBLOCK | SFD_CLOEXEC);
    if (descriptor_ < 0)
        throw std::runtime_error("the termination blocked cannot be read");
    source_ = queue_.addReadable(descriptor_, [this] { read(); });
}

TerminationSignals::~TerminationSignals() {
    queue_.removeReadable(source_);
    ::close(descriptor_);
}

void TerminationSignals::read() {
    signalfd_siginfo received{};
    while (::read(descriptor_, &received, sizeof received) == sizeof received)
        onSignal_(static_cast<int>(received.ssi_signo));
}

} // namespace quillmere
