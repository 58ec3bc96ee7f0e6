#pragma once

#include "platform/LogSink.h"

#include <vector>

namespace quillmere {

// Collects what the process-wide log and signposter write while it exists, in place of their sink, for
// tests to read; on destruction their previous sink is back.
class CapturingLogSink final : public LogSink {
  public:
    CapturingLogSink();
    ~CapturingLogSink() override;
    CapturingLogSink(const CapturingLogSink&) = delete;
    CapturingLogSink& operator=(const CapturingLogSink&) = delete;

    void write(const LogEntry& entry) override { entries_.push_back(entry); }
    void write(const SignpostEntry& entry) override { signposts_.push_back(entry); }

    const std::vector<LogEntry>& entries() const { return entries_; }
    const std::vector<SignpostEntry>& signposts() const { return signposts_; }

  private:
    LogSink& previousLogSink_;
    LogSink& previousSignposterSink_;
    std::vector<LogEntry> entries_;
    std::vector<SignpostEntry> signposts_;
};

} // namespace quillmere
