#include "menubar/FeedbackPainter.h"
#include "system/FocusHighlight.h"
#include "system/Overlay.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace quillmere {
namespace {

struct UnknownView final : PanelView {};

class FeedbackPainterTest : public ::testing::Test {
  protected:
    // Paints the view over a transparent picture of the frame's size, at one pixel per point.
    QImage painted(const PanelView& view, QSize size = {400, 120}) {
        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        known = feedback.paint(painter, view, QRectF(QPointF(0, 0), QSizeF(size)), 1);
        return image;
    }

    static int whitePixels(const QImage& image, const QRect& area) {
        int count = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (const QColor pixel = image.pixelColor(x, y);
                    pixel.red() > 230 && pixel.green() > 230 && pixel.blue() > 230)
                    ++count;
        return count;
    }

    FeedbackPainter feedback{QPalette()};
    bool known = false;
};

TEST_F(FeedbackPainterTest, NoticeShowsItsTintedShapeAndLabel) {
    const QImage image = painted(OverlayView(Overlay::Kind::refused("swap west: no window has focus")));
    ASSERT_TRUE(known);
    const QColor red = feedback.colour(SystemColor::red);
    // The shape: a faint tint inside, the full tint on its edge.
    const QColor inside = image.pixelColor(200, 100);
    EXPECT_GT(inside.alpha(), 0);
    EXPECT_LT(inside.alpha(), 128);
    EXPECT_EQ(image.pixelColor(200, 1).rgb(), red.rgb());
    // The capsule in the middle is solid tint, with the label written on it in white.
    EXPECT_EQ(image.pixelColor(200, 60).alpha(), 255);
    EXPECT_GT(whitePixels(image, QRect(60, 45, 280, 30)), 40);
    // The corners stay clear.
    EXPECT_EQ(image.pixelColor(0, 0).alpha(), 0);
}

TEST_F(FeedbackPainterTest, LabelTooLongForTheOverlayStaysInsideIt) {
    const QImage image = painted(OverlayView(Overlay::Kind::refused(std::string(200, 'w'))), QSize(160, 60));
    EXPECT_EQ(whitePixels(image, QRect(0, 0, 160, 2)), 0);
    EXPECT_EQ(image.pixelColor(0, 0).alpha(), 0);
    EXPECT_EQ(image.pixelColor(159, 59).alpha(), 0);
}

// The simulated screens draw a notice at a quarter of its size: its label stays readable past the shape.
TEST_F(FeedbackPainterTest, NoticeDrawnSmallKeepsItsLabelLegible) {
    QImage image(QSize(400, 100), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    const QRectF frame(140, 35, 120, 30);
    ASSERT_TRUE(feedback.paint(painter, OverlayView(Overlay::Kind::refused("swap east: no window has focus")),
                               frame, 0.27));
    painter.end();
    // The capsule under the label reaches past both sides of the shape.
    EXPECT_EQ(image.pixelColor(121, 50).rgb(), feedback.colour(SystemColor::red).rgb());
    EXPECT_EQ(image.pixelColor(279, 50).rgb(), feedback.colour(SystemColor::red).rgb());
}

TEST_F(FeedbackPainterTest, BorderIsAStrokeAroundAnEmptyMiddle) {
    const Color green{0, 1, 0, 1};
    const QImage image = painted(BorderView(green, 1), QSize(300, 200));
    ASSERT_TRUE(known);
    EXPECT_EQ(image.pixelColor(150, 1).rgb(), QColor(Qt::green).rgb());
    EXPECT_EQ(image.pixelColor(150, 100).alpha(), 0);
}

TEST_F(FeedbackPainterTest, ViewOfAnotherKindIsLeftToItsOwner) {
    const QImage image = painted(UnknownView());
    EXPECT_FALSE(known);
    EXPECT_EQ(image.pixelColor(200, 60).alpha(), 0);
}

} // namespace
} // namespace quillmere
