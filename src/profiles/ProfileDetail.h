#pragma once

#include "profiles/DesktopChip.h"
#include "profiles/ProfileEditor.h"
#include "profiles/ProfilesServices.h"
#include "profiles/SpaceDesigner.h"
#include "profiles/WhenAppliedSection.h"
#include "widgets/DeferredCall.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QToolButton>
#include <QVBoxLayout>
#include <vector>

namespace quillmere {

// The editor of one profile, the right side of the Profiles window, in one scrolling column: the header
// (icon, name, rename, summary, Apply Profile), the Desktops section (display picker and Desktop chips),
// then the Space designer and the "When applied" section. It edits nothing in place: every edit saves a
// changed copy through the model, and the window hands the stored result back through setProfile, which
// keeps the chosen display and Desktop. Widgets take the profile's values without signals, as setting one
// would save again.
class ProfileDetail final : public QScrollArea {
  public:
    ProfileDetail(SettingsModel& model, ProfilesServices& services, const Profile& profile, QWidget* parent = nullptr);

    const std::string& name() const { return editor_.profile().name; }
    ProfileEditor& editor() { return editor_; }
    // The stored version of the same profile; the sections are built again.
    void setProfile(const Profile& profile);

    QToolButton& iconButton() { return *iconButton_; }
    QToolButton& renameButton() { return *renameButton_; }
    QPushButton& applyButton() { return *applyButton_; }
    QLabel& summaryText() { return *summary_; }
    // The chips of Desktops 1 to the Desktop count.
    const std::vector<DesktopChip*>& chips() const { return chips_; }
    // The segments of the display picker, by display; empty without one.
    const std::vector<QAbstractButton*>& displaySegments() const { return displaySegments_; }
    SpaceDesigner& designer() { return *designer_; }
    WhenAppliedSection& whenApplied() { return *whenApplied_; }

  private:
    void rebuild();
    QWidget* header();
    QWidget* desktops();
    QWidget* displayPicker();
    SpaceDesigner* spaceDesigner();
    QWidget* segments(const std::vector<std::pair<std::string, std::string>>& displays);
    void chooseIcon();
    // The column is built again once the handler that changed the view state has returned.
    void changedView();

    SettingsModel& model_;
    ProfilesServices& services_;
    ProfileEditor editor_;
    QVBoxLayout* column_;
    QToolButton* iconButton_ = nullptr;
    QToolButton* renameButton_ = nullptr;
    QPushButton* applyButton_ = nullptr;
    QLabel* summary_ = nullptr;
    std::vector<DesktopChip*> chips_;
    std::vector<QAbstractButton*> displaySegments_;
    SpaceDesigner* designer_ = nullptr;
    // Kept through rebuilds: it follows the stored profile itself, and its item fields keep what the user
    // is typing and the focus.
    WhenAppliedSection* whenApplied_ = nullptr;
    bool choosingIcon_ = false;
    DeferredCall rebuildLater_;
};

} // namespace quillmere
