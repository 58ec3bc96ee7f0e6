#include "menubar/MenuBarPainter.h"

#include "menubar/MenuBarText.h"
#include "platform/qt/Symbols.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPalette>
#include <QScreen>
#include <QPainterPath>
#include <QSvgRenderer>
#include <cmath>

namespace quillmere {
namespace {

constexpr double pixelRatioWithoutScreen = 2;

QRectF qtRect(const Rect& rect) { return {rect.minX(), rect.minY(), rect.width(), rect.height()}; }

QPen plainPen(double width) { return QPen(Qt::black, width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin); }

// A rounded rectangle filled when asked and stroked inside its edge.
void drawRoundedMark(QPainter& painter, const QRectF& frame, double radius, double stroke, bool filled) {
    if (filled) {
        QPainterPath shape;
        shape.addRoundedRect(frame, radius, radius);
        painter.fillPath(shape, Qt::black);
    }
    const double half = stroke / 2;
    painter.setPen(plainPen(stroke));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(frame.adjusted(half, half, -half, -half), radius - half, radius - half);
}

void drawDiamond(QPainter& painter, const QRectF& frame, bool filled) {
    const double side = MenuBarLayout::fullScreenSquare;
    painter.save();
    painter.translate(frame.center());
    painter.rotate(45);
    drawRoundedMark(painter, QRectF(-side / 2, -side / 2, side, side), 0, MenuBarLayout::fullScreenStroke, filled);
    painter.restore();
}

void drawPiece(QPainter& painter, const MenuBarPiece& piece) {
    const QRectF frame = qtRect(piece.frame);
    painter.setOpacity(piece.opacity);
    painter.setPen(Qt::black);
    switch (piece.kind) {
    case MenuBarPiece::Kind::symbol:
        if (const auto file = symbolFile(piece.content))
            QSvgRenderer(*file).render(&painter, frame);
        return;
    case MenuBarPiece::Kind::text:
        MenuBarText::draw(painter, frame, piece.content, piece.font);
        return;
    case MenuBarPiece::Kind::boxedNumber:
        MenuBarText::draw(painter, frame, piece.content, piece.font);
        drawRoundedMark(painter, frame, MenuBarLayout::boxRadius, MenuBarLayout::boxStroke, false);
        return;
    case MenuBarPiece::Kind::desktopMark:
        drawRoundedMark(painter, frame, MenuBarLayout::desktopMarkRadius, MenuBarLayout::desktopMarkStroke,
                        piece.filled);
        return;
    case MenuBarPiece::Kind::fullScreenMark:
        drawDiamond(painter, frame, piece.filled);
        return;
    }
}

} // namespace

QImage paintMenuBarPicture(const MenuBarPicture& picture) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double pixelRatio = screen ? screen->devicePixelRatio() : pixelRatioWithoutScreen;
    QImage image(static_cast<int>(std::ceil(picture.width * pixelRatio)),
                 static_cast<int>(std::ceil(picture.height * pixelRatio)), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(pixelRatio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    for (const MenuBarPiece& piece : picture.pieces)
        drawPiece(painter, piece);
    painter.setOpacity(1);
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(QRectF(0, 0, picture.width, picture.height), QGuiApplication::palette().color(QPalette::WindowText));
    return image;
}

} // namespace quillmere
