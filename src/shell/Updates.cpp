#include "shell/Updates.h"

namespace quillmere {

std::string_view rawValue(Channel channel) {
    switch (channel) {
    case Channel::stable:
        return "stable";
    case Channel::beta:
        return "beta";
    case Channel::nightly:
        return "nightly";
    }
    return "stable";
}

std::string channelTitle(Channel channel) {
    std::string title(rawValue(channel));
    title.front() = static_cast<char>(title.front() - 'a' + 'A');
    return title;
}

std::optional<Channel> channelNamed(std::string_view text) {
    for (const Channel channel : allChannels)
        if (rawValue(channel) == text)
            return channel;
    return std::nullopt;
}

Channel currentChannel(UserDefaults& defaults) {
    const auto stored = defaults.string(updateChannelKey);
    return stored ? channelNamed(*stored).value_or(Channel::stable) : Channel::stable;
}

std::set<std::string> allowedChannels(Channel channel) {
    switch (channel) {
    case Channel::stable:
        return {};
    case Channel::beta:
        return {"beta"};
    case Channel::nightly:
        return {"beta", "nightly"};
    }
    return {};
}

void Updates::check() {
    if (updater_.sessionInProgress() || updater_.canCheckForUpdates())
        updater_.checkForUpdates();
}

} // namespace quillmere
