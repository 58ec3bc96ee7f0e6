#include "profiles/TileMenuChoices.h"

namespace quillmere {

TileMenuChoices::TileMenuChoices(LayoutSnapshot tree, LayoutPath path) : tree_(std::move(tree)), path_(std::move(path)) {
    if (const auto node = tree_.node(path_); node && node->isTile())
        refs_ = node->refs();
    holdsApps_ = !refs_.empty();
}

LayoutSnapshot TileMenuChoices::choosing(const std::string& app) const {
    return tree_.replacing(path_, LayoutSnapshot::tile({{app, 0}}));
}

LayoutSnapshot TileMenuChoices::stacking(const std::string& app) const {
    auto refs = refs_;
    refs.push_back({app, 0});
    return tree_.replacing(path_, LayoutSnapshot::tile(std::move(refs)));
}

} // namespace quillmere
