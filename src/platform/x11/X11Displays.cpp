#include "platform/x11/X11Displays.h"

#include <algorithm>
#include <xcb/randr.h>

namespace quillmere {

X11Displays::X11Displays(X11Connection& connection) : connection_(connection) {
    listener_ = connection_.listen([this](const xcb_generic_event_t& event) { handle(event); });
    const xcb_query_extension_reply_t* randr = xcb_get_extension_data(connection_.raw(), &xcb_randr_id);
    const auto version =
        connection_.reply(xcb_randr_query_version_reply, xcb_randr_query_version(connection_.raw(), 1, 5));
    hasRandr_ = randr && randr->present && version &&
                (version.value()->major_version > 1 || version.value()->minor_version >= 5);
    if (hasRandr_) {
        randrEvents_ = randr->first_event;
        xcb_randr_select_input(connection_.raw(), connection_.root(),
                               XCB_RANDR_NOTIFY_MASK_SCREEN_CHANGE | XCB_RANDR_NOTIFY_MASK_OUTPUT_CHANGE |
                                   XCB_RANDR_NOTIFY_MASK_CRTC_CHANGE | XCB_RANDR_NOTIFY_MASK_OUTPUT_PROPERTY);
    }
    connection_.selectInput(connection_.root(), XCB_EVENT_MASK_PROPERTY_CHANGE);
}

X11Displays::~X11Displays() {
    connection_.stopListening(listener_);
}

void X11Displays::onChange(std::function<void()> changed) {
    changed_ = std::move(changed);
}

std::vector<DisplayId> X11Displays::activeDisplays() {
    std::vector<DisplayId> ids;
    for (const Monitor& monitor : monitors())
        ids.push_back(monitor.id);
    return ids;
}

DisplayId X11Displays::mainDisplay() {
    const auto& all = monitors();
    return all.empty() ? 0 : all.front().id;
}

Rect X11Displays::bounds(DisplayId display) {
    const Monitor* monitor = find(display);
    return monitor ? monitor->bounds : Rect::null();
}

DisplayHardware X11Displays::hardware(DisplayId display) {
    const Monitor* monitor = find(display);
    return monitor ? monitor->identity.hardware : DisplayHardware{};
}

std::optional<std::string> X11Displays::uuid(DisplayId display) {
    const Monitor* monitor = find(display);
    return monitor ? std::optional(monitor->identity.uuid()) : std::nullopt;
}

std::optional<std::vector<DisplayId>> X11Displays::displaysWithPoint(Point point, std::uint32_t maxDisplays) {
    std::vector<DisplayId> holding;
    for (const Monitor& monitor : monitors())
        if (holding.size() < maxDisplays && monitor.bounds.contains(point))
            holding.push_back(monitor.id);
    return holding;
}

std::vector<Screen> X11Displays::screens() {
    const auto& all = monitors();
    if (all.empty())
        return {};
    const double mainHeight = all.front().bounds.height();
    const auto area = workArea();
    std::vector<Screen> answer;
    for (const Monitor& monitor : all)
        answer.push_back({monitor.id, monitor.name, screenFrame(monitor.bounds, mainHeight),
                          screenFrame(visibleArea(monitor.bounds, area), mainHeight)});
    return answer;
}

// The screen the user works on: the main one, as X has no menu bar that follows the focus.
std::optional<Screen> X11Displays::mainScreen() {
    auto all = screens();
    if (all.empty())
        return std::nullopt;
    return all.front();
}

const std::vector<X11Displays::Monitor>& X11Displays::monitors() {
    if (!monitors_)
        monitors_ = readMonitors();
    return *monitors_;
}

const X11Displays::Monitor* X11Displays::find(DisplayId display) {
    const auto& all = monitors();
    const auto found = std::ranges::find(all, display, &Monitor::id);
    return found == all.end() ? nullptr : &*found;
}

std::vector<X11Displays::Monitor> X11Displays::readMonitors() {
    std::vector<Monitor> read;
    if (!hasRandr_) {
        const auto& screen = connection_.screen();
        read.push_back(
            {connection_.root(), "screen", Rect(0, 0, screen.width_in_pixels, screen.height_in_pixels),
             DisplayIdentity::of("screen", {},
                                 Size{double(screen.width_in_pixels), double(screen.height_in_pixels)})});
        return read;
    }
    const auto answer = connection_.reply(xcb_randr_get_monitors_reply,
                                          xcb_randr_get_monitors(connection_.raw(), connection_.root(), 1));
    if (!answer)
        return read;
    const XAtom edid = connection_.atom(X11Atom::edid);
    for (auto each = xcb_randr_get_monitors_monitors_iterator(answer.value().get()); each.rem;
         xcb_randr_monitor_info_next(&each)) {
        const xcb_randr_monitor_info_t& info = *each.data;
        const Rect bounds(info.x, info.y, info.width, info.height);
        const std::string name = connection_.atomName(info.name);
        const xcb_randr_output_t* outputs = xcb_randr_monitor_info_outputs(each.data);
        const bool hasOutput = xcb_randr_monitor_info_outputs_length(each.data) > 0;
        std::string connector = name;
        std::vector<std::uint8_t> edidBytes;
        if (hasOutput) {
            const auto output =
                connection_.reply(xcb_randr_get_output_info_reply,
                                  xcb_randr_get_output_info(connection_.raw(), outputs[0], XCB_CURRENT_TIME));
            if (output)
                connector.assign(
                    reinterpret_cast<const char*>(xcb_randr_get_output_info_name(output.value().get())),
                    static_cast<std::size_t>(xcb_randr_get_output_info_name_length(output.value().get())));
            const auto property =
                connection_.reply(xcb_randr_get_output_property_reply,
                                  xcb_randr_get_output_property(connection_.raw(), outputs[0], edid,
                                                                XCB_ATOM_ANY, 0, 256, 0, 0));
            if (property) {
                const std::uint8_t* data = xcb_randr_get_output_property_data(property.value().get());
                edidBytes.assign(data,
                                 data + xcb_randr_get_output_property_data_length(property.value().get()));
            }
        }
        read.push_back({hasOutput ? outputs[0] : info.name, name, bounds,
                        DisplayIdentity::of(connector, edidBytes, bounds.size)});
    }
    // The main display is the one at the origin.
    std::ranges::stable_partition(read, [](const Monitor& monitor) {
        return monitor.bounds.origin == Point{0, 0};
    });
    return read;
}

// The work area of the current desktop.
std::optional<Rect> X11Displays::workArea() {
    const auto areas = connection_.property(connection_.root(), connection_.atom(X11Atom::netWorkarea));
    const auto current =
        connection_.property(connection_.root(), connection_.atom(X11Atom::netCurrentDesktop), 1);
    if (!areas || !current)
        return std::nullopt;
    const auto items = areas->cardinals();
    const std::size_t at = 4 * current->cardinal().value_or(0);
    if (items.size() < at + 4)
        return std::nullopt;
    return Rect(static_cast<std::int32_t>(items[at]), static_cast<std::int32_t>(items[at + 1]), items[at + 2],
                items[at + 3]);
}

void X11Displays::handle(const xcb_generic_event_t& event) {
    const std::uint8_t type = event.response_type & 0x7f;
    const bool randrChange = hasRandr_ && (type == randrEvents_ + XCB_RANDR_SCREEN_CHANGE_NOTIFY ||
                                           type == randrEvents_ + XCB_RANDR_NOTIFY);
    const bool workAreaChange =
        type == XCB_PROPERTY_NOTIFY &&
        reinterpret_cast<const xcb_property_notify_event_t&>(event).window == connection_.root() &&
        reinterpret_cast<const xcb_property_notify_event_t&>(event).atom ==
            connection_.atom(X11Atom::netWorkarea);
    if (!randrChange && !workAreaChange)
        return;
    monitors_.reset();
    if (changed_)
        changed_();
}

} // namespace quillmere
