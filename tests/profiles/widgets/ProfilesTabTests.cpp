#include "profiles/ProfileIconPicker.h"
#include "profiles/RenameSheet.h"
#include "profiles/TileDragData.h"
#include "profiles/widgets/ProfilesTabFixture.h"
#include "support/Wheel.h"
#include "support/WidgetsOfType.h"

#include <QDropEvent>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QScrollBar>

namespace quillmere {
namespace {

const Profile work{.name = "Work", .spaces = {{.space = 1, .tree = LayoutSnapshot::tile({{"com.apple.mail", 0}})}}};
const Profile home{.name = "Home", .spaces = {{.space = 1, .tree = LayoutSnapshot::tile()}}};

TEST_F(ProfilesTabTest, withoutProfilesShowsTheFailedFileAndNothingToEdit) {
    const auto broken = breakFile("Broken.json");
    open();
    EXPECT_EQ(tab->sidebar().badgeText(), "0");
    EXPECT_TRUE(listed().empty());
    ASSERT_EQ(tab->sidebar().problemRows().size(), 1u);
    QAbstractButton& problem = *tab->sidebar().problemRows()[0];
    EXPECT_EQ(problem.accessibleName(), "Broken.json didn't load");
    EXPECT_TRUE(problem.toolTip().startsWith("Open Broken.json to fix it: "));
    EXPECT_FALSE(tab->sidebar().removeButton().isEnabled());
    EXPECT_FALSE(tab->emptyState().isHidden());
    EXPECT_EQ(tab->detail(), nullptr);

    QTest::mouseClick(&problem, Qt::LeftButton);
    EXPECT_EQ(opened, std::vector{broken});
}

// The labels under the widget that show less than their text: cut at the side or wrapped into fewer lines
// than it takes.
std::vector<std::string> cutTexts(const QWidget& root) {
    std::vector<std::string> cut;
    for (const QLabel* label : root.findChildren<QLabel*>()) {
        if (!label->isVisibleTo(&root) || label->text().trimmed().isEmpty())
            continue;
        const bool whole = label->wordWrap() ? label->height() >= label->heightForWidth(label->width())
                                             : label->width() >= label->sizeHint().width();
        if (!whole)
            cut.push_back(label->text().toStdString());
    }
    return cut;
}

TEST_F(ProfilesTabTest, theEmptyStateAndTheListShowTheirTextsWhole) {
    open();
    EXPECT_EQ(cutTexts(tab->emptyState()), std::vector<std::string>{});

    store(Profile{.name = "Studio",
                  .spaces = {{.space = 1, .tree = LayoutSnapshot::tile({{"com.apple.Safari", 0}}), .display = "A"},
                             {.space = 1, .tree = LayoutSnapshot::tile({{"com.apple.mail", 0}}), .display = "B"},
                             {.space = 2, .tree = LayoutSnapshot::tile({{"com.apple.mail", 1}})}},
                  .fullScreen = std::vector<FullScreenSnapshot>{{{{"com.apple.Safari", 1}}}}});
    settle();
    EXPECT_EQ(cutTexts(tab->sidebar()), std::vector<std::string>{});
    std::vector<std::string> summaries;
    for (const QLabel* label : tab->sidebar().findChildren<QLabel*>())
        if (label->text().contains("windows"))
            summaries.push_back(label->text().toStdString());
    EXPECT_EQ(summaries, std::vector<std::string>{"2 Desktops · 3 windows · 1 full screen"});
    EXPECT_TRUE(tab->detail()->summaryText().text().startsWith("2 Desktops · 3 windows"));
}

TEST_F(ProfilesTabTest, showsTheFirstProfileUntilOneIsChosen) {
    store(work);
    store(home);
    model->setSelectedProfile("Gone");
    open();
    EXPECT_EQ(tab->sidebar().badgeText(), "2");
    EXPECT_EQ(listed(), (std::vector<std::string>{"Home", "Work"}));
    EXPECT_EQ(highlighted(), std::vector<std::string>{"Home"});
    ASSERT_NE(tab->detail(), nullptr);
    EXPECT_EQ(tab->detail()->name(), "Home");
    EXPECT_TRUE(tab->emptyState().isHidden());

    tab->sidebar().list().item(1)->setSelected(true);
    settle();
    EXPECT_EQ(model->selectedProfile(), "Work");
    EXPECT_EQ(tab->detail()->name(), "Work");
    EXPECT_EQ(tab->detail()->summaryText().text(), "1 Desktop · 1 window");
    EXPECT_FALSE(model->undo().canUndo());
}

TEST_F(ProfilesTabTest, aRowsMenuActsOnItsRowNotOnTheSelection) {
    store(work);
    store(home);
    model->setSelectedProfile("Home");
    open();
    std::unique_ptr<QMenu> menu(tab->sidebar().rowMenu(*stored("Work")));
    std::vector<QString> texts;
    for (QAction* item : menu->actions())
        texts.push_back(item->isSeparator() ? "-" : item->text());
    EXPECT_EQ(texts, (std::vector<QString>{"Apply profile", "Rename…", "Duplicate", "-", "Move to Trash"}));

    action(*menu, "Move to Trash").trigger();
    settle();
    EXPECT_EQ(listed(), std::vector<std::string>{"Home"});
    EXPECT_TRUE(std::filesystem::exists(trashed("Work.json")));
    EXPECT_EQ(tab->detail()->name(), "Home");
}

TEST_F(ProfilesTabTest, duplicateSelectsTheCopy) {
    store(work);
    open();
    std::unique_ptr<QMenu> menu(tab->sidebar().rowMenu(*stored("Work")));
    action(*menu, "Duplicate").trigger();
    settle();
    EXPECT_EQ(listed(), (std::vector<std::string>{"Work", "Work copy"}));
    EXPECT_EQ(highlighted(), std::vector<std::string>{"Work copy"});
    EXPECT_EQ(tab->detail()->name(), "Work copy");
}

TEST_F(ProfilesTabTest, theMinusButtonTrashesTheSelectedProfile) {
    store(work);
    store(home);
    model->setSelectedProfile("Work");
    open();
    QTest::mouseClick(&tab->sidebar().removeButton(), Qt::LeftButton);
    settle();
    EXPECT_EQ(listed(), std::vector<std::string>{"Home"});
    EXPECT_EQ(model->selectedProfile(), std::nullopt);
    EXPECT_EQ(highlighted(), std::vector<std::string>{"Home"});
}

TEST_F(ProfilesTabTest, aFailedActionShowsAboveTheWindow) {
    store(work);
    open();
    EXPECT_TRUE(tab->actionBanner().isHidden());
    {
        const FullDisk full;
        std::unique_ptr<QMenu> menu(tab->sidebar().rowMenu(*stored("Work")));
        action(*menu, "Duplicate").trigger();
    }
    settle();
    EXPECT_FALSE(tab->actionBanner().isHidden());
    EXPECT_TRUE(tab->actionBanner().message().startsWith("Couldn't save “Work copy”: "))
        << tab->actionBanner().message().toStdString();
    EXPECT_EQ(listed(), std::vector<std::string>{"Work"});
}

TEST_F(ProfilesTabTest, aFailedDuplicateKeepsTheChosenProfileShown) {
    store(work);
    store(home);
    model->setSelectedProfile("Work");
    open();
    {
        const FullDisk full;
        std::unique_ptr<QMenu> menu(tab->sidebar().rowMenu(*stored("Work")));
        action(*menu, "Duplicate").trigger();
    }
    settle();
    EXPECT_EQ(model->selectedProfile(), "Work");
    ASSERT_NE(tab->detail(), nullptr);
    EXPECT_EQ(tab->detail()->name(), "Work");
    EXPECT_FALSE(tab->actionBanner().isHidden());
}

TEST_F(ProfilesTabTest, theWheelOverShowAfterwardsScrollsTheEditor) {
    store(work);
    open();
    QComboBox& show = tab->detail()->whenApplied().showAfterwards();
    const int shown = show.currentIndex();
    const std::string file = files::read(managed.profiles.directory() / "Work.json");
    tab->detail()->verticalScrollBar()->setValue(0);
    wheelDown(show);
    EXPECT_EQ(show.currentIndex(), shown);
    EXPECT_EQ(files::read(managed.profiles.directory() / "Work.json"), file);
    EXPECT_FALSE(model->undo().canUndo());
    EXPECT_GT(tab->detail()->verticalScrollBar()->value(), 0);
}

TEST_F(ProfilesTabTest, theRenameSheetExplainsWhatItRefuses) {
    store(work);
    store(home);
    breakFile("Old.json");
    open();
    tab->sidebar().rename(*stored("Work"));
    settle();
    ASSERT_EQ(widgetsOfType<RenameSheet>(*tab).size(), 1u);
    RenameSheet* sheet = widgetsOfType<RenameSheet>(*tab).front();
    EXPECT_EQ(sheet->windowModality(), Qt::WindowModal);
    EXPECT_EQ(sheet->parentWidget(), tab->window());
    EXPECT_EQ(sheet->windowTitle(), "Rename Profile");
    EXPECT_FALSE(sheet->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(sheet->windowFlags() & Qt::CustomizeWindowHint) << "no buttons beyond those asked for";
    EXPECT_EQ(sheet->width(), 340);
    const int height = sheet->sizeHint().height();
    struct Typed {
        QString text;
        QString problem;
    };
    for (const Typed& typed : std::vector<Typed>{
             {"   ", "Enter a name."},
             {"Home", "A profile called “Home” already exists."},
             {"Old", "A profile called “Old” already exists."},
             {"work", ""},
             {" Office ", ""},
         }) {
        sheet->nameField().setText(typed.text);
        EXPECT_EQ(sheet->problemText().text().trimmed(), typed.problem) << typed.text.toStdString();
        EXPECT_EQ(sheet->renameButton().isEnabled(), typed.problem.isEmpty()) << typed.text.toStdString();
        EXPECT_EQ(sheet->sizeHint().height(), height) << typed.text.toStdString();
    }
    sheet->nameField().setText("Home");
    QTest::keyClick(&sheet->nameField(), Qt::Key_Return);
    EXPECT_TRUE(sheet->isVisible());

    sheet->nameField().setText(" Office ");
    QTest::keyClick(&sheet->nameField(), Qt::Key_Return);
    settle();
    EXPECT_TRUE(widgetsOfType<RenameSheet>(*tab).empty());
    EXPECT_EQ(listed(), (std::vector<std::string>{"Home", "Office"}));
    EXPECT_EQ(model->selectedProfile(), "Office");
    EXPECT_EQ(tab->detail()->name(), "Office");
}

// A drop of the data on the chip, as the window system delivers it; whether the chip took it.
bool drop(QWidget& chip, QMimeData& data) {
    const QPointF centre = QRectF(chip.rect()).center();
    QDragEnterEvent enter(centre.toPoint(), Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&chip, &enter);
    QDropEvent dropped(centre, Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&chip, &dropped);
    return dropped.isAccepted();
}

TEST_F(ProfilesTabTest, aTileDroppedOnAChipMovesItsAppsThere) {
    store(work);
    open();
    ASSERT_EQ(tab->detail()->chips().size(), 3u);
    std::unique_ptr<QMimeData> data(tileDragData(TileDrag{1, {}}));
    EXPECT_TRUE(drop(*tab->detail()->chips()[2], *data));
    settle();
    const Profile moved = *stored("Work");
    ASSERT_EQ(moved.spaces.size(), 2u);
    EXPECT_EQ(moved.spaces[0].tree, LayoutSnapshot::tile());
    EXPECT_EQ(moved.spaces[1].space, 3);
    EXPECT_EQ(moved.spaces[1].windows(), (std::vector<WindowRef>{{"com.apple.mail", 0}}));
    EXPECT_TRUE(tab->detail()->chips()[2]->look().arranged);
    EXPECT_EQ(tab->detail()->chips()[2]->look().windows, 1);
}

TEST_F(ProfilesTabTest, aChipRefusesTextFromOutside) {
    store(work);
    open();
    QMimeData outside;
    outside.setText("1:");
    EXPECT_FALSE(drop(*tab->detail()->chips()[2], outside));
    std::unique_ptr<QMimeData> tooLarge(tileDragData(TileDrag{1, {}}));
    tooLarge->setText("99999999999999999999:");
    EXPECT_FALSE(drop(*tab->detail()->chips()[2], *tooLarge));
    std::unique_ptr<QMimeData> belowOne(tileDragData(TileDrag{0, {}}));
    EXPECT_FALSE(drop(*tab->detail()->chips()[2], *belowOne));
    settle();
    EXPECT_EQ(stored("Work"), work);
    EXPECT_FALSE(model->undo().canUndo());
}

TEST_F(ProfilesTabTest, aChipChoosesTheDesktopAndMarksWhatTheProfileArranges) {
    edit([](Settings& settings) { settings.spaces = {{.space = 2, .label = "Mail"}}; });
    store(work);
    open();
    model->undo().removeAllActions(model.get());
    const auto& chips = tab->detail()->chips();
    EXPECT_TRUE(chips[0]->look().selected);
    EXPECT_TRUE(chips[0]->look().arranged);
    EXPECT_EQ(chips[1]->look().label, "Mail");
    EXPECT_FALSE(chips[1]->look().arranged);
    EXPECT_EQ(chips[1]->toolTip(), "Not in this profile yet: applying it leaves this Desktop as it is");
    QTest::mouseClick(chips[1], Qt::LeftButton);
    settle();
    EXPECT_EQ(tab->detail()->editor().space().space, 2);
    EXPECT_TRUE(tab->detail()->chips()[1]->look().selected);
    EXPECT_FALSE(model->undo().canUndo());
}

TEST_F(ProfilesTabTest, theIconPickerSavesTheChosenIcon) {
    store(work);
    open();
    QTest::mouseClick(&tab->detail()->iconButton(), Qt::LeftButton);
    settle();
    ASSERT_EQ(widgetsOfType<ProfileIconPicker>(*tab).size(), 1u);
    ProfileIconPicker* picker = widgetsOfType<ProfileIconPicker>(*tab).front();
    ASSERT_EQ(picker->cells().size(), 48u);
    QAbstractButton* briefcase = picker->cells()[1];
    EXPECT_EQ(briefcase->toolTip(), "Briefcase");
    QTest::mouseClick(briefcase, Qt::LeftButton);
    settle();
    EXPECT_EQ(stored("Work")->icon, "briefcase");
    EXPECT_EQ(model->undo().undoActionName(), "Change Profile Icon");
    EXPECT_TRUE(widgetsOfType<ProfileIconPicker>(*tab).empty());
}

TEST_F(ProfilesTabTest, everyProfileIconIsDrawn) {
    for (const ProfileIconGroup& group : Profile::iconChoices())
        for (const ProfileIcon& icon : group.icons)
            EXPECT_TRUE(symbols.hasSymbol(icon.symbol)) << icon.symbol;
}

TEST_F(ProfilesTabTest, theHeaderAndTheRowMenuApplyTheProfile) {
    store(work);
    store(home);
    model->setSelectedProfile("Work");
    open();
    QTest::mouseClick(&tab->detail()->applyButton(), Qt::LeftButton);
    EXPECT_EQ(model->manager().lastProfile(), "Work");
    std::unique_ptr<QMenu> menu(tab->sidebar().rowMenu(*stored("Home")));
    action(*menu, "Apply profile").trigger();
    EXPECT_EQ(model->manager().lastProfile(), "Home");
    EXPECT_FALSE(model->undo().canUndo());
}

TEST_F(ProfilesTabTest, choosingADisplayShowsItsLowestArrangedDesktop) {
    store(Profile{.name = "Two",
                  .spaces = {{.space = 2, .tree = LayoutSnapshot::tile(), .display = "Left"},
                             {.space = 3, .tree = LayoutSnapshot::tile(), .display = "Right"}}});
    open();
    ProfileDetail& detail = *tab->detail();
    ASSERT_EQ(detail.displaySegments().size(), 2u);
    EXPECT_EQ(detail.displaySegments()[0]->text(), "Left");
    EXPECT_TRUE(detail.displaySegments()[0]->isChecked());
    QTest::mouseClick(detail.chips()[0], Qt::LeftButton);
    settle();
    QTest::mouseClick(detail.displaySegments()[1], Qt::LeftButton);
    settle();
    EXPECT_EQ(detail.editor().display(), "Right");
    EXPECT_EQ(detail.editor().space().space, 3);
    EXPECT_TRUE(detail.displaySegments()[1]->isChecked());
    EXPECT_TRUE(detail.chips()[2]->look().selected);
}

TEST_F(ProfilesTabTest, theEditorKeepsItsDesktopThroughASaveOfTheSameProfile) {
    store(work);
    open();
    QTest::mouseClick(tab->detail()->chips()[1], Qt::LeftButton);
    settle();
    ProfileDetail* detail = tab->detail();
    detail->editor().change([](Profile& profile) { profile.icon = "star"; });
    settle();
    EXPECT_EQ(tab->detail(), detail);
    EXPECT_EQ(detail->editor().profile().icon, "star");
    EXPECT_EQ(detail->editor().space().space, 2);
}

} // namespace
} // namespace quillmere
