#pragma once

#include "platform/UserDefaults.h"
#include "shell/entry/VersionText.h"

#include <array>
#include <optional>
#include <set>
#include <string>
#include <string_view>

namespace quillmere {

// The update channel the user picked, kept under "updateChannel" in the user defaults.
enum class Channel { stable, beta, nightly };

inline constexpr std::array<Channel, 3> allChannels{Channel::stable, Channel::beta, Channel::nightly};
inline constexpr std::string_view updateChannelKey = "updateChannel";

std::string_view rawValue(Channel channel);
// The raw value capitalised, as the picker shows it.
std::string channelTitle(Channel channel);
// The channel whose raw value is exactly the text.
std::optional<Channel> channelNamed(std::string_view text);
// Stable when the key is unset or names no channel.
Channel currentChannel(UserDefaults& defaults);
// The feed's channels accepted beside the stable releases.
std::set<std::string> allowedChannels(Channel channel);

// What checks for and installs updates. None follows a feed here, so none is ever started.
class Updater {
  public:
    virtual ~Updater() = default;
    virtual bool sessionInProgress() const = 0;
    virtual bool canCheckForUpdates() const = 0;
    virtual void checkForUpdates() = 0;
};

// Software updates: the updater and the manual check. Main thread only.
class Updates {
  public:
    explicit Updates(Updater& updater) : updater_(updater) {}

    // Checks when a check runs already or one may start now; otherwise does nothing.
    void check();

  private:
    Updater& updater_;
};

} // namespace quillmere
