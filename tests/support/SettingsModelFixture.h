#pragma once

#include "core/SettingsCoding.h"
#include "platform/ManualKeyMonitors.h"
#include "platform/linux/InotifyFileWatching.h"
#include "platform/sim/SimulatedTrash.h"
#include "settings/model/SettingsModel.h"
#include "stores/ConfigStore.h"
#include "support/Files.h"
#include "support/ManagedDesktop.h"
#include "wm/Hotkeys.h"

#include <chrono>
#include <csignal>
#include <gtest/gtest.h>
#include <memory>
#include <nlohmann/json.hpp>
#include <sys/resource.h>

namespace quillmere {

// A laptop with three Desktops under a started window manager, the configuration and profiles in a
// temporary folder with its own Trash, and the settings model over them. The store's change handler does
// what the shell's does for the model: binds the hot keys again and refreshes the model.
class SettingsModelTest : public testing::Test {
  protected:
    // The bindings the configuration starts with, in place of the built-in ones.
    static Settings::KeyMap startingKeys() {
        return {{"ctrl-alt-h", "place left"}, {"ctrl-alt-left", "place left"}, {"ctrl-alt-l", "place right"},
                {"alt-h", "focus west"},      {"alt-j", "focus south"}};
    }

    SettingsModelTest() {
        managed.desktop.addDisplay(
            {.name = "Built-in Retina Display", .bounds = {0, 0, 1512, 982}, .builtIn = true, .desktops = 3});
        managed.start();
        Settings first = Settings::default_();
        first.keys = startingKeys();
        std::filesystem::create_directories(config.directory());
        files::write(config.file(), encodeSettings(first).value());
        config.onChange = [this](ConfigStore& store) {
            ++configChanges;
            hotkeys.rebind(store.settings());
            if (model)
                model->refresh();
        };
        config.start();
        model = std::make_unique<SettingsModel>(SettingsModelServices{
            .config = config,
            .hotkeys = hotkeys,
            .manager = managed.manager(),
            .profiles = managed.profiles,
            .spaces = managed.spaces,
            .previews = managed.previews,
            .accessibility = managed.desktop,
            .preferences = managed.desktop,
            .displays = managed.desktop,
            .symbols = managed.symbols,
            .keyMonitors = keyMonitors,
            .trash = trash,
            .queue = managed.queue,
        });
        model->didRefresh = [this] { ++refreshes; };
        model->refresh();
    }

    ~SettingsModelTest() override { model.reset(); }

    // The user's next action comes a moment later, in a new turn of the main queue.
    void later() { managed.advance(std::chrono::seconds(1)); }

    // Edits the working copy and saves it, as a pane does.
    void edit(const std::function<void(Settings&)>& change, const std::string& action = "Change Setting") {
        Settings settings = model->settings();
        change(settings);
        model->setSettings(settings);
        model->save(action);
    }

    nlohmann::json storedConfig() const { return nlohmann::json::parse(files::read(config.file())); }

    // As the user breaks the file in an editor: the store reads it shortly after.
    void writeConfigByHand(const std::string& text) {
        files::write(config.file(), text);
        managed.queue.poll();
        managed.advance(ConfigStore::reloadDelay);
    }

    std::filesystem::path trashed(const std::string& name) const { return trash.folder() / name; }

    ManagedDesktop managed;
    InotifyFileWatching watching{managed.queue};
    ConfigStore config{managed.queue, watching, managed.folder / "config"};
    std::vector<Command> fired;
    Hotkeys hotkeys{managed.desktop, [this](const Command& command) { fired.push_back(command); }};
    ManualKeyMonitors keyMonitors;
    SimulatedTrash trash{managed.folder / "Trash"};
    std::unique_ptr<SettingsModel> model;
    int configChanges = 0;
    int refreshes = 0;
};

// While it exists, no file of the process may grow past a few bytes, so every write of a document fails as
// on a full disk, whoever runs the test.
class FullDisk {
  public:
    FullDisk() {
        std::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit small = saved_;
        small.rlim_cur = 16;
        ::setrlimit(RLIMIT_FSIZE, &small);
    }
    ~FullDisk() { ::setrlimit(RLIMIT_FSIZE, &saved_); }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

  private:
    rlimit saved_{};
};

} // namespace quillmere
