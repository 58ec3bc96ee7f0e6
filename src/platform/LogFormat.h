#pragma once

#include <concepts>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <variant>

namespace quillmere {

// One argument of a log entry, kept as what printf would have been handed.
class LogArgument {
  public:
    using Value = std::variant<std::int64_t, std::uint64_t, double, std::string_view>;

    template <std::integral Integer> LogArgument(Integer value) {
        if constexpr (std::is_signed_v<Integer>) {
            value_ = static_cast<std::int64_t>(value);
        } else {
            value_ = static_cast<std::uint64_t>(value);
        }
    }
    template <std::floating_point Floating>
    LogArgument(Floating value) : value_(static_cast<double>(value)) {}
    LogArgument(const char* text)
        : value_(text == nullptr ? std::string_view("(null)") : std::string_view(text)) {}
    LogArgument(std::string_view text) : value_(text) {}
    LogArgument(const std::string& text) : value_(std::string_view(text)) {}

    const Value& value() const { return value_; }

  private:
    Value value_;
};

// Formats like printf, with the marks of the unified log: "%{public}s" (every argument is written in the
// open, so marks of privacy change nothing) and "%{bool}d", written "true" or "false". An argument of
// another kind than its conversion expects is written in its own natural form; a conversion without an
// argument, or one that is not understood, is written as it stands.
std::string formatLogMessage(std::string_view format, std::span<const LogArgument> arguments);

} // namespace quillmere
