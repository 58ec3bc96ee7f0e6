#include "platform/ManualMainQueue.h"

#include <algorithm>
#include <cerrno>
#include <poll.h>
#include <vector>

namespace quillmere {

TaskToken ManualMainQueue::after(Duration delay, std::function<void()> work) {
    const auto token = nextToken_++;
    const auto due = now_ + std::max(delay, Duration::zero());
    tasks_.emplace(TaskKey{due, token}, std::move(work));
    dueTimes_.emplace(token, due);
    return {token};
}

void ManualMainQueue::cancel(TaskToken token) {
    const auto due = dueTimes_.find(token.value);
    if (due == dueTimes_.end()) {
        return;
    }
    tasks_.erase({due->second, token.value});
    dueTimes_.erase(due);
}

SourceToken ManualMainQueue::addReadable(int descriptor, std::function<void()> onReadable) {
    const auto token = nextToken_++;
    sources_.emplace(token,
                     Source{descriptor, std::make_shared<std::function<void()>>(std::move(onReadable))});
    return {token};
}

void ManualMainQueue::removeReadable(SourceToken token) {
    sources_.erase(token.value);
}

void ManualMainQueue::advance(Duration by) {
    const auto until = now_ + std::max(by, Duration::zero());
    while (!tasks_.empty() && tasks_.begin()->first.first <= until) {
        auto next = tasks_.extract(tasks_.begin());
        dueTimes_.erase(next.key().second);
        now_ = next.key().first;
        next.mapped()();
    }
    now_ = until;
}

std::size_t ManualMainQueue::poll() {
    std::vector<std::uint64_t> tokens;
    std::vector<pollfd> descriptors;
    for (const auto& [token, source] : sources_) {
        tokens.push_back(token);
        descriptors.push_back({source.descriptor, POLLIN, 0});
    }
    int ready;
    do {
        ready = ::poll(descriptors.data(), descriptors.size(), 0);
    } while (ready < 0 && errno == EINTR);
    if (ready <= 0) {
        return 0;
    }
    std::size_t ran = 0;
    for (std::size_t i = 0; i < descriptors.size(); ++i) {
        // An error or hang-up is readable too: the handler's read is what finds out what happened.
        if ((descriptors[i].revents & (POLLIN | POLLERR | POLLHUP)) == 0) {
            continue;
        }
        // An earlier handler may have removed this source.
        const auto source = sources_.find(tokens[i]);
        if (source == sources_.end()) {
            continue;
        }
        const auto onReadable = source->second.onReadable;
        (*onReadable)();
        ++ran;
    }
    return ran;
}

} // namespace quillmere
