#include "menubar/MenuBarText.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <algorithm>

namespace quillmere {
namespace {

bool hasMonospacedDigits(MenuBarFont font) { return font != MenuBarFont::body; }

QString qtText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

double digitCell(const QFontMetricsF& metrics) {
    double widest = 0;
    for (char digit = '0'; digit <= '9'; ++digit)
        widest = std::max(widest, metrics.horizontalAdvance(QChar(digit)));
    return widest;
}

double advance(const QFontMetricsF& metrics, QChar character, double cell) {
    return character.isDigit() ? cell : metrics.horizontalAdvance(character);
}

} // namespace

QFont menuBarFont(MenuBarFont font) {
    QFont result = QGuiApplication::font();
    // A point of the picture is a device-independent pixel.
    result.setPixelSize(font == MenuBarFont::boxDigits ? 11 : 13);
    result.setWeight(font == MenuBarFont::boxDigits ? QFont::Bold : QFont::Medium);
    return result;
}

double MenuBarText::width(std::string_view text, MenuBarFont font) const {
    const QFontMetricsF metrics(menuBarFont(font));
    const QString string = qtText(text);
    if (!hasMonospacedDigits(font))
        return metrics.horizontalAdvance(string);
    const double cell = digitCell(metrics);
    double width = 0;
    for (QChar character : string)
        width += advance(metrics, character, cell);
    return width;
}

double MenuBarText::lineHeight(MenuBarFont font) const {
    const QFontMetricsF metrics(menuBarFont(font));
    return metrics.ascent() + metrics.descent();
}

void MenuBarText::draw(QPainter& painter, const QRectF& frame, std::string_view text, MenuBarFont font) {
    const QFont qtFont = menuBarFont(font);
    const QFontMetricsF metrics(qtFont);
    painter.setFont(qtFont);
    const QString string = qtText(text);
    const double baseline = frame.center().y() - (metrics.ascent() + metrics.descent()) / 2 + metrics.ascent();
    const double textWidth = MenuBarText().width(text, font);
    double x = frame.center().x() - textWidth / 2;
    if (!hasMonospacedDigits(font)) {
        painter.drawText(QPointF(x, baseline), string);
        return;
    }
    const double cell = digitCell(metrics);
    for (QChar character : string) {
        const double width = advance(metrics, character, cell);
        const double inset = (width - metrics.horizontalAdvance(character)) / 2;
        painter.drawText(QPointF(x + inset, baseline), QString(character));
        x += width;
    }
}

} // namespace quillmere
