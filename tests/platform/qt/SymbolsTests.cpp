#include "platform/qt/Symbols.h"

#include <QImage>
#include <QPixmap>
#include <gtest/gtest.h>

namespace quillmere {
namespace {

// Every symbol the status item, its menus and the default profile name.
constexpr const char* namedSymbols[] = {
    "square.grid.2x2",        "square.grid.2x2.fill",   "exclamationmark.triangle",
    "exclamationmark.triangle.fill", "pause.circle.fill", "rectangle.split.2x1",
    "square.stack",           "macwindow.on.rectangle", "arrow.up.backward.and.arrow.down.forward",
    "macwindow",              "rectangle.stack",
};

TEST(Symbols, DrawTheSymbolsTheApplicationNames) {
    for (const char* name : namedSymbols) {
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
}

TEST(Symbols, TheCatalogueKnowsExactlyTheDrawnSymbols) {
    DrawnSymbolImages catalogue;
    for (const char* name : namedSymbols)
        EXPECT_TRUE(catalogue.hasSymbol(name)) << name;
    for (const char* name : {"no.such.symbol", "", "../symbols/macwindow", "trash.slash"}) {
        EXPECT_FALSE(catalogue.hasSymbol(name)) << name;
        EXPECT_TRUE(symbolIcon(name).isNull()) << name;
    }
}

} // namespace
} // namespace quillmere
