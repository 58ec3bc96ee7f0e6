#pragma once

#include "menubar/FlowLayout.h"

#include <QLayout>
#include <vector>

namespace quillmere {

// A Qt layout that wraps its widgets into rows as the menu bar's flow layout places them.
class FlowRow final : public QLayout {
  public:
    explicit FlowRow(FlowLayout flow, QWidget* parent = nullptr) : QLayout(parent), flow_(flow) {
        setContentsMargins(0, 0, 0, 0);
    }
    ~FlowRow() override;

    void addItem(QLayoutItem* item) override { items_.push_back(item); }
    int count() const override { return static_cast<int>(items_.size()); }
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;
    Qt::Orientations expandingDirections() const override { return {}; }
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSize() const override;
    void setGeometry(const QRect& rect) override;

  private:
    std::vector<Size> sizes() const;

    FlowLayout flow_;
    std::vector<QLayoutItem*> items_;
};

} // namespace quillmere
