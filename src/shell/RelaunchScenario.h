#pragma once

#include "core/Result.h"
#include "platform/AtomicWrite.h"
#include "platform/sim/SimulatedScenario.h"
#include "shell/entry/BuildVariant.h"
#include "shell/entry/RuntimeFolder.h"

#include <filesystem>
#include <string>
#include <vector>

namespace quillmere {

// A copy on the simulated desktop has no world but that desktop, so a relaunch carries it over: the desktop,
// as `scenario`, goes into a file of the runtime folder, which is this user's alone, for the relaunched copy
// to start from. Trusted, as the copy relaunches once the permission is back. The file is checked to read
// back, lest the relaunched copy refuse to start. The file's path, or why there is none.
Result<std::filesystem::path, FileError> writeRelaunchScenario(SimulatedScenario scenario,
                                                               const std::filesystem::path& runtimeFolder,
                                                               BuildVariant variant);

// The arguments the copy was started with, but starting from the desktop as it is now; as they were when
// the desktop cannot be carried over (told in the log), so that the relaunch still happens.
std::vector<std::string>
relaunchArguments(const std::vector<std::string>& given, SimulatedScenario scenario,
                  const Result<std::filesystem::path, RuntimeFolderProblem>& runtimeFolder,
                  BuildVariant variant);

} // namespace quillmere
