#pragma once

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QWidget>
#include <functional>
#include <vector>

namespace quillmere {

// Calls `close` on every mouse press, left, right or middle, outside the given windows and outside an area
// that counts as inside (the status item's, which another program draws), and when the application stops
// being active, as it does on a click into another program. Presses are never consumed. Idle until started;
// destroying it stops it. Main thread only.
class OutsideClicks : public QObject {
  public:
    OutsideClicks() = default;
    ~OutsideClicks() override;

    // Replaces any earlier watch.
    void start(std::vector<QPointer<QWidget>> inside, std::function<QRect()> insideArea, std::function<void()> close);
    void stop();
    bool watching() const { return watching_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool isInside(QObject* window, QPoint global) const;

    std::vector<QPointer<QWidget>> inside_;
    std::function<QRect()> insideArea_;
    std::function<void()> close_;
    QMetaObject::Connection deactivation_;
    bool watching_ = false;
};

} // namespace quillmere
