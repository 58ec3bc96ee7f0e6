#include "profiles/AppList.h"

#include "profiles/AppMenu.h"
#include "widgets/SwitchRow.h"
#include "widgets/SymbolPixmap.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QVBoxLayout>

namespace quillmere {
namespace {

// The capsule an application's chip is drawn on.
class Chip final : public QWidget {
  public:
    using QWidget::QWidget;

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(palette().color(QPalette::Midlight));
        const QRectF bounds = rect();
        painter.drawRoundedRect(bounds, bounds.height() / 2, bounds.height() / 2);
    }
};

QFont caption(QFont font) {
    font.setPointSizeF(font.pointSizeF() * 0.85);
    return font;
}

} // namespace

AppList::AppList(InstalledApps& apps, AppIcons& icons, const QString& title, const QString& detail,
                 std::vector<std::string> bundleIDs, std::function<void(std::vector<std::string>)> change,
                 QWidget* parent)
    : QWidget(parent), apps_(apps), icons_(icons), bundleIDs_(std::move(bundleIDs)), change_(std::move(change)),
      add_(new QToolButton(this)) {
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(6);
    auto* heading = new QHBoxLayout;
    auto* titleLabel = new QLabel(title, this);
    QFont bold = titleLabel->font();
    bold.setBold(true);
    titleLabel->setFont(bold);
    heading->addWidget(titleLabel);
    heading->addWidget(captionLabel(detail, this), 1);
    column->addLayout(heading);

    auto* chips = new QHBoxLayout;
    chips->setSpacing(6);
    for (std::size_t position = 0; position < bundleIDs_.size(); ++position)
        chips->addWidget(chip(position));
    add_->setText("Add App");
    add_->setIcon(QIcon(symbolPixmap("plus", palette().color(QPalette::ButtonText), 12)));
    add_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    add_->setFont(caption(add_->font()));
    add_->setToolTip("Add an app");
    add_->setAutoRaise(true);
    add_->setPopupMode(QToolButton::InstantPopup);
    add_->setStyleSheet("QToolButton::menu-indicator { image: none; }");
    auto* menu = new QMenu(add_);
    add_->setMenu(menu);
    QObject::connect(menu, &QMenu::aboutToShow, this, [this] { fillAddMenu(); });
    chips->addWidget(add_);
    chips->addStretch();
    column->addLayout(chips);
}

QWidget* AppList::chip(std::size_t position) {
    const std::string name = apps_.name(bundleIDs_[position]);
    auto* chip = new Chip(this);
    auto* row = new QHBoxLayout(chip);
    row->setContentsMargins(8, 3, 8, 3);
    row->setSpacing(4);
    auto* icon = new QLabel(chip);
    icon->setPixmap(icons_.icon(name).scaled(16, 16, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    row->addWidget(icon);
    auto* label = new QLabel(QString::fromStdString(name), chip);
    label->setFont(caption(label->font()));
    row->addWidget(label);
    auto* remove = new QToolButton(chip);
    const QString removeText = "Remove " + QString::fromStdString(name);
    remove->setIcon(QIcon(symbolPixmap("xmark.circle.fill", palette().color(QPalette::PlaceholderText), 12)));
    remove->setAccessibleName(removeText);
    remove->setToolTip(removeText);
    remove->setAutoRaise(true);
    QObject::connect(remove, &QToolButton::clicked, this, [this, position] {
        std::vector<std::string> edited = bundleIDs_;
        edited.erase(edited.begin() + static_cast<std::ptrdiff_t>(position));
        change_(std::move(edited));
    });
    row->addWidget(remove);
    removeButtons_.push_back(remove);
    return chip;
}

void AppList::fillAddMenu() {
    QMenu& menu = *add_->menu();
    menu.clear();
    AppMenu::addItems(menu, AppMenu::items(apps_.names(), apps_), icons_, [this](const std::string& bundleID) {
        std::vector<std::string> edited = bundleIDs_;
        edited.push_back(bundleID);
        change_(std::move(edited));
    });
}

} // namespace quillmere
