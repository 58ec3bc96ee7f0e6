#pragma once

#include "platform/MainQueue.h"
#include "shell/entry/BuildVariant.h"
#include "shell/entry/InstanceLock.h"

#include <filesystem>
#include <optional>

namespace quillmere {

// The running copies of each variant, as far as a starting copy can see and act on them.
class RunningCopies {
  public:
    virtual ~RunningCopies() = default;

    // The copy of the variant that runs now, once it has told who it is.
    virtual std::optional<CopyRecord> running(BuildVariant variant) = 0;
    // Asks it to quit, or makes it quit; nothing happens when it is no longer the variant's running copy.
    virtual void terminate(BuildVariant variant, const CopyRecord& copy) = 0;
    virtual void force(BuildVariant variant, const CopyRecord& copy) = 0;
    virtual bool hasEnded(BuildVariant variant) = 0;

    // The clock of the wait for others to quit, and a pause in it.
    virtual MainQueue::Instant now() = 0;
    virtual void pause(MainQueue::Duration duration) = 0;
};

// The copies of this user's session: their locks in the runtime folder, SIGTERM to ask them to quit and
// SIGKILL to make them; a copy has ended when its lock is free.
class SessionCopies final : public RunningCopies {
  public:
    explicit SessionCopies(std::filesystem::path folder) : folder_(std::move(folder)) {}

    std::optional<CopyRecord> running(BuildVariant variant) override;
    void terminate(BuildVariant variant, const CopyRecord& copy) override;
    void force(BuildVariant variant, const CopyRecord& copy) override;
    bool hasEnded(BuildVariant variant) override;
    MainQueue::Instant now() override { return MainQueue::Clock::now(); }
    // Before the application exists there is no event loop to run, so the process simply waits.
    void pause(MainQueue::Duration duration) override;

  private:
    void signal(BuildVariant variant, const CopyRecord& copy, int number);

    std::filesystem::path folder_;
};

} // namespace quillmere
