#pragma once

#include "platform/LogFormat.h"
#include "platform/LogSink.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace quillmere {

// A logger of the unified log: one subsystem and category, entries at a level with a printf-style format
// (see formatLogMessage). Writing gives nothing back and cannot fail.
class Logger {
  public:
    constexpr Logger(std::string_view subsystem, std::string_view category, LogSink& sink)
        : subsystem_(subsystem), category_(category), sink_(&sink) {}

    template <typename... Arguments>
    void operator()(LogLevel level, std::string_view format, const Arguments&... arguments) const {
        const std::array<LogArgument, sizeof...(Arguments)> list{LogArgument(arguments)...};
        sink_->write(LogEntry{subsystem_, category_, level, formatLogMessage(format, list)});
    }

    LogSink& sink() const { return *sink_; }
    void setSink(LogSink& sink) { sink_ = &sink; }

  private:
    std::string_view subsystem_;
    std::string_view category_;
    LogSink* sink_;
};

// What endInterval needs of the begin it closes.
struct SignpostIntervalState {
    std::uint64_t interval = 0;
};

// Marks timed intervals, each begun and ended by name.
class Signposter {
  public:
    constexpr Signposter(std::string_view subsystem, std::string_view category, LogSink& sink)
        : subsystem_(subsystem), category_(category), sink_(&sink) {}

    SignpostIntervalState beginInterval(std::string_view name);
    void endInterval(std::string_view name, SignpostIntervalState state);

    LogSink& sink() const { return *sink_; }
    void setSink(LogSink& sink) { sink_ = &sink; }

  private:
    std::string_view subsystem_;
    std::string_view category_;
    LogSink* sink_;
    std::uint64_t nextInterval_ = 1;
};

// The process-wide log and signposter, writing to standard error until another sink is set. Used from the
// main thread only.
extern Logger log;
extern Signposter signposter;

} // namespace quillmere
