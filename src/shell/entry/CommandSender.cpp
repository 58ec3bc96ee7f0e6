#include "shell/entry/CommandSender.h"

#include "shell/entry/CommandSocket.h"
#include "shell/entry/CommandText.h"
#include "shell/entry/InstanceLock.h"
#include "shell/entry/RuntimeFolder.h"

#include <cstring>

namespace quillmere {

CommandSend sendCommand(std::string_view text) {
    using Outcome = CommandSend::Outcome;
    if (text.size() > maximumCommandLength)
        return {Outcome::tooLong,
                "quillmere: the command is longer than " + std::to_string(maximumCommandLength) + " bytes"};
    const auto folder = runtimeFolder(false);
    if (!folder) {
        if (folder.error().kind == RuntimeFolderProblem::Kind::missing)
            return {Outcome::notRunning, "quillmere is not running"};
        return {Outcome::failed, "quillmere: " + folder.error().description};
    }
    for (BuildVariant variant : buildVariants) {
        const DatagramSend sent = sendDatagram(commandSocketPath(*folder, variant), text);
        if (sent.outcome == DatagramSend::Outcome::sent)
            return {};
        if (sent.outcome == DatagramSend::Outcome::failed)
            return {Outcome::failed, "quillmere: the command was not sent: " + std::string(std::strerror(sent.error))};
    }
    for (BuildVariant variant : buildVariants)
        if (isLockHeld(lockFilePath(*folder, variant)))
            return {Outcome::notAcceptingYet, "quillmere is not accepting commands yet"};
    return {Outcome::notRunning, "quillmere is not running"};
}

} // namespace quillmere
