#pragma once

#include "platform/qt/Symbols.h"
#include "profiles/ProfilesTab.h"
#include "support/SettingsModelFixture.h"
#include "support/TemporaryDirectory.h"

#include <QApplication>
#include <QTest>
#include <algorithm>
#include <memory>

namespace quillmere {

struct ListedApps final : InstalledApplications {
    std::vector<InstalledApplication> apps{{"com.apple.Safari", "Safari"}, {"com.apple.mail", "Mail"}};
    std::vector<InstalledApplication> installedApplications() override { return apps; }
};

// The content of the Profiles window over the settings model of the laptop with three Desktops, its
// profiles in a temporary folder, with Safari and Mail installed; opening a file is only noted.
class ProfilesTabTest : public SettingsModelTest {
  protected:
    ~ProfilesTabTest() override { tab.reset(); }

    // The tab, shown, for the profiles stored so far.
    ProfilesTab& open() {
        tab = std::make_unique<ProfilesTab>(*model, ProfilesServices{.apps = apps,
                                                                     .icons = icons,
                                                                     .displays = managed.desktop,
                                                                     .symbols = symbols,
                                                                     .folder = managed.profiles.directory(),
                                                                     .open = [this](const std::filesystem::path& file) {
                                                                         opened.push_back(file);
                                                                     }});
        tab->resize(900, 660);
        tab->show();
        settle();
        return *tab;
    }

    void store(const Profile& profile) {
        ASSERT_EQ(managed.profiles.save(profile), std::nullopt);
        model->refresh();
    }
    std::optional<Profile> stored(const std::string& name) const {
        const auto& profiles = model->profiles();
        const auto found = std::ranges::find(profiles, name, &Profile::name);
        return found != profiles.end() ? std::optional(*found) : std::nullopt;
    }
    // A profile file that does not decode.
    std::filesystem::path breakFile(const std::string& fileName) {
        std::filesystem::create_directories(managed.profiles.directory());
        const auto file = managed.profiles.directory() / fileName;
        files::write(file, "{ not json");
        model->refresh();
        return file;
    }

    // What the window does once the handler of the user's action has returned.
    static void settle() {
        for (int turn = 0; turn < 3; ++turn) {
            QApplication::processEvents();
            QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
    }

    std::vector<std::string> listed() const {
        std::vector<std::string> names;
        QListWidget& list = tab->sidebar().list();
        for (int row = 0; row < list.count(); ++row)
            names.push_back(list.item(row)->data(Qt::UserRole).toString().toStdString());
        return names;
    }
    std::vector<std::string> highlighted() const {
        std::vector<std::string> names;
        for (const QListWidgetItem* item : tab->sidebar().list().selectedItems())
            names.push_back(item->data(Qt::UserRole).toString().toStdString());
        return names;
    }

    // The menu's action of that text.
    static QAction& action(QMenu& menu, const QString& text) {
        const auto actions = menu.actions();
        const auto found = std::ranges::find_if(actions, [&](QAction* item) { return item->text() == text; });
        EXPECT_NE(found, actions.end()) << text.toStdString();
        return **found;
    }

    ListedApps installed;
    TemporaryDirectory noFolders;
    InstalledApps apps{installed, managed.desktop, {{noFolders.path()}, "C"}};
    AppIcons icons{[this](std::string_view name) { return apps.iconName(name); }};
    DrawnSymbolImages symbols;
    std::vector<std::filesystem::path> opened;
    std::unique_ptr<ProfilesTab> tab;
};

} // namespace quillmere
