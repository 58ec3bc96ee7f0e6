#include "platform/linux/ProcessFacts.h"

#include "platform/BootTime.h"
#include "platform/linux/ProcStat.h"

#include <charconv>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>
#include <unistd.h>

namespace quillmere {
namespace {

std::filesystem::path processFolder(std::int32_t pid) {
    return std::filesystem::path("/proc") / std::to_string(pid);
}

std::optional<std::string> fileText(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(file), {});
}

} // namespace

std::optional<std::uint64_t> startTicksFromProcessStat(std::string_view text) {
    // Field 22 of the line; the fields after the command name begin with the third.
    constexpr int startTimeField = 22;
    const auto nameEnd = text.rfind(')');
    if (nameEnd == std::string_view::npos)
        return std::nullopt;
    std::string_view rest = text.substr(nameEnd + 1);
    for (int field = 3;; ++field) {
        const auto begin = rest.find_first_not_of(" \n");
        if (begin == std::string_view::npos)
            return std::nullopt;
        rest.remove_prefix(begin);
        const auto end = std::min(rest.find_first_of(" \n"), rest.size());
        if (field == startTimeField) {
            std::uint64_t ticks = 0;
            const auto [stop, error] = std::from_chars(rest.data(), rest.data() + end, ticks);
            if (error != std::errc() || stop != rest.data() + end)
                return std::nullopt;
            return ticks;
        }
        rest.remove_prefix(end);
    }
}

std::optional<std::chrono::system_clock::time_point> processLaunchDate(std::int32_t pid) {
    const auto text = fileText(processFolder(pid) / "stat");
    const auto boot = bootTime();
    const long ticksPerSecond = ::sysconf(_SC_CLK_TCK);
    if (!text || !boot || ticksPerSecond <= 0)
        return std::nullopt;
    const auto ticks = startTicksFromProcessStat(*text);
    if (!ticks)
        return std::nullopt;
    const auto sinceBoot = std::chrono::duration_cast<std::chrono::system_clock::duration>(
        std::chrono::duration<double>(static_cast<double>(*ticks) / static_cast<double>(ticksPerSecond)));
    return std::chrono::system_clock::time_point(std::chrono::seconds(*boot)) + sinceBoot;
}

std::optional<std::string> processExecutableName(std::int32_t pid) {
    std::error_code error;
    const auto program = std::filesystem::read_symlink(processFolder(pid) / "exe", error);
    if (!error && program.has_filename())
        return program.filename().string();
    auto command = fileText(processFolder(pid) / "comm");
    if (!command || command->empty())
        return std::nullopt;
    if (command->back() == '\n')
        command->pop_back();
    return command;
}

} // namespace quillmere
