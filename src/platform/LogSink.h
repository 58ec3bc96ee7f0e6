#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quillmere {

enum class LogLevel { default_, error };

struct LogEntry {
    std::string_view subsystem;
    std::string_view category;
    LogLevel level = LogLevel::default_;
    std::string message;
    friend bool operator==(const LogEntry&, const LogEntry&) = default;
};

enum class SignpostEdge { begin, end };

struct SignpostEntry {
    std::string_view subsystem;
    std::string_view category;
    SignpostEdge edge = SignpostEdge::begin;
    std::string name;
    // Pairs the end of an interval with its begin when intervals of one name overlap.
    std::uint64_t interval = 0;
    friend bool operator==(const SignpostEntry&, const SignpostEntry&) = default;
};

// Where log and signpost entries go. Writing cannot fail: a sink that cannot write drops the entry.
class LogSink {
  public:
    virtual ~LogSink() = default;
    virtual void write(const LogEntry& entry) = 0;
    virtual void write(const SignpostEntry& entry) = 0;
};

} // namespace quillmere
