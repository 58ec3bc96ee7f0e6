#include "settings/model/InstalledApps.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace quillmere {
namespace {

namespace fs = std::filesystem;

struct NoDesktopApps final : InstalledApplications {
    std::vector<InstalledApplication> installedApplications() override { return {}; }
};

struct NoProcesses final : RunningApplications {
    std::vector<RunningApplication> runningApplications() override { return {}; }
    std::optional<RunningApplication> application(std::int32_t) override { return std::nullopt; }
    std::optional<RunningApplication> frontmostApplication() override { return std::nullopt; }
    bool activate(std::int32_t) override { return false; }
};

// A tree like a distribution's: most entries at the top, a tenth in vendor subfolders, with translations.
fs::path generatedTree(int files) {
    const fs::path root = fs::temp_directory_path() / ("quillmere-apps-" + std::to_string(files));
    fs::remove_all(root);
    for (int index = 0; index < files; ++index) {
        const fs::path folder = index % 10 == 0 ? root / ("vendor" + std::to_string(index % 7)) : root;
        fs::create_directories(folder);
        std::ofstream(folder / ("app" + std::to_string(index) + ".desktop"))
            << "[Desktop Entry]\nType=Application\nName=Application " << index << "\nName[de]=Anwendung " << index
            << "\nComment=Does things\nExec=app" << index << " %U\nIcon=app" << index
            << "\nCategories=Utility;\n[Desktop Action New]\nName=New\nExec=app --new\n";
    }
    return root;
}

void firstScan(benchmark::State& state) {
    const fs::path root = generatedTree(static_cast<int>(state.range(0)));
    NoDesktopApps desktop;
    NoProcesses running;
    for (auto _ : state) {
        InstalledApps apps(desktop, running, {{root}, "de_DE.UTF-8"});
        benchmark::DoNotOptimize(apps.names().size());
    }
    state.SetComplexityN(state.range(0));
    fs::remove_all(root);
}
BENCHMARK(firstScan)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

} // namespace
} // namespace quillmere
