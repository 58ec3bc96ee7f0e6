#include "profiles/AppList.h"

#include "menubar/PanelColors.h"
#include "menubar/RoundedPainting.h"
#include "settings/SwitchRow.h"
#include "settings/SymbolPixmap.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QVBoxLayout>

namespace quillmere {

namespace {

class Chip : public QWidget {
  public:
    using QWidget::QWidget;

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.fillPath(rounded(QRectF(rect()), height() / 2.0), PanelColors::quaternary(palette()));
    }
};

} // namespace

AppList::AppList(ProfileEditorServices services, const QString& title, const QString& detail,
                 std::vector<std::string> apps, QWidget* parent)
    : QWidget(parent), services_(services), apps_(std::move(apps)), add_(new QToolButton(this)) {
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(6);
    auto* heading = new QHBoxLayout;
    auto* titleLabel = new QLabel(title, this);
    QFont font = titleLabel->font();
    font.setWeight(QFont::DemiBold);
    titleLabel->setFont(font);
    heading->addWidget(titleLabel);
    auto* detailLabel = captionLabel(detail, this);
    detailLabel->setWordWrap(false);
    heading->addWidget(detailLabel);
    heading->addStretch();
    column->addLayout(heading);

    auto* chips = new QWidget(this);
    auto* flow = new QHBoxLayout(chips);
    flow->setContentsMargins(0, 0, 0, 0);
    flow->setSpacing(6);
    for (std::size_t position = 0; position < apps_.size(); ++position)
        flow->addWidget(chip(position));

    add_->setText("Add App");
    add_->setIcon(QIcon(symbolPixmap("plus", PanelColors::primary(palette()), 12)));
    add_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    add_->setAutoRaise(true);
    add_->setPopupMode(QToolButton::InstantPopup);
    add_->setStyleSheet("QToolButton::menu-indicator { image: none; }");
    add_->setToolTip("Add an app");
    auto* menu = new QMenu(add_);
    connect(menu, &QMenu::aboutToShow, this, [this, menu] {
        menu->clear();
        for (const auto& name : services_.apps.names()) {
            const auto bundleID = services_.apps.bundleID(name);
            if (!bundleID)
                continue;
            menu->addAction(QIcon(services_.icons.icon(name)), QString::fromStdString(name), this, [this, id = *bundleID] {
                auto added = apps_;
                added.push_back(id);
                change(added);
            });
        }
    });
    add_->setMenu(menu);
    flow->addWidget(add_);
    flow->addStretch();
    column->addWidget(chips);
}

QWidget* AppList::chip(std::size_t position) {
    const QString name = QString::fromStdString(services_.apps.name(apps_[position]));
    auto* chip = new Chip(this);
    chip->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    auto* row = new QHBoxLayout(chip);
    row->setContentsMargins(8, 3, 8, 3);
    row->setSpacing(4);
    auto* icon = new QLabel(chip);
    icon->setPixmap(services_.icons.icon(name.toStdString()).scaled(16, 16, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    row->addWidget(icon);
    auto* label = captionLabel(name, chip);
    label->setWordWrap(false);
    label->setForegroundRole(QPalette::WindowText);
    row->addWidget(label);
    auto* remove = new QToolButton(chip);
    remove->setIcon(QIcon(symbolPixmap("xmark.circle.fill", PanelColors::withAlpha(PanelColors::primary(palette()), 0.3), 12)));
    remove->setAutoRaise(true);
    remove->setAccessibleName("Remove " + name);
    remove->setToolTip("Remove " + name);
    connect(remove, &QToolButton::clicked, this, [this, position] {
        auto removed = apps_;
        removed.erase(removed.begin() + static_cast<std::ptrdiff_t>(position));
        change(removed);
    });
    row->addWidget(remove);
    return chip;
}

} // namespace quillmere
