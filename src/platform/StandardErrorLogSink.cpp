#include "platform/StandardErrorLogSink.h"

#include <chrono>
#include <cstdio>
#include <ctime>

namespace quillmere {
namespace {

std::string timeOfDay() {
    const auto now = std::chrono::system_clock::now();
    const auto seconds = std::chrono::system_clock::to_time_t(now);
    const auto milliseconds =
        std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000;
    std::tm local{};
    localtime_r(&seconds, &local);
    char text[32];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d.%03d", local.tm_hour, local.tm_min, local.tm_sec,
                  static_cast<int>(milliseconds));
    return text;
}

// One call per line, so that lines of other writers never cut into it.
void writeLine(std::string_view category, std::string_view text) {
    const auto line = timeOfDay() + " [" + std::string(category) + "] " + std::string(text) + "\n";
    std::fwrite(line.data(), 1, line.size(), stderr);
}

} // namespace

void StandardErrorLogSink::write(const LogEntry& entry) {
    writeLine(entry.category, entry.level == LogLevel::error ? "error: " + entry.message : entry.message);
}

void StandardErrorLogSink::write(const SignpostEntry& entry) {
    const auto edge = entry.edge == SignpostEdge::begin ? "begin " : "end ";
    writeLine(entry.category, edge + entry.name + " #" + std::to_string(entry.interval));
}

} // namespace quillmere
