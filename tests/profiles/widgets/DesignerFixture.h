#pragma once

#include "profiles/ProfilesServices.h"
#include "profiles/SpaceDesigner.h"
#include "stores/ProfileStore.h"
#include "support/SettingsModelFixture.h"
#include "support/TemporaryDirectory.h"

#include <QApplication>
#include <QMouseEvent>
#include <memory>

namespace quillmere {

struct DesignerApps final : InstalledApplications {
    std::vector<InstalledApplication> apps{
        {"com.apple.Safari", "Safari"}, {"com.apple.mail", "Mail"}, {"com.apple.Notes", "Notes"}};
    std::vector<InstalledApplication> installedApplications() override { return apps; }
};

// The settings model on the simulated laptop with Safari, Mail and Notes installed, and the profile
// editor's views over it, built afresh from the stored profile after each save as the profile editor does.
class DesignerTest : public SettingsModelTest {
  protected:
    // What the views do once the handler of the user's action has returned.
    static void settleWidgets() {
        QApplication::processEvents();
        QApplication::processEvents();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void store(const Profile& profile) {
        ASSERT_EQ(managed.profiles.save(profile), std::nullopt);
        model->refresh();
    }

    const Profile& stored(const std::string& name) const {
        return *std::ranges::find(model->profiles(), name, &Profile::name);
    }

    static DesktopPart part(const std::optional<std::string>& display, const std::optional<std::string>& name,
                            Rect frame, const Profile& profile, std::int64_t space) {
        for (const auto& snapshot : profile.spaces)
            if (snapshot.space == space && snapshot.display == display)
                return {display, name, frame, snapshot, true};
        return {display, name, frame, {.space = space, .tree = LayoutSnapshot::tile(), .display = display}, false};
    }

    // The designer of one Desktop of the stored profile, shown.
    SpaceDesigner& designer(const std::string& profile, std::vector<DesktopPart> parts,
                            std::optional<std::string> selected) {
        shown = std::make_unique<SpaceDesigner>(
            *model, services, SpaceDesign(stored(profile), std::nullopt, std::move(parts), std::move(selected)));
        shown->resize(760, 720);
        shown->show();
        settleWidgets();
        return *shown;
    }

    static void send(QWidget& widget, QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
        QMouseEvent event(type, at, widget.mapToGlobal(at), Qt::LeftButton, buttons, Qt::NoModifier);
        QApplication::sendEvent(&widget, &event);
    }

    static void drag(QWidget& widget, QPoint from, QPoint to) {
        send(widget, QEvent::MouseButtonPress, from, Qt::LeftButton);
        const QPoint step = (to - from) / 4;
        for (int i = 1; i <= 4; ++i)
            send(widget, QEvent::MouseMove, i == 4 ? to : from + step * i, Qt::LeftButton);
        send(widget, QEvent::MouseButtonRelease, to, Qt::NoButton);
    }

    DesignerApps installed;
    TemporaryDirectory noFolders;
    InstalledApps apps{installed, managed.desktop, {{noFolders.path()}, "C"}};
    AppIcons icons{[this](std::string_view name) { return apps.iconName(name); }};
    ProfilesServices services{.apps = apps,
                              .icons = icons,
                              .displays = managed.desktop,
                              .symbols = managed.symbols,
                              .folder = managed.profiles.directory(),
                              .previews = &managed.previews};
    std::unique_ptr<SpaceDesigner> shown;
};

} // namespace quillmere
