#include "profiles/ProfileDetail.h"
#include "profiles/TileDragData.h"
#include "profiles/widgets/ProfilesTabFixture.h"
#include "support/Snapshots.h"

#include <QDropEvent>
#include <QMouseEvent>

namespace quillmere {
namespace {

using namespace snapshots;

// The designer inside the profile editor, where its tiles are dragged onto the Desktop chips.
class DesignerInDetailTest : public ProfilesTabTest {
  protected:
    static void send(QWidget& widget, QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
        QMouseEvent event(type, at, widget.mapToGlobal(at), Qt::LeftButton, buttons, Qt::NoModifier);
        QApplication::sendEvent(&widget, &event);
    }
};

TEST_F(DesignerInDetailTest, aTileDraggedOutOfTheDesignerAndDroppedOnAChipMovesItsApps) {
    store({.name = "Work",
           .spaces = {{.space = 1, .tree = h(0.5, tile({ref("com.apple.mail", 0)}), tile({ref("com.apple.Safari", 0)}))}}});
    open();
    ProfileDetail& detail = *tab->detail();
    LayoutCanvas& canvas = *detail.designer().canvases().front();
    std::unique_ptr<QMimeData> carried;
    canvas.startDrag = [&](const LayoutTile& tile) { carried.reset(tileDragData(TileDrag{1, tile.path})); };
    const QPoint from = canvas.tileRect({true})->center();
    send(canvas, QEvent::MouseButtonPress, from, Qt::LeftButton);
    send(canvas, QEvent::MouseMove, from + QPoint(30, 20), Qt::LeftButton);
    send(canvas, QEvent::MouseButtonRelease, from + QPoint(30, 20), Qt::NoButton);
    ASSERT_TRUE(carried);
    EXPECT_EQ(canvas.menu(), nullptr);

    QWidget& chip = *detail.chips()[2];
    const QPointF centre = QRectF(chip.rect()).center();
    QDragEnterEvent entered(centre.toPoint(), Qt::MoveAction, carried.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&chip, &entered);
    QDropEvent dropped(centre, Qt::MoveAction, carried.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&chip, &dropped);
    EXPECT_TRUE(dropped.isAccepted());
    settle();

    const Profile moved = *stored("Work");
    ASSERT_EQ(moved.spaces.size(), 2u);
    EXPECT_EQ(moved.spaces[0].tree, h(0.5, tile({ref("com.apple.mail", 0)}), tile()));
    EXPECT_EQ(moved.spaces[1].space, 3);
    EXPECT_EQ(moved.spaces[1].windows(), (std::vector<WindowRef>{{"com.apple.Safari", 0}}));
}

TEST_F(DesignerInDetailTest, theDesignerEditsTheChosenDesktopAndWhenAppliedFollowsTheSavedProfile) {
    store({.name = "Work", .spaces = {{.space = 1, .tree = tile()}}});
    open();
    ProfileDetail& detail = *tab->detail();
    EXPECT_EQ(detail.designer().design().title(), "Desktop 1");
    WhenAppliedSection& section = detail.whenApplied();
    detail.designer().modeButton(LayoutMode::float_)->click();
    settle();
    EXPECT_EQ(stored("Work")->spaces.front().mode, LayoutMode::float_);
    EXPECT_EQ(&tab->detail()->whenApplied(), &section);
    EXPECT_FALSE(tab->detail()->designer().templateButtons().front()->isEnabled());

    section.unlistedApps().setCurrentIndex(1);
    Q_EMIT section.unlistedApps().activated(1);
    settle();
    EXPECT_EQ(stored("Work")->hideUnlisted, true);
    EXPECT_EQ(stored("Work")->spaces.front().mode, LayoutMode::float_);
}

} // namespace
} // namespace quillmere
