#pragma once

#include "core/MenuBarSettings.h"
#include "menubar/MenuBarPiece.h"
#include "menubar/MenuBarTextMetrics.h"
#include "platform/SymbolImages.h"
#include "wm/WindowManagerStatus.h"

#include <vector>

namespace quillmere {

// The status item's picture, laid out.
struct MenuBarPicture {
    // Zero when nothing is drawn.
    double width = 0;
    double height = 0;
    std::vector<MenuBarPiece> pieces;
};

// Lays out the status item's picture: one row, every piece centred on its middle line, the warning and
// pause marks first, then the items the user shows in the user's order. A piece that draws nothing (a text
// that is absent, a symbol the catalogue lacks) takes neither place nor spacing.
class MenuBarLayout {
  public:
    static constexpr double height = 22;
    static constexpr double spacing = 5;
    static constexpr double symbolSize = 15;
    // Only the items dim while tiling is paused; the warning and pause marks stay clear.
    static constexpr double pausedOpacity = 0.45;

    static constexpr double boxSize = 16;
    static constexpr double boxStroke = 1.5;
    static constexpr double boxRadius = 4;
    // Keeps a long number clear of the box's stroke.
    static constexpr double boxPadding = boxStroke + 1;
    static constexpr double displaysSpacing = 3;
    static constexpr double inactiveDisplayOpacity = 0.4;

    static constexpr double stepperSpacing = 2;
    static constexpr double desktopMarkSize = 8;
    static constexpr double desktopMarkRadius = 2;
    static constexpr double desktopMarkStroke = 1.2;
    static constexpr double emptyDesktopOpacity = 0.35;
    static constexpr double fullScreenSquare = 5;
    static constexpr double fullScreenStroke = 1.1;
    static constexpr Size fullScreenFrame{7, 8};

    static constexpr double countSpacing = 2;

    static constexpr const char* warningSymbol = "exclamationmark.triangle.fill";
    static constexpr const char* pauseSymbol = "pause.circle.fill";
    static constexpr const char* logoSymbol = "square.grid.2x2.fill";
    static constexpr const char* fullScreenSymbol = "arrow.up.backward.and.arrow.down.forward";
    static constexpr const char* windowSymbol = "macwindow";
    // Stands for an absent Space number.
    static constexpr const char* noNumber = "\u00B7";

    MenuBarLayout(const SymbolImages& symbols, const MenuBarTextMetrics& metrics)
        : symbols_(symbols), metrics_(metrics) {}

    MenuBarPicture layout(const WindowManagerStatus& status, const MenuBarSettings& settings, bool warning) const;

  private:
    const SymbolImages& symbols_;
    const MenuBarTextMetrics& metrics_;
};

} // namespace quillmere
