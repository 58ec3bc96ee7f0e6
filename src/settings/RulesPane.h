#pragma once

#include "settings/SettingsPaneContent.h"
#include "settings/model/InstalledApps.h"
#include "settings/model/SettingsModel.h"
#include "widgets/AppIcons.h"
#include "widgets/AppViews.h"
#include "widgets/DeferredCall.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <cstdint>
#include <string>
#include <vector>

namespace quillmere {

// The Rules pane: applications that always float, windows that float by title, applications whose new
// windows go to a Desktop, and applications that open full screen. Rules name applications by display name;
// a name nobody has is warned about but accepted. The pane keeps only what is typed into its entry rows.
//
// Rule rows are rebuilt after the model changed, once the handler that changed it has returned; the entry
// rows stay, with what is typed in them.
class RulesPane : public SettingsPaneContent {
  public:
    // The table and the icons must outlive the pane.
    RulesPane(SettingsModel& model, InstalledApps& apps, AppIcons& icons, QWidget* parent = nullptr);
    ~RulesPane() override;

    void reload() override;

    // The entry rows, as the user types into them.
    AppField& newFloat() { return *newFloat_; }
    QPushButton& addFloat() { return *addFloat_; }
    FieldNote& floatNote() { return *floatNote_; }
    AppField& newTitleApp() { return *newTitleApp_; }
    QLineEdit& newTitle() { return *newTitle_; }
    QPushButton& addTitle() { return *addTitle_; }
    FieldNote& titleNote() { return *titleNote_; }
    FieldNote& titleAppNote() { return *titleAppNote_; }
    AppField& newApp() { return *newApp_; }
    QComboBox& newSpace() { return *newSpace_; }
    QPushButton& addSpace() { return *addSpace_; }
    FieldNote& spaceNote() { return *spaceNote_; }
    QLabel& spaceFooter() { return *spaceFooter_; }
    AppField& newFullScreen() { return *newFullScreen_; }
    QPushButton& addFullScreen() { return *addFullScreen_; }
    FieldNote& fullScreenNote() { return *fullScreenNote_; }
    QLabel& introduction() { return *introduction_; }

    // The rows each section lists, top to bottom.
    QWidget& floatRows() { return *floatRows_; }
    QWidget& titleRows() { return *titleRows_; }
    QWidget& spaceRows() { return *spaceRows_; }
    QWidget& fullScreenRows() { return *fullScreenRows_; }

  private:
    struct Section {
        QVBoxLayout* layout;
        QWidget* rows;
    };
    // An application-name field with its Add button and the note under them.
    struct NameEntry {
        AppField* field;
        QPushButton* add;
        FieldNote* note;
    };
    NameEntry nameEntry(const Section& section, QWidget* middle, std::function<void(Settings&, std::string_view)> add,
                        const std::string& action);
    Section section(QVBoxLayout& form, const QString& header, const QString& footer);
    QWidget* ruleRow(const std::string& name, const std::string& action, std::function<void(Settings&)> remove);
    // Desktops 1 to the model's count, showing the given one.
    void fillSpacePicker(QComboBox& picker, std::int64_t shown) const;
    AppField* appField(QWidget* parent);
    QPushButton* addButton(QWidget* parent, std::function<void()> add);

    void sync();
    void rebuildRows();
    void updateEntries();
    void edit(const std::function<void(Settings&)>& change, const std::string& action);
    std::vector<std::pair<std::string, std::string>> windows() const;

    SettingsModel& model_;
    InstalledApps& apps_;
    AppIcons& icons_;
    SettingsModel::ObserverToken observer_;
    DeferredCall sync_{*this, [this] { sync(); }};

    QLabel* introduction_ = nullptr;
    QWidget* floatRows_ = nullptr;
    QWidget* titleRows_ = nullptr;
    QWidget* spaceRows_ = nullptr;
    QWidget* fullScreenRows_ = nullptr;
    AppField* newFloat_ = nullptr;
    QPushButton* addFloat_ = nullptr;
    FieldNote* floatNote_ = nullptr;
    AppField* newTitleApp_ = nullptr;
    QLineEdit* newTitle_ = nullptr;
    QPushButton* addTitle_ = nullptr;
    FieldNote* titleNote_ = nullptr;
    FieldNote* titleAppNote_ = nullptr;
    AppField* newApp_ = nullptr;
    QComboBox* newSpace_ = nullptr;
    QPushButton* addSpace_ = nullptr;
    FieldNote* spaceNote_ = nullptr;
    QLabel* spaceFooter_ = nullptr;
    AppField* newFullScreen_ = nullptr;
    QPushButton* addFullScreen_ = nullptr;
    FieldNote* fullScreenNote_ = nullptr;
    // The Desktop the next Desktop rule goes to; it stays after an Add.
    std::int64_t chosenSpace_ = 1;
};

} // namespace quillmere
