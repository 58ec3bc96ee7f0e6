#include "profiles/ProfileEditor.h"
#include "support/SettingsModelFixture.h"

namespace quillmere {

void PrintTo(const SpaceSnapshot& snapshot, std::ostream* out) {
    nlohmann::json json;
    to_json(json, snapshot);
    *out << json.dump();
}

namespace {

WindowRef app(const std::string& name, std::int64_t index = 0) { return {"com.example." + name, index}; }

SpaceSnapshot desktop(std::int64_t number, std::optional<std::string> display = {},
                      std::optional<LayoutSnapshot> tree = LayoutSnapshot::tile()) {
    return {.space = number, .tree = std::move(tree), .display = std::move(display)};
}

ProfileDisplay recorded(const std::string& name, Rect frame, std::int64_t desktops) {
    return {{.name = name}, frame, desktops};
}

// The editor over the model of a laptop with three Desktops, its screen 1512 by 982 at the origin.
class ProfileEditorTest : public SettingsModelTest {
  protected:
    ProfileEditor editor(const Profile& profile) { return ProfileEditor(*model, managed.desktop, profile); }

    void store(const Profile& profile) {
        ASSERT_EQ(managed.profiles.save(profile), std::nullopt);
        model->refresh();
    }
    const Profile& stored(const std::string& name) const {
        return *std::ranges::find(model->profiles(), name, &Profile::name);
    }
};

struct Derived {
    std::string title;
    Profile profile;
    std::optional<std::int64_t> selectedSpace;
    std::optional<std::string> display;
    std::int64_t desktopCount;
    std::int64_t space;
    bool configured;
    std::vector<std::optional<std::string>> parts;
    std::string hint;
};

TEST_F(ProfileEditorTest, derivesTheDisplayAndDesktopBeingEdited) {
    const Rect studio(-2560, -300, 2560, 1440);
    const Rect side(1512, 0, 1080, 1920);
    const std::vector<Derived> table = {
        {"no displays and no display names", Profile{.name = "P", .spaces = {desktop(2)}}, {}, {}, 3, 2, true,
         {std::nullopt}, "Choose a Desktop to arrange."},
        {"an empty list of displays",
         Profile{.name = "P", .displays = std::vector<ProfileDisplay>{}, .spaces = {desktop(1, "Studio")}}, {}, {}, 3,
         1, false, {std::nullopt}, "Choose a Desktop to arrange."},
        {"display names without a list",
         Profile{.name = "P", .spaces = {desktop(3, "Side"), desktop(2, "Studio")}}, {}, "Side", 3, 3, true,
         {"Side"}, "Each display has its own Desktops. Choose a display, then a Desktop to arrange."},
        {"two displays off the origin",
         Profile{.name = "P",
                 .displays = std::vector{recorded("Studio", studio, 4), recorded("Side", side, 2)},
                 .spaces = {desktop(2, "Side"), desktop(3, "Studio")}},
         {}, "Studio", 4, 3, true, {"Studio"},
         "Each display has its own Desktops. Choose a display, then a Desktop to arrange."},
        {"the display at the origin first",
         Profile{.name = "P",
                 .displays = std::vector{recorded("Side", side, 2), recorded("Main", Rect(0, 0, 1512, 982), 5)},
                 .spaces = {desktop(1, "Side")}},
         {}, "Main", 5, 1, false, {"Main"},
         "Each display has its own Desktops. Choose a display, then a Desktop to arrange."},
        {"spanning two displays",
         Profile{.name = "P",
                 .spansDisplays = true,
                 .displays = std::vector{recorded("Studio", studio, 4), recorded("Side", side, 4)},
                 .spaces = {desktop(2, "Side")}},
         {}, "Studio", 4, 2, false, {"Studio", "Side"},
         "Your Desktops span every display. Choose one to arrange it on each display."},
        {"Desktop 7 of 5",
         Profile{.name = "P", .displays = std::vector{recorded("Main", Rect(0, 0, 1512, 982), 5)},
                 .spaces = {desktop(5, "Main")}},
         7, "Main", 5, 5, true, {"Main"}, "Choose a Desktop to arrange."},
        {"a display without Desktops",
         Profile{.name = "P", .displays = std::vector{recorded("Main", Rect(0, 0, 1512, 982), 0)}}, 4, "Main", 0, 1,
         false, {"Main"}, "Choose a Desktop to arrange."},
    };
    for (const Derived& row : table) {
        ProfileEditor edited = editor(row.profile);
        if (row.selectedSpace)
            edited.selectSpace(*row.selectedSpace);
        EXPECT_EQ(edited.display(), row.display) << row.title;
        EXPECT_EQ(edited.desktopCount(), row.desktopCount) << row.title;
        EXPECT_EQ(edited.space().space, row.space) << row.title;
        EXPECT_EQ(edited.space().display, row.display) << row.title;
        EXPECT_EQ(edited.parts().front().configured, row.configured) << row.title;
        std::vector<std::optional<std::string>> parts;
        for (const DesktopPart& part : edited.parts())
            parts.push_back(part.display);
        EXPECT_EQ(parts, row.parts) << row.title;
        EXPECT_EQ(edited.hint(), row.hint) << row.title;
    }
}

TEST_F(ProfileEditorTest, spanningCountsAnyDisplaysSnapshotAsArrangedButEditsTheOwnDisplay) {
    ProfileEditor edited = editor(Profile{
        .name = "P",
        .spansDisplays = true,
        .displays = std::vector{recorded("Studio", Rect(0, 0, 2560, 1440), 3), recorded("Side", Rect(2560, 0, 1080, 1920), 3)},
        .spaces = {desktop(2, "Side", LayoutSnapshot::tile({app("mail")})), desktop(2, "Studio")},
    });
    EXPECT_TRUE(edited.arranges(2));
    EXPECT_FALSE(edited.arranges(1));
    EXPECT_EQ(edited.windowCount(2), 1);
    const auto parts = edited.parts();
    ASSERT_EQ(parts.size(), 2u);
    EXPECT_EQ(parts[0].name, "Studio");
    EXPECT_EQ(parts[0].frame, Rect(0, 0, 2560, 1440));
    EXPECT_TRUE(parts[1].configured);
    EXPECT_EQ(parts[1].snapshot.windows(), std::vector{app("mail")});
}

TEST_F(ProfileEditorTest, framesAnUnrecordedDisplayLikeTheMainScreen) {
    const ProfileEditor edited = editor(Profile{.name = "P", .spaces = {desktop(1)}});
    const auto parts = edited.parts();
    ASSERT_EQ(parts.size(), 1u);
    EXPECT_EQ(parts[0].name, std::nullopt);
    EXPECT_EQ(parts[0].frame, managed.desktop.mainScreen()->frame);
}

TEST_F(ProfileEditorTest, choosingADisplayStartsFromItsLowestDesktopButTheDesignerKeepsTheDesktop) {
    ProfileEditor edited = editor(Profile{.name = "P", .spaces = {desktop(2, "A"), desktop(3, "B"), desktop(1, "A")}});
    edited.selectSpace(3);
    edited.chooseDisplay("B");
    EXPECT_EQ(edited.space().space, 3);
    edited.chooseDisplay("A");
    EXPECT_EQ(edited.selectedSpace(), std::nullopt);
    EXPECT_EQ(edited.space().space, 1);
    edited.selectSpace(2);
    edited.select("B");
    EXPECT_EQ(edited.space().space, 2);
    EXPECT_EQ(edited.space().display, "B");
}

TEST_F(ProfileEditorTest, givesAnUnarrangedDesktopItsConfiguredLayoutMode) {
    edit([](Settings& settings) { settings.spaces = {{.space = 2, .layout = LayoutMode::stack}}; });
    EXPECT_EQ(ProfileEditor::unconfigured(2, "A", *model),
              (SpaceSnapshot{.space = 2, .mode = LayoutMode::stack, .tree = LayoutSnapshot::tile(), .display = "A"}));
    EXPECT_EQ(ProfileEditor::unconfigured(1, {}, *model).mode, LayoutMode::bsp);
}

struct Move {
    std::string title;
    std::int64_t from;
    LayoutPath path;
    std::int64_t to;
    // The Desktops of the stored profile afterwards; none when nothing is saved.
    std::optional<std::vector<SpaceSnapshot>> spaces;
};

TEST_F(ProfileEditorTest, movesTheAppsOfATileToAnotherDesktop) {
    edit([](Settings& settings) { settings.spaces = {{.space = 3, .layout = LayoutMode::stack}}; });
    const LayoutSnapshot three =
        LayoutSnapshot::split(Axis::horizontal, 0.5, LayoutSnapshot::tile({app("mail")}),
                              LayoutSnapshot::tile({app("editor"), app("editor", 1), app("notes")}));
    const LayoutSnapshot emptyAndFull = LayoutSnapshot::split(Axis::vertical, 0.6, LayoutSnapshot::tile(),
                                                              LayoutSnapshot::tile({app("music")}));
    const SpaceSnapshot onB = desktop(4, "B", LayoutSnapshot::tile({app("video")}));
    const Profile profile{.name = "Work",
                          .spaces = {desktop(1, "A", three), desktop(2, "A", emptyAndFull), desktop(1, "B", three),
                                     onB}};
    const LayoutSnapshot leftBehind =
        LayoutSnapshot::split(Axis::horizontal, 0.5, LayoutSnapshot::tile({app("mail")}), LayoutSnapshot::tile());
    const std::vector<Move> table = {
        {"its own Desktop", 1, {true}, 1, std::nullopt},
        {"a path to a split", 1, {}, 2, std::nullopt},
        {"a path past a tile", 1, {true, false}, 2, std::nullopt},
        {"an empty tile", 2, {false}, 1, std::nullopt},
        {"a Desktop arranged on another display only", 4, {}, 1, std::nullopt},
        {"a Desktop below 1", 0, {}, 1, std::nullopt},
        {"onto a Desktop below 1", 1, {true}, -1, std::nullopt},
        {"onto an unarranged Desktop", 1, {true}, 3,
         std::vector{desktop(1, "A", leftBehind), desktop(2, "A", emptyAndFull), desktop(1, "B", three), onB,
                     SpaceSnapshot{.space = 3,
                                   .mode = LayoutMode::stack,
                                   .tree = LayoutSnapshot::tile({app("editor"), app("editor", 1), app("notes")}),
                                   .display = "A"}}},
        {"onto an arranged Desktop with one empty tile", 1, {true}, 2,
         std::vector{desktop(1, "A", leftBehind),
                     desktop(2, "A",
                             LayoutSnapshot::split(Axis::vertical, 0.6, LayoutSnapshot::tile({app("editor")}),
                                                   LayoutSnapshot::tile({app("music"), app("editor", 1),
                                                                         app("notes")}))),
                     desktop(1, "B", three), onB}},
    };
    for (const Move& row : table) {
        store(profile);
        model->undo().removeAllActions(model.get());
        editor(stored("Work")).moveApps(row.from, row.path, row.to);
        EXPECT_EQ(model->undo().canUndo(), row.spaces.has_value()) << row.title;
        // Saved as every save is, renumbered.
        const auto expected = row.spaces ? Profile{.name = "Work", .spaces = *row.spaces}.renumbered().spaces
                                         : profile.spaces;
        EXPECT_EQ(stored("Work").spaces, expected) << row.title;
    }
}

TEST_F(ProfileEditorTest, savesAChangeWithoutComparing) {
    store(Profile{.name = "Work"});
    editor(stored("Work")).change([](Profile&) {});
    EXPECT_EQ(model->undo().undoActionName(), "Change Profile");
}

} // namespace
} // namespace quillmere
