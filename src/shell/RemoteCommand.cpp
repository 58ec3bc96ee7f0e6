#include "shell/RemoteCommand.h"

#include "platform/Log.h"
#include "shell/entry/CommandText.h"

namespace quillmere {

std::optional<Command> readRemoteCommand(std::string_view text) {
    auto command = Command::parse(text);
    log(LogLevel::default_, command ? "remote command %{public}s" : "unknown remote command %{public}s",
        escapedForLog(text));
    return command;
}

} // namespace quillmere
