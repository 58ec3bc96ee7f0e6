#include "core/LayoutSnapshot.h"

#include <cmath>

namespace quillmere {

namespace {

void collect(const LayoutSnapshot& node, std::vector<WindowRef>& into) {
    if (node.isTile()) {
        into.insert(into.end(), node.refs().begin(), node.refs().end());
        return;
    }
    collect(node.first(), into);
    collect(node.second(), into);
}

std::string describe(double ratio) {
    if (std::isnan(ratio))
        return "nan";
    if (std::isinf(ratio))
        return ratio > 0 ? "inf" : "-inf";
    return nlohmann::json(ratio).dump();
}

double readRatio(const JsonReader& json) {
    const double ratio = json.number();
    if (!(ratio >= 0 && ratio <= 1))
        json.fail(DecodingError::Kind::dataCorrupted,
                  "Expected a ratio from 0 to 1 but found " + describe(ratio) + " instead.");
    return ratio;
}

LayoutSnapshot readLayoutSnapshot(const JsonReader& json, int depth) {
    if (json.json().is_array())
        return LayoutSnapshot::tile(readWindowRefs(json));
    if (depth == LayoutSnapshot::maxDepth)
        json.fail(DecodingError::Kind::dataCorrupted,
                  "Expected a layout at most " + std::to_string(LayoutSnapshot::maxDepth) + " splits deep.");
    const Axis axis = json["axis"].text(parseAxis, "Axis");
    const double ratio = readRatio(json["ratio"]);
    return LayoutSnapshot::split(axis, ratio, readLayoutSnapshot(json["first"], depth + 1),
                                 readLayoutSnapshot(json["second"], depth + 1));
}

} // namespace

LayoutSnapshot LayoutSnapshot::tile(std::vector<WindowRef> refs) {
    return LayoutSnapshot(
        std::make_shared<const Data>(Data{true, std::move(refs), Axis::horizontal, 0.5, {}}));
}

LayoutSnapshot LayoutSnapshot::split(Axis axis, double ratio, LayoutSnapshot first, LayoutSnapshot second) {
    return LayoutSnapshot(
        std::make_shared<const Data>(Data{false, {}, axis, ratio, {std::move(first), std::move(second)}}));
}

std::vector<WindowRef> LayoutSnapshot::windows() const {
    std::vector<WindowRef> refs;
    collect(*this, refs);
    return refs;
}

bool operator==(const LayoutSnapshot& a, const LayoutSnapshot& b) {
    if (a.data_ == b.data_)
        return true;
    if (a.isTile() || b.isTile())
        return a.isTile() && b.isTile() && a.refs() == b.refs();
    return a.axis() == b.axis() && a.ratio() == b.ratio() && a.first() == b.first() &&
           a.second() == b.second();
}

void to_json(nlohmann::json& json, const LayoutSnapshot& layout) {
    if (layout.isTile()) {
        json = nlohmann::json::array();
        for (const WindowRef& ref : layout.refs())
            json.push_back(ref);
        return;
    }
    json = {{"axis", std::string(text(layout.axis()))},
            {"ratio", layout.ratio()},
            {"first", layout.first()},
            {"second", layout.second()}};
}

LayoutSnapshot readLayoutSnapshot(const JsonReader& json) {
    return readLayoutSnapshot(json, 0);
}

} // namespace quillmere
