#include "shell/CommandReceiver.h"

#include "platform/Log.h"
#include "core/Overloaded.h"

namespace quillmere {

CommandReceiver::CommandReceiver(MainQueue& queue, CommandSocket socket,
                                 std::function<void(const std::string&)> onText)
    : queue_(queue), socket_(std::move(socket)), onText_(std::move(onText)) {
    source_ = queue_.addReadable(socket_.descriptor(), [this] { readAll(); });
}

CommandReceiver::~CommandReceiver() { queue_.removeReadable(source_); }

void CommandReceiver::readAll() {
    for (bool more = true; more;)
        std::visit(Overloaded{[&](const NothingToRead&) { more = false; },
                              [&](const DroppedDatagram& dropped) {
                                  log(LogLevel::error, "dropped a command: %{public}s", dropped.reason);
                              },
                              [&](const ReceivedCommand& received) { onText_(received.text); }},
                   socket_.receive());
}

} // namespace quillmere
