#include "system/AXWindow.h"

#include "system/AXUIElement.h"

namespace quillmere {

using AXUIElementRef::value;

bool AXWindow::isTileable(Accessibility& accessibility) const {
    // Asked first: a window that cannot be resized cannot be tiled, whatever else it is.
    const auto settable = accessibility.isSettable(element, "AXSize");
    const bool sizeSettable = settable && *settable;
    if (value<std::string>(accessibility, element, "AXRole") != "AXWindow")
        return false;
    if (value<std::string>(accessibility, element, "AXSubrole") != "AXStandardWindow")
        return false;
    if (value<bool>(accessibility, element, "AXMinimized") == true)
        return false;
    if (value<bool>(accessibility, element, "AXFullScreen") == true)
        return false;
    return sizeSettable;
}

std::optional<Rect> AXWindow::frame(Accessibility& accessibility) const {
    const auto position = value<AXValue>(accessibility, element, "AXPosition");
    if (!position)
        return std::nullopt;
    const auto size = value<AXValue>(accessibility, element, "AXSize");
    if (!size)
        return std::nullopt;
    return Rect(position->point().value_or(Point{}), size->size().value_or(Size{}));
}

void AXWindow::setFrame(Accessibility& accessibility, const Rect& target) const {
    const auto current = frame(accessibility);
    if (current && current->integral() == target.integral())
        return;
    const AXValue position(target.origin);
    const AXValue size(target.size);
    // Callers read the frame back to learn what took; a refused write leaves the window where it was.
    (void)accessibility.setAttribute(element, "AXSize", size);
    (void)accessibility.setAttribute(element, "AXPosition", position);
    (void)accessibility.setAttribute(element, "AXSize", size);
}

std::string AXWindow::bundleID(RunningApplications& applications) const {
    const auto running = applications.application(pid);
    if (!running)
        return "";
    return running->bundleIdentifier.value_or(running->localizedName.value_or(""));
}

std::vector<AXWindow> AXUIElementRef::windows(Accessibility& accessibility, std::int32_t of) {
    const auto elements =
        value<std::vector<AXElement>>(accessibility, accessibility.applicationElement(of), "AXWindows");
    if (!elements)
        return {};
    std::vector<AXWindow> result;
    for (const AXElement element : *elements) {
        const auto number = accessibility.windowNumber(element);
        if (number && *number != 0)
            result.push_back({*number, of, element});
    }
    return result;
}

} // namespace quillmere
