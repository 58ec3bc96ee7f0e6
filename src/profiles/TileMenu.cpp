#include "profiles/TileMenu.h"

#include "menubar/PanelColors.h"
#include "widgets/SymbolPixmap.h"

#include <QFrame>
#include <QVBoxLayout>

namespace quillmere {

namespace {

constexpr int inset = 12;
constexpr int spacing = 6;
constexpr int menuWidth = 220;
constexpr int symbolSize = 14;
constexpr const char* itemStyle = "text-align: left; padding: 2px 0px;";

QFrame* divider(QWidget* parent) {
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Plain);
    line->setForegroundRole(QPalette::Mid);
    return line;
}

} // namespace

TileMenu::TileMenu(ProfilesServices& services, TileMenuChoices choices, QWidget* parent)
    : QFrame(parent, Qt::Popup), services_(services), choices_(std::move(choices)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setFrameShape(QFrame::StyledPanel);
    setMinimumWidth(menuWidth);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(inset, inset, inset, inset);
    column->setSpacing(spacing);
    column->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    choose_ = appMenu(QString::fromStdString(choices_.chooseTitle()),
                        [this](const std::string& app) { return choices_.choosing(app); });
    column->addWidget(choose_);
    if (choices_.holdsApps()) {
        stack_ = appMenu("Stack Another App Here", [this](const std::string& app) { return choices_.stacking(app); });
        column->addWidget(stack_);
    }
    column->addWidget(divider(this));
    column->addWidget(actionButton("Split Left | Right", "rectangle.split.2x1",
                                   [this] { return choices_.splitting(Axis::horizontal); }));
    column->addWidget(actionButton("Split Top / Bottom", "rectangle.split.1x2",
                                   [this] { return choices_.splitting(Axis::vertical); }));
    column->addWidget(divider(this));
    if (choices_.holdsApps())
        column->addWidget(actionButton("Clear App", "xmark.circle", [this] { return choices_.clearing(); }));
    QPushButton* remove = actionButton("Remove Tile", "trash", [this] { return choices_.removing(); });
    QPalette destructive = remove->palette();
    destructive.setColor(QPalette::ButtonText, QColor(0xff, 0x3b, 0x30));
    remove->setPalette(destructive);
    remove->setEnabled(choices_.canRemove());
    column->addWidget(remove);
}

QPushButton* TileMenu::button(const QString& label) const {
    for (auto* button : findChildren<QPushButton*>()) {
        if (button->text() == label)
            return button;
    }
    return nullptr;
}

AppMenu* TileMenu::appMenu(const QString& title, std::function<LayoutSnapshot(const std::string&)> result) {
    auto* menu = new AppMenu(services_.apps, services_.icons, title,
                             [this, result](const std::string& bundleID) { finish(result(bundleID)); }, this);
    menu->setFlat(true);
    // An empty icon of the others' size keeps its text in their column, as a menu does.
    QPixmap blank(symbolSize, symbolSize);
    blank.fill(Qt::transparent);
    menu->setIcon(QIcon(blank));
    menu->setStyleSheet("QPushButton::menu-indicator { image: none; } QPushButton { " + QString(itemStyle) + " }");
    return menu;
}

QPushButton* TileMenu::actionButton(const QString& label, const char* symbol, std::function<LayoutSnapshot()> result) {
    auto* button = new QPushButton(QIcon(symbolPixmap(symbol, PanelColors::primary(palette()), symbolSize)), label, this);
    button->setFlat(true);
    button->setStyleSheet(itemStyle);
    connect(button, &QPushButton::clicked, this, [this, result] { finish(result()); });
    return button;
}

void TileMenu::finish(const LayoutSnapshot& layout) {
    const auto handOver = change;
    close();
    handOver(layout);
}

void TileMenu::hideEvent(QHideEvent* event) {
    QFrame::hideEvent(event);
    closed();
}

} // namespace quillmere
