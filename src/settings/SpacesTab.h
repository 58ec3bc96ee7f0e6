#pragma once

#include "settings/LayoutModePicker.h"
#include "settings/SettingsPaneContent.h"
#include "settings/model/SettingsModel.h"

#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <vector>

namespace quillmere {

// The Spaces pane: a label and a layout for each Desktop there is now. Typing a label writes the model's
// working copy at once; Return, leaving the field or the window no longer being active saves it as one
// "Change Space Label" step. A layout is saved at once as "Change Layout". Entries for Desktops beyond those
// there are now are kept but not shown.
class SpacesTab final : public SettingsPaneContent {
  public:
    explicit SpacesTab(SettingsModel& model);

    void reload() override;
    void windowDeactivated() override;

    QString explanation() const { return explanation_->text(); }
    int rowCount() const { return static_cast<int>(rows_.size()); }
    // Desktop n's controls, counted from 1.
    QLineEdit* labelField(int desktop) const { return rows_.at(static_cast<std::size_t>(desktop - 1)).label; }
    LayoutModePicker* layoutPicker(int desktop) const { return rows_.at(static_cast<std::size_t>(desktop - 1)).layout; }

  private:
    struct Row {
        QWidget* widget;
        QLineEdit* label;
        LayoutModePicker* layout;
    };

    Row makeRow(int desktop);
    void saveLabel();

    SettingsModel& model_;
    QLabel* explanation_;
    QVBoxLayout* rowsLayout_;
    std::vector<Row> rows_;
};

} // namespace quillmere
