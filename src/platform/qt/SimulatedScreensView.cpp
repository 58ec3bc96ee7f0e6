#include "platform/qt/SimulatedScreensView.h"

#include "platform/qt/QtKeys.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace quillmere {
namespace {

QRectF rectF(const Rect& rect) { return QRectF(rect.minX(), rect.minY(), rect.width(), rect.height()); }

QColor qColor(const Color& color, double alpha = 1) {
    return QColor::fromRgbF(static_cast<float>(color.red), static_cast<float>(color.green),
                            static_cast<float>(color.blue), static_cast<float>(color.alpha * alpha));
}

const QColor background(0x1E, 0x1F, 0x24);
const QColor desktopColour(0x3B, 0x5B, 0x7A);
const QColor menuBarColour(255, 255, 255, 190);
const QColor windowColour(0xF4, 0xF4, 0xF6);
const QColor titleBarColour(0xDD, 0xDE, 0xE3);
const QColor focusColour(0x0A, 0x84, 0xFF);
const QColor textColour(0x20, 0x20, 0x24);

void drawPanel(QPainter& painter, const ScreensPicture::Panel& panel, const ScreensLayout& layout,
               const PanelViewPainter* viewPainter) {
    const QRectF frame = rectF(layout.toView(panel.frame));
    painter.fillRect(frame, qColor(panel.background, panel.alpha));
    if (!panel.content || !viewPainter)
        return;
    painter.save();
    painter.setOpacity(panel.alpha);
    (void)viewPainter->paint(painter, *panel.content, frame, layout.scale()); // an unknown view stays blank
    painter.restore();
}

} // namespace

SimulatedScreensView::SimulatedScreensView(SimulatedDesktop& desktop, const PanelViewPainter* painter,
                                           QWidget* parent)
    : QWidget(parent), desktop_(desktop), painter_(painter), picture_(ScreensPicture::of(desktop)) {
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(640, 320);
}

void SimulatedScreensView::desktopChanged() {
    pictureStale_ = true;
    update();
}

void SimulatedScreensView::takePictureIfStale() {
    if (pictureStale_) {
        picture_ = ScreensPicture::of(desktop_);
        pictureStale_ = false;
    }
}

ScreensLayout SimulatedScreensView::layout() const {
    return ScreensLayout(picture_, {static_cast<double>(width()), static_cast<double>(height())});
}

void SimulatedScreensView::paintEvent(QPaintEvent*) {
    takePictureIfStale();
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), background);
    const ScreensLayout layout = this->layout();
    const double scale = layout.scale();
    QFont font = painter.font();
    font.setPixelSize(std::max(9, static_cast<int>(13 * std::min(scale * 2, 1.0))));
    painter.setFont(font);

    QPainterPath screens;
    for (const auto& display : picture_.displays) {
        const QRectF area = rectF(layout.toView(display.bounds));
        screens.addRect(area);
        painter.fillRect(area, desktopColour);
        const QRectF bar = rectF(layout.toView(display.menuBar));
        painter.fillRect(bar, menuBarColour);
    }

    painter.setClipPath(screens);
    const double titleHeight = std::max(12.0, 28 * scale);
    const auto drawPanelsUnder = [&](std::size_t windowsBelow) {
        for (const auto& panel : picture_.panels)
            if (panel.windowsBelow == windowsBelow)
                drawPanel(painter, panel, layout, painter_);
    };
    for (std::size_t index = 0; index < picture_.windows.size(); ++index) {
        drawPanelsUnder(index);
        const auto& window = picture_.windows[index];
        const QRectF frame = rectF(layout.toView(window.frame));
        painter.setPen(window.focused ? QPen(focusColour, 2) : QPen(QColor(0, 0, 0, 90), 1));
        painter.setBrush(windowColour);
        painter.drawRoundedRect(frame, 6, 6);
        const QRectF title(frame.left(), frame.top(), frame.width(), std::min(titleHeight, frame.height()));
        painter.fillRect(title.adjusted(1, 1, -1, 0), titleBarColour);
        painter.setPen(textColour);
        painter.drawText(title.adjusted(8, 0, -8, 0), Qt::AlignVCenter | Qt::AlignHCenter,
                         QString::fromStdString(window.title));
        painter.setPen(QColor(0x60, 0x60, 0x68));
        painter.drawText(frame.adjusted(8, titleHeight + 4, -8, -4), Qt::AlignTop | Qt::AlignLeft,
                         QString::fromStdString(window.app));
    }
    drawPanelsUnder(picture_.windows.size());

    painter.setClipping(false);
    for (const auto& display : picture_.displays) {
        const QRectF area = rectF(layout.toView(display.bounds));
        // The name and the Space shown, on a plate above the display: the menu bar is too thin at this scale
        // to hold text, and below it the plate would cover the titles of tiled windows.
        const QString label = QString::fromStdString(display.name + " — " + display.spaceLabel) +
                              (display.active ? QStringLiteral("  •") : QString());
        const double plateHeight = painter.fontMetrics().height() + 4;
        const QRectF plate(area.left(), area.top() - plateHeight - 2,
                           painter.fontMetrics().horizontalAdvance(label) + 12, plateHeight);
        painter.setPen(Qt::NoPen);
        painter.setBrush(menuBarColour);
        painter.drawRoundedRect(plate, 4, 4);
        painter.setPen(textColour);
        painter.drawText(plate, Qt::AlignCenter, label);
    }
}

Point SimulatedScreensView::globalPoint(QMouseEvent* event) const {
    return layout().toGlobal({event->position().x(), event->position().y()});
}

// Buttons go through the pointer script, so that the event taps see them before any application does.
std::optional<int> SimulatedScreensView::scriptButton(Qt::MouseButton button) {
    if (button == Qt::LeftButton)
        return 0;
    if (button == Qt::RightButton)
        return 1;
    return std::nullopt;
}

void SimulatedScreensView::mousePressEvent(QMouseEvent* event) {
    const auto button = scriptButton(event->button());
    if (!button)
        return;
    const Qt::KeyboardModifiers held = event->modifiers();
    desktop_.mouseDown(*button, globalPoint(event),
                       macModifierFlags({.shift = held.testFlag(Qt::ShiftModifier),
                                         .control = held.testFlag(Qt::ControlModifier),
                                         .alt = held.testFlag(Qt::AltModifier),
                                         .super = held.testFlag(Qt::MetaModifier),
                                         .fn = fnHeld_}));
}

void SimulatedScreensView::mouseMoveEvent(QMouseEvent* event) {
    const Point at = globalPoint(event);
    if (desktop_.pressedMouseButtons() & 3)
        desktop_.mouseDrag(at);
    else
        desktop_.movePointer(at);
}

void SimulatedScreensView::mouseReleaseEvent(QMouseEvent* event) {
    const auto button = scriptButton(event->button());
    if (!button || (desktop_.pressedMouseButtons() & (1u << *button)) == 0)
        return;
    desktop_.movePointer(globalPoint(event));
    desktop_.mouseUp(*button);
}

void SimulatedScreensView::keyPressEvent(QKeyEvent* event) { postKey(event, true); }

void SimulatedScreensView::keyReleaseEvent(QKeyEvent* event) { postKey(event, false); }

// A key press goes to the system as a user's would, so that the system's shortcuts and the hot keys
// registered with it fire; a release only reaches the event taps.
void SimulatedScreensView::postKey(QKeyEvent* event, bool down) {
    const auto code = macKeyCode(*event);
    if (!code || event->isAutoRepeat())
        return;
    const HeldModifiers modifiers = heldModifiers(event->modifiers(), fnHeld_);
    if (down) {
        desktop_.pressKey(*code, carbonModifiers(modifiers));
        return;
    }
    auto posted = desktop_.createKeyboardEvent(*code, false);
    if (!posted)
        return;
    posted->flags = macModifierFlags(modifiers);
    desktop_.input(EventType::keyUp);
    desktop_.post(EventTapLocation::hid, *posted);
}

} // namespace quillmere
