#pragma once

#include <QWidget>
#include <functional>

class QPropertyAnimation;

namespace quillmere {

// The window that drops down from the status item: frameless, above other windows, outside the task bar. It
// never closes or minimizes itself: Esc, Ctrl+W, Ctrl+M and the window system's close each call `onCancel`
// once, and its owner decides what closing means. Its content sits on the palette's window colour, clipped to
// rounded corners by a window mask, so that no compositor is needed.
class MenuBarPanel : public QWidget {
  public:
    static constexpr int fadeMilliseconds = 120;
    static constexpr double cornerRadius = 14;

    MenuBarPanel();

    std::function<void()> onCancel = [] {};

    // The one content widget, sized by the caller.
    void setContent(QWidget* content);
    QWidget* content() const { return content_; }
    // Fades in from transparent and takes the keyboard, so that Esc reaches it.
    void reveal();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    QWidget* content_ = nullptr;
    QPropertyAnimation* fade_ = nullptr;
};

} // namespace quillmere
