#include "profiles/ProfileSidebar.h"

#include "core/Command.h"
#include "profiles/ProfileTexts.h"
#include "profiles/RenameSheet.h"
#include "stores/ProfileSymbol.h"
#include "widgets/Divider.h"
#include "widgets/Keycap.h"
#include "widgets/SwitchRow.h"
#include "widgets/SymbolPixmap.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <algorithm>

namespace quillmere {
namespace {

constexpr int nameRole = Qt::UserRole;

QString qText(const std::string& text) { return QString::fromStdString(text); }

// A whole row that opens its file when clicked; its texts let the clicks through.
class ProblemRow final : public QAbstractButton {
  public:
    explicit ProblemRow(QWidget* parent) : QAbstractButton(parent) { setCursor(Qt::PointingHandCursor); }

  protected:
    void paintEvent(QPaintEvent*) override {
        if (!underMouse())
            return;
        QPainter painter(this);
        QColor hover = palette().color(QPalette::Highlight);
        hover.setAlphaF(0.12);
        painter.fillRect(rect(), hover);
    }
};

QToolButton* iconButton(std::string_view symbol, const QString& label, const QString& tooltip, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setIcon(QIcon(symbolPixmap(symbol, parent->palette().color(QPalette::ButtonText), 14)));
    button->setAccessibleName(label);
    button->setToolTip(tooltip);
    button->setAutoRaise(true);
    return button;
}

} // namespace

ProfileSidebar::ProfileSidebar(SettingsModel& model, ProfilesServices& services, QWidget* parent)
    : QWidget(parent), model_(model), services_(services), header_(new QHBoxLayout), list_(new QListWidget(this)),
      problems_(new QVBoxLayout), add_(iconButton("plus", "New profile", "New profile", this)),
      remove_(iconButton("minus", "Move to Trash", "Move to Trash", this)),
      folder_(iconButton("folder", "Show profile files", "Show the profile files in Finder", this)) {
    setFixedWidth(width);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    header_->setContentsMargins(10, 10, 10, 10);
    auto* title = new QLabel("Profiles", this);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    header_->addWidget(title);
    header_->addStretch();
    column->addLayout(header_);

    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setFrameShape(QFrame::NoFrame);
    // A long summary wraps rather than being scrolled to.
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list_->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(list_, &QListWidget::itemSelectionChanged, this, [this] { chosen(); });
    QObject::connect(list_, &QListWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        const QListWidgetItem* item = list_->itemAt(at);
        if (!item)
            return;
        const std::string name = item->data(nameRole).toString().toStdString();
        const auto& profiles = model_.profiles();
        const auto found = std::ranges::find(profiles, name, &Profile::name);
        if (found == profiles.end())
            return;
        QMenu* menu = rowMenu(*found);
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(list_->viewport()->mapToGlobal(at));
    });
    column->addWidget(list_, 1);
    problems_->setContentsMargins(0, 0, 0, 0);
    problems_->setSpacing(0);
    column->addLayout(problems_);
    column->addWidget(divider(this));

    auto* bar = new QHBoxLayout;
    bar->setContentsMargins(8, 8, 8, 8);
    bar->setSpacing(4);
    add_->setPopupMode(QToolButton::InstantPopup);
    add_->setStyleSheet("QToolButton::menu-indicator { image: none; }");
    auto* addMenu = new QMenu(add_);
    addMenu->addAction("New Profile", this, [this] { model_.newProfile(); });
    addMenu->addAction("Capture Current Layout", this, [this] { model_.captureNew(); });
    add_->setMenu(addMenu);
    bar->addWidget(add_);
    QObject::connect(remove_, &QToolButton::clicked, this, [this] { trashSelected(); });
    bar->addWidget(remove_);
    bar->addStretch();
    QObject::connect(folder_, &QToolButton::clicked, this, [this] { services_.open(services_.folder); });
    bar->addWidget(folder_);
    column->addLayout(bar);
}

QString ProfileSidebar::badgeText() const { return badge_ ? badge_->text() : QString(); }

void ProfileSidebar::reload(const std::optional<std::string>& selected) {
    selected_ = selected;
    delete badge_;
    badge_ = new Badge(QString::number(model_.profiles().size()), this);
    header_->insertWidget(1, badge_);

    const QSignalBlocker quiet(list_);
    list_->clear();
    for (const Profile& profile : model_.profiles()) {
        auto* item = new QListWidgetItem(list_);
        item->setData(nameRole, qText(profile.name));
        QWidget* shown = row(profile);
        // As tall as the row needs at the list's width, a long summary wrapped.
        item->setSizeHint(QSize(width, shown->heightForWidth(width)));
        list_->setItemWidget(item, shown);
        if (profile.name == selected)
            item->setSelected(true);
    }

    for (QAbstractButton* row : problemRows_) {
        // Its click may be what changed the model.
        row->hide();
        row->deleteLater();
    }
    problemRows_.clear();
    for (const ProfileStore::Problem& problem : model_.profileProblems()) {
        problemRows_.push_back(problemRow(problem));
        problems_->addWidget(problemRows_.back());
    }
    remove_->setEnabled(selected.has_value());
}

QWidget* ProfileSidebar::row(const Profile& profile) {
    auto* widget = new QWidget;
    auto* row = new QHBoxLayout(widget);
    row->setContentsMargins(8, 4, 8, 4);
    row->setSpacing(8);
    auto* icon = new QLabel(widget);
    icon->setPixmap(symbolPixmap(symbol(profile, services_.symbols), palette().color(QPalette::WindowText), 16));
    icon->setFixedWidth(20);
    icon->setAlignment(Qt::AlignCenter);
    row->addWidget(icon);
    auto* texts = new QVBoxLayout;
    texts->setSpacing(2);
    texts->addWidget(new QLabel(qText(profile.name), widget));
    texts->addWidget(captionLabel(qText(profileListSummary(profile)), widget));
    row->addLayout(texts, 1);
    return widget;
}

QAbstractButton* ProfileSidebar::problemRow(const ProfileStore::Problem& problem) {
    auto* button = new ProblemRow(this);
    button->setToolTip(qText(problemTooltip(problem)));
    button->setAccessibleName(qText(problemTitle(problem)));
    auto* row = new QHBoxLayout(button);
    row->setContentsMargins(10, 4, 10, 4);
    QLabel* icon = symbolLabel("exclamationmark.triangle.fill", QColor(0xff, 0x95, 0x00), 14, "Warning", button);
    row->addWidget(icon, 0, Qt::AlignTop);
    auto* texts = new QVBoxLayout;
    texts->setSpacing(2);
    auto* title = new QLabel(qText(problemTitle(problem)), button);
    title->setWordWrap(true);
    texts->addWidget(title);
    QLabel* message = captionLabel(qText(problem.message), button);
    message->setMaximumHeight(3 * message->fontMetrics().lineSpacing());
    texts->addWidget(message);
    row->addLayout(texts, 1);
    for (QLabel* label : {icon, title, message})
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
    QObject::connect(button, &QAbstractButton::clicked, this, [this, file = problem.file] { services_.open(file); });
    return button;
}

QMenu* ProfileSidebar::rowMenu(const Profile& profile) {
    auto* menu = new QMenu(this);
    menu->addAction("Apply profile", this,
                    [this, name = profile.name] { model_.manager().perform(Command{Command::Load{name}}); });
    menu->addAction("Rename…", this, [this, profile] { rename(profile); });
    menu->addAction("Duplicate", this, [this, profile] { model_.duplicate(profile); });
    menu->addSeparator();
    menu->addAction("Move to Trash", this, [this, profile] { model_.trash(profile); });
    return menu;
}

void ProfileSidebar::rename(const Profile& profile) { (new RenameSheet(model_, profile, *window()))->open(); }

void ProfileSidebar::chosen() {
    const auto items = list_->selectedItems();
    model_.setSelectedProfile(items.isEmpty() ? std::nullopt
                                              : std::optional(items.front()->data(nameRole).toString().toStdString()));
}

void ProfileSidebar::trashSelected() {
    const auto& profiles = model_.profiles();
    const auto found = std::ranges::find(profiles, selected_, [](const Profile& profile) {
        return std::optional(profile.name);
    });
    if (found != profiles.end())
        model_.trash(*found);
}

} // namespace quillmere
