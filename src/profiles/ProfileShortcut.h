#pragma once

#include "settings/model/SettingsModel.h"
#include "widgets/DeferredCall.h"

#include <QWidget>
#include <string>
#include <vector>

namespace quillmere {

// The chords bound to a command, each a chord button, or a slot that records the first one.
class ProfileShortcut : public QWidget {
  public:
    ProfileShortcut(SettingsModel& model, std::string command, QWidget* parent = nullptr);
    ~ProfileShortcut() override;

    // The chords shown, in order.
    const std::vector<std::string>& shown() const { return chords_; }

  private:
    void rebuild();

    SettingsModel& model_;
    std::string command_;
    std::vector<std::string> chords_;
    SettingsModel::ObserverToken observer_;
    DeferredCall rebuildLater_;
};

} // namespace quillmere
