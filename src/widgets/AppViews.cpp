#include "widgets/AppViews.h"

#include "widgets/AppMenuItems.h"
#include "widgets/SymbolPixmap.h"

#include <QHBoxLayout>
#include <QMenu>

namespace quillmere {

namespace {

constexpr int noteIconSide = 12;

QColor secondary(const QWidget& widget) {
    return widget.palette().color(QPalette::PlaceholderText);
}

} // namespace

FieldNote::FieldNote(QWidget* parent) : QWidget(parent), icon_(new QLabel(this)), text_(new QLabel(this)) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(icon_, 0, Qt::AlignTop);
    row->addWidget(text_, 1);
    QFont caption = font();
    caption.setPointSizeF(caption.pointSizeF() * 0.85);
    text_->setFont(caption);
    text_->setWordWrap(true);
    text_->setTextFormat(Qt::PlainText);
    hide();
}

void FieldNote::show(const QString& text, bool blocking, bool info) {
    const QColor color = info ? secondary(*this) : blocking ? QColor(Qt::red) : QColor(0xff, 0x95, 0x00);
    symbol_ = info ? "info.circle" : blocking ? "xmark.circle" : "exclamationmark.triangle";
    icon_->setPixmap(symbolPixmap(symbol_, color, noteIconSide));
    text_->setText(text);
    QPalette palette = text_->palette();
    palette.setColor(QPalette::WindowText, color);
    text_->setPalette(palette);
    QWidget::show();
}

UnknownAppMark::UnknownAppMark(bool known, const std::string& tooltip, QWidget* parent) : QLabel(parent) {
    if (known) {
        hide();
        return;
    }
    setPixmap(symbolPixmap("questionmark.circle", QColor(0xff, 0x95, 0x00), 14));
    setToolTip(QString::fromStdString(tooltip));
    setAccessibleName("Unknown app");
}

AppLabel::AppLabel(AppIcons& icons, const std::string& name, QWidget* parent) : QWidget(parent) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(8);
    auto* icon = new QLabel(this);
    icon->setPixmap(icons.icon(name).scaled(20, 20, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    icon->setFixedSize(20, 20);
    row->addWidget(icon);
    row->addWidget(new QLabel(QString::fromStdString(name), this));
}

AppField::AppField(AppIcons& icons, std::function<std::vector<std::string>()> running,
                   std::function<const std::vector<std::string>&()> installed, QWidget* parent)
    : QWidget(parent), icons_(icons), running_(std::move(running)), installed_(std::move(installed)),
      field_(new QLineEdit(this)), chooser_(new QToolButton(this)) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(4);
    field_->setPlaceholderText("App name");
    field_->setAccessibleName("App name");
    row->addWidget(field_);
    chooser_->setIcon(QIcon(symbolPixmap("chevron.down", secondary(*this), 14)));
    chooser_->setToolTip("Choose an app");
    chooser_->setAccessibleName("Choose an app");
    chooser_->setAutoRaise(true);
    chooser_->setPopupMode(QToolButton::InstantPopup);
    chooser_->setStyleSheet("QToolButton::menu-indicator { image: none; }");
    auto* menu = new QMenu(chooser_);
    chooser_->setMenu(menu);
    QObject::connect(menu, &QMenu::aboutToShow, this, [this] { fillMenu(); });
    row->addWidget(chooser_);
}

void AppField::fillMenu() {
    QMenu* menu = chooser_->menu();
    menu->clear();
    const auto items = AppMenuItems::of(running_(), installed_());
    const auto section = [this, menu](const char* title, const std::vector<std::string>& names) {
        menu->addSection(title);
        for (const auto& name : names) {
            const QString text = QString::fromStdString(name);
            menu->addAction(QIcon(icons_.icon(name)), text, this, [this, text] { field_->setText(text); });
        }
    };
    section("Running", items.running);
    section("All applications", items.installed);
}

} // namespace quillmere
