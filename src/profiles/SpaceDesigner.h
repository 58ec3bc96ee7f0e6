#pragma once

#include "profiles/LayoutCanvas.h"
#include "profiles/ProfilesServices.h"
#include "profiles/SectionBox.h"
#include "profiles/SpaceDesign.h"
#include "profiles/TemplateButton.h"
#include "settings/model/SettingsModel.h"

#include <QAbstractButton>
#include <QLabel>
#include <QToolButton>
#include <QWidget>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace quillmere {

// The editor of one Desktop of a profile: its title and clearing menu, its layout mode, the templates, the
// drawing of its parts on each display it covers, and its floating and other apps. Every edit saves the
// profile through the settings model as "Change Profile"; the owner builds a new designer from the saved
// profile, so this one keeps no state.
class SpaceDesigner : public SectionBox {
  public:
    // The model and the services must outlive the designer.
    SpaceDesigner(SettingsModel& model, ProfilesServices& services, SpaceDesign design, QWidget* parent = nullptr);

    // Called with a part's display when the user presses another part.
    std::function<void(const std::optional<std::string>&)> select = [](const std::optional<std::string>&) {};

    const SpaceDesign& design() const { return design_; }
    // One per part, in part order.
    const std::vector<LayoutCanvas*>& canvases() const { return canvases_; }
    QToolButton* actionsMenu() const { return actions_; }
    QAbstractButton* modeButton(LayoutMode mode) const;
    const std::vector<TemplateButton*>& templateButtons() const { return templates_; }

  private:
    QWidget* title();
    QWidget* controls();
    QWidget* canvas();
    QWidget* appList(const QString& title, const QString& detail, const std::vector<WindowRef>& refs,
                     std::function<void(SpaceSnapshot&, std::vector<WindowRef>)> set);
    void update(const DesktopPart& part, const SpaceDesign::Edit& edit);
    void clear(const std::vector<DesktopPart>& parts);

    SettingsModel& model_;
    ProfilesServices& services_;
    SpaceDesign design_;
    QToolButton* actions_ = nullptr;
    std::vector<QAbstractButton*> modes_;
    std::vector<LayoutCanvas*> canvases_;
    std::vector<TemplateButton*> templates_;
};

} // namespace quillmere
