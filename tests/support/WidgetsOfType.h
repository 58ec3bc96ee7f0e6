#pragma once

#include <QWidget>
#include <vector>

namespace quillmere {

// The descendants of a widget of one of our widget classes, in creation order; findChildren cannot tell
// them apart, as they carry no meta-object of their own.
template <class Widget> std::vector<Widget*> widgetsOfType(const QWidget& root) {
    std::vector<Widget*> found;
    for (QWidget* child : root.findChildren<QWidget*>())
        if (auto* widget = dynamic_cast<Widget*>(child))
            found.push_back(widget);
    return found;
}

} // namespace quillmere
