#include "platform/sim/SimulatedScenario.h"

namespace quillmere {
namespace {

using nlohmann::json;

json rectJson(const Rect& rect) {
    return json::array({json::array({rect.minX(), rect.minY()}), json::array({rect.width(), rect.height()})});
}

// Keys left out where the reader's default says the same.
void putIf(json& object, const char* key, bool value) {
    if (value)
        object[key] = true;
}

template <class T> void putIf(json& object, const char* key, const std::optional<T>& value) {
    if (value)
        object[key] = *value;
}

json displayJson(const SimulatedScenario::Display& display) {
    const SimulatedDesktop::DisplaySetup& setup = display.setup;
    json object = {{"name", setup.name},     {"frame", rectJson(setup.bounds)}, {"desktops", setup.desktops},
                   {"shown", display.shown}, {"vendor", setup.vendor},          {"model", setup.model},
                   {"serial", setup.serial}};
    putIf(object, "builtIn", setup.builtIn);
    putIf(object, "uuid", setup.uuid);
    if (!setup.spaceIds.empty())
        object["spaces"] = setup.spaceIds;
    return object;
}

json windowJson(const SimulatedScenario::Window& window) {
    const Size minimum = window.setup.minimumSize;
    json object = {{"title", window.setup.title},
                   {"frame", rectJson(window.setup.frame)},
                   {"minimumSize", json::array({minimum.width, minimum.height})}};
    putIf(object, "number", window.setup.number);
    putIf(object, "display", window.display);
    putIf(object, "desktop", window.desktop);
    putIf(object, "focused", window.focused);
    putIf(object, "minimized", window.minimized);
    return object;
}

json appJson(const SimulatedScenario::App& app) {
    json windows = json::array();
    for (const SimulatedScenario::Window& window : app.windows)
        windows.push_back(windowJson(window));
    json object = {{"windows", std::move(windows)}};
    putIf(object, "bundleIdentifier", app.setup.bundleIdentifier);
    putIf(object, "name", app.setup.name);
    putIf(object, "hidden", app.hidden);
    return object;
}

} // namespace

Result<std::string, JsonWriteError> SimulatedScenario::text() const {
    json document = {{"displays", json::array()}, {"apps", json::array()}, {"trusted", trusted}};
    for (const Display& display : displays)
        document["displays"].push_back(displayJson(display));
    for (const App& app : apps)
        document["apps"].push_back(appJson(app));
    return writeJson(document);
}

} // namespace quillmere
