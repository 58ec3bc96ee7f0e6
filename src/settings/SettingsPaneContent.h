#pragma once

#include <QWidget>

namespace quillmere {

// The content of one Settings pane. It keeps no settings of its own: reload() shows the model's values
// again, without telling the model, and is called after every refresh of the model.
class SettingsPaneContent : public QWidget {
  public:
    using QWidget::QWidget;

    virtual void reload() {}
    // The window is no longer the active one: what is being typed is kept before a refresh would drop it.
    virtual void windowDeactivated() {}
};

} // namespace quillmere
