#pragma once

#include "shell/Updates.h"

#include <functional>
#include <string>
#include <string_view>

namespace quillmere {

// The updater of an installation from a package: the package manager brings updates, so a check only says so.
class PackageUpdater final : public Updater {
  public:
    static constexpr std::string_view checkAnswer =
        "Updates come with the package Quillmere was installed from; there is no update check here.";

    // `tell` shows the user a message.
    explicit PackageUpdater(std::function<void(const std::string&)> tell) : tell_(std::move(tell)) {}

    bool sessionInProgress() const override { return false; }
    bool canCheckForUpdates() const override { return true; }
    void checkForUpdates() override { tell_(std::string(checkAnswer)); }

  private:
    std::function<void(const std::string&)> tell_;
};

} // namespace quillmere
