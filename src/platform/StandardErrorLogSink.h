#pragma once

#include "platform/LogSink.h"

namespace quillmere {

// One line per entry on standard error, stamped with the local time of day to the millisecond.
class StandardErrorLogSink final : public LogSink {
  public:
    constexpr StandardErrorLogSink() = default;
    void write(const LogEntry& entry) override;
    void write(const SignpostEntry& entry) override;
};

} // namespace quillmere
