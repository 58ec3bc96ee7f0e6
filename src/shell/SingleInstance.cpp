#include "shell/SingleInstance.h"

#include "platform/Log.h"
#include "shell/entry/CommandSocket.h"
#include "shell/entry/RuntimeFolder.h"

#include <algorithm>
#include <vector>

namespace quillmere {
namespace {

struct OtherCopy {
    BuildVariant variant;
    CopyRecord record;
};

void waitForOthers(const std::vector<OtherCopy>& others, RunningCopies& copies) {
    const auto handOver = copies.now();
    for (;;) {
        const bool allEnded =
            std::ranges::all_of(others, [&](const OtherCopy& other) { return copies.hasEnded(other.variant); });
        if (allEnded || copies.now() - handOver >= handOverLimit)
            return;
        copies.pause(handOverStep);
    }
}

} // namespace

StartRole settleRunningCopies(const std::filesystem::path& folder, BuildVariant own, CopyRecord self,
                              RunningCopies& copies) {
    auto lock = InstanceLock::take(lockFilePath(folder, own), self);
    if (!lock.ok() && lock.error().heldElsewhere) {
        log(LogLevel::default_, "already running, opening its Settings");
        sendDatagram(commandSocketPath(folder, own), "settings");
        return {StartRole::Kind::secondLaunch, std::nullopt};
    }
    if (!lock.ok())
        log(LogLevel::error, "cannot tell whether another copy runs: %{public}s", lock.error().description);

    std::vector<OtherCopy> others;
    for (BuildVariant variant : buildVariants)
        if (variant != own)
            if (const auto record = copies.running(variant))
                others.push_back({variant, *record});

    for (const OtherCopy& other : others)
        if (other.record > self) {
            log(LogLevel::default_, "another copy opened after this one takes over");
            return {StartRole::Kind::yielded, std::nullopt};
        }
    for (const OtherCopy& other : others) {
        log(LogLevel::default_, "quitting the other copy, %{public}s", variantIdentifier(other.variant));
        copies.terminate(other.variant, other.record);
    }
    waitForOthers(others, copies);
    for (const OtherCopy& other : others)
        if (!copies.hasEnded(other.variant)) {
            log(LogLevel::error, "the other copy didn't quit; stopping it");
            copies.force(other.variant, other.record);
        }
    if (!lock.ok())
        return {StartRole::Kind::run, std::nullopt};
    return {StartRole::Kind::run, std::move(lock).value()};
}

} // namespace quillmere
