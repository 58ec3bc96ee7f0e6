#include "shell/Symbols.h"
#include "support/EventLoop.h"

#include <QImage>
#include <QPixmap>
#include <gtest/gtest.h>

namespace quillmere {
namespace {

TEST(Symbols, DrawTheSymbolsTheApplicationNamesAndNothingElse) {
    for (const char* name : {"square.grid.2x2", "exclamationmark.triangle"}) {
        const QIcon icon = symbolIcon(name);
        ASSERT_FALSE(icon.isNull()) << name;
        EXPECT_TRUE(icon.isMask());
        const QImage image = icon.pixmap(36, 36).toImage();
        int inked = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                inked += qAlpha(image.pixel(x, y)) > 128;
        EXPECT_GT(inked, 36 * 36 / 20) << name << " draws almost nothing";
    }
    EXPECT_TRUE(symbolIcon("no.such.symbol").isNull());
}

} // namespace
} // namespace quillmere
