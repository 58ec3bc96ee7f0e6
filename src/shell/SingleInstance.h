#pragma once

#include "shell/RunningCopies.h"
#include "shell/entry/BuildVariant.h"
#include "shell/entry/InstanceLock.h"

#include <chrono>
#include <filesystem>
#include <optional>

namespace quillmere {

// What a starting application is to be, decided before it builds anything.
struct StartRole {
    enum class Kind {
        // The one running copy: it holds its variant's lock for life.
        run,
        // Its variant already runs: that copy was asked to open its Settings; this process exits.
        secondLaunch,
        // A copy of the other variant launched later runs: it takes over; this process exits.
        yielded,
    };
    Kind kind = Kind::run;
    std::optional<InstanceLock> lock;
};

// The wait for copies of the other variant to quit before they are forced.
inline constexpr std::chrono::milliseconds handOverLimit{5000};
inline constexpr std::chrono::milliseconds handOverStep{100};

// Keeps one copy running: takes the variant's lock (a second launch of the variant asks the running copy to
// open its Settings instead), then lets the copy launched later win over a running copy of the other
// variant, asking an earlier one to quit and forcing it after the hand-over limit. `self` is this
// process's record; copies are ordered by launch time, then process identifier, so of two copies started
// at the same instant exactly one wins.
StartRole settleRunningCopies(const std::filesystem::path& folder, BuildVariant own, CopyRecord self,
                              RunningCopies& copies);

} // namespace quillmere
