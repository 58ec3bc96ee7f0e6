#pragma once

#include "menubar/MenuBarLayout.h"
#include "menubar/MenuBarText.h"
#include "platform/qt/Symbols.h"

#include <QImage>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <string>

namespace quillmere {

// The picture as the application lays it out, with its own symbols and fonts.
inline MenuBarPicture laidOut(const WindowManagerStatus& status, const MenuBarSettings& settings, bool warning) {
    const DrawnSymbolImages symbols;
    const MenuBarText text;
    return MenuBarLayout(symbols, text).layout(status, settings, warning);
}

// The picture as drawn agrees with its layout: every piece leaves ink inside its frame, and no ink lies
// outside every frame (antialiasing may reach one pixel beyond), so the spacing between pieces stays clear.
inline void expectDrawnAsLaidOut(const QImage& image, const MenuBarPicture& picture) {
    const double ratio = image.devicePixelRatio();
    ASSERT_EQ(image.width(), static_cast<int>(std::ceil(picture.width * ratio)));
    ASSERT_EQ(image.height(), static_cast<int>(std::ceil(picture.height * ratio)));
    constexpr int inked = 24;
    auto covers = [&](const MenuBarPiece& piece, int x, int y) {
        const double slack = 1;
        return x + 1 > piece.frame.minX() * ratio - slack && x < piece.frame.maxX() * ratio + slack &&
               y + 1 > piece.frame.minY() * ratio - slack && y < piece.frame.maxY() * ratio + slack;
    };
    std::vector<int> inkPerPiece(picture.pieces.size());
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) <= inked)
                continue;
            bool inside = false;
            for (std::size_t i = 0; i < picture.pieces.size(); ++i)
                if (covers(picture.pieces[i], x, y)) {
                    ++inkPerPiece[i];
                    inside = true;
                }
            EXPECT_TRUE(inside) << "ink outside every piece at " << x << "," << y;
        }
    for (std::size_t i = 0; i < picture.pieces.size(); ++i)
        EXPECT_GT(inkPerPiece[i], 0) << "piece " << i << " (" << picture.pieces[i].content << ") draws nothing";
}

} // namespace quillmere
