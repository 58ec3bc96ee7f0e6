#include "shell/RelaunchScenario.h"

#include "platform/Log.h"
#include "shell/LaunchOptions.h"

namespace quillmere {

Result<std::filesystem::path, FileError> writeRelaunchScenario(SimulatedScenario scenario,
                                                               const std::filesystem::path& runtimeFolder,
                                                               BuildVariant variant) {
    scenario.trusted = true;
    const auto text = scenario.text();
    if (!text)
        return FileError{"the desktop cannot be written: " + text.error().message};
    if (const auto readBack = SimulatedScenario::read(*text); !readBack)
        return FileError{"the desktop cannot be carried over: " + readBack.error().text()};
    const auto file = runtimeFolder / (std::string(variantIdentifier(variant)) + ".relaunch.json");
    if (const auto failure = writeAtomically(file, *text))
        return *failure;
    return file;
}

std::vector<std::string>
relaunchArguments(const std::vector<std::string>& given, SimulatedScenario scenario,
                  const Result<std::filesystem::path, RuntimeFolderProblem>& runtimeFolder,
                  BuildVariant variant) {
    const auto file = runtimeFolder ? writeRelaunchScenario(std::move(scenario), *runtimeFolder, variant)
                                    : FileError{runtimeFolder.error().description};
    if (!file) {
        log(LogLevel::error, "the desktop is not carried over: %{public}s", file.error().description);
        return given;
    }
    return LaunchOptions::withScenario(given, *file);
}

} // namespace quillmere
