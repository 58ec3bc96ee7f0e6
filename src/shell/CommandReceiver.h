#pragma once

#include "platform/MainQueue.h"
#include "shell/entry/CommandSocket.h"

#include <functional>
#include <string>

namespace quillmere {

// The running copy's reader of the command channel: reads the socket on the main queue, writes one log
// line for each datagram it drops and hands each command text on.
class CommandReceiver {
  public:
    CommandReceiver(MainQueue& queue, CommandSocket socket, std::function<void(const std::string&)> onText);
    ~CommandReceiver();
    CommandReceiver(const CommandReceiver&) = delete;
    CommandReceiver& operator=(const CommandReceiver&) = delete;

  private:
    void readAll();

    MainQueue& queue_;
    CommandSocket socket_;
    std::function<void(const std::string&)> onText_;
    SourceToken source_;
};

} // namespace quillmere
