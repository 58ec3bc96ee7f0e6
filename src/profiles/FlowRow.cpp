#include "profiles/FlowRow.h"

#include <cmath>

namespace quillmere {

FlowRow::~FlowRow() {
    for (QLayoutItem* item : items_)
        delete item;
}

QLayoutItem* FlowRow::itemAt(int index) const {
    return index >= 0 && index < count() ? items_[static_cast<std::size_t>(index)] : nullptr;
}

QLayoutItem* FlowRow::takeAt(int index) {
    if (index < 0 || index >= count())
        return nullptr;
    QLayoutItem* item = items_[static_cast<std::size_t>(index)];
    items_.erase(items_.begin() + index);
    return item;
}

std::vector<Size> FlowRow::sizes() const {
    std::vector<Size> sizes;
    for (const QLayoutItem* item : items_) {
        const QSize hint = item->sizeHint();
        sizes.push_back(Size{static_cast<double>(hint.width()), static_cast<double>(hint.height())});
    }
    return sizes;
}

int FlowRow::heightForWidth(int width) const {
    return static_cast<int>(std::ceil(flow_.sizeThatFits(sizes(), width).height));
}

QSize FlowRow::sizeHint() const {
    const Size size = flow_.sizeThatFits(sizes(), std::nullopt);
    return {static_cast<int>(std::ceil(size.width)), static_cast<int>(std::ceil(size.height))};
}

QSize FlowRow::minimumSize() const {
    QSize widest;
    for (const QLayoutItem* item : items_)
        widest = widest.expandedTo(item->minimumSize());
    return widest;
}

void FlowRow::setGeometry(const QRect& rect) {
    QLayout::setGeometry(rect);
    const std::vector<Rect> frames = flow_.place(sizes(), Rect(rect.x(), rect.y(), rect.width(), rect.height()));
    for (std::size_t index = 0; index < items_.size(); ++index) {
        const Rect& frame = frames[index];
        items_[index]->setGeometry(QRect(static_cast<int>(std::lround(frame.origin.x)),
                                         static_cast<int>(std::lround(frame.origin.y)),
                                         static_cast<int>(std::lround(frame.size.width)),
                                         static_cast<int>(std::lround(frame.size.height))));
    }
}

} // namespace quillmere
