#include "settings/MenuBarTab.h"

#include "menubar/MenuBarRenderer.h"
#include "settings/MenuBarRows.h"
#include "settings/RestoreDefaultsBar.h"
#include "widgets/SymbolPixmap.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>

namespace quillmere {
namespace {

constexpr int listMinimumHeight = 316;

QString qText(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

QWidget* titleAndDetail(std::string_view title, std::string_view detail) {
    auto* texts = new QWidget;
    auto* column = new QVBoxLayout(texts);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(new QLabel(qText(title)));
    // Each detail is one line: unwrapped, every row is as tall as the others.
    QLabel* caption = captionLabel(qText(detail));
    caption->setWordWrap(false);
    column->addWidget(caption);
    return texts;
}

} // namespace

MenuBarTab::MenuBarTab(SettingsModel& model)
    : model_(model), preview_(new QLabel), list_(new QListWidget), styles_(new QButtonGroup(this)) {
    auto* content = new QWidget;
    auto* column = new QVBoxLayout(content);

    auto* previewBox = new QGroupBox("Preview");
    auto* previewLayout = new QVBoxLayout(previewBox);
    preview_->setAlignment(Qt::AlignCenter);
    preview_->setAccessibleName("Menu-bar item preview");
    preview_->setAutoFillBackground(true);
    preview_->setBackgroundRole(QPalette::AlternateBase);
    preview_->setContentsMargins(0, 8, 0, 8);
    previewLayout->addWidget(preview_);
    column->addWidget(previewBox);
    column->addWidget(captionLabel("How the item looks on the current Space."));

    auto* contents = new QGroupBox("Menu bar contents (drag to reorder)");
    auto* contentsLayout = new QVBoxLayout(contents);
    list_->setMinimumHeight(listMinimumHeight);
    // The pane scrolls; the list inside it shows all its rows instead of scrolling too.
    list_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list_->setDragDropMode(QAbstractItemView::InternalMove);
    list_->setDefaultDropAction(Qt::MoveAction);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    contentsLayout->addWidget(list_);
    column->addWidget(contents);
    QObject::connect(list_->model(), &QAbstractItemModel::rowsMoved, this,
                     [this](const QModelIndex&, int start, int end, const QModelIndex&, int row) {
                         std::set<std::size_t> sources;
                         for (int index = start; index <= end; ++index)
                             sources.insert(static_cast<std::size_t>(index));
                         moveRows(sources, static_cast<std::size_t>(row));
                     });

    auto* styleBox = new QGroupBox("Space index style");
    auto* styleLayout = new QVBoxLayout(styleBox);
    for (MenuBarSettings::IndexStyle style : offeredIndexStyles) {
        const IndexStyleOption option = indexStyleOption(style);
        auto* button = new QRadioButton(qText(option.title));
        styles_->addButton(button, static_cast<int>(style));
        styleLayout->addWidget(button);
        auto* detail = captionLabel(qText(option.detail));
        detail->setContentsMargins(22, 0, 0, 0);
        styleLayout->addWidget(detail);
    }
    QObject::connect(styles_, &QButtonGroup::idClicked, this, [this](int id) {
        store(withIndexStyle(model_.settings().menuBarSettings(), static_cast<MenuBarSettings::IndexStyle>(id)));
    });
    column->addWidget(styleBox);
    column->addStretch();

    layOutWithRestoreBar(*this, content, [this] { model_.restoreDefaults(SettingsModel::Pane::menuBar); });
    const std::vector<MenuBarSettings::Entry> entries = model_.settings().menuBarSettings().orderedItems();
    for (const auto& entry : entries)
        shownOrder_.push_back(entry.item);
    rebuildRows(entries);
    reload();
}

void MenuBarTab::store(const MenuBarSettings& settings) {
    Settings edited = model_.settings();
    edited.menuBar = settings;
    model_.setSettings(std::move(edited));
    model_.save("Change Setting");
}

void MenuBarTab::moveRows(const std::set<std::size_t>& sources, std::size_t destination) {
    store(movingItems(model_.settings().menuBarSettings(), sources, destination));
}

void MenuBarTab::reload() {
    const MenuBarSettings settings = model_.settings().menuBarSettings();
    const std::vector<MenuBarSettings::Entry> entries = settings.orderedItems();
    std::vector<MenuBarSettings::Item> order;
    for (const auto& entry : entries)
        order.push_back(entry.item);
    if (order != shownOrder_) {
        // Rows are rebuilt once the handler that may have led here, a drop into the list, has returned.
        shownOrder_ = order;
        QMetaObject::invokeMethod(this, [this, entries] { rebuildRows(entries); }, Qt::QueuedConnection);
    } else {
        for (int row = 0; row < list_->count(); ++row)
            if (QCheckBox* shown = rowSwitch(row)) {
                const QSignalBlocker blocker(shown);
                shown->setChecked(entries[static_cast<std::size_t>(row)].shown);
            }
    }
    const QSignalBlocker blocker(styles_);
    styles_->button(static_cast<int>(settings.indexStyle))->setChecked(true);
    const auto picture = MenuBarRenderer::image(model_.status(), settings, false);
    preview_->setPixmap(picture ? QPixmap::fromImage(*picture) : QPixmap());
}

void MenuBarTab::rebuildRows(const std::vector<MenuBarSettings::Entry>& entries) {
    const QSignalBlocker blocker(list_->model());
    list_->clear();
    for (const MenuBarSettings::Entry& entry : entries) {
        const MenuBarRow row = menuBarRow(entry.item);
        auto* widget = new QWidget;
        auto* line = new QHBoxLayout(widget);
        line->setContentsMargins(6, 4, 6, 4);
        line->addWidget(symbolLabel("line.3.horizontal", palette().color(QPalette::PlaceholderText), 14, "Drag"));
        auto* symbol = symbolLabel(row.symbol, palette().color(QPalette::WindowText), 16, qText(row.title));
        symbol->setFixedWidth(22);
        line->addWidget(symbol);
        line->addWidget(titleAndDetail(row.title, row.detail), 1);
        auto* shown = new QCheckBox;
        shown->setObjectName("shown");
        shown->setAccessibleName(qText(row.title));
        shown->setChecked(entry.shown);
        const MenuBarSettings::Item item = entry.item;
        QObject::connect(shown, &QCheckBox::toggled, this, [this, item](bool on) {
            store(showingItem(model_.settings().menuBarSettings(), item, on));
        });
        line->addWidget(shown);
        auto* listItem = new QListWidgetItem(list_);
        listItem->setData(Qt::UserRole, qText(row.title));
        listItem->setSizeHint(widget->sizeHint());
        list_->setItemWidget(listItem, widget);
    }
    int rows = 0;
    for (int row = 0; row < list_->count(); ++row)
        rows += list_->item(row)->sizeHint().height();
    list_->setFixedHeight(std::max(listMinimumHeight, rows + 2 * list_->frameWidth()));
}

QCheckBox* MenuBarTab::rowSwitch(int row) const {
    QWidget* widget = list_->itemWidget(list_->item(row));
    return widget ? widget->findChild<QCheckBox*>("shown") : nullptr;
}

QString MenuBarTab::rowTitle(int row) const { return list_->item(row)->data(Qt::UserRole).toString(); }

QAbstractButton* MenuBarTab::styleButton(MenuBarSettings::IndexStyle style) const {
    return styles_->button(static_cast<int>(style));
}

} // namespace quillmere
