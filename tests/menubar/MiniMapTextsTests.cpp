#include "menubar/MiniMapTexts.h"

#include <gtest/gtest.h>

namespace quillmere {
namespace {

using namespace MiniMapTexts;

TEST(MiniMapTexts, StatusLineFirstMatchWins) {
    const std::optional<std::string> none;
    const std::optional<std::string> chord = "⌃⌥P";
    EXPECT_EQ(statusLine(true, true, chord), "Needs Accessibility permission");
    EXPECT_EQ(statusLine(false, false, chord), "Tiling windows as they open");
    EXPECT_EQ(statusLine(false, true, none), "Paused: windows stay put; only Pause works");
    EXPECT_EQ(statusLine(false, true, chord), "Paused: windows stay put; only Pause (⌃⌥P) works");
}

TEST(MiniMapTexts, HelpTexts) {
    EXPECT_EQ(tilingHelp(std::nullopt),
              "Off pauses tiling: Quillmere moves no windows and releases every shortcut except Pause");
    EXPECT_EQ(tilingHelp("⌃⌥P"),
              "Off pauses tiling: Quillmere moves no windows and releases every shortcut except Pause (⌃⌥P)");
    EXPECT_EQ(profileHelp(true), "Applies by itself when its displays are connected");
    EXPECT_EQ(profileHelp(false), "Apply this profile");
    EXPECT_EQ(problemTitle("/home/someone/.config/quillmere/profiles/Home.json"), "Home didn't load");
    EXPECT_EQ(tileHelp(false, "⌃⌥F"), "Click to go to it, or drag it onto another Desktop to send it there.");
    EXPECT_EQ(tileHelp(true, std::nullopt),
              "Floating: not tiled. Click to go to it, or drag it onto another Desktop to send it there.");
    EXPECT_EQ(tileHelp(true, "⌃⌥F"), "Floating: not tiled. ⌃⌥F tiles it again. Click to go to it, or drag it "
                                     "onto another Desktop to send it there.");
    EXPECT_EQ(tileAccessibleName(std::nullopt, true), "Window, floating");
    EXPECT_EQ(tileAccessibleName("Notes", false), "Notes");
}

TEST(MiniMapTexts, CardTexts) {
    MiniSpace labelled{.id = 5, .number = 2, .label = "Code"};
    MiniSpace plain{.id = 6, .number = 3};
    EXPECT_EQ(desktopText(labelled), "2 Code");
    EXPECT_EQ(desktopHelp(plain, true), "3, empty");
    EXPECT_EQ(desktopHelp(labelled, false), "2 Code");
    EXPECT_EQ(fullScreenText(""), "Full screen");
    EXPECT_EQ(fullScreenCaption(plain, fullScreenText("")), "3 Full screen");
    EXPECT_EQ(fullScreenHelp("Notes"), "Notes, full screen. Click to switch to it.");
    EXPECT_EQ(fullScreenAccessibleName("Notes"), "Notes, full screen");
    EXPECT_EQ(displayHeader({.name = "Studio", .isActive = true}), "Studio · active");
    EXPECT_EQ(displayHeader({.name = "Studio"}), "Studio");
}

} // namespace
} // namespace quillmere
