#include "platform/ManualMainQueue.h"
#include "platform/sim/SimulatedDesktop.h"
#include "shell/PackageUpdater.h"
#include "shell/Updates.h"

#include <gtest/gtest.h>

namespace quillmere {
namespace {

TEST(UpdateChannel, OnlyAnExactlyStoredChannelWidensWhatIsAccepted) {
    struct Case {
        std::optional<std::string> stored;
        Channel channel;
        std::set<std::string> accepted;
    };
    const Case cases[] = {
        {std::nullopt, Channel::stable, {}},     {"stable", Channel::stable, {}},
        {"Beta", Channel::stable, {}},           {"weekly", Channel::stable, {}},
        {"beta", Channel::beta, {"beta"}},       {"nightly", Channel::nightly, {"beta", "nightly"}},
    };
    ManualMainQueue queue;
    for (const Case& test : cases) {
        SimulatedDesktop defaults(queue);
        if (test.stored)
            defaults.setString(updateChannelKey, *test.stored);
        EXPECT_EQ(currentChannel(defaults), test.channel) << test.stored.value_or("unset");
        EXPECT_EQ(allowedChannels(currentChannel(defaults)), test.accepted) << test.stored.value_or("unset");
    }
    EXPECT_EQ(channelTitle(Channel::nightly), "Nightly");
}

TEST(UpdateVersion, NeedsBothTheVersionAndTheBuild) {
    EXPECT_EQ(versionText("2.0", "300"), "2.0 (300)");
    EXPECT_EQ(versionText("2.0", ""), "Unbundled build");
    EXPECT_EQ(versionText("", "300"), "Unbundled build");
}

class RecordingUpdater final : public Updater {
  public:
    bool sessionInProgress() const override { return inProgress; }
    bool canCheckForUpdates() const override { return canCheck; }
    void checkForUpdates() override { ++checks; }

    bool inProgress = false;
    bool canCheck = false;
    int checks = 0;
};

TEST(Updates, ChecksOnlyWhileASessionRunsOrACheckMayStart) {
    struct Case {
        bool inProgress;
        bool canCheck;
        int checks;
    };
    for (const Case test : {Case{false, false, 0}, Case{true, false, 1}, Case{false, true, 1}, Case{true, true, 1}}) {
        RecordingUpdater updater;
        updater.inProgress = test.inProgress;
        updater.canCheck = test.canCheck;
        Updates(updater).check();
        EXPECT_EQ(updater.checks, test.checks) << test.inProgress << test.canCheck;
    }
}

TEST(Updates, APackagedInstallationSaysWhereUpdatesComeFrom) {
    std::vector<std::string> told;
    PackageUpdater updater([&](const std::string& text) { told.push_back(text); });
    Updates(updater).check();
    EXPECT_EQ(told, std::vector<std::string>{
                        "Updates come with the package Quillmere was installed from; there is no update check here."});
}

} // namespace
} // namespace quillmere
