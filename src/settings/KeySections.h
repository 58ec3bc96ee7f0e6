#pragma once

#include "core/KeyCatalog.h"
#include "settings/model/SettingsModel.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QWidget>
#include <map>
#include <string>
#include <vector>

namespace quillmere {

class Badge;

// The sections of the Keys pane. Each builds its rows from the model when made and again on rebuild(), which
// the pane calls after the bindings changed and the handler that changed them has returned. A search only
// shows and hides rows that exist.

// The small picture of a catalogue action: its symbol, or the screen region it places a window in.
class ActionPicture : public QWidget {
  public:
    explicit ActionPicture(KeyAction::Picture picture, QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    KeyAction::Picture picture_;
};

// Switching to and sending to Spaces 1 to 10: a prefix picker and a key cap per Space.
class SpacesSection : public QGroupBox {
  public:
    explicit SpacesSection(SettingsModel& model, QWidget* parent = nullptr);
    void rebuild();

  private:
    QWidget* row(const QString& title, std::string_view word);

    SettingsModel& model_;
    QWidget* rows_ = nullptr;
};

// One section of the catalogue under a header that folds it away; while the pane filters, the rows that
// pass show whatever the fold.
class ActionSection : public QWidget {
  public:
    ActionSection(SettingsModel& model, const KeyAction::Section& section, QWidget* parent = nullptr);

    void rebuild();
    // Shows the actions that pass the query; false when none does, and the pane leaves the section out.
    bool filter(std::string_view query);

    bool expanded() const { return expanded_; }
    QPushButton& toggle() { return *toggle_; }
    QPushButton& restore() { return *restore_; }
    // The row of a command, none when it has none.
    QWidget* row(const std::string& command) const;

  private:
    void updateHeader();
    void updateContent();

    SettingsModel& model_;
    const KeyAction::Section& section_;
    std::vector<std::string> commands_;
    bool expanded_ = true;
    bool filtering_ = false;
    QPushButton* toggle_;
    QLabel* chevron_;
    Badge* changed_ = nullptr;
    QWidget* content_ = nullptr;
    QPushButton* restore_ = nullptr;
    std::map<std::string, QWidget*> rows_;
};

// Bindings of commands the catalogue does not list, searched by command; hidden while it has none.
class CustomSection : public QGroupBox {
  public:
    explicit CustomSection(SettingsModel& model, QWidget* parent = nullptr);
    void rebuild(std::string_view query);

  private:
    SettingsModel& model_;
    QWidget* rows_ = nullptr;
};

} // namespace quillmere
