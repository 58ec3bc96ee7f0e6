#include "profiles/ProfileIconPicker.h"

#include "core/Profile.h"
#include "widgets/SymbolPixmap.h"

#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

namespace quillmere {
namespace {

constexpr int columns = 6;
constexpr int cellSide = 30;

class IconCell final : public QAbstractButton {
  public:
    IconCell(const ProfileIcon& icon, bool selected, QWidget* parent)
        : QAbstractButton(parent), symbol_(icon.symbol), selected_(selected) {
        setFixedSize(cellSide, cellSide);
        setToolTip(QString::fromStdString(icon.name));
        setAccessibleName(QString::fromStdString(icon.name));
        setCursor(Qt::PointingHandCursor);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QColor accent = palette().color(QPalette::Highlight);
        if (selected_) {
            QColor fill = accent;
            fill.setAlphaF(0.25);
            painter.setBrush(fill);
            painter.setPen(QPen(accent, 1));
            painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
        }
        const QPixmap glyph = symbolPixmap(symbol_, palette().color(QPalette::WindowText), 15);
        const QSizeF size = glyph.deviceIndependentSize();
        painter.drawPixmap(QPointF((width() - size.width()) / 2, (height() - size.height()) / 2), glyph);
    }

  private:
    std::string symbol_;
    bool selected_;
};

} // namespace

ProfileIconPicker::ProfileIconPicker(const std::string& selected, QWidget* parent) : QWidget(parent) {
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(14, 14, 14, 14);
    column->setSpacing(10);
    for (const ProfileIconGroup& group : Profile::iconChoices()) {
        auto* title = new QLabel(QString::fromStdString(group.title), this);
        QFont font = title->font();
        font.setPointSizeF(font.pointSizeF() * 0.85);
        font.setWeight(QFont::DemiBold);
        title->setFont(font);
        title->setForegroundRole(QPalette::PlaceholderText);
        column->addWidget(title);
        auto* grid = new QGridLayout;
        grid->setSpacing(4);
        for (std::size_t index = 0; index < group.icons.size(); ++index) {
            const ProfileIcon& icon = group.icons[index];
            auto* cell = new IconCell(icon, icon.symbol == selected, this);
            QObject::connect(cell, &QAbstractButton::clicked, this, [this, symbol = icon.symbol] { choose(symbol); });
            grid->addWidget(cell, static_cast<int>(index) / columns, static_cast<int>(index) % columns);
            cells_.push_back(cell);
        }
        auto* centred = new QHBoxLayout;
        centred->addStretch();
        centred->addLayout(grid);
        centred->addStretch();
        column->addLayout(centred);
    }
}

} // namespace quillmere
