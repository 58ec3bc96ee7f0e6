#pragma once

#include "settings/GeneralTab.h"
#include "settings/MenuBarTab.h"
#include "settings/SettingsPanes.h"
#include "settings/SettingsWindow.h"
#include "settings/SetupTab.h"
#include "settings/SpacesTab.h"
#include "support/SettingsModelFixture.h"

#include <QApplication>
#include <QTest>
#include <memory>

namespace quillmere {

// The Settings window over the settings model of a laptop with three Desktops, its user defaults those of
// the simulated system and its login item in the temporary folder.
class SettingsWindowTest : public SettingsModelTest {
  protected:
    SettingsWindowTest() {
        // What stands between the user and a clean Permissions pane on a fresh system.
        setUp(true);
        SettingsServices services{
            .defaults = managed.desktop,
            .installed = managed.desktop,
            .running = managed.desktop,
            .dockPresence = dockPresence,
            .configFile = config.file(),
            .loginItem = LoginItem(managed.folder / "autostart" / "quillmere.desktop", "/usr/bin/quillmere")};
        services.screenCaptureAllowed = [this] { return managed.desktop.preflightAccess(); };
        services.requestScreenCapture = [this] { managed.desktop.requestAccess(); };
        services.mainScreenWidth = [this] { return mainScreenWidth; };
        services.openSystemSettings = [this](const std::string& address) { openedAddresses.push_back(address); };
        settings = std::make_unique<SettingsWindow>(std::move(model), std::move(services));
    }

    ~SettingsWindowTest() override { settings.reset(); }

    // Fixes, or breaks, the two system settings a fresh system gets wrong beyond Space order.
    void setUp(bool fixed) {
        managed.desktop.setAppPreference("com.apple.WindowManager", "EnableTilingByEdgeDrag", fixed ? 0 : 1);
        managed.desktop.setAppPreference("com.apple.AppleMultitouchTrackpad", "TrackpadThreeFingerHorizSwipeGesture",
                                         fixed ? 2 : 0);
        managed.desktop.setAppPreference("com.apple.dock", "mru-spaces", fixed ? 0 : 1);
    }

    SettingsModel& theModel() { return settings->model(); }
    QWidget& window() { return *settings->settingsWindow(); }

    template <class Tab> Tab& content(std::string_view tag) {
        return static_cast<Tab&>(settings->pane(tag)->content());
    }
    GeneralTab& general() { return content<GeneralTab>("General"); }
    SpacesTab& spaces() { return content<SpacesTab>("Spaces"); }
    MenuBarTab& menuBar() { return content<MenuBarTab>("MenuBar"); }
    SetupTab& setup() { return content<SetupTab>("Setup"); }

    // The settings window shown on the pane, active, with the focus in it.
    void open(const std::string& pane) {
        settings->show(pane);
        QApplication::setActiveWindow(&window());
        QApplication::processEvents();
    }

    // What the model's working copy holds, as a pane writes it.
    void edit(const std::function<void(Settings&)>& change) {
        Settings edited = theModel().settings();
        change(edited);
        theModel().setSettings(edited);
        theModel().save("Change Setting");
    }

    // As the focus leaves a field for another widget.
    static void moveFocus(QWidget* from, QWidget* to) {
        to->setFocus();
        QFocusEvent focusOut(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(from, &focusOut);
    }

    std::optional<double> mainScreenWidth = 1512;
    std::vector<std::string> openedAddresses;
    // The application's activation policies in the order the windows switched them.
    std::vector<ActivationPolicy> policies;
    DockPresence dockPresence{[this](ActivationPolicy policy) { policies.push_back(policy); }};
    std::unique_ptr<SettingsWindow> settings;
};

} // namespace quillmere
