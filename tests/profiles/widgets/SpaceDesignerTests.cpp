#include "profiles/TileDrag.h"
#include "profiles/TileMenu.h"
#include "profiles/widgets/DesignerFixture.h"
#include "support/Snapshots.h"

#include <QMenu>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>

namespace quillmere {
namespace {

using namespace snapshots;

const Rect laptop{0, 0, 1512, 982};

class SpaceDesignerTest : public DesignerTest {};

TEST_F(SpaceDesignerTest, aTileClickOpensItsMenuAndAChosenAppIsSavedOnce) {
    store({.name = "Work", .spaces = {{.space = 1, .tree = tile()}}});
    const Profile& profile = stored("Work");
    SpaceDesigner& view = designer("Work", {part(std::nullopt, std::nullopt, laptop, profile, 1)}, std::nullopt);
    LayoutCanvas& canvas = *view.canvases().front();
    const auto where = canvas.tileRect({});
    ASSERT_TRUE(where);
    QTest::mouseClick(&canvas, Qt::LeftButton, {}, where->center());
    ASSERT_NE(canvas.menu(), nullptr);
    EXPECT_EQ(canvas.editing().editing(), LayoutPath{});
    EXPECT_EQ(canvas.menu()->stackButton(), nullptr);
    EXPECT_FALSE(canvas.menu()->button("Remove Tile")->isEnabled());
    EXPECT_EQ(canvas.menu()->button("Clear App"), nullptr);

    QMenu* apps = canvas.menu()->chooseButton()->menu();
    Q_EMIT apps->aboutToShow();
    QAction* safari = nullptr;
    for (QAction* action : apps->actions())
        if (action->text() == "Safari")
            safari = action;
    ASSERT_NE(safari, nullptr);
    const int before = refreshes;
    safari->trigger();
    settleWidgets();

    EXPECT_EQ(refreshes, before + 1);
    EXPECT_EQ(stored("Work").spaces.front().tree, tile({ref("com.apple.Safari", 0)}));
    EXPECT_EQ(model->undo().undoActionName(), "Change Profile");
    EXPECT_EQ(canvas.menu(), nullptr);
    EXPECT_EQ(canvas.editing().editing(), std::nullopt);
}

TEST_F(SpaceDesignerTest, theTileMenuOfALowTileStaysInsideTheWindowAndLinesUpItsTexts) {
    store({.name = "Work", .spaces = {{.space = 1, .tree = v(0.5, tile(), tile({ref("com.apple.mail", 0)}))}}});
    SpaceDesigner& view = designer("Work", {part(std::nullopt, std::nullopt, laptop, stored("Work"), 1)}, std::nullopt);
    view.move(0, 0);
    view.resize(600, view.heightForWidth(600));
    settleWidgets();
    LayoutCanvas& canvas = *view.canvases().front();
    for (const LayoutPath& path : {LayoutPath{false}, LayoutPath{true}}) {
        const auto where = canvas.tileRect(path);
        ASSERT_TRUE(where);
        QTest::mouseClick(&canvas, Qt::LeftButton, {}, where->center());
        TileMenu* menu = canvas.menu();
        ASSERT_NE(menu, nullptr);
        EXPECT_TRUE(view.geometry().contains(menu->geometry()))
            << menu->geometry().y() << " + " << menu->height() << " in " << view.geometry().bottom();

        // The texts of the app menus start where those of the buttons with icons do.
        QPushButton* split = menu->button("Split Left | Right");
        const auto textStart = [](const QPushButton& button) {
            QStyleOptionButton option;
            option.initFrom(&button);
            option.text = button.text();
            option.icon = button.icon();
            option.iconSize = button.iconSize();
            option.features = QStyleOptionButton::Flat;
            const QRect contents = button.style()->subElementRect(QStyle::SE_PushButtonContents, &option, &button);
            const int icon = button.icon().isNull() ? 0 : button.iconSize().width() + 4;
            return button.mapTo(button.window(), contents.topLeft()).x() + icon;
        };
        EXPECT_EQ(textStart(*menu->chooseButton()), textStart(*split));
        menu->close();
        settleWidgets();
    }
}

TEST_F(SpaceDesignerTest, aDividerDragIsOneSaveAndOneUndoStep) {
    store({.name = "Work", .spaces = {{.space = 1, .tree = h(0.5, tile({ref("com.apple.mail", 0)}), tile())}}});
    SpaceDesigner& view =
        designer("Work", {part(std::nullopt, std::nullopt, laptop, stored("Work"), 1)}, std::nullopt);
    LayoutCanvas& canvas = *view.canvases().front();
    const QRect handle = canvas.handleRect({});
    ASSERT_FALSE(handle.isEmpty());
    const int before = refreshes;
    drag(canvas, handle.center(), QPoint(canvas.width() / 4, handle.center().y()));
    settleWidgets();

    EXPECT_EQ(refreshes, before + 1);
    const double ratio = stored("Work").spaces.front().tree->ratio();
    EXPECT_NEAR(ratio, 0.25, 0.03);
    EXPECT_TRUE(model->undo().canUndo());
    later();
    model->undo().undo();
    EXPECT_EQ(stored("Work").spaces.front().tree->ratio(), 0.5);
    EXPECT_FALSE(model->undo().canUndo());
}

TEST_F(SpaceDesignerTest, onlyTheEditedPartsTilesDragAndPressingAnotherPartSelectsIt) {
    const Profile spanning{.name = "Work",
                           .spansDisplays = true,
                           .displays = std::vector<ProfileDisplay>{{.identity = {.name = "Left"}, .frame = laptop},
                                                                   {.identity = {.name = "Right"},
                                                                    .frame = {1512, 0, 1920, 1080}}},
                           .spaces = {{.space = 2, .tree = tile({ref("com.apple.mail", 0)}), .display = "Left"},
                                      {.space = 2, .tree = tile({ref("com.apple.Notes", 0)}), .display = "Right"}}};
    store(spanning);
    const Profile profile = stored("Work");
    SpaceDesigner& view = designer("Work",
                                   {part("Left", "Left", laptop, profile, 2),
                                    part("Right", "Right", {1512, 0, 1920, 1080}, profile, 2)},
                                   "Right");
    std::vector<std::optional<std::string>> selected;
    view.select = [&](const std::optional<std::string>& display) { selected.push_back(display); };
    std::vector<std::string> drags;
    for (LayoutCanvas* canvas : view.canvases())
        canvas->startDrag = [&drags, space = 2](const LayoutTile& tile) {
            drags.push_back(TileDrag{space, tile.path}.text() + " " + tile.refs.front().app);
        };

    LayoutCanvas& left = *view.canvases()[0];
    drag(left, left.rect().center(), left.rect().center() + QPoint(40, 30));
    EXPECT_TRUE(drags.empty());
    EXPECT_EQ(selected, (std::vector<std::optional<std::string>>{"Left"}));
    EXPECT_EQ(left.menu(), nullptr);

    LayoutCanvas& right = *view.canvases()[1];
    drag(right, right.rect().center(), right.rect().center() + QPoint(40, 30));
    EXPECT_EQ(drags, (std::vector<std::string>{"2: com.apple.Notes"}));
    EXPECT_EQ(stored("Work"), profile);
}

TEST_F(SpaceDesignerTest, theModeKeepsTheTreeAndTemplatesNeedTile) {
    store({.name = "Work", .spaces = {{.space = 1, .tree = h(0.3, tile({ref("com.apple.mail", 0)}), tile())}}});
    SpaceDesigner& tiled = designer("Work", {part(std::nullopt, std::nullopt, laptop, stored("Work"), 1)}, std::nullopt);
    ASSERT_EQ(tiled.templateButtons().size(), LayoutSnapshot::templates().size());
    EXPECT_TRUE(tiled.templateButtons().front()->isEnabled());
    tiled.modeButton(LayoutMode::stack)->click();
    settleWidgets();
    EXPECT_EQ(stored("Work").spaces.front().mode, LayoutMode::stack);
    EXPECT_EQ(stored("Work").spaces.front().tree, h(0.3, tile({ref("com.apple.mail", 0)}), tile()));

    SpaceDesigner& stacked =
        designer("Work", {part(std::nullopt, std::nullopt, laptop, stored("Work"), 1)}, std::nullopt);
    TemplateButton& single = *stacked.templateButtons().front();
    EXPECT_FALSE(single.isEnabled());
    EXPECT_EQ(single.toolTip(), "Templates shape tiled Desktops; choose Tile above to use them");
    QTest::mouseMove(&single);
    EXPECT_FALSE(single.hovering());
}

TEST_F(SpaceDesignerTest, everyTemplateNameIsDrawnWhole) {
    store({.name = "Work", .spaces = {{.space = 1, .tree = tile()}}});
    SpaceDesigner& view = designer("Work", {part(std::nullopt, std::nullopt, laptop, stored("Work"), 1)}, std::nullopt);
    for (TemplateButton* button : view.templateButtons()) {
        EXPECT_LE(button->nameWidth(), button->width()) << button->text().toStdString();
        EXPECT_GE(button->width(), 58) << button->text().toStdString();
    }
}

TEST_F(SpaceDesignerTest, theFirstEditOfAnUnarrangedDesktopAppendsItsSnapshot) {
    store({.name = "Work", .spaces = {{.space = 1, .tree = tile()}}});
    SpaceDesigner& view = designer("Work", {part(std::nullopt, std::nullopt, laptop, stored("Work"), 3)}, std::nullopt);
    const auto actions = view.actionsMenu()->menu()->actions();
    ASSERT_EQ(actions.size(), 1);
    EXPECT_FALSE(actions.front()->isEnabled());
    const auto& templates = LayoutSnapshot::templates();
    view.templateButtons()[1]->click();
    settleWidgets();
    ASSERT_EQ(stored("Work").spaces.size(), 2u);
    EXPECT_EQ(stored("Work").spaces[1].space, 3);
    EXPECT_EQ(stored("Work").spaces[1].tree, templates[1].layout);
}

} // namespace
} // namespace quillmere
