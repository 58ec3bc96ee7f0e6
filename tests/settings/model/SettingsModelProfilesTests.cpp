#include "core/ProfileEditing.h"
#include "support/SettingsModelFixture.h"

namespace quillmere {
namespace {

class ProfileActions : public SettingsModelTest {
  protected:
    void store(const Profile& profile) {
        ASSERT_EQ(managed.profiles.save(profile), std::nullopt);
        model->refresh();
    }
    std::filesystem::path file(const std::string& name) const {
        return managed.profiles.directory() / profileFileName(name);
    }
    bool stored(const std::string& name) const { return std::filesystem::exists(file(name)); }
    std::vector<std::string> names() const {
        std::vector<std::string> result;
        for (const Profile& profile : model->profiles())
            result.push_back(profile.name);
        return result;
    }
    const Profile& named(const std::string& name) const {
        return *std::ranges::find(model->profiles(), name, &Profile::name);
    }

    const Profile work{.name = "Work", .display = "1 + 2", .spaces = {{.space = 1, .tree = LayoutSnapshot::tile()}},
                       .icon = "briefcase"};
};

TEST_F(ProfileActions, duplicatesUnderAFreeNameAndUndoesIntoTheTrash) {
    store(work);
    Profile copy = work;
    copy.name = "Work copy";
    store(copy);

    model->duplicate(work);
    EXPECT_EQ(model->selectedProfile(), "Work copy 2");
    EXPECT_EQ(named("Work copy 2").display, std::nullopt);
    EXPECT_EQ(named("Work copy 2").icon, "briefcase");
    EXPECT_EQ(model->undo().undoActionName(), "Change Profile");

    later();
    model->undo().undo();
    EXPECT_FALSE(stored("Work copy 2"));
    EXPECT_TRUE(std::filesystem::exists(trashed("Work copy 2.json")));
    later();
    model->undo().redo();
    EXPECT_TRUE(stored("Work copy 2"));
}

TEST_F(ProfileActions, namesNewProfilesFreshAndForTheDisplaysPresent) {
    model->newProfile();
    later();
    model->newProfile();
    EXPECT_EQ(names(), (std::vector<std::string>{"Untitled", "Untitled 2"}));
    EXPECT_EQ(model->selectedProfile(), "Untitled 2");
    const Profile& profile = named("Untitled");
    ASSERT_TRUE(profile.displays);
    ASSERT_EQ(profile.displays->size(), 1u);
    EXPECT_EQ(profile.displays->front().desktops, 3);
    ASSERT_EQ(profile.spaces.size(), 1u);
    EXPECT_EQ(profile.spaces[0].display, "Built-in Retina Display");
    EXPECT_EQ(profile.spaces[0].tree, LayoutSnapshot::tile());
    EXPECT_EQ(profile.display, managed.spaces.desktops().fingerprint());
}

TEST_F(ProfileActions, namesACaptureAfterTheMainScreen) {
    model->captureNew();
    EXPECT_EQ(model->selectedProfile(), "built-in retina display");
    store(Profile{.name = "built-in retina display"});
    model->captureNew();
    EXPECT_EQ(model->selectedProfile(), "built-in retina display 2");
    EXPECT_FALSE(model->undo().canUndo());
}

TEST_F(ProfileActions, neverGivesANameWhoseFileIsTaken) {
    store(Profile{.name = "A/B"});
    store(Profile{.name = "A-B copy"});
    const std::string otherFile = files::read(file("A-B copy"));
    model->duplicate(named("A/B"));
    EXPECT_EQ(model->selectedProfile(), "A/B copy 2");
    EXPECT_EQ(files::read(file("A-B copy")), otherFile);

    files::write(file("Untitled"), "{ broken");
    model->refresh();
    later();
    model->newProfile();
    EXPECT_EQ(model->selectedProfile(), "Untitled 2");
    EXPECT_EQ(files::read(file("Untitled")), "{ broken");

    later();
    model->rename(named("A-B copy"), "untitled");
    EXPECT_TRUE(stored("A-B copy")) << "a broken file's name counts as taken";
    EXPECT_EQ(files::read(file("Untitled")), "{ broken");
}

TEST_F(ProfileActions, renamesTheFileAndTheBindingsAsOneStep) {
    store(work);
    edit([](Settings& settings) {
        settings.keys.insert_or_assign("ctrl-alt-1", "load Work");
        settings.keys.insert_or_assign("ctrl-alt-2", "load Work");
    });
    managed.manager().setLastProfile("Work");
    later();

    model->rename(work, "  Home\t");
    EXPECT_TRUE(stored("Home"));
    EXPECT_FALSE(stored("Work"));
    EXPECT_TRUE(std::filesystem::exists(trashed("Work.json")));
    EXPECT_EQ(model->chords("load Home"), (std::vector<std::string>{"ctrl-alt-1", "ctrl-alt-2"}));
    EXPECT_EQ(storedConfig()["keys"]["ctrl-alt-1"], "load Home");
    EXPECT_EQ(model->selectedProfile(), "Home");
    EXPECT_EQ(managed.manager().lastProfile(), "Home");
    EXPECT_EQ(model->undo().undoActionName(), "Rename Profile");

    later();
    model->undo().undo();
    EXPECT_TRUE(stored("Work"));
    EXPECT_FALSE(stored("Home"));
    EXPECT_EQ(model->chords("load Work"), (std::vector<std::string>{"ctrl-alt-1", "ctrl-alt-2"}));
    EXPECT_EQ(managed.manager().lastProfile(), "Work");
    EXPECT_EQ(model->undo().undoActionName(), "Change Setting") << "the bindings' edit before is next";
    EXPECT_EQ(model->undo().redoActionName(), "Rename Profile");
}

TEST_F(ProfileActions, aRenameKeepsAnEditSavedAfterTheCallerTookItsCopy) {
    store(work);
    const Profile asTheSheetOpened = named("Work");
    Profile edited = work;
    edited.open = std::map<std::string, std::vector<std::string>>{{"Editor", {"~/notes.txt"}}};
    model->update(edited, "Change Items to Open");
    later();

    model->rename(asTheSheetOpened, "Home");
    EXPECT_EQ(names(), (std::vector<std::string>{"Home"}));
    EXPECT_EQ(named("Home").open, edited.open);
    later();
    model->undo().undo();
    EXPECT_EQ(named("Work").open, edited.open);
}

TEST_F(ProfileActions, ignoresARenameToTheSameNameOrATakenOne) {
    store(work);
    store(Profile{.name = "Home"});
    model->rename(work, " Work ");
    model->rename(work, "home");
    model->rename(work, "   ");
    EXPECT_EQ(names(), (std::vector<std::string>{"Home", "Work"}));
    EXPECT_FALSE(model->undo().canUndo());
}

TEST_F(ProfileActions, trashingTheCurrentProfileIsUndoneWithItsIconAndSelection) {
    managed.symbols.add("briefcase");
    store(work);
    managed.manager().setLastProfile("Work");
    model->refresh();
    model->setSelectedProfile("Work");
    EXPECT_EQ(managed.manager().lastProfileIcon(), "briefcase");
    later();

    model->trash(work);
    EXPECT_FALSE(stored("Work"));
    EXPECT_EQ(model->selectedProfile(), std::nullopt);
    EXPECT_EQ(managed.manager().lastProfile(), std::nullopt);
    EXPECT_EQ(managed.manager().status().profile, std::nullopt);
    EXPECT_EQ(model->undo().undoActionName(), "Move to Trash");

    later();
    model->undo().undo();
    EXPECT_TRUE(stored("Work"));
    EXPECT_EQ(managed.manager().lastProfile(), "Work");
    EXPECT_EQ(managed.manager().status().profile, "Work");
    EXPECT_EQ(managed.manager().status().profileIcon, "briefcase");
    EXPECT_EQ(model->selectedProfile(), "Work");
    EXPECT_EQ(model->undo().redoActionName(), "Move to Trash");
}

TEST_F(ProfileActions, anUnwritableFolderGivesAMessageALogLineAndNoStep) {
    std::filesystem::remove_all(managed.profiles.directory());
    files::write(managed.profiles.directory(), "not a folder");
    model->update(work, "Change Profile");
    ASSERT_TRUE(model->actionError());
    EXPECT_TRUE(model->actionError()->starts_with("Couldn't save “Work”: "));
    EXPECT_TRUE(managed.logged(*model->actionError()));
    EXPECT_FALSE(model->undo().canUndo());

    std::filesystem::remove(managed.profiles.directory());
    later();
    model->update(work, "Change Profile");
    EXPECT_EQ(model->actionError(), std::nullopt) << "the next success clears it";
}

TEST_F(ProfileActions, aFailedNewProfileOrDuplicateKeepsTheSelectionAndSaysWhy) {
    store(work);
    model->setSelectedProfile("Work");
    std::filesystem::remove_all(managed.profiles.directory());
    files::write(managed.profiles.directory(), "not a folder");
    const std::vector<std::function<void()>> actions = {[&] { model->newProfile(); },
                                                        [&] { model->duplicate(work); }};
    for (const auto& action : actions) {
        action();
        EXPECT_EQ(model->selectedProfile(), "Work");
        ASSERT_TRUE(model->actionError());
        EXPECT_TRUE(model->actionError()->starts_with("Couldn't save “"));
        EXPECT_FALSE(model->undo().canUndo());
    }
}

TEST_F(ProfileActions, anUpdateIsUndoneToThePreviousVersion) {
    store(work);
    Profile changed = work;
    changed.show = 2;
    model->update(changed, "Change Items to Open");
    EXPECT_EQ(named("Work").show, 2);
    later();
    model->undo().undo();
    EXPECT_EQ(named("Work"), work);
}

TEST_F(ProfileActions, aFailedTrashOfTheOldFileKeepsBothNames) {
    store(work);
    trash.setFailing(true);
    model->rename(work, "Home");
    EXPECT_EQ(names(), (std::vector<std::string>{"Home", "Work"}));
    ASSERT_TRUE(model->actionError());
    EXPECT_TRUE(model->actionError()->starts_with("Couldn't move “Work” to the Trash: "));
    EXPECT_EQ(model->undo().undoActionName(), "Rename Profile");
}

TEST_F(ProfileActions, previewsOnlyWhileWindowPreviewsAreOn) {
    const std::int32_t editor = managed.launch("Editor");
    managed.desktop.openWindow(editor, {.title = "One"});
    managed.settle();
    model->refreshPreviews();
    EXPECT_TRUE(model->liveWindows().empty());

    edit([](Settings& settings) { settings.windowPreviews = true; });
    model->refreshPreviews();
    ASSERT_EQ(model->liveWindows().size(), 1u);
    EXPECT_EQ(model->liveWindows().begin()->first, (WindowRef{"com.example.Editor", 0}));
}

} // namespace
} // namespace quillmere
