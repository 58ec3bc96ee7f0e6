#include "platform/ManualMainQueue.h"
#include "platform/sim/SimulatedScenario.h"
#include "shell/LaunchOptions.h"
#include "shell/RelaunchScenario.h"
#include "support/TemporaryDirectory.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace quillmere {
namespace {

class RelaunchScenario : public testing::Test {
  protected:
    RelaunchScenario() {
        const DisplayId display = desktop.addDisplay({.bounds = {0, 0, 1000, 800}, .desktops = 3});
        const std::int32_t app = desktop.launch({.name = "Editor"});
        const WindowId window = desktop.openWindow(app, {.title = "Draft", .frame = {10, 30, 400, 300}});
        desktop.moveWindowToSpace(window, desktop.spaceOrder(display)[2]);
    }

    ManualMainQueue queue;
    SimulatedDesktop desktop{queue};
    TemporaryDirectory folder;
};

TEST_F(RelaunchScenario, TheRelaunchStartsFromTheDesktopAsItIsNowAndTrusted) {
    // Trust may be read again only later; the relaunch happens because it is back.
    desktop.setTrusted(false);
    const auto arguments =
        relaunchArguments({"--scenario", "launch.json", "--dump-desktop", "d.txt"},
                          SimulatedScenario::of(desktop), folder.path(), BuildVariant::development);
    const auto options = LaunchOptions::parse(arguments).value();
    ASSERT_TRUE(options.scenario.has_value());
    EXPECT_EQ(options.scenario->parent_path(), folder.path());
    EXPECT_EQ(options.dumpDesktop, "d.txt");

    std::ifstream file(*options.scenario);
    std::ostringstream text;
    text << file.rdbuf();
    const auto scenario = SimulatedScenario::read(text.str());
    ASSERT_TRUE(scenario.ok()) << scenario.error().text();
    EXPECT_TRUE(scenario->trusted);
    ASSERT_EQ(scenario->apps.size(), 1u);
    EXPECT_EQ(scenario->apps[0].windows[0].desktop, 3);
}

TEST_F(RelaunchScenario, WithoutARuntimeFolderTheRelaunchStartsAsThisCopyDid) {
    const std::vector<std::string> given{"--scenario", "launch.json"};
    const Result<std::filesystem::path, RuntimeFolderProblem> none =
        RuntimeFolderProblem{RuntimeFolderProblem::Kind::unsafe, "/tmp/quillmere-1 is not private"};
    EXPECT_EQ(relaunchArguments(given, SimulatedScenario::of(desktop), none, BuildVariant::release), given);
}

} // namespace
} // namespace quillmere
