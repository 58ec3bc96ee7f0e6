#pragma once

#include <QColor>
#include <QPalette>

namespace quillmere {

// The few colours of the panels, from the palette: the platform's named colours have no Qt counterpart.
namespace PanelColors {

inline QColor primary(const QPalette& palette) { return palette.color(QPalette::WindowText); }
inline QColor withAlpha(QColor colour, double alpha) {
    colour.setAlphaF(static_cast<float>(alpha));
    return colour;
}
inline QColor secondary(const QPalette& palette) { return withAlpha(primary(palette), 0.55); }
// The faintest fill, for empty places.
inline QColor quaternary(const QPalette& palette) { return withAlpha(primary(palette), 0.1); }
inline QColor accent(const QPalette& palette) { return palette.color(QPalette::Highlight); }
inline QColor background(const QPalette& palette) { return palette.color(QPalette::Window); }
inline QColor orange() { return QColor(255, 149, 0); }

} // namespace PanelColors

} // namespace quillmere
