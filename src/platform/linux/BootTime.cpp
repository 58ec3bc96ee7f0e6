#include "platform/BootTime.h"

#include "platform/linux/ProcStat.h"

#include <charconv>
#include <fstream>
#include <iterator>
#include <string>

namespace quillmere {

std::optional<std::int64_t> bootTimeFromProcStat(std::string_view text) {
    constexpr std::string_view label = "btime ";
    while (!text.empty()) {
        const auto end = text.find('\n');
        auto line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (!line.starts_with(label)) {
            continue;
        }
        line.remove_prefix(label.size());
        std::int64_t seconds = 0;
        const auto [rest, error] = std::from_chars(line.data(), line.data() + line.size(), seconds);
        if (error != std::errc() || rest != line.data() + line.size() || seconds <= 0) {
            return std::nullopt;
        }
        return seconds;
    }
    return std::nullopt;
}

std::optional<std::int64_t> bootTime() {
    std::ifstream file("/proc/stat");
    const std::string text(std::istreambuf_iterator<char>(file), {});
    return bootTimeFromProcStat(text);
}

} // namespace quillmere
