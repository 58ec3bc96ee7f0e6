#include "settings/model/DesktopEntry.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace quillmere {
namespace {

using testing::ElementsAre;

TEST(DesktopEntry, LocaleKeysGoFromTheMostToTheLeastPrecise) {
    EXPECT_THAT(localeNameKeys("sr_RS.UTF-8@latin"),
                ElementsAre("Name[sr_RS@latin]", "Name[sr_RS]", "Name[sr@latin]", "Name[sr]"));
    EXPECT_THAT(localeNameKeys("de_DE"), ElementsAre("Name[de_DE]", "Name[de]"));
    EXPECT_THAT(localeNameKeys("C.UTF-8"), ElementsAre());
    EXPECT_THAT(localeNameKeys(""), ElementsAre());
}

TEST(DesktopEntry, ReadsTheBestNameAndOnlyTheFirstGroup) {
    const auto entry = DesktopEntry::parse("# comment\n[Desktop Entry]\nType=Application\nName=Files\n"
                                           "Name[de]=Dateien\nName[de_AT]=Dateien\\sÖsterreich\nIcon = folder \n"
                                           "[Desktop Action New]\nName=New Window\nNoDisplay=true\n",
                                           "de_AT.UTF-8");
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->type, "Application");
    EXPECT_EQ(entry->name, "Dateien Österreich");
    EXPECT_EQ(entry->icon, "folder");
    EXPECT_FALSE(entry->noDisplay);
    EXPECT_EQ(DesktopEntry::parse("[Desktop Entry]\nName=Files\nName[fr]=Fichiers\n", "de_DE")->name, "Files");
}

TEST(DesktopEntry, RefusesTextsThatAreNoEntry) {
    EXPECT_FALSE(DesktopEntry::parse("", "C"));
    EXPECT_FALSE(DesktopEntry::parse("Name=Files\n", "C"));
    EXPECT_FALSE(DesktopEntry::parse("[Other]\n[Desktop Entry]\nName=Files\n", "C"));
    EXPECT_EQ(DesktopEntry::parse("[Desktop Entry]\nName=\n", "C")->name, std::nullopt);
}

} // namespace
} // namespace quillmere
