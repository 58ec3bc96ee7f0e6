#include "platform/x11/ApplicationIdentity.h"

#include <gtest/gtest.h>

namespace quillmere {
namespace {

// The user's own entries come first, as the desktop lists them.
const std::vector<DesktopEntry> entries{
    {.id = "my-terminal", .name = "My Terminal", .startupWMClass = "URxvt", .executable = "urxvt-wrapper"},
    {.id = "xterm", .name = "XTerm", .executable = "xterm"},
    {.id = "org.gnome.Nautilus", .name = "Files", .executable = "nautilus"},
    {.id = "org.example.Files", .name = "Other Files", .startupWMClass = "nautilus", .executable = "files"},
    {.id = "com.example.Writer", .name = "Writer", .executable = "writer"},
    {.id = "writer", .name = "Old Writer", .executable = "oldwriter"},
    {.id = "urxvt", .name = "rxvt-unicode", .executable = "urxvt"},
    {.id = "gimp", .name = "GNU Image Manipulation Program", .executable = "gimp-2.10"},
};

struct MatchCase {
    std::string name;
    std::optional<WindowClass> windowClass;
    std::optional<std::string> executable;
    // None when no entry should match.
    std::optional<std::string> expectedId;
};

class MatchingEntryTest : public testing::TestWithParam<MatchCase> {};

TEST_P(MatchingEntryTest, FindsTheEntryTheDesktopWouldFind) {
    const DesktopEntry* found = matchingDesktopEntry(entries, GetParam().windowClass, GetParam().executable);
    EXPECT_EQ(found ? std::optional(found->id) : std::nullopt, GetParam().expectedId);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, MatchingEntryTest,
    testing::Values(
        // StartupWMClass wins over an entry named after the class.
        MatchCase{"StartupClassBeforeId", WindowClass{"urxvt", "URxvt"}, "urxvt", "my-terminal"},
        // ...and it is compared exactly.
        MatchCase{"StartupClassIsExact", WindowClass{"x", "urxvt"}, std::nullopt, "urxvt"},
        MatchCase{"StartupClassByInstance", WindowClass{"nautilus", "Org.gnome.Nautilus"}, std::nullopt,
                  "org.example.Files"},
        MatchCase{"IdIgnoringCase", WindowClass{"xterm", "XTerm"}, "xterm", "xterm"},
        // An exact id beats the last part of a reverse-domain id that comes first.
        MatchCase{"WholeIdBeforeLastPart", WindowClass{"writer", "Writer"}, std::nullopt, "writer"},
        MatchCase{"LastPartOfReverseDomainId", WindowClass{"files", "Nautilus"}, std::nullopt,
                  "org.gnome.Nautilus"},
        MatchCase{"ClassBeforeInstance", WindowClass{"xterm", "gimp"}, std::nullopt, "gimp"},
        MatchCase{"ByExecutableWhenNoClassMatches", WindowClass{"main", "Main"}, "gimp-2.10", "gimp"},
        MatchCase{"ByExecutableWithoutClass", std::nullopt, "xterm", "xterm"},
        MatchCase{"EmptyClassMatchesNothing", WindowClass{"", ""}, std::nullopt, std::nullopt},
        MatchCase{"Unknown", WindowClass{"foo", "Foo"}, "foo", std::nullopt},
        MatchCase{"NothingKnown", std::nullopt, std::nullopt, std::nullopt}),
    [](const auto& info) { return info.param.name; });

TEST(ApplicationIdentityTest, TakesTheEntryThenTheClassThenTheExecutable) {
    EXPECT_EQ(applicationIdentity(&entries[2], WindowClass{"nautilus", "Nautilus"}, "nautilus"),
              (ApplicationIdentity{"org.gnome.Nautilus", "Files"}));
    EXPECT_EQ(applicationIdentity(nullptr, WindowClass{"foo", "Foo"}, "foo-bin"),
              (ApplicationIdentity{"Foo", "Foo"}));
    EXPECT_EQ(applicationIdentity(nullptr, WindowClass{"foo", ""}, "foo-bin"),
              (ApplicationIdentity{"foo", "foo"}));
    EXPECT_EQ(applicationIdentity(nullptr, std::nullopt, "foo-bin"),
              (ApplicationIdentity{"foo-bin", "foo-bin"}));
    EXPECT_EQ(applicationIdentity(nullptr, WindowClass{"", ""}, ""), ApplicationIdentity{});
}

} // namespace
} // namespace quillmere
