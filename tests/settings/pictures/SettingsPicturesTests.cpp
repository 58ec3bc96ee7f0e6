#include "settings/widgets/SettingsWindowFixture.h"
#include "support/WindowPicture.h"

#include <QDir>

namespace quillmere {
namespace {

// Each pane of the Settings window and the Profiles window as an X server draws them, for a look by eye.
TEST_F(SettingsWindowTest, picturesOfEveryPane) {
    ASSERT_TRUE(QDir().mkpath(QUILLMERE_PICTURES));
    setUp(false);
    edit([](Settings& settings) {
        settings.activeBorder = true;
        settings.borderColor = "#1A2B3C";
        settings.dimInactive = true;
    });
    const auto save = [](QWidget& window, const QString& name) {
        saveWindowPicture(window, QUILLMERE_PICTURES "/settings-" + name + ".png");
    };
    for (const SettingsPane& pane : settingsPanes) {
        const std::string tag(pane.tag);
        settings->show(tag);
        save(window(), QString::fromStdString(tag).toLower());
    }
    settings->showProfiles();
    save(*settings->profilesWindow(), "profiles");
}

} // namespace
} // namespace quillmere
