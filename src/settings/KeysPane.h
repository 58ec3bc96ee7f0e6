#pragma once

#include "settings/Confirmation.h"
#include "settings/SettingsPaneContent.h"
#include "settings/model/SettingsModel.h"
#include "widgets/DeferredCall.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <functional>
#include <vector>

namespace quillmere {

class ActionSection;
class CustomSection;
class SpacesSection;
class SwitchRow;

// The Keys pane: a search and the presets menu above the notice of the last key-binding change, the switch
// for all shortcuts, and every binding by section.
//
// Rows are built when the bindings change, always after the handler that changed them has returned (the
// button clicked may be one of them); a search only shows and hides the rows built.
class KeysPane : public SettingsPaneContent {
  public:
    explicit KeysPane(SettingsModel& model, QWidget* parent = nullptr);
    ~KeysPane() override;

    void reload() override;

    // Asks before a preset or the defaults replace the bindings; a message box unless replaced.
    std::function<bool(const Confirmation&)> confirm;

    QLineEdit& search() { return *search_; }
    QPushButton& presets() { return *presets_; }
    QWidget& noticeRow() { return *noticeRow_; }
    QLabel& notice() { return *notice_; }
    QPushButton& undoNotice() { return *undoNotice_; }
    QPushButton& dismissNotice() { return *dismissNotice_; }
    SwitchRow& shortcutsSwitch() { return *switch_; }
    SpacesSection& spacesSection() { return *spaces_; }
    const std::vector<ActionSection*>& sections() const { return sections_; }
    CustomSection& customSection() { return *custom_; }

    static Confirmation restoreConfirmation();
    static Confirmation presetConfirmation(const KeyPreset& preset);

  private:
    QWidget* topBar();
    QWidget* form();
    void sync();
    void applyQuery();
    void updateNotice();
    void confirmRestore();

    SettingsModel& model_;
    SettingsModel::ObserverToken observer_;
    UndoManager::ObserverToken undoObserver_;
    DeferredCall sync_{*this, [this] { sync(); }};
    Settings::KeyMap builtKeys_;
    int builtSpaceCount_ = 0;
    QLineEdit* search_ = nullptr;
    QPushButton* presets_ = nullptr;
    QWidget* noticeRow_ = nullptr;
    QLabel* notice_ = nullptr;
    QPushButton* undoNotice_ = nullptr;
    QPushButton* dismissNotice_ = nullptr;
    SwitchRow* switch_ = nullptr;
    SpacesSection* spaces_ = nullptr;
    std::vector<ActionSection*> sections_;
    CustomSection* custom_ = nullptr;
};

} // namespace quillmere
