#include "core/Node.h"

namespace quillmere {

Node Node::tile(std::vector<WindowId> ids) {
    auto data = std::make_shared<Data>();
    data->ids = std::move(ids);
    return Node(std::move(data));
}

Node Node::split(Axis axis, double ratio, Node first, Node second) {
    return split(axis, ratio, ratio, std::move(first), std::move(second));
}

Node Node::split(Axis axis, double ratio, double wanted, Node first, Node second) {
    auto data = std::make_shared<Data>();
    data->isTile = false;
    data->axis = axis;
    data->ratio = ratio;
    data->wanted = wanted;
    data->children.emplace(std::move(first), std::move(second));
    return Node(std::move(data));
}

Node Node::withChildren(Node first, Node second) const {
    return split(axis(), ratio(), wanted(), std::move(first), std::move(second));
}

bool operator==(const Node& a, const Node& b) {
    if (a.data_ == b.data_)
        return true;
    if (a.isTile() != b.isTile())
        return false;
    if (a.isTile())
        return a.ids() == b.ids();
    return a.axis() == b.axis() && a.ratio() == b.ratio() && a.first() == b.first() &&
           a.second() == b.second();
}

} // namespace quillmere
