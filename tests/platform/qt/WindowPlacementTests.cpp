#include "platform/qt/WindowPlacement.h"

#include <gtest/gtest.h>

namespace quillmere {
namespace {

TEST(WindowPlacement, CentresInTheAreaAndStaysInsideIt) {
    struct Case {
        QRect area;
        QSize size;
        QRect placed;
    };
    for (const Case& c : {
             Case{{0, 0, 1920, 1200}, {640, 480}, {640, 360, 640, 480}},
             Case{{1920, 30, 1280, 770}, {640, 480}, {2240, 175, 640, 480}},
             Case{{0, 0, 800, 600}, {1000, 480}, {0, 60, 800, 480}},
         })
        EXPECT_EQ(centredIn(c.area, c.size), c.placed) << c.area.x() << "," << c.size.width();
}

TEST(WindowPlacement, TheViewerGrowsWithTheScreenItOpensOn) {
    EXPECT_EQ(viewerFrame({0, 0, 1920, 1200}), QRect(96, 60, 1728, 1080));
    EXPECT_EQ(viewerFrame({0, 0, 1280, 800}), QRect(64, 40, 1152, 720));
}

} // namespace
} // namespace quillmere
