#include "FuzzCheck.h"
#include "PropertyListJson.h"
#include "SpaceEntryWriting.h"
#include "platform/ManualMainQueue.h"
#include "platform/sim/SimulatedDesktop.h"
#include "system/Spaces.h"

#include <algorithm>
#include <set>

namespace {

using namespace quillmere;

bool holds(const std::vector<SpaceId>& order, SpaceId id) {
    return std::ranges::find(order, id) != order.end();
}

bool uniqueIds(const std::vector<SpaceId>& order) {
    return std::set<SpaceId>(order.begin(), order.end()).size() == order.size();
}

// Two displays whose identifiers are "L" and "R"; "Main" names the Space list all displays share.
struct Desk {
    ManualMainQueue queue;
    SimulatedDesktop desktop{queue};
    Spaces spaces{desktop, desktop, desktop};

    Desk() {
        desktop.addDisplay({.name = "Built-in", .bounds = {0, 0, 1440, 900}, .builtIn = true, .uuid = "L"});
        desktop.addDisplay({.name = "Studio", .bounds = {1440, 0, 2560, 1440}, .serial = 7, .uuid = "R"});
    }

    Desktops read(PropertyList answer) {
        desktop.overrideSpaceList(std::move(answer));
        return spaces.desktops();
    }
};

} // namespace

// The window server's Space list, written as JSON. Only known displays are read, every Space read is in
// its display's order, reading is repeatable, and a list of one display per entry, written back in the
// window server's form, reads as the same model.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto answer = fuzz::propertyList(fuzz::text(data, size));
    if (!answer)
        return 0;
    Desk desk;
    const Desktops model = desk.read(*answer);
    fuzz::require(desk.read(*answer) == model, "reading the same answer again gives the same model");
    if (model.spansDisplays())
        return 0;

    PropertyList::Array written;
    bool writable = true;
    for (const DisplaySpaces& display : model.displays()) {
        fuzz::require(display.id == "L" || display.id == "R" || display.id == "Main",
                      "only displays that exist are read");
        fuzz::require(
            std::ranges::all_of(display.spaces, [&](SpaceId id) { return holds(display.order, id); }),
            "every Desktop is in the order");
        for (const auto& [id, tiles] : display.fullScreen)
            fuzz::require(holds(display.order, id) && !tiles.tiles().empty(),
                          "every split view is a Space in the order with tiles");
        writable = writable && display.id != "Main" && uniqueIds(display.order);
        written.push_back(fuzz::displayEntry(display));
    }
    if (writable)
        fuzz::require(Desk().read(written) == model, "a written Space list reads back the same");
    return 0;
}
