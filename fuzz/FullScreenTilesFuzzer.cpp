#include "FuzzCheck.h"
#include "PropertyListJson.h"
#include "SpaceEntryWriting.h"

#include <algorithm>

// One Space entry of the window server, written as JSON. A split view that reads is sorted left to right
// and, written back in the window server's form, reads as the same split view.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quillmere;
    const auto entry = fuzz::propertyList(fuzz::text(data, size));
    if (!entry)
        return 0;
    const auto tiles = FullScreenTiles::fromEntry(*entry);
    if (!tiles)
        return 0;
    fuzz::require(!tiles->tiles().empty(), "a split view has tiles");
    fuzz::require(
        std::ranges::is_sorted(tiles->tiles(), {}, [](const auto& tile) { return tile.rect.minX(); }),
        "tiles run left to right");
    fuzz::require(FullScreenTiles::fromEntry(fuzz::splitViewEntry(*tiles)) == tiles,
                  "a written split view reads back the same");
    return 0;
}
