#include "shell/CaptureNaming.h"

#include <gtest/gtest.h>

namespace quillmere {
namespace {

Profile named(std::string name) {
    Profile profile;
    profile.name = std::move(name);
    return profile;
}

// Profiles "work-home" and "Studio", and a file "notes.json" that failed to load.
ProfileStore::Loaded stored() {
    return {.profiles = {named("Studio"), named("work-home")},
            .problems = {{"/profiles/notes.json", "The data couldn't be read because it isn't in the correct format."}}};
}

TEST(CaptureNaming, TheButtonAndTheNoteFollowTheTypedName) {
    struct Case {
        const char* typed;
        const char* title;
        bool enabled;
        const char* note;
        std::optional<std::string> existing;
    };
    const Case cases[] = {
        {"", "Capture", false, "", std::nullopt},
        {"   ", "Capture", false, "", std::nullopt},
        {"\t \t", "Capture", false, "", std::nullopt},
        {"  Desk\t", "Capture", true, "", std::nullopt},
        {"work/home", "Replace", true,
         "Replaces the windows and layouts in \u201Cwork-home\u201D. Its other settings stay.", "work-home"},
        {" Studio ", "Replace", true,
         "Replaces the windows and layouts in \u201CStudio\u201D. Its other settings stay.", "Studio"},
        {"notes", "Replace", true, "Replaces \u201Cnotes.json\u201D, which didn't load.", std::nullopt},
    };
    const CaptureNaming naming(stored());
    for (const Case& c : cases) {
        const CaptureNaming::Choice choice = naming.choose(c.typed);
        EXPECT_EQ(choice.buttonTitle, c.title) << c.typed;
        EXPECT_EQ(choice.enabled, c.enabled) << c.typed;
        EXPECT_EQ(choice.note, c.note) << c.typed;
        EXPECT_EQ(choice.existing ? std::optional(choice.existing->name) : std::nullopt, c.existing) << c.typed;
    }
    EXPECT_EQ(naming.choose("  Desk\t").name, "Desk") << "spaces and tabs go, the rest stays";
}

TEST(CaptureNaming, TheFirstNameIsTheScreensLowercasedAndFreeOfEveryTakenFile) {
    struct Case {
        std::optional<std::string> screen;
        ProfileStore::Loaded loaded;
        const char* name;
    };
    const Case cases[] = {
        {"Built-in Retina Display", {}, "built-in retina display"},
        {"Built-in Retina Display", {.profiles = {named("built-in retina display")}}, "built-in retina display 2"},
        {std::nullopt, {}, "profile"},
        {std::nullopt, {.profiles = {named("profile"), named("profile 2")}}, "profile 3"},
        // "work/home" would be saved as work-home.json, the other profile's file.
        {"Work/Home", {.profiles = {named("work-home")}}, "work/home 2"},
        // A file that did not load keeps its name: capturing over it would lose it.
        {"Notes", stored(), "notes 2"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CaptureNaming(c.loaded).initialName(c.screen), c.name) << c.screen.value_or("no screen");
}

} // namespace
} // namespace quillmere
