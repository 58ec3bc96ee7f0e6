#pragma once

#include "profiles/TileDrag.h"

#include <QMimeData>
#include <optional>

namespace quillmere {

// The data of a tile's drag: the tile's text as plain text, marked as coming from this very process, so that
// a Desktop chip takes tiles dragged inside the application and refuses any text dragged in from elsewhere.
QMimeData* tileDragData(const TileDrag& drag);

// The tile of a drag this process started; none for any other data, or a text that does not read as a tile.
std::optional<TileDrag> ownTileDrag(const QMimeData& data);

} // namespace quillmere
