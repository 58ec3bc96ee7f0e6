#include "menubar/ArrangementStripLayout.h"

#include "core/Arrangement.h"

#include <algorithm>

namespace quillmere::ArrangementStripLayout {
namespace {

// Inset by 2 on every side; a place too small for that keeps its centre with no extent.
Rect inside(const Rect& place) {
    const double width = std::max(place.width() - 2 * inset, 0.0);
    const double height = std::max(place.height() - 2 * inset, 0.0);
    return Rect(place.midX() - width / 2, place.midY() - height / 2, width, height);
}

} // namespace

std::vector<ArrangementThumbnail> thumbnails(const std::vector<ArrangementItem>& items,
                                             const std::optional<std::string>& selected, Size size) {
    std::vector<Rect> frames;
    for (const ArrangementItem& item : items)
        frames.push_back(item.frame);
    const std::vector<Rect> fitted = Arrangement::fit(frames, size);
    std::vector<ArrangementThumbnail> thumbnails;
    for (std::size_t index = 0; index < items.size(); ++index) {
        const ArrangementItem& item = items[index];
        ArrangementThumbnail thumbnail{
            .rect = inside(fitted[index]),
            .marked = item.highlighted || selected == item.id,
            .accessibleName = item.name + (item.highlighted ? ", active" : ""),
        };
        if (item.frame.origin == Point{0, 0})
            thumbnail.menuBar = Rect(thumbnail.rect.minX(), thumbnail.rect.minY(), thumbnail.rect.width(),
                                     std::max(menuBarShare * thumbnail.rect.height(), minimumMenuBar));
        thumbnails.push_back(std::move(thumbnail));
    }
    return thumbnails;
}

double nameScale(double width, double available) {
    if (width <= available || width <= 0)
        return 1;
    return std::max(available / width, minimumNameScale);
}

} // namespace quillmere::ArrangementStripLayout
