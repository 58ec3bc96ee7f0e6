#pragma once

#include "platform/qt/PanelViewPainter.h"
#include "platform/qt/ScreensLayout.h"
#include "platform/qt/ScreensPicture.h"
#include "platform/sim/SimulatedDesktop.h"

#include <QWidget>
#include <optional>

namespace quillmere {

// Draws the simulated desktop: each display with its menu bar and the windows of the Space it shows, back
// to front, and the application's panels where they stand. The user acts on it as on a Mac: the mouse
// moves the pointer, a click focuses the window under it and a drag moves the window as its application
// would (with fn held the press goes to no application, as a gesture takes it); keys are pressed as on
// the Mac's keyboard, so that the system's shortcuts and the global hot keys fire. Redraws when told that the desktop changed.
class SimulatedScreensView final : public QWidget {
  public:
    // Without a painter, panels show only their background.
    SimulatedScreensView(SimulatedDesktop& desktop, const PanelViewPainter* painter,
                         QWidget* parent = nullptr);

    // Whether fn counts as held, for the mouse and the keys.
    void setFnHeld(bool held) { fnHeld_ = held; }
    bool fnHeld() const { return fnHeld_; }
    // Draws the desktop anew soon. Called while the desktop is in the middle of a change, so the picture is
    // taken only when it is needed.
    void desktopChanged();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

  private:
    // The mouse is placed on the picture the user saw, the one last drawn.
    void takePictureIfStale();
    ScreensLayout layout() const;
    Point globalPoint(QMouseEvent* event) const;
    static std::optional<int> scriptButton(Qt::MouseButton button);
    void postKey(QKeyEvent* event, bool down);

    SimulatedDesktop& desktop_;
    const PanelViewPainter* painter_;
    ScreensPicture picture_;
    bool pictureStale_ = false;
    bool fnHeld_ = false;
};

} // namespace quillmere
