#include "platform/qt/QtMainQueue.h"

#include <algorithm>

namespace quillmere {

QtMainQueue::QtMainQueue() {
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, [this] { runDue(); });
}

QtMainQueue::~QtMainQueue() {
    for (auto& [token, source] : sources_)
        source.notifier->setEnabled(false);
}

TaskToken QtMainQueue::after(Duration delay, std::function<void()> work) {
    const auto token = nextToken_++;
    const auto due = now() + std::max(delay, Duration::zero());
    tasks_.emplace(TaskKey{due, token}, std::move(work));
    dueTimes_.emplace(token, due);
    arm();
    return {token};
}

void QtMainQueue::cancel(TaskToken token) {
    const auto due = dueTimes_.find(token.value);
    if (due == dueTimes_.end())
        return;
    tasks_.erase({due->second, token.value});
    dueTimes_.erase(due);
    arm();
}

// Runs what was due when the timer fired and was scheduled before then; each task may cancel or schedule
// others, so the next one is looked up afresh every time.
void QtMainQueue::runDue() {
    const Instant reached = now();
    const std::uint64_t scheduledBefore = nextToken_;
    while (!tasks_.empty()) {
        const auto next = std::ranges::find_if(tasks_, [&](const auto& entry) {
            return entry.first.second < scheduledBefore;
        });
        if (next == tasks_.end() || next->first.first > reached)
            break;
        auto task = tasks_.extract(next);
        dueTimes_.erase(task.key().second);
        task.mapped()();
    }
    arm();
}

void QtMainQueue::arm() {
    if (tasks_.empty()) {
        timer_.stop();
        return;
    }
    // Rounded up, so that the timer never fires before the work is due.
    const auto wait = std::chrono::ceil<std::chrono::milliseconds>(tasks_.begin()->first.first - now());
    timer_.start(std::max(wait, std::chrono::milliseconds::zero()));
}

SourceToken QtMainQueue::addReadable(int descriptor, std::function<void()> onReadable) {
    const auto token = nextToken_++;
    auto handler = std::make_shared<std::function<void()>>(std::move(onReadable));
    auto notifier = std::make_unique<QSocketNotifier>(descriptor, QSocketNotifier::Read);
    QObject::connect(notifier.get(), &QSocketNotifier::activated, [handler] { (*handler)(); });
    sources_.emplace(token, Source{std::move(notifier), std::move(handler)});
    return {token};
}

void QtMainQueue::removeReadable(SourceToken token) {
    const auto found = sources_.find(token.value);
    if (found == sources_.end())
        return;
    // The notifier may be the sender of the signal that is running this very call.
    QSocketNotifier* notifier = found->second.notifier.release();
    notifier->setEnabled(false);
    notifier->deleteLater();
    sources_.erase(found);
}

} // namespace quillmere
