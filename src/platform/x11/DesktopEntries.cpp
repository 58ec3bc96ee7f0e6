#include "platform/x11/DesktopEntries.h"

#include "platform/Log.h"

#include <filesystem>
#include <gio/gdesktopappinfo.h>
#include <gio/gio.h>
#include <memory>

namespace quillmere {
namespace {

struct GObjectRelease {
    void operator()(gpointer object) const { g_object_unref(object); }
};
template <class T> using GObjectPointer = std::unique_ptr<T, GObjectRelease>;

std::optional<std::string> text(const char* value) {
    return value && *value ? std::optional<std::string>(value) : std::nullopt;
}

std::optional<std::string> programName(const char* executable) {
    if (!executable || !*executable)
        return std::nullopt;
    return std::filesystem::path(executable).filename().string();
}

std::string withoutDesktopSuffix(std::string id) {
    constexpr std::string_view suffix = ".desktop";
    if (id.ends_with(suffix))
        id.erase(id.size() - suffix.size());
    return id;
}

} // namespace

std::vector<DesktopEntries::Listed> DesktopEntries::entries() const {
    std::vector<Listed> listed;
    GList* all = g_app_info_get_all();
    for (GList* item = all; item; item = item->next) {
        auto* info = G_APP_INFO(item->data);
        if (!G_IS_DESKTOP_APP_INFO(info))
            continue;
        auto* desktop = G_DESKTOP_APP_INFO(info);
        const char* id = g_app_info_get_id(info);
        const char* file = g_desktop_app_info_get_filename(desktop);
        if (!id || !file)
            continue;
        listed.push_back({.entry = {.id = withoutDesktopSuffix(id),
                                    .name = g_app_info_get_name(info),
                                    .startupWMClass = text(g_desktop_app_info_get_startup_wm_class(desktop)),
                                    .executable = programName(g_app_info_get_executable(info))},
                          .location = file,
                          .shown = g_app_info_should_show(info) != FALSE});
    }
    g_list_free_full(all, g_object_unref);
    return listed;
}

std::optional<DesktopEntries::Listed>
DesktopEntries::matching(const std::optional<WindowClass>& windowClass,
                         const std::optional<std::string>& executable) const {
    std::vector<Listed> listed = entries();
    std::vector<DesktopEntry> matchable;
    for (const Listed& entry : listed)
        matchable.push_back(entry.entry);
    const DesktopEntry* found = matchingDesktopEntry(matchable, windowClass, executable);
    if (!found)
        return std::nullopt;
    return std::move(listed[static_cast<std::size_t>(found - matchable.data())]);
}

bool DesktopEntries::launch(const std::string& location, const std::vector<std::string>& urls) const {
    GObjectPointer<GDesktopAppInfo> info(g_desktop_app_info_new_from_filename(location.c_str()));
    if (!info) {
        log(LogLevel::error, "%{public}s cannot be read as a desktop entry", location);
        return false;
    }
    GList* uris = nullptr;
    for (const std::string& url : urls)
        uris = g_list_append(uris, const_cast<char*>(url.c_str()));
    GObjectPointer<GAppLaunchContext> context(g_app_launch_context_new());
    GError* error = nullptr;
    const bool launched =
        g_app_info_launch_uris(G_APP_INFO(info.get()), uris, context.get(), &error) != FALSE;
    g_list_free(uris);
    if (!launched) {
        log(LogLevel::error, "%{public}s did not start: %{public}s", location, error ? error->message : "");
        g_clear_error(&error);
    }
    return launched;
}

} // namespace quillmere
