#include "profiles/ProfileDetail.h"

#include "core/Command.h"
#include "profiles/FlowRow.h"
#include "profiles/Popover.h"
#include "profiles/ProfileIconPicker.h"
#include "profiles/RenameSheet.h"
#include "stores/ProfileSymbol.h"
#include "widgets/SwitchRow.h"
#include "widgets/SymbolPixmap.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QPainter>

namespace quillmere {
namespace {

constexpr double stripHeight = 64;

QString qText(const std::string& text) { return QString::fromStdString(text); }

QLabel* headline(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

// The strip's rounded backdrop.
class StripBackdrop final : public QWidget {
  public:
    explicit StripBackdrop(QWidget* strip) {
        auto* layout = new QHBoxLayout(this);
        layout->setContentsMargins(24, 12, 24, 12);
        layout->addWidget(strip);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(palette().color(QPalette::AlternateBase));
        painter.drawRoundedRect(QRectF(rect()), 12, 12);
    }
};

} // namespace

ProfileDetail::ProfileDetail(SettingsModel& model, ProfilesServices& services, const Profile& profile, QWidget* parent)
    : QScrollArea(parent), model_(model), services_(services), editor_(model, services.displays, profile),
      column_(new QVBoxLayout), rebuildLater_(*this, [this] { rebuild(); }) {
    setWidgetResizable(true);
    setFrameShape(QFrame::NoFrame);
    auto* content = new QWidget;
    content->setLayout(column_);
    column_->setContentsMargins(20, 20, 20, 20);
    column_->setSpacing(20);
    setWidget(content);
    rebuild();
}

void ProfileDetail::setProfile(const Profile& profile) {
    editor_.setProfile(profile);
    rebuild();
}

void ProfileDetail::changedView() { rebuildLater_.schedule(); }

void ProfileDetail::rebuild() {
    while (QLayoutItem* item = column_->takeAt(0)) {
        if (QWidget* section = item->widget(); section && section != whenApplied_) {
            // A button of the section may be what asked for this.
            section->hide();
            section->deleteLater();
        }
        delete item;
    }
    chips_.clear();
    displaySegments_.clear();
    column_->addWidget(header());
    column_->addWidget(desktops());
    column_->addWidget(spaceDesigner());
    if (!whenApplied_)
        whenApplied_ = new WhenAppliedSection(model_, services_, editor_.profile());
    column_->addWidget(whenApplied_);
    column_->addStretch();
}

SpaceDesigner* ProfileDetail::spaceDesigner() {
    const auto& labels = model_.settings().spaceRules().labels;
    const auto label = labels.find(editor_.space().space);
    designer_ = new SpaceDesigner(model_, services_,
                                  SpaceDesign(editor_.profile(),
                                              label != labels.end() ? std::optional(label->second) : std::nullopt,
                                              editor_.parts(), editor_.display()));
    designer_->select = [this](const std::optional<std::string>& display) {
        if (!display)
            return;
        editor_.select(*display);
        changedView();
    };
    return designer_;
}

QWidget* ProfileDetail::header() {
    const Profile& profile = editor_.profile();
    auto* widget = new QWidget;
    auto* row = new QHBoxLayout(widget);
    row->setContentsMargins(0, 0, 0, 0);
    auto* texts = new QVBoxLayout;
    texts->setSpacing(4);
    auto* title = new QHBoxLayout;

    iconButton_ = new QToolButton(widget);
    iconButton_->setFixedSize(36, 36);
    iconButton_->setIcon(QIcon(symbolPixmap(symbol(profile, services_.symbols),
                                            palette().color(QPalette::WindowText), 22)));
    iconButton_->setIconSize(QSize(22, 22));
    iconButton_->setStyleSheet("QToolButton { background: palette(midlight); border: none; border-radius: 8px; }");
    iconButton_->setToolTip("Choose an icon for this profile");
    iconButton_->setAccessibleName("Profile icon");
    QObject::connect(iconButton_, &QToolButton::clicked, this, [this] { chooseIcon(); });
    title->addWidget(iconButton_);

    auto* name = new QLabel(qText(profile.name), widget);
    QFont font = name->font();
    font.setPointSizeF(font.pointSizeF() * 1.5);
    font.setWeight(QFont::DemiBold);
    name->setFont(font);
    title->addWidget(name);

    renameButton_ = new QToolButton(widget);
    renameButton_->setIcon(QIcon(symbolPixmap("pencil", palette().color(QPalette::ButtonText), 14)));
    renameButton_->setAccessibleName("Rename");
    renameButton_->setToolTip("Rename");
    renameButton_->setAutoRaise(true);
    QObject::connect(renameButton_, &QToolButton::clicked, this,
                     [this] { (new RenameSheet(model_, editor_.profile(), *window()))->open(); });
    title->addWidget(renameButton_);
    title->addStretch();
    texts->addLayout(title);
    summary_ = captionLabel(qText(editor_.summary()), widget);
    texts->addWidget(summary_);
    row->addLayout(texts, 1);

    applyButton_ = new QPushButton("Apply Profile", widget);
    applyButton_->setToolTip("Arrange your Desktops as this profile describes");
    QObject::connect(applyButton_, &QPushButton::clicked, this,
                     [this] { model_.manager().perform(Command{Command::Load{editor_.profile().name}}); });
    row->addWidget(applyButton_, 0, Qt::AlignTop);
    return widget;
}

void ProfileDetail::chooseIcon() {
    if (choosingIcon_)
        return;
    choosingIcon_ = true;
    auto* picker = new ProfileIconPicker(symbol(editor_.profile(), services_.symbols));
    picker->choose = [this, picker](const std::string& icon) {
        // The popover, the picker's window.
        picker->window()->close();
        editor_.change([&](Profile& profile) { profile.setIcon(icon); }, "Change Profile Icon");
    };
    (new Popover(picker, *iconButton_, [this] { choosingIcon_ = false; }))->present();
}

QWidget* ProfileDetail::desktops() {
    auto* widget = new QWidget;
    auto* column = new QVBoxLayout(widget);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(10);
    auto* titles = new QVBoxLayout;
    titles->setSpacing(2);
    titles->addWidget(headline("Desktops", widget));
    QLabel* hint = captionLabel(qText(editor_.hint()), widget);
    titles->addWidget(hint);
    column->addLayout(titles);
    if (QWidget* picker = displayPicker())
        column->addWidget(picker);

    auto* chips = new QWidget(widget);
    auto* flow = new FlowRow(FlowLayout{.spacing = 8, .justified = false}, chips);
    const std::int64_t selected = editor_.space().space;
    const auto& labels = model_.settings().spaceRules().labels;
    for (std::int64_t desktop = 1; desktop <= std::max<std::int64_t>(editor_.desktopCount(), 1); ++desktop) {
        const auto label = labels.find(desktop);
        auto* chip = new DesktopChip(
            DesktopChip::Look{.desktop = desktop,
                              .label = label != labels.end() ? std::optional(label->second) : std::nullopt,
                              .arranged = editor_.arranges(desktop).has_value(),
                              .selected = desktop == selected,
                              .windows = editor_.windowCount(desktop)},
            [this, desktop](const TileDrag& drag) { editor_.moveApps(drag.desktop, drag.path, desktop); }, chips);
        QObject::connect(chip, &QAbstractButton::clicked, this, [this, desktop] {
            editor_.selectSpace(desktop);
            changedView();
        });
        flow->addWidget(chip);
        chips_.push_back(chip);
    }
    column->addWidget(chips);
    return widget;
}

QWidget* ProfileDetail::displayPicker() {
    const Profile& profile = editor_.profile();
    if (editor_.spans())
        return nullptr;
    const auto choose = [this](const std::string& display) {
        editor_.chooseDisplay(display);
        changedView();
    };
    if (profile.displays && profile.displays->size() >= 2) {
        std::vector<DisplayStripItem> items;
        std::vector<std::pair<std::string, std::string>> named;
        for (const ProfileDisplay& display : *profile.displays) {
            items.push_back({display.identity.signature(), display.identity.name, display.frame});
            named.emplace_back(display.identity.signature(), display.identity.name);
        }
        if (services_.displayStrip)
            return new StripBackdrop(services_.displayStrip(items, editor_.display(), stripHeight, choose));
        return segments(named);
    }
    if (!profile.displays && profile.recordedDisplays().size() > 1) {
        std::vector<std::pair<std::string, std::string>> named;
        for (const DisplayIdentity& identity : profile.recordedDisplays())
            named.emplace_back(identity.signature(), identity.name);
        return segments(named);
    }
    return nullptr;
}

QWidget* ProfileDetail::segments(const std::vector<std::pair<std::string, std::string>>& displays) {
    auto* widget = new QWidget;
    auto* row = new QHBoxLayout(widget);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    auto* group = new QButtonGroup(widget);
    const auto shown = editor_.display();
    for (const auto& [signature, name] : displays) {
        auto* segment = new QPushButton(qText(name), widget);
        segment->setCheckable(true);
        segment->setChecked(signature == shown);
        group->addButton(segment);
        QObject::connect(segment, &QPushButton::clicked, this, [this, signature] {
            editor_.chooseDisplay(signature);
            changedView();
        });
        row->addWidget(segment);
        displaySegments_.push_back(segment);
    }
    row->addStretch();
    return widget;
}

} // namespace quillmere
