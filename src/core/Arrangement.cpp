#include "core/Arrangement.h"

#include <algorithm>
#include <numeric>

namespace quillmere::Arrangement {

std::vector<std::vector<std::size_t>> rows(const std::vector<Rect>& frames) {
    std::vector<std::size_t> indexes(frames.size());
    std::iota(indexes.begin(), indexes.end(), 0);
    std::ranges::stable_sort(indexes, {}, [&](std::size_t i) { return frames[i].minY(); });
    std::vector<std::vector<std::size_t>> result;
    for (std::size_t index : indexes) {
        const Rect& frame = frames[index];
        const auto overlaps = [&](std::size_t member) {
            return frames[member].minY() < frame.maxY() && frame.minY() < frames[member].maxY();
        };
        const auto row =
            std::ranges::find_if(result, [&](const auto& r) { return std::ranges::any_of(r, overlaps); });
        if (row == result.end())
            result.push_back({index});
        else
            row->push_back(index);
    }
    for (auto& row : result)
        std::ranges::stable_sort(row, {}, [&](std::size_t i) { return frames[i].minX(); });
    return result;
}

std::vector<Rect> fit(const std::vector<Rect>& frames, Size size) {
    Rect united = Rect::null();
    for (const Rect& frame : frames)
        united = united.united(frame);
    if (united.isNull() || !(united.width() > 0) || !(united.height() > 0))
        return frames;
    const double scale = std::min(size.width / united.width(), size.height / united.height());
    const double ox = (size.width - united.width() * scale) / 2;
    const double oy = (size.height - united.height() * scale) / 2;
    std::vector<Rect> result;
    result.reserve(frames.size());
    for (const Rect& r : frames)
        result.emplace_back(ox + scale * (r.minX() - united.minX()), oy + scale * (r.minY() - united.minY()),
                            scale * r.width(), scale * r.height());
    return result;
}

} // namespace quillmere::Arrangement
