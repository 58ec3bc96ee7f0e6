#include "settings/KeysPane.h"
#include "settings/RulesPane.h"
#include "support/SettingsModelFixture.h"
#include "support/TemporaryDirectory.h"

#include <QApplication>
#include <cstdlib>
#include <gtest/gtest.h>

namespace quillmere {
namespace {

struct SafariInstalled final : InstalledApplications {
    std::vector<InstalledApplication> installedApplications() override { return {{"com.apple.Safari", "Safari"}}; }
};

// Pictures of the panes as the user sees them, written where QUILLMERE_SCREENSHOTS names; skipped otherwise.
class PaneScreenshots : public SettingsModelTest {
  protected:
    void SetUp() override {
        const char* folder = std::getenv("QUILLMERE_SCREENSHOTS");
        if (!folder)
            GTEST_SKIP() << "QUILLMERE_SCREENSHOTS names no folder";
        into = folder;
    }

    void capture(QWidget& pane, const std::string& name) {
        pane.resize(700, 640);
        pane.show();
        for (int turn = 0; turn < 3; ++turn)
            QApplication::processEvents();
        EXPECT_TRUE(pane.grab().save(QString::fromStdString((into / name).string())));
    }

    std::filesystem::path into;
};

TEST_F(PaneScreenshots, keysPaneWithANotice) {
    model->setNotice("⌃⌥H was “Move left half”, which keeps ⌃⌥←.");
    edit([](Settings& settings) { settings.keys.emplace("cmd-p", "profile Work"); });
    KeysPane pane(*model);
    capture(pane, "keys.png");
}

TEST_F(PaneScreenshots, rulesPane) {
    edit([](Settings& settings) {
        settings.floatApps = {"Calculator", "Safari"};
        settings.appSpaces = {{"Mail", 2}, {"Notes", 5}};
    });
    SafariInstalled installed;
    TemporaryDirectory noFolders;
    InstalledApps apps(installed, managed.desktop, {{noFolders.path()}, "C"});
    AppIcons icons([&apps](std::string_view name) { return apps.iconName(name); });
    RulesPane pane(*model, apps, icons);
    pane.newFloat().field().setText("Calculator");
    capture(pane, "rules.png");
}

} // namespace
} // namespace quillmere
