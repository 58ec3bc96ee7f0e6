#pragma once

#include "settings/SettingsPaneContent.h"
#include "settings/model/SettingsModel.h"
#include "widgets/SwitchRow.h"

#include <QButtonGroup>
#include <QLabel>
#include <QListWidget>
#include <set>
#include <vector>

namespace quillmere {

// The Menu Bar pane: which items the status item shows, in which order and with which Space index style,
// with a preview of the result. Every edit stores the complete list of eight items and the style in force,
// and saves it as "Change Setting".
class MenuBarTab final : public SettingsPaneContent {
  public:
    explicit MenuBarTab(SettingsModel& model);

    void reload() override;

    QListWidget* list() const { return list_; }
    // The switch of the row at that place in the list; none while the rows are being rebuilt.
    QCheckBox* rowSwitch(int row) const;
    QString rowTitle(int row) const;
    QAbstractButton* styleButton(MenuBarSettings::IndexStyle style) const;
    const QLabel* preview() const { return preview_; }

    // Moves rows as a drag in the list does: the offsets count in the list before the move.
    void moveRows(const std::set<std::size_t>& sources, std::size_t destination);

  private:
    void store(const MenuBarSettings& settings);
    void rebuildRows(const std::vector<MenuBarSettings::Entry>& entries);

    SettingsModel& model_;
    QLabel* preview_;
    QListWidget* list_;
    QButtonGroup* styles_;
    std::vector<MenuBarSettings::Item> shownOrder_;
};

} // namespace quillmere
