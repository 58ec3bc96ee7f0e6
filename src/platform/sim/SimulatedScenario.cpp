#include "platform/sim/SimulatedScenario.h"

#include <algorithm>
#include <initializer_list>
#include <set>

namespace quillmere {
namespace {

constexpr std::string_view builtInText = R"({
  "displays": [
    {"name": "Built-in Retina Display", "frame": [[0, 0], [1512, 982]], "builtIn": true, "desktops": 3,
     "vendor": 1552, "model": 41234, "serial": 0},
    {"name": "Studio Display", "frame": [[1512, 0], [2560, 1440]], "desktops": 2,
     "vendor": 1552, "model": 44593, "serial": 30201}
  ],
  "apps": [
    {"bundleIdentifier": "com.apple.Safari", "name": "Safari", "windows": [
      {"title": "Start Page", "frame": [[40, 60], [900, 700]], "minimumSize": [400, 300]},
      {"title": "Release Notes", "frame": [[560, 200], [900, 700]], "minimumSize": [400, 300], "focused": true}]},
    {"bundleIdentifier": "com.apple.Terminal", "name": "Terminal", "windows": [
      {"title": "zsh — 80×24", "frame": [[300, 420], [585, 368]], "minimumSize": [300, 200]}]},
    {"bundleIdentifier": "com.apple.mail", "name": "Mail", "windows": [
      {"title": "Inbox", "frame": [[1700, 120], [1200, 800]], "minimumSize": [600, 400]}]},
    {"bundleIdentifier": "com.apple.Notes", "name": "Notes", "windows": [
      {"title": "Groceries", "frame": [[2500, 500], [700, 600]]},
      {"title": "Ideas", "frame": [[120, 140], [800, 600]], "display": 1, "desktop": 2}]}
  ],
  "trusted": true
})";

// A misspelt key would otherwise be ignored without a word.
void onlyKeys(const JsonReader& reader, std::initializer_list<std::string_view> known) {
    for (const auto& [key, member] : reader.members())
        if (std::ranges::find(known, key) == known.end())
            member.fail(DecodingError::Kind::dataCorrupted, "Unknown key " + key);
}

Size size(const JsonReader& reader) {
    const double width = reader.element(0).number();
    const double height = reader.element(1).number();
    if (width < 0 || height < 0)
        reader.fail(DecodingError::Kind::dataCorrupted, "A size cannot be negative");
    return {width, height};
}

Rect frame(const JsonReader& reader) {
    const Rect read = reader.rect();
    if (read.width() <= 0 || read.height() <= 0)
        reader.fail(DecodingError::Kind::dataCorrupted, "A frame needs a positive width and height");
    return read;
}

int numberFrom1(const JsonReader& reader, int highest, std::string_view what) {
    const int number = reader.integer<int>();
    if (number < 1 || number > highest)
        reader.fail(DecodingError::Kind::dataCorrupted,
                    "No " + std::string(what) + " " + std::to_string(number) + " (there are " +
                        std::to_string(highest) + ")");
    return number;
}

SimulatedScenario::Display readDisplay(const JsonReader& reader) {
    onlyKeys(reader,
             {"name", "frame", "builtIn", "desktops", "shown", "vendor", "model", "serial", "uuid", "spaces"});
    SimulatedScenario::Display display;
    SimulatedDesktop::DisplaySetup& setup = display.setup;
    setup.bounds = frame(reader["frame"]);
    setup.name = reader.optional("name", &JsonReader::string).value_or(setup.name);
    setup.builtIn = reader.optional("builtIn", &JsonReader::boolean).value_or(false);
    if (const auto desktops = reader.optional("desktops"))
        setup.desktops = numberFrom1(*desktops, 16, "Desktop count");
    if (const auto shown = reader.optional("shown"))
        display.shown = numberFrom1(*shown, setup.desktops, "Desktop");
    if (const auto spaces = reader.optional("spaces")) {
        for (const JsonReader& space : spaces->elements())
            setup.spaceIds.push_back(space.integer<SpaceId>("UInt64"));
        if (setup.spaceIds.size() != static_cast<std::size_t>(setup.desktops))
            spaces->fail(DecodingError::Kind::dataCorrupted, "A display names one Space for each of its Desktops");
    }
    for (const auto& [key, field] : {std::pair{"vendor", &setup.vendor}, std::pair{"model", &setup.model},
                                     std::pair{"serial", &setup.serial}})
        if (const auto number = reader.optional(key))
            *field = number->integer<std::uint32_t>("UInt32");
    setup.uuid = reader.optional("uuid", &JsonReader::string);
    return display;
}

SimulatedScenario::Window readWindow(const JsonReader& reader,
                                     const std::vector<SimulatedScenario::Display>& displays) {
    onlyKeys(reader, {"title", "frame", "minimumSize", "display", "desktop", "focused", "minimized", "number"});
    SimulatedScenario::Window window;
    window.setup.title = reader["title"].string();
    window.setup.frame = frame(reader["frame"]);
    if (const auto minimum = reader.optional("minimumSize"))
        window.setup.minimumSize = size(*minimum);
    window.focused = reader.optional("focused", &JsonReader::boolean).value_or(false);
    window.minimized = reader.optional("minimized", &JsonReader::boolean).value_or(false);
    if (const auto number = reader.optional("number")) {
        window.setup.number = number->integer<WindowId>("UInt32");
        if (*window.setup.number == 0)
            number->fail(DecodingError::Kind::dataCorrupted, "A window number is positive");
    }
    const auto display = reader.optional("display");
    const auto desktop = reader.optional("desktop");
    if (display.has_value() != desktop.has_value())
        reader.fail(DecodingError::Kind::dataCorrupted, "A window names both its display and its desktop, or neither");
    if (display) {
        window.display = numberFrom1(*display, static_cast<int>(displays.size()), "display");
        window.desktop = numberFrom1(*desktop, displays[*window.display - 1].setup.desktops, "Desktop");
    }
    return window;
}

SimulatedScenario::App readApp(const JsonReader& reader, const std::vector<SimulatedScenario::Display>& displays) {
    onlyKeys(reader, {"bundleIdentifier", "name", "windows", "hidden"});
    SimulatedScenario::App app;
    app.setup.bundleIdentifier = reader.optional("bundleIdentifier", &JsonReader::string);
    app.setup.name = reader.optional("name", &JsonReader::string);
    app.hidden = reader.optional("hidden", &JsonReader::boolean).value_or(false);
    if (const auto windows = reader.optional("windows"))
        for (const JsonReader& window : windows->elements())
            app.windows.push_back(readWindow(window, displays));
    return app;
}

// Two Desktops cannot be one Space; the window server never gives 0.
void checkSpaces(const JsonReader& reader, const std::vector<SimulatedScenario::Display>& displays) {
    std::set<SpaceId> spaces;
    for (const SimulatedScenario::Display& display : displays)
        for (const SpaceId space : display.setup.spaceIds)
            if (space == 0 || !spaces.insert(space).second)
                reader["displays"].fail(DecodingError::Kind::dataCorrupted,
                                        space == 0 ? "A Space id is positive"
                                                   : "Space " + std::to_string(space) + " is given twice");
}

// A window without a number would take the next free one, which a window after it may name.
void checkNumbers(const JsonReader& reader, const std::vector<SimulatedScenario::App>& apps) {
    std::set<WindowId> numbers;
    std::size_t windows = 0;
    for (const SimulatedScenario::App& app : apps)
        for (const SimulatedScenario::Window& window : app.windows) {
            ++windows;
            if (window.setup.number && !numbers.insert(*window.setup.number).second)
                reader["apps"].fail(DecodingError::Kind::dataCorrupted,
                                    "Window number " + std::to_string(*window.setup.number) + " is given twice");
        }
    if (!numbers.empty() && numbers.size() != windows)
        reader["apps"].fail(DecodingError::Kind::dataCorrupted, "Either every window has a number or none has");
}

SimulatedScenario readScenario(const JsonReader& reader) {
    onlyKeys(reader, {"displays", "apps", "trusted"});
    SimulatedScenario scenario;
    const JsonReader displays = reader["displays"];
    for (const JsonReader& display : displays.elements())
        scenario.displays.push_back(readDisplay(display));
    if (scenario.displays.empty())
        displays.fail(DecodingError::Kind::dataCorrupted, "A desktop needs at least one display");
    checkSpaces(reader, scenario.displays);
    if (const auto apps = reader.optional("apps"))
        for (const JsonReader& app : apps->elements())
            scenario.apps.push_back(readApp(app, scenario.displays));
    checkNumbers(reader, scenario.apps);
    scenario.trusted = reader.optional("trusted", &JsonReader::boolean).value_or(true);
    return scenario;
}

} // namespace

Decoded<SimulatedScenario> SimulatedScenario::read(std::string_view json) {
    return decodeJson<SimulatedScenario>(json, readScenario);
}

SimulatedScenario SimulatedScenario::builtIn() { return read(builtInText).value(); }

void SimulatedScenario::applyTo(SimulatedDesktop& desktop) const {
    std::vector<DisplayId> added;
    for (const Display& display : displays) {
        added.push_back(desktop.addDisplay(display.setup));
        desktop.switchSpace(added.back(), desktop.spaceOrder(added.back())[display.shown - 1]);
    }
    std::optional<WindowId> focused;
    for (const App& app : apps) {
        const std::int32_t pid = desktop.launch(app.setup);
        for (const Window& window : app.windows) {
            SimulatedDesktop::WindowSetup setup = window.setup;
            if (window.display)
                setup.space = desktop.spaceOrder(added[*window.display - 1])[*window.desktop - 1];
            const WindowId opened = desktop.openWindow(pid, setup);
            desktop.minimize(opened, window.minimized);
            if (window.focused)
                focused = opened;
        }
        if (app.hidden)
            desktop.hide(pid);
    }
    if (focused)
        desktop.focus(*focused);
    desktop.setTrusted(trusted);
}

} // namespace quillmere
