#include "../TiledDesktop.h"
#include "core/SettingsCoding.h"
#include "platform/ManualKeyMonitors.h"
#include "platform/linux/InotifyFileWatching.h"
#include "platform/sim/SimulatedTrash.h"
#include "settings/KeysPane.h"
#include "settings/model/SettingsModel.h"
#include "stores/ConfigStore.h"

#include <QApplication>
#include <array>
#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>
#include <memory>

namespace quillmere {
namespace {

namespace fs = std::filesystem;

// The Keys pane over the whole catalogue with the default bindings and `extra` custom ones, shown
// offscreen, as the user types into its search.
struct KeysPaneOnDesktop : BenchDesktop {
    explicit KeysPaneOnDesktop(int extra) {
        desktop.addDisplay({.bounds = {0, 0, 1512, 982}, .builtIn = true, .desktops = 9});
        startManager();
        fs::remove_all(folder);
        fs::create_directories(folder);
        Settings settings = Settings::default_();
        for (int index = 0; index < extra; ++index)
            settings.keys["ctrl-alt-shift-f" + std::to_string(index % 12 + 1) + (index >= 12 ? "-x" : "")] =
                "exec notify " + std::to_string(index);
        std::ofstream(folder / "config.json") << encodeSettings(settings).value();
        config.start();
        model = std::make_unique<SettingsModel>(SettingsModelServices{
            .config = config,
            .hotkeys = hotkeys,
            .manager = *manager,
            .profiles = profiles,
            .spaces = spaces,
            .previews = previews,
            .accessibility = desktop,
            .preferences = desktop,
            .displays = desktop,
            .symbols = symbols,
            .keyMonitors = keyMonitors,
            .trash = trash,
            .queue = queue,
        });
        pane = std::make_unique<KeysPane>(*model);
        pane->resize(700, 640);
        pane->show();
        QApplication::processEvents();
    }
    ~KeysPaneOnDesktop() {
        pane.reset();
        model.reset();
        fs::remove_all(folder);
    }

    fs::path folder = fs::temp_directory_path() / "quillmere-keys-pane-bench";
    InotifyFileWatching watching{queue};
    ConfigStore config{queue, watching, folder};
    Hotkeys hotkeys{desktop, [](const Command&) {}};
    ManualKeyMonitors keyMonitors;
    SimulatedTrash trash{folder / "Trash"};
    std::unique_ptr<SettingsModel> model;
    std::unique_ptr<KeysPane> pane;
};

// One keystroke in the search: each iteration types the next query of a word typed letter by letter and
// cleared again, so shown and hidden rows change every time.
void keysPaneSearchKeystroke(benchmark::State& state) {
    KeysPaneOnDesktop keys(static_cast<int>(state.range(0)));
    const std::array<const char*, 6> queries{"f", "fo", "foc", "focu", "focus", ""};
    std::size_t next = 0;
    for (auto _ : state) {
        keys.pane->search().setText(queries[next]);
        QApplication::processEvents();
        next = (next + 1) % queries.size();
    }
    state.counters["bindings"] = static_cast<double>(keys.config.settings().keys.size());
}
BENCHMARK(keysPaneSearchKeystroke)->Arg(0)->Arg(24)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace quillmere
