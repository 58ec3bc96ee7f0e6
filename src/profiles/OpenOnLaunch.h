#pragma once

#include "profiles/LaunchItems.h"
#include "profiles/ProfilesServices.h"
#include "profiles/SectionBox.h"
#include "settings/model/SettingsModel.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QToolButton>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

namespace quillmere {

// The items one application opens at launch, one per line. The text is committed when the editor loses
// the focus (also to a sheet or another window) and when the field leaves the screen; typing alone never
// saves.
class LaunchItemsField : public QWidget {
  public:
    LaunchItemsField(const std::vector<std::string>& saved, QWidget* parent = nullptr);
    ~LaunchItemsField() override;

    std::function<void(const std::vector<std::string>&)> save = [](const std::vector<std::string>&) {};

    void setSaved(const std::vector<std::string>& saved);
    QPlainTextEdit& editor() { return *editor_; }
    const LaunchItemsText& text() const { return text_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    void commit();
    void show(const std::string& text);
    // Grows with the lines, between the smallest and the largest height.
    void fitHeight();

    LaunchItemsText text_;
    QPlainTextEdit* editor_;
    bool showing_ = false;
};

// The "Advanced" section: for every application of the profile, the items it opens when applying the
// profile launches it, saved as "Change Items to Open". It starts closed.
class OpenOnLaunch : public SectionBox {
  public:
    OpenOnLaunch(SettingsModel& model, ProfilesServices& services, Profile profile, QWidget* parent = nullptr);

    // A newer stored version of the profile: fields the user has not typed in follow it.
    void setProfile(Profile profile);
    bool expanded() const { return expanded_; }
    void setExpanded(bool expanded);
    QToolButton& disclosure() { return *disclosure_; }
    QString summary() const { return summary_->isVisible() ? summary_->text() : QString(); }
    std::vector<std::string> listed() const;
    LaunchItemsField* field(const std::string& id) const;

  private:
    void rebuildRows();
    void updateSummary();

    SettingsModel& model_;
    ProfilesServices& services_;
    Profile profile_;
    bool expanded_ = false;
    QToolButton* disclosure_;
    QLabel* summary_;
    QWidget* content_;
    QWidget* rows_ = nullptr;
    std::vector<std::pair<std::string, LaunchItemsField*>> fields_;
};

} // namespace quillmere
