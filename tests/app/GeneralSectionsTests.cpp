#include "app/CommandLineSection.h"
#include "app/UpdatesSection.h"
#include "platform/ManualMainQueue.h"
#include "platform/sim/SimulatedDesktop.h"
#include "shell/Updates.h"
#include "support/Files.h"
#include "support/TemporaryDirectory.h"

#include <QDialog>
#include <QPlainTextEdit>
#include <gtest/gtest.h>

namespace quillmere {
namespace {

namespace fs = std::filesystem;

TEST(UpdatesSection, ShowsTheVersionKeepsTheChannelAndChecks) {
    ManualMainQueue queue;
    SimulatedDesktop defaults(queue);
    defaults.setString(updateChannelKey, "nightly");
    int checks = 0;
    UpdatesSection section(defaults, [&] { ++checks; }, "2.0 (300)", "The licences");
    EXPECT_EQ(section.version()->text(), "2.0 (300)");
    EXPECT_EQ(section.channel()->currentText(), "Nightly");
    EXPECT_EQ(section.channel()->count(), 3);

    section.channel()->activated(1);
    EXPECT_EQ(defaults.string(updateChannelKey), "beta");
    section.checkButton()->click();
    EXPECT_EQ(checks, 1);

    ASSERT_NE(section.acknowledgementsButton(), nullptr);
    section.acknowledgementsButton()->click();
    ASSERT_NE(section.acknowledgementsSheet(), nullptr);
    EXPECT_TRUE(section.acknowledgementsSheet()->isVisible());
    EXPECT_EQ(section.acknowledgementsSheet()->findChild<QPlainTextEdit*>()->toPlainText(), "The licences");
    section.acknowledgementsSheet()->close();
}

TEST(UpdatesSection, WithoutAcknowledgementsHasNoRowForThem) {
    ManualMainQueue queue;
    SimulatedDesktop defaults(queue);
    UpdatesSection section(defaults, [] {}, "Unbundled build", std::nullopt);
    EXPECT_EQ(section.acknowledgementsButton(), nullptr);
    EXPECT_EQ(section.channel()->currentText(), "Stable");
}

TEST(UpdatesSection, TheApplicationCarriesTheLicencesOfWhatItIsBuiltWith) {
    const auto text = UpdatesSection::bundledAcknowledgements();
    ASSERT_TRUE(text);
    for (const char* name : {"GNU LESSER GENERAL PUBLIC LICENSE", "Niels Lohmann", "UNICODE, INC. LICENSE"})
        EXPECT_TRUE(text->contains(name)) << name;
}

// The section over a front executable installed in "~/.local/bin" of a home folder, or built in "~/build".
class CommandLineSectionTest : public testing::Test {
  protected:
    CommandLineSectionTest() {
        for (const fs::path& program : {installed(), built()}) {
            fs::create_directories(program.parent_path());
            files::write(program, "#!/bin/sh\n");
            fs::permissions(program, fs::perms::owner_all);
        }
    }

    fs::path installed() const { return home / ".local" / "bin" / "quillmere"; }
    fs::path built() const { return home / "build" / "quillmere"; }

    // Shown, with the command in the folder given.
    std::unique_ptr<CommandLineSection> section(const fs::path& front, const fs::path& folder) {
        auto made = std::make_unique<CommandLineSection>(
            CommandLineSettings({.frontExecutable = front.string(),
                                 .homeFolder = home.path().string(),
                                 .runAsAdministrator = [](const auto&) { return std::nullopt; },
                                 .destination = (folder / "quillmere").string()}),
            home / "README.md");
        made->show();
        return made;
    }

    TemporaryDirectory home;
};

TEST_F(CommandLineSectionTest, TextsAndButtonFollowTheState) {
    const auto installable = section(installed(), home / "links");
    EXPECT_EQ(installable->installButton()->text(), "Install Command…");
    EXPECT_TRUE(installable->installButton()->isEnabled());
    EXPECT_FALSE(installable->stateLine()->isVisible());
    EXPECT_FALSE(installable->message()->isVisible());

    installable->installButton()->click();
    EXPECT_EQ(installable->installButton()->text(), "Installed");
    EXPECT_FALSE(installable->installButton()->isEnabled());
    EXPECT_EQ(installable->stateLine()->text(), "Installed at /usr/local/bin/quillmere");
    EXPECT_TRUE(installable->stateLine()->isVisible());

    fs::remove(home / "links" / "quillmere");
    files::write(home / "links" / "quillmere", "mine");
    installable->reload();
    EXPECT_FALSE(installable->installButton()->isEnabled());
    EXPECT_TRUE(installable->stateLine()->text().startsWith("/usr/local/bin/quillmere already exists"));
}

TEST_F(CommandLineSectionTest, AFailedInstallStaysOnShowAndMayBeTriedAgain) {
    fs::create_directory_symlink("/sys", home / "refused");
    const auto refused = section(installed(), home / "refused");
    refused->installButton()->click();
    EXPECT_TRUE(refused->message()->isVisible());
    EXPECT_EQ(refused->message()->text(), "Could not install the command: pkexec is not installed.");
    EXPECT_TRUE(refused->installButton()->isEnabled());
}

TEST_F(CommandLineSectionTest, AProgramRunFromElsewhereIsNotOffered) {
    const auto fromBuild = section(built(), home / "links");
    EXPECT_FALSE(fromBuild->installButton()->isEnabled());
    EXPECT_EQ(fromBuild->stateLine()->text(), "Install Quillmere and open it from there before installing the command.");
    EXPECT_EQ(fromBuild->guideButton()->text(), "Command-line guide");
}

} // namespace
} // namespace quillmere
