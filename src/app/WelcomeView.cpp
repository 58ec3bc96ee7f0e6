#include "app/WelcomeView.h"

#include "app/WelcomeTexts.h"
#include "platform/qt/WindowPlacement.h"
#include "settings/SetupTab.h"
#include "widgets/Keycap.h"
#include "widgets/SwitchRow.h"
#include "widgets/SymbolPixmap.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>

namespace quillmere {
namespace {

const QColor green(0x34, 0xC7, 0x59);

QString qText(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

QColor secondary() { return QPalette().color(QPalette::PlaceholderText); }

QColor accent() { return QPalette().color(QPalette::Highlight); }

QLabel* titleLabel(const QString& text) {
    auto* label = new QLabel(text);
    QFont font = label->font();
    font.setPointSizeF(font.pointSizeF() * 1.5);
    font.setWeight(QFont::DemiBold);
    label->setFont(font);
    return label;
}

QLabel* secondaryText(const QString& text) {
    auto* label = new QLabel(text);
    label->setWordWrap(true);
    label->setForegroundRole(QPalette::PlaceholderText);
    return label;
}

QWidget* heading(const QString& title, std::string_view symbol) {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(symbolLabel(symbol, QPalette().color(QPalette::WindowText), 22, title));
    layout->addWidget(titleLabel(title), 1);
    return row;
}

// A vertical list that scrolls when it outgrows the page.
QVBoxLayout* scrolledList(QVBoxLayout* page, int spacing) {
    auto* content = new QWidget;
    auto* list = new QVBoxLayout(content);
    list->setContentsMargins(0, 0, 0, 0);
    list->setSpacing(spacing);
    auto* scroll = new QScrollArea;
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    scroll->setWidget(content);
    page->addWidget(scroll, 1);
    return list;
}

} // namespace

WelcomeView::WelcomeView(WelcomeModel& model, std::function<void(const std::string&)> openSettings)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      model_(model), openSettings_(std::move(openSettings)) {
    setWindowTitle("Welcome to Quillmere");
    setFixedSize(guideWidth, guideHeight);
    // Centred on the screen, so that it stands over the middle of the simulated screens rather than their
    // menus, wherever a window manager would otherwise leave it.
    move(centredIn(screen()->availableGeometry(), size()).topLeft());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    // The main button takes Return, as a dialog's default button would.
    for (const int key : {Qt::Key_Return, Qt::Key_Enter})
        QObject::connect(new QShortcut(QKeySequence(key), this), &QShortcut::activated, this, [this] {
            if (main_)
                main_->click();
        });
    reload();
}

void WelcomeView::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    onClosed();
}

WelcomeView::Shown WelcomeView::shownNow() const {
    const WelcomeModel::Page page = model_.page();
    Shown shown{page, model_.trusted(), {}, {}, {}};
    if (page == WelcomeModel::Page::macOS)
        shown.checks = model_.checks();
    if (page == WelcomeModel::Page::presets && model_.preset())
        shown.preset = model_.preset()->id;
    if (page == WelcomeModel::Page::keys)
        shown.keys = model_.settings().keys;
    return shown;
}

void WelcomeView::reload() {
    Shown now = shownNow();
    if (shown_ == now)
        return;
    shown_ = std::move(now);
    build();
}

void WelcomeView::build() {
    // A button of the old page may be what asked for the new one.
    if (page_) {
        page_->hide();
        page_->deleteLater();
    }
    checkRows_.clear();
    skip_ = nullptr;
    page_ = new QWidget(this);
    auto* page = new QVBoxLayout(page_);
    page->setContentsMargins(24, 24, 24, 24);
    page->setSpacing(16);
    switch (model_.page()) {
    case WelcomeModel::Page::permission:
        addPermissionPage(page);
        break;
    case WelcomeModel::Page::macOS:
        addMacOSPage(page);
        break;
    case WelcomeModel::Page::presets:
        addPresetsPage(page);
        break;
    case WelcomeModel::Page::keys:
        addKeysPage(page);
        break;
    }
    addFooter(page);
    static_cast<QVBoxLayout*>(layout())->addWidget(page_);
    page_->show();
}

void WelcomeView::addPermissionPage(QVBoxLayout* page) {
    auto* header = new QHBoxLayout;
    header->setSpacing(12);
    auto* icon = new QLabel;
    icon->setPixmap(symbolPixmap("square.grid.2x2", accent(), 56));
    icon->setAccessibleName("Quillmere");
    header->addWidget(icon);
    header->addWidget(titleLabel("Welcome to Quillmere"), 1);
    page->addLayout(header);
    auto* intro = new QLabel("Quillmere tiles your windows on macOS's own Spaces, and moves them between Spaces with "
                             "the keyboard and mouse.");
    intro->setWordWrap(true);
    page->addWidget(intro);
    page->addWidget(secondaryText("To move and resize other apps' windows it needs Accessibility permission. It "
                                  "reads each window's title, position and size, never what's in it unless you turn "
                                  "on window previews in Settings."));
    const bool trusted = model_.trusted();
    auto* status = new QHBoxLayout;
    status->addWidget(trusted ? symbolLabel("checkmark.circle.fill", green, 16, "On")
                              : symbolLabel("hourglass", secondary(), 16, "Waiting"));
    auto* statusText = new QLabel(qText(accessibilityStatusText(trusted)));
    statusText->setObjectName("accessibilityStatus");
    status->addWidget(statusText, 1);
    page->addLayout(status);
    if (!trusted) {
        auto* hint = captionLabel("Click the button, then turn on Quillmere in the list that opens. This window "
                                  "notices when you do.");
        hint->setObjectName("permissionHint");
        page->addWidget(hint);
    }
    page->addStretch();
}

void WelcomeView::addMacOSPage(QVBoxLayout* page) {
    page->addWidget(heading("Check your macOS settings", "gearshape.2"));
    page->addWidget(secondaryText("A few macOS settings change how Spaces behave. Fix any marked here; you can change "
                                  "them later in Settings › Permissions."));
    QVBoxLayout* list = scrolledList(page, 10);
    for (const SetupCheck& check : model_.checks()) {
        checkRows_.push_back(new SetupCheckRow(check, openSettings_));
        list->addWidget(checkRows_.back());
    }
    list->addStretch();
}

QWidget* WelcomeView::presetRow(const std::optional<KeyPreset>& preset, const QString& title, const QString& detail) {
    const auto id = [](const std::optional<KeyPreset>& chosen) {
        return chosen ? std::optional(chosen->id) : std::nullopt;
    };
    const bool selected = id(model_.preset()) == id(preset);
    auto* row = new QPushButton;
    row->setObjectName(title);
    row->setFlat(true);
    row->setCheckable(true);
    row->setChecked(selected);
    row->setAccessibleName(title);
    row->setStyleSheet(QString("QPushButton { text-align: left; border-radius: 10px; padding: 10px; background: %1; }")
                           .arg(selected ? QString("rgba(%1, %2, %3, 31)")
                                               .arg(accent().red())
                                               .arg(accent().green())
                                               .arg(accent().blue())
                                         : QString("rgba(128, 128, 128, 20)")));
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->setSpacing(10);
    layout->addWidget(selected ? symbolLabel("largecircle.fill.circle", accent(), 16, "Selected")
                               : symbolLabel("circle", secondary(), 16, "Not selected"),
                      0, Qt::AlignTop);
    auto* texts = new QVBoxLayout;
    texts->setSpacing(2);
    auto* name = new QLabel(title);
    QFont bold = name->font();
    bold.setBold(true);
    name->setFont(bold);
    texts->addWidget(name);
    texts->addWidget(captionLabel(detail));
    layout->addLayout(texts, 1);
    for (QLabel* label : row->findChildren<QLabel*>())
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
    row->setMinimumHeight(layout->sizeHint().height());
    QObject::connect(row, &QPushButton::clicked, this, [this, preset] { model_.choosePreset(preset); });
    return row;
}

void WelcomeView::addPresetsPage(QVBoxLayout* page) {
    page->addWidget(heading("Choose your shortcuts", "command"));
    page->addWidget(secondaryText("Coming from another window manager? Start from its shortcuts. Quillmere's own fill "
                                  "in everything it doesn't have. You can switch any time in Settings › Keys."));
    QVBoxLayout* list = scrolledList(page, 6);
    list->addWidget(presetRow(std::nullopt, "Quillmere", "⌥ to focus and switch Spaces, ⌥⇧ to move, ⌥⌃ to place and size."));
    for (const KeyPreset& preset : KeyPreset::all())
        list->addWidget(presetRow(preset, QString::fromStdString(preset.name), QString::fromStdString(preset.note)));
    list->addStretch();
}

void WelcomeView::addKeysPage(QVBoxLayout* page) {
    page->addWidget(heading("Five shortcuts to start with", "keyboard"));
    auto* rows = new QVBoxLayout;
    rows->setSpacing(10);
    const Settings settings = model_.settings();
    for (const WelcomeShortcut& shortcut : welcomeShortcuts()) {
        auto* row = new QHBoxLayout;
        row->addWidget(new QLabel(QString::fromStdString(shortcut.title)));
        row->addStretch();
        if (const auto text = settings.shortcutText(shortcut.commands))
            row->addWidget(new Keycap(QString::fromStdString(*text), false));
        else {
            QLabel* none = captionLabel(qText(noShortcutYet));
            none->setWordWrap(false);
            row->addWidget(none);
        }
        rows->addLayout(row);
    }
    page->addLayout(rows);
    page->addWidget(captionLabel("Every action and its keys are in Settings › Keys. Click the menu-bar item for a map "
                                 "of your Spaces and the rest of Quillmere's actions."));
    page->addStretch();
}

void WelcomeView::addFooter(QVBoxLayout* page) {
    auto* footer = new QHBoxLayout;
    if (offersSkip(model_.page())) {
        skip_ = new QPushButton("Skip");
        skip_->setToolTip(qText(skipHelp(model_.trusted())));
        QObject::connect(skip_, &QPushButton::clicked, this, [this] { model_.close(); });
        footer->addWidget(skip_);
    }
    footer->addStretch();
    main_ = new QPushButton(qText(mainButtonTitle(model_.page(), model_.trusted())));
    main_->setDefault(true);
    main_->setAutoDefault(true);
    QObject::connect(main_, &QPushButton::clicked, this, [this] { model_.next(); });
    footer->addWidget(main_);
    page->addLayout(footer);
}

} // namespace quillmere
