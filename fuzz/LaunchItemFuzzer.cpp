#include "FuzzCheck.h"
#include "core/LaunchItem.h"

#include <string>

namespace {

// The text that reads as the item: a command is written after its "$".
std::string source(const quillmere::LaunchItem& item) {
    return item.kind == quillmere::LaunchItem::Kind::command ? "$" + item.text : item.text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quillmere;
    const auto item = LaunchItem::parse(fuzz::text(data, size));
    if (!item)
        return 0;
    fuzz::require(!item->text.empty(), "an item has a text");
    fuzz::require(LaunchItem::parse(source(*item)) == item, "an item's own text reads as the same item");
    return 0;
}
