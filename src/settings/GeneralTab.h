#pragma once

#include "settings/LoginItemToggle.h"
#include "settings/OpacitySlider.h"
#include "settings/SettingsPaneContent.h"
#include "settings/SettingsServices.h"
#include "settings/model/SettingsModel.h"
#include "widgets/NumberField.h"
#include "widgets/SwitchRow.h"

#include <QColorDialog>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <array>
#include <functional>
#include <optional>

namespace quillmere {

// The General pane: behaviour settings that belong to no other pane, with the Startup, Updates, Command line
// and Configuration sections. Every control writes one field of the model's working copy and saves it as
// "Change Setting"; an optional switch always stores true or false, a picker stores nothing for the built-in
// choice, and an emptied number field stores nothing.
class GeneralTab final : public SettingsPaneContent {
  public:
    GeneralTab(SettingsModel& model, SettingsServices& services);

    void reload() override;

    SwitchRow* switchRow(const QString& title) const;
    NumberField* numberField(const QString& title) const;
    OpacitySlider* slider(const QString& title) const;
    QComboBox* tiling() const { return tiling_; }
    QComboBox* stacking() const { return stacking_; }
    QWidget* captureWarning() const { return captureWarning_; }
    QPushButton* useAccentColour() const { return useAccent_; }
    QPushButton* colourWell() const { return colourWell_; }
    QWidget* borderRows() const { return borderRows_; }
    QWidget* dimmingRow() const { return dimmingRow_; }

    // Sets the border colour as the colour well's dialog does once the user picks one.
    void chooseColour(const QColor& colour);

  private:
    // Writes the working copy, then saves it.
    void change(const std::function<void(Settings&)>& edit);
    SwitchRow* addSwitch(QFormLayout* form, const QString& title, const QString& caption,
                         std::function<bool(const Settings&)> shown, std::function<void(Settings&, bool)> write);
    NumberField* addNumber(QFormLayout* form, const QString& title, Settings::ClosedRange range,
                           std::optional<double> Settings::* field);
    OpacitySlider* addSlider(QFormLayout* form, const QString& title, Settings::ClosedRange range,
                             std::optional<double> Settings::* field, double (Settings::*shown)() const);
    // A choice of algorithm that stores nothing for the built-in one.
    template <class Algorithm, std::size_t count>
    QComboBox* addPicker(QFormLayout* form, const QString& title, const std::array<Algorithm, count>& all,
                         Algorithm builtIn, std::optional<Algorithm> Settings::* field);
    void buildSections(QVBoxLayout* column);
    void openColourDialog();

    SettingsModel& model_;
    SettingsServices& services_;
    // Each control with what it shows of the settings.
    std::vector<std::function<void(const Settings&)>> reloaders_;
    QComboBox* tiling_ = nullptr;
    QComboBox* stacking_ = nullptr;
    QWidget* captureWarning_ = nullptr;
    QPushButton* useAccent_ = nullptr;
    QPushButton* colourWell_ = nullptr;
    QWidget* borderRows_ = nullptr;
    QWidget* dimmingRow_ = nullptr;
    QWidget* spacingFields_ = nullptr;
    NumberField* ratio_ = nullptr;
    QColorDialog* colourDialog_ = nullptr;
};

} // namespace quillmere
