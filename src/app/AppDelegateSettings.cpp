#include "app/AppDelegate.h"
#include "app/CommandLineSection.h"
#include "app/UpdatesSection.h"

#include "menubar/ArrangementStrip.h"
#include "profiles/ProfilesTab.h"
#include "wm/UnlistedApps.h"

#include <QCoreApplication>

namespace quillmere {

std::unique_ptr<SettingsModel> AppDelegate::settingsModel() {
    return std::make_unique<SettingsModel>(SettingsModelServices{
        .config = config_,
        .hotkeys = *hotkeys_,
        .manager = *manager_,
        .profiles = profiles_,
        .spaces = spaces_,
        .previews = previews_,
        .accessibility = services_.desktop.accessibility,
        .preferences = services_.desktop.preferences,
        .displays = services_.desktop.displays,
        .symbols = symbols_,
        .keyMonitors = keyMonitors_,
        .trash = trash_,
        .queue = services_.queue,
    });
}

SettingsServices AppDelegate::settingsServices() {
    const std::filesystem::path programs = QCoreApplication::applicationDirPath().toStdString();
    const std::filesystem::path program = programs / "quillmere";
    return SettingsServices{
        .defaults = services_.defaults,
        .installed = services_.desktop.installed,
        .running = services_.desktop.applications,
        .dockPresence = services_.dockPresence,
        .configFile = config_.file(),
        .loginItem = LoginItem(LoginItem::defaultFile(), program),
        .screenCaptureAllowed = [this] { return services_.desktop.screenCapture.preflightAccess(); },
        .requestScreenCapture = [this] { services_.desktop.screenCapture.requestAccess(); },
        .mainScreenWidth = [this]() -> std::optional<double> {
            const auto screen = services_.desktop.displays.mainScreen();
            return screen ? std::optional(screen->frame.width()) : std::nullopt;
        },
        .openSystemSettings = services_.openSystemSettings,
        .updatesSection =
            [this] {
                return new UpdatesSection(
                    services_.defaults, [this] { checkForUpdates(); }, builtVersionText(),
                    UpdatesSection::bundledAcknowledgements());
            },
        .commandLineSection =
            [this, program, programs] {
                return new CommandLineSection(
                    CommandLineSettings({.frontExecutable = program.string(),
                                         .homeFolder = services_.homeFolder.string(),
                                         .runAsAdministrator = runWithPkexec}),
                    (programs / ".." / "share" / "doc" / "Quillmere" / "README.md").lexically_normal());
            },
        .profilesContent = [this](SettingsModel& model, InstalledApps& apps, AppIcons& icons) -> QWidget* {
            ProfilesServices profiles{
                .apps = apps,
                .icons = icons,
                .displays = services_.desktop.displays,
                .symbols = symbols_,
                .folder = profiles_.directory(),
                .displayStrip = [this](const std::vector<DisplayStripItem>& items,
                                       const std::optional<std::string>& selected, double height,
                                       std::function<void(const std::string&)> select) -> QWidget* {
                    auto* strip = new ArrangementStrip(wallpaper_, height);
                    std::vector<ArrangementItem> arranged;
                    for (const DisplayStripItem& item : items)
                        arranged.push_back({.id = item.id, .name = item.name, .frame = item.frame});
                    strip->setItems(std::move(arranged), selected);
                    strip->select = std::move(select);
                    return strip;
                },
                .previews = &previews_,
                .wallpaper =
                    [this](const std::optional<std::string>& display) { return wallpaper_.image(display); },
                .desktops = [this] { return spaces_.desktops(); },
                .unlistedApps =
                    [this](const Profile& profile) {
                        return unlistedApps(profile, services_.desktop.applications.runningApplications(),
                                            services_.ownPid, std::nullopt);
                    },
            };
            return new ProfilesTab(model, std::move(profiles));
        },
    };
}

} // namespace quillmere
