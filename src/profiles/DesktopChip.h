#pragma once

#include "profiles/TileDrag.h"

#include <QAbstractButton>
#include <cstdint>
#include <functional>

namespace quillmere {

// One Desktop of the edited display, as a capsule: its number and label, a plus while the profile does not
// arrange it (outlined in dashes), and how many windows it holds. A tile dragged inside the application and
// dropped on it hands the tile to `dropped`; any other drop is refused.
class DesktopChip final : public QAbstractButton {
  public:
    struct Look {
        std::int64_t desktop = 1;
        std::optional<std::string> label;
        bool arranged = false;
        bool selected = false;
        std::int64_t windows = 0;
    };

    DesktopChip(Look look, std::function<void(const TileDrag&)> dropped, QWidget* parent = nullptr);

    const Look& look() const { return look_; }
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    QString text() const;
    QFont smallFont() const;

    Look look_;
    std::function<void(const TileDrag&)> dropped_;
};

} // namespace quillmere
