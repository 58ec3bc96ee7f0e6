#pragma once

#include "platform/LocalKeyMonitors.h"

#include <QObject>
#include <map>

namespace quillmere {

// Local key monitors over an event filter on the whole application, installed while any monitor is: a key
// press becomes a key down, a press or release of a modifier a modifiers change with the modifiers held after
// it. Every key event is swallowed meanwhile, and shortcut overrides are accepted so that no window shortcut
// (Undo, Quit) fires on a chord being recorded. Needs the Qt application object.
class QtLocalKeyMonitors final : public QObject, public LocalKeyMonitors {
  public:
    ~QtLocalKeyMonitors() override;

    KeyMonitorToken addLocalMonitor(Handler handler) override;
    void removeMonitor(KeyMonitorToken token) override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void deliver(const LocalKeyEvent& event);

    std::map<std::uint64_t, Handler> monitors_;
    std::uint64_t next_ = 1;
};

} // namespace quillmere
