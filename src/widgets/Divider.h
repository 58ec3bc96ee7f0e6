#pragma once

#include <QFrame>

namespace quillmere {

// A thin horizontal line between a bar and what it borders.
inline QFrame* divider(QWidget* parent) {
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

} // namespace quillmere
