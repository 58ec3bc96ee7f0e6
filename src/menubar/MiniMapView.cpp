#include "menubar/MiniMapView.h"

#include "menubar/ApplicationKeys.h"
#include "menubar/MiniMapTexts.h"
#include "menubar/PanelColors.h"
#include "stores/ProfileSymbol.h"

#include <QDesktopServices>
#include <QFrame>
#include <QGraphicsOpacityEffect>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollArea>
#include <QUrl>
#include <QVBoxLayout>

namespace quillmere {
namespace {

constexpr int headerInset = 14;
// Notices reach 8 further out than the rest of the header.
constexpr int noticeWidening = 8;

QString qText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QWidget* divider() {
    auto* line = new QFrame;
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Plain);
    line->setFixedHeight(1);
    return line;
}

QFont scaledFont(const QFont& base, double scale, QFont::Weight weight) {
    QFont font = base;
    font.setPointSizeF(base.pointSizeF() * scale);
    font.setWeight(weight);
    return font;
}

void paintSecondary(QWidget* widget) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, PanelColors::secondary(palette));
    widget->setPalette(palette);
}

} // namespace

MiniMapView::MiniMapView(MiniMapModel& model, MiniMapViewServices services, std::function<void()> close,
                         QWidget* parent)
    : QWidget(parent), model_(model), services_(std::move(services)), close_(std::move(close)) {
    setFixedWidth(width);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(header());
    layout->addWidget(divider());
    layout->addWidget(mapPart());
    layout->addWidget(divider());
    layout->addWidget(footer());
    observer_ = model_.observe([this] { modelChanged(); });
    modelChanged();
}

MiniMapView::~MiniMapView() { model_.stopObserving(observer_); }

std::function<void()> MiniMapView::closingFirst(std::function<void()> action) {
    return [this, action = std::move(action)] {
        close_();
        services_.queue.after(MainQueue::Duration::zero(), action);
    };
}

MenuRow* MiniMapView::actionRow(MenuRowLabel label, const std::string& help, std::function<void()> action) {
    auto* row = new MenuRow(std::move(label));
    if (!help.empty())
        row->setToolTip(qText(help));
    QObject::connect(row, &QAbstractButton::clicked, row, [action = std::move(action)] { action(); });
    return row;
}

QWidget* MiniMapView::header() {
    auto* header = new QWidget;
    auto* column = new QVBoxLayout(header);
    column->setContentsMargins(headerInset - noticeWidening, 10, headerInset - noticeWidening, 10);
    column->setSpacing(4);

    auto* top = new QHBoxLayout;
    top->setContentsMargins(noticeWidening, 0, noticeWidening, 0);
    auto* texts = new QVBoxLayout;
    texts->setSpacing(1);
    auto* title = new QLabel(qText(MiniMapTexts::title));
    title->setFont(scaledFont(font(), 1.0, QFont::Bold));
    status_ = new QLabel;
    status_->setFont(scaledFont(font(), 0.92, QFont::Normal));
    paintSecondary(status_);
    texts->addWidget(title);
    texts->addWidget(status_);
    top->addLayout(texts, 1);
    switch_ = new TilingSwitch;
    QObject::connect(switch_, &QAbstractButton::clicked, switch_,
                     [this] { model_.manager().perform(Command{Command::TogglePause{}}); });
    top->addWidget(switch_, 0, Qt::AlignVCenter);
    column->addLayout(top);

    notices_ = new QVBoxLayout;
    notices_->setSpacing(4);
    grantRow_ = actionRow({.title = std::string(MiniMapTexts::grantAccessibility),
                           .symbol = "exclamationmark.triangle.fill",
                           .tint = PanelColors::orange()},
                          std::string(MiniMapTexts::grantAccessibilityHelp),
                          closingFirst([this] { model_.actions().showWelcome(); }));
    notices_->addWidget(grantRow_);
    column->addLayout(notices_);
    return header;
}

QWidget* MiniMapView::mapPart() {
    mapSection_ = new QWidget;
    auto* column = new QVBoxLayout(mapSection_);
    column->setContentsMargins(14, 10, 14, 14);
    column->setSpacing(4);
    auto* open = actionRow({.title = std::string(MiniMapTexts::openInWindow), .symbol = "arrow.up.forward.app"},
                           std::string(MiniMapTexts::openInWindowHelp), [this] {
                               close_();
                               model_.actions().openSpaces();
                           });
    open->setIconOnly(true);
    column->addWidget(open, 0, Qt::AlignRight);
    map_ = new SpacesMapView(model_, services_.map, cardHeight, [this] { close_(); });
    column->addWidget(map_);
    mapSection_->setGraphicsEffect(new QGraphicsOpacityEffect);

    mapScroll_ = new QScrollArea;
    mapScroll_->setFrameShape(QFrame::NoFrame);
    mapScroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    mapScroll_->setWidgetResizable(true);
    mapScroll_->setWidget(mapSection_);
    mapScroll_->viewport()->setAutoFillBackground(false);
    mapSection_->setAutoFillBackground(false);
    return mapScroll_;
}

QWidget* MiniMapView::footer() {
    auto* footer = new QWidget;
    auto* column = new QVBoxLayout(footer);
    column->setContentsMargins(6, 6, 6, 6);
    column->setSpacing(2);
    auto* caption = new QLabel(qText(MiniMapTexts::profilesCaption));
    caption->setFont(scaledFont(font(), 0.85, QFont::DemiBold));
    caption->setContentsMargins(8, 4, 8, 0);
    paintSecondary(caption);
    column->addWidget(caption);
    profileRows_ = new QVBoxLayout;
    profileRows_->setSpacing(2);
    column->addLayout(profileRows_);

    const auto& actions = model_.actions();
    column->addWidget(actionRow({.title = std::string(MiniMapTexts::saveLayout), .symbol = "plus"},
                                std::string(MiniMapTexts::saveLayoutHelp), closingFirst(actions.captureLayout)));
    column->addWidget(actionRow({.title = std::string(MiniMapTexts::editProfiles),
                                 .symbol = "square.and.pencil",
                                 .shortcut = ApplicationKeys::text(ApplicationKeys::profiles)},
                                {}, closingFirst(actions.editProfiles)));
    auto* spaced = new QVBoxLayout;
    spaced->setContentsMargins(0, 4, 0, 4);
    spaced->addWidget(divider());
    column->addLayout(spaced);
    column->addWidget(actionRow({.title = std::string(MiniMapTexts::checkForUpdates),
                                 .symbol = "arrow.triangle.2.circlepath"},
                                {}, closingFirst(actions.checkForUpdates)));
    column->addWidget(actionRow({.title = std::string(MiniMapTexts::settings),
                                 .symbol = "gearshape",
                                 .shortcut = ApplicationKeys::text(ApplicationKeys::settings)},
                                {}, closingFirst(actions.openSettings)));
    column->addWidget(actionRow({.title = std::string(MiniMapTexts::quit),
                                 .symbol = "power",
                                 .shortcut = ApplicationKeys::text(ApplicationKeys::quit)},
                                {}, services_.quit));
    return footer;
}

MenuRow* MiniMapView::row(const std::string& title) const {
    // The rows have no meta-object of their own, so Qt's cast cannot tell them from other buttons.
    for (QAbstractButton* button : findChildren<QAbstractButton*>())
        if (auto* row = dynamic_cast<MenuRow*>(button); row && row->label().title == title)
            return row;
    return nullptr;
}

void MiniMapView::modelChanged() {
    const bool paused = model_.status().paused;
    const std::optional<std::string> pause = model_.shortcut("pause");
    const QString line = qText(MiniMapTexts::statusLine(model_.accessibilityLost(), paused, pause));
    const int room = width - 2 * headerInset - TilingSwitch::width - 12;
    status_->setText(status_->fontMetrics().elidedText(line, Qt::ElideRight, room));
    status_->setToolTip(line);
    switch_->setChecked(!paused);
    switch_->setEnabled(!model_.accessibilityLost());
    switch_->setToolTip(qText(MiniMapTexts::tilingHelp(pause)));
    static_cast<QGraphicsOpacityEffect*>(mapSection_->graphicsEffect())->setOpacity(paused ? pausedMapOpacity : 1);
    showNotices();
    showProfiles();
}

void MiniMapView::showNotices() {
    grantRow_->setVisible(model_.accessibilityLost());
    const auto& error = model_.configError();
    if (configRow_ && (!error || configRow_->label().title != *error)) {
        configRow_->hide();
        configRow_->deleteLater();
        configRow_ = nullptr;
    }
    if (error && !configRow_) {
        configRow_ = actionRow({.title = *error, .symbol = "exclamationmark.triangle.fill", .tint = PanelColors::orange()},
                               std::string(MiniMapTexts::configErrorHelp), closingFirst([file = services_.configFile] {
                                   QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(file.string())));
                               }));
        notices_->addWidget(configRow_);
    }
}

void MiniMapView::showProfiles() {
    const auto& last = model_.manager().lastProfile();
    std::vector<std::string> shown;
    for (const Profile& profile : model_.profiles())
        shown.insert(shown.end(), {profile.name, symbol(profile, symbols_), model_.shortcut("load " + profile.name).value_or(""),
                                   last == profile.name ? "checkmark" : "", profile.autoApply.value_or(false) ? "auto" : ""});
    shown.push_back("problems");
    for (const ProfileStore::Problem& problem : model_.profileProblems())
        shown.insert(shown.end(), {problem.file.string(), problem.message});
    if (shown != profileRowsShown_) {
        profileRowsShown_ = std::move(shown);
        while (QLayoutItem* item = profileRows_->takeAt(0)) {
            item->widget()->hide();
            item->widget()->deleteLater();
            delete item;
        }
        for (const Profile& profile : model_.profiles()) {
            MenuRowLabel label{.title = profile.name,
                               .symbol = symbol(profile, symbols_),
                               .shortcut = model_.shortcut("load " + profile.name)};
            if (last == profile.name)
                label.trailing = "checkmark";
            profileRows_->addWidget(actionRow(std::move(label), MiniMapTexts::profileHelp(profile.autoApply.value_or(false)),
                                              [this, name = profile.name] {
                                                  close_();
                                                  model_.manager().perform(Command{Command::Load{name}});
                                              }));
        }
        for (const ProfileStore::Problem& problem : model_.profileProblems()) {
            auto* row = new MenuRow({.title = MiniMapTexts::problemTitle(problem.file),
                                     .symbol = "exclamationmark.triangle",
                                     .tint = PanelColors::orange()});
            row->setInert(true);
            row->setToolTip(qText(problem.message));
            profileRows_->addWidget(row);
        }
    }
    for (int index = 0; index < static_cast<int>(model_.profiles().size()); ++index)
        profileRows_->itemAt(index)->widget()->setEnabled(!model_.status().paused);
}

// Rows added while the panel is hidden are laid out only once it shows, after its frame was chosen: every
// part is laid out now, innermost first, so that the sizes read here are those the panel will show.
void MiniMapView::layOutNow() {
    const QList<QWidget*> parts = findChildren<QWidget*>();
    for (auto part = parts.rbegin(); part != parts.rend(); ++part)
        if (QLayout* inner = (*part)->layout()) {
            inner->invalidate();
            inner->activate();
        }
    layout()->invalidate();
    layout()->activate();
}

void MiniMapView::fitHeight(int maximum) {
    layOutNow();
    const int content = mapSection_->heightForWidth(width);
    mapScroll_->setFixedHeight(content);
    const int whole = layout()->totalHeightForWidth(width);
    mapScroll_->setFixedHeight(std::max(0, content - std::max(0, whole - maximum)));
    adjustSize();
}

} // namespace quillmere
