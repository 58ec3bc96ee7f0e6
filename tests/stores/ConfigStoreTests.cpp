#include "core/SettingsCoding.h"
#include "platform/CapturingLogSink.h"
#include "platform/ManualMainQueue.h"
#include "platform/linux/InotifyFileWatching.h"
#include "stores/ConfigStore.h"
#include "stores/ProfileStore.h"
#include "support/Environment.h"
#include "support/Files.h"
#include "support/HostileFiles.h"
#include "support/TemporaryDirectory.h"

#include <gtest/gtest.h>

namespace quillmere {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

constexpr std::string_view stillUsing = ". Still using the last good settings.";

// The default configuration file with some members replaced or, given null, removed.
std::string configText(const nlohmann::json& changes = nlohmann::json::object()) {
    auto json = nlohmann::json(Settings::default_());
    for (const auto& [key, value] : changes.items()) {
        if (value.is_null())
            json.erase(key);
        else
            json[key] = value;
    }
    return json.dump(2);
}

Settings withPadding(double padding) {
    Settings settings = Settings::default_();
    settings.padding = padding;
    return settings;
}

class ConfigStoreTest : public testing::Test {
  protected:
    ConfigStoreTest() {
        store->onChange = [this](ConfigStore& changed) {
            EXPECT_EQ(&changed, store.get());
            ++changes;
        };
    }

    void put(const std::string& text) {
        fs::create_directories(directory);
        files::write(file, text);
    }

    // Hands the file events to the store and lets its read fall due.
    void settle() {
        queue.poll();
        queue.advance(ConfigStore::reloadDelay);
    }

    std::size_t loadedCount() const {
        return std::ranges::count(logged.entries(), "config loaded", &LogEntry::message);
    }

    TemporaryDirectory home;
    fs::path directory = home / ".config" / "quillmere";
    fs::path file = directory / "config.json";
    CapturingLogSink logged;
    ManualMainQueue queue;
    InotifyFileWatching watching{queue};
    std::unique_ptr<ConfigStore> store = std::make_unique<ConfigStore>(queue, watching, directory);
    int changes = 0;
};

TEST_F(ConfigStoreTest, AFirstLaunchWritesTheDefaultsAndAnnouncesThemOnce) {
    store->start();
    EXPECT_EQ(files::read(file), encodeSettings(Settings::default_()).value());
    EXPECT_EQ(store->settings(), Settings::default_());
    EXPECT_EQ(store->error(), std::nullopt);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(loadedCount(), 0u);

    settle();
    EXPECT_EQ(changes, 1);
}

TEST_F(ConfigStoreTest, AnExistingFileIsReadAtStartAndNeverWrittenOver) {
    put(configText({{"padding", 12}}));
    store->start();
    EXPECT_EQ(store->settings(), withPadding(12));
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(loadedCount(), 1u);
    EXPECT_EQ(files::read(file), configText({{"padding", 12}}));
}

struct BadFileCase {
    const char* name;
    std::string text;
    std::string error;
};

class ConfigStoreBadFileTest : public ConfigStoreTest, public testing::WithParamInterface<BadFileCase> {};

TEST_P(ConfigStoreBadFileTest, KeepsTheLastGoodSettingsAndTheFileAndSaysWhy) {
    put(configText({{"padding", 12}}));
    store->start();
    put(GetParam().text);
    settle();

    EXPECT_EQ(store->error(), GetParam().error);
    EXPECT_EQ(store->settings(), withPadding(12));
    EXPECT_EQ(files::read(file), GetParam().text);
    EXPECT_EQ(changes, 2);
    ASSERT_FALSE(logged.entries().empty());
    EXPECT_EQ(logged.entries().back(),
              (LogEntry{"com.brenvald.quillmere", "wm", LogLevel::error, GetParam().error}));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ConfigStoreBadFileTest,
    testing::Values(
        BadFileCase{"NumberExpected", configText({{"padding", "wide"}}),
                    "config.json: padding: Expected to decode Double but found a string instead" +
                        std::string(stillUsing)},
        BadFileCase{
            "DeepInAList", configText({{"spaces", nlohmann::json::parse(R"([{"space": 1}, {"space": 2},
                                 {"space": 3, "layout": "tiles"}])")}}),
            "config.json: spaces.2.layout: Cannot initialize LayoutMode from invalid String value tiles" +
                std::string(stillUsing)},
        BadFileCase{"MissingKey", configText({{"floatApps", nullptr}}),
                    "config.json: No value associated with key floatApps" + std::string(stillUsing)},
        BadFileCase{"NotJson", "{\"keys\": {",
                    "config.json: The given data was not valid JSON" + std::string(stillUsing)}),
    [](const auto& info) { return info.param.name; });

class ConfigStoreHostileTest : public ConfigStoreTest, public testing::WithParamInterface<hostile::Case> {
  protected:
    void SetUp() override {
        if (GetParam().skipped())
            GTEST_SKIP() << "the superuser reads it";
    }

    // The error is shown and logged, the settings stay and the thing in the file's place is left alone.
    void expectRefused(const Settings& settings, const std::string& before) {
        EXPECT_TRUE(store->fileUnreadable());
        EXPECT_EQ(store->settings(), settings);
        ASSERT_TRUE(store->error());
        EXPECT_TRUE(store->error()->starts_with("config.json: ")) << *store->error();
        EXPECT_NE(store->error()->find(GetParam().reason), std::string::npos) << *store->error();
        EXPECT_TRUE(store->error()->ends_with(stillUsing)) << *store->error();
        ASSERT_FALSE(logged.entries().empty());
        EXPECT_EQ(logged.entries().back(), (LogEntry{"com.brenvald.quillmere", "wm", LogLevel::error, *store->error()}));
        EXPECT_EQ(hostile::stateOf(file), before);
    }
};

TEST_P(ConfigStoreHostileTest, AtStartNothingIsWrittenOverItAndTheReasonIsShown) {
    fs::create_directories(directory);
    GetParam().put(file, configText({{"padding", 12}}));
    const std::string before = hostile::stateOf(file);
    store->start();
    expectRefused(Settings::default_(), before);
    EXPECT_EQ(changes, 1);
}

TEST_P(ConfigStoreHostileTest, OnAReadTheLastGoodSettingsStayUntilTheFileCanBeReadAgain) {
    const std::string good = configText({{"padding", 12}});
    put(good);
    store->start();
    fs::remove(file);
    GetParam().put(file, configText({{"padding", 3}}));
    const std::string before = hostile::stateOf(file);
    settle();
    expectRefused(withPadding(12), before);
    EXPECT_EQ(changes, 2);

    fs::remove(file);
    put(good);
    settle();
    EXPECT_EQ(store->error(), std::nullopt) << "the same bytes as before are read again";
    EXPECT_FALSE(store->fileUnreadable());
}

INSTANTIATE_TEST_SUITE_P(Cases, ConfigStoreHostileTest, testing::ValuesIn(hostile::cases()), hostile::caseName);

TEST_F(ConfigStoreTest, AFailedSaveIsLogged) {
    store->start();
    fs::remove(file);
    fs::create_directory(file);
    EXPECT_FALSE(store->save(withPadding(4)));
    ASSERT_TRUE(store->error());
    EXPECT_TRUE(store->error()->starts_with("Couldn't save config: ")) << *store->error();
    ASSERT_FALSE(logged.entries().empty());
    EXPECT_EQ(logged.entries().back(), (LogEntry{"com.brenvald.quillmere", "wm", LogLevel::error, *store->error()}));
}

TEST_F(ConfigStoreTest, UnchangedBytesDoNothingAndACorrectedFileClearsTheError) {
    store->start();
    const std::string bad = configText({{"floatApps", nullptr}});
    put(bad);
    settle();
    ASSERT_TRUE(store->error());
    const auto logCount = logged.entries().size();

    put(bad);
    settle();
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(logged.entries().size(), logCount);

    put(configText({{"padding", 3}}));
    settle();
    EXPECT_EQ(store->error(), std::nullopt);
    EXPECT_EQ(store->settings(), withPadding(3));
    EXPECT_EQ(changes, 3);
}

TEST_F(ConfigStoreTest, ABurstOfChangesLeadsToOneReadADebounceAfterTheLast) {
    store->start();
    for (int padding : {1, 2, 3}) {
        put(configText({{"padding", padding}}));
        queue.poll();
        queue.advance(40ms);
    }
    queue.advance(ConfigStore::reloadDelay - 40ms - 1ms);
    EXPECT_EQ(changes, 1);
    queue.advance(1ms);
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(loadedCount(), 1u);
    EXPECT_EQ(store->settings(), withPadding(3));
}

TEST_F(ConfigStoreTest, AFileSavedByRenameIsReadAndTheNewFileIsWatchedFromThenOn) {
    store->start();
    const fs::path saving = directory / ".config.json.swp";
    files::write(saving, configText({{"padding", 4}}));
    fs::rename(saving, file);
    settle();
    EXPECT_EQ(store->settings(), withPadding(4));

    // Written in place: only a watcher of the new file hears it, the folder's entries stay the same.
    files::write(file, configText({{"padding", 5}}));
    settle();
    EXPECT_EQ(store->settings(), withPadding(5));
    EXPECT_EQ(changes, 3);
}

TEST_F(ConfigStoreTest, ADeletedFileChangesNothingAndIsNoticedWhenItComesBack) {
    store->start();
    fs::remove(file);
    settle();
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(store->error(), std::nullopt);

    put(configText({{"gap", 7}}));
    settle();
    EXPECT_EQ(store->settings().gap, 7);
    EXPECT_EQ(changes, 2);
}

TEST_F(ConfigStoreTest, ASaveAppliesAtOnceAndItsOwnFileEventsReadNothingNew) {
    store->start();
    store->save(withPadding(9));
    EXPECT_EQ(store->settings(), withPadding(9));
    EXPECT_EQ(files::read(file), encodeSettings(withPadding(9)).value());
    EXPECT_EQ(changes, 2);
    settle();
    EXPECT_EQ(changes, 2);

    // Still watched after the store's own atomic save replaced the file.
    put(configText({{"padding", 10}}));
    settle();
    EXPECT_EQ(store->settings(), withPadding(10));
}

TEST_F(ConfigStoreTest, ASaveReplacesABadFileAndClearsTheError) {
    put("not json");
    store->start();
    ASSERT_TRUE(store->error());
    EXPECT_EQ(store->settings(), Settings::default_());
    EXPECT_TRUE(store->fileUnreadable());
    EXPECT_TRUE(store->save(withPadding(2)));
    EXPECT_EQ(store->error(), std::nullopt);
    EXPECT_FALSE(store->fileUnreadable());
    EXPECT_EQ(files::read(file), encodeSettings(withPadding(2)).value());
}

TEST_F(ConfigStoreTest, TellsAnUnreadableFileFromAFailedSave) {
    put(configText());
    store->start();
    EXPECT_FALSE(store->fileUnreadable());
    put("{");
    settle();
    EXPECT_TRUE(store->fileUnreadable());
    put(configText({{"padding", 3}}));
    settle();
    EXPECT_FALSE(store->fileUnreadable());
}

TEST_F(ConfigStoreTest, ASaveWhoseFolderCannotBeMadeKeepsTheSettingsAndSaysWhy) {
    fs::create_directories(home / ".config");
    files::write(home / ".config" / "quillmere", "a file where the folder should be");
    store->start();
    EXPECT_EQ(changes, 1);
    ASSERT_TRUE(store->error());
    EXPECT_TRUE(store->error()->starts_with("Couldn't save config: " + directory.string() + ": "))
        << *store->error();
    EXPECT_EQ(store->settings(), Settings::default_());

    EXPECT_FALSE(store->save(withPadding(1)));
    EXPECT_FALSE(store->fileUnreadable()) << "the file itself was never read wrong";
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(store->settings(), Settings::default_());
}

TEST_F(ConfigStoreTest, SavingThroughASymbolicLinkReplacesTheLinksTarget) {
    const fs::path dotfiles = home / "dotfiles" / "config.json";
    fs::create_directories(dotfiles.parent_path());
    files::write(dotfiles, configText());
    fs::create_directories(directory);
    fs::create_symlink(dotfiles, file);
    store->start();

    store->save(withPadding(6));
    EXPECT_TRUE(fs::is_symlink(file));
    EXPECT_EQ(files::read(dotfiles), encodeSettings(withPadding(6)).value());
}

TEST_F(ConfigStoreTest, AReadDueAfterTheStoreIsGoneDoesNothing) {
    store->start();
    put(configText({{"padding", 1}}));
    queue.poll();
    ASSERT_EQ(queue.scheduledCount(), 1u);
    store.reset();
    EXPECT_EQ(queue.scheduledCount(), 0u);
    EXPECT_EQ(queue.readableCount(), 0u);
    queue.advance(1s);
}

TEST_F(ConfigStoreTest, AStoreGoneDuringItsOwnDebouncedReadMakesNoWatcherAfterwards) {
    store->start();
    store->onChange = [this](ConfigStore&) {
        ++changes;
        store.reset();
    };
    put(configText({{"padding", 1}}));
    settle();
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(store, nullptr);
    EXPECT_EQ(queue.readableCount(), 0u);
    EXPECT_EQ(queue.scheduledCount(), 0u);
}

struct LocationCase {
    const char* name;
    std::optional<std::string> configHome;
    const char* expected;
};

class ConfigLocationTest : public testing::TestWithParam<LocationCase> {};

TEST_P(ConfigLocationTest, TheFileAndTheProfilesAreInTheUsersConfigurationFolder) {
    const ScopedEnvironment home("HOME", "/home/ada");
    const ScopedEnvironment configHome("XDG_CONFIG_HOME", GetParam().configHome);
    ManualMainQueue queue;
    InotifyFileWatching watching{queue};
    const ConfigStore store(queue, watching);
    EXPECT_EQ(store.file(), fs::path(GetParam().expected) / "config.json");
    EXPECT_EQ(ProfileStore().directory(), fs::path(GetParam().expected) / "profiles");
}

INSTANTIATE_TEST_SUITE_P(Cases, ConfigLocationTest,
                         testing::Values(LocationCase{"Unset", std::nullopt, "/home/ada/.config/quillmere"},
                                         LocationCase{"Absolute", "/settings", "/settings/quillmere"},
                                         LocationCase{"Relative", "settings", "/home/ada/.config/quillmere"}),
                         [](const auto& info) { return info.param.name; });

} // namespace
} // namespace quillmere
