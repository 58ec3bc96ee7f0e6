#include "profiles/SectionBox.h"

#include "menubar/PanelColors.h"
#include "menubar/PanelPainting.h"


namespace quillmere {

namespace {

using namespace PanelPainting;

constexpr double cornerRadius = 12;
// The quinary fill, fainter than the quaternary one of empty places.
constexpr double fill = 0.05;

} // namespace

void SectionBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(rounded(QRectF(rect()), cornerRadius), PanelColors::withAlpha(PanelColors::primary(palette()), fill));
}

} // namespace quillmere
