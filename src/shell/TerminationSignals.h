#pragma once

#include "platform/MainQueue.h"

#include <functional>

namespace quillmere {

// Blocks SIGTERM, SIGINT and SIGHUP (the terminal or login session going away) in the calling thread and every thread it starts afterwards. Called first
// thing in main, so that neither signal can end the process before it is ready to end in order; from then
// on they wait until TerminationSignals reads them.
void blockTerminationSignals();

// Reads the blocked signals on the main queue, between other work, and hands each one on, so
// that the application ends through its orderly terminate path.
class TerminationSignals {
  public:
    TerminationSignals(MainQueue& queue, std::function<void(int signal)> onSignal);
    ~TerminationSignals();
    TerminationSignals(const TerminationSignals&) = delete;
    TerminationSignals& operator=(const TerminationSignals&) = delete;

  private:
    void read();

    MainQueue& queue_;
    std::function<void(int)> onSignal_;
    int descriptor_;
    SourceToken source_;
};

} // namespace quillmere
