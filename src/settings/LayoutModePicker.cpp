#include "settings/LayoutModePicker.h"

#include "platform/qt/Symbols.h"

#include <QHBoxLayout>
#include <QSignalBlocker>
#include <QToolButton>

namespace quillmere {
namespace {

QString help(LayoutMode mode) {
    switch (mode) {
    case LayoutMode::bsp:
        return "Tile: windows sit side by side";
    case LayoutMode::stack:
        return "Stack: every window fills the Space; cycle through them with the stack keys";
    case LayoutMode::float_:
        return "Float: windows stay where you put them";
    }
    return {};
}

} // namespace

LayoutModePicker::LayoutModePicker(QWidget* parent) : QWidget(parent), group_(new QButtonGroup(this)) {
    setAccessibleName("Layout");
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (std::size_t index = 0; index < allLayoutModes.size(); ++index) {
        const LayoutMode mode = allLayoutModes[index];
        auto* segment = new QToolButton(this);
        segment->setCheckable(true);
        segment->setAutoRaise(false);
        segment->setIcon(symbolIcon(symbol(mode)));
        segment->setToolTip(help(mode));
        segment->setAccessibleName(help(mode));
        group_->addButton(segment, static_cast<int>(index));
        layout->addWidget(segment);
    }
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    QObject::connect(group_, &QButtonGroup::idClicked, this,
                     [this](int id) { onChoose(allLayoutModes[static_cast<std::size_t>(id)]); });
}

void LayoutModePicker::setMode(LayoutMode mode) {
    const QSignalBlocker blocker(group_);
    segment(mode)->setChecked(true);
}

LayoutMode LayoutModePicker::mode() const {
    const int id = group_->checkedId();
    return id < 0 ? LayoutMode::bsp : allLayoutModes[static_cast<std::size_t>(id)];
}

QAbstractButton* LayoutModePicker::segment(LayoutMode mode) const {
    for (std::size_t index = 0; index < allLayoutModes.size(); ++index)
        if (allLayoutModes[index] == mode)
            return group_->button(static_cast<int>(index));
    return nullptr;
}

} // namespace quillmere
