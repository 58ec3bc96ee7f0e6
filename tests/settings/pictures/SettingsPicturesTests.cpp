#include "settings/widgets/SettingsWindowFixture.h"

#include <QDir>
#include <QScreen>

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
        window.activateWindow();
        for (int turn = 0; turn < 20; ++turn)
            QTest::qWait(10);
        const QPixmap picture = window.screen()->grabWindow(window.winId());
        EXPECT_FALSE(picture.isNull()) << name.toStdString();
        EXPECT_TRUE(picture.save(QUILLMERE_PICTURES "/settings-" + name + ".png")) << name.toStdString();
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
