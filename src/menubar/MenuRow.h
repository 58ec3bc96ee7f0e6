#pragma once

#include <QAbstractButton>
#include <QColor>
#include <optional>
#include <string>

namespace quillmere {

// What a row shows: a symbol, a title of at most two lines, and at the right an optional shortcut text and
// an optional symbol.
struct MenuRowLabel {
    std::string title;
    std::string symbol;
    std::optional<std::string> shortcut;
    std::optional<QColor> tint;
    std::optional<std::string> trailing;
};

// A row that looks and behaves like a menu item: highlighted under the pointer and while pressed, dimmed and
// never highlighted while disabled. An inert row is only a label: no highlight, no clicks. An icon-only row
// shows just its symbol; its title is its accessible name.
class MenuRow : public QAbstractButton {
  public:
    static constexpr int horizontalInset = 8;
    static constexpr int verticalInset = 4;
    static constexpr int symbolWidth = 16;
    static constexpr int spacing = 8;
    static constexpr double disabledOpacity = 0.4;

    explicit MenuRow(MenuRowLabel label, QWidget* parent = nullptr);

    const MenuRowLabel& label() const { return label_; }
    void setInert(bool inert);
    bool inert() const { return inert_; }
    void setIconOnly(bool iconOnly);
    bool highlighted() const;

    QSize sizeHint() const override;
    bool hasHeightForWidth() const override { return !iconOnly_; }
    int heightForWidth(int width) const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    bool hitButton(const QPoint& position) const override;

  private:
    QRect titleArea(int width) const;
    int trailingWidth() const;

    MenuRowLabel label_;
    bool inert_ = false;
    bool iconOnly_ = false;
    bool hovering_ = false;
};

} // namespace quillmere
