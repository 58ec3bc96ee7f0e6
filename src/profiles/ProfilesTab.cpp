#include "profiles/ProfilesTab.h"

#include <QFrame>
#include <QVBoxLayout>
#include <algorithm>

namespace quillmere {

const Profile* selectedProfile(const SettingsModel& model) {
    const auto& profiles = model.profiles();
    if (const auto& name = model.selectedProfile()) {
        const auto found = std::ranges::find(profiles, *name, &Profile::name);
        if (found != profiles.end())
            return &*found;
    }
    return profiles.empty() ? nullptr : &profiles.front();
}

ProfilesTab::ProfilesTab(SettingsModel& model, ProfilesServices services, QWidget* parent)
    : QWidget(parent), model_(model), services_(std::move(services)), actionBanner_(new ErrorBanner("", {}, this)),
      sidebar_(new ProfileSidebar(model, services_, this)), sides_(new QHBoxLayout),
      empty_(new EmptyState("rectangle.3.group", "No profiles yet",
                            "Create one, or capture how your Spaces look right now.", this)),
      reloadLater_(*this, [this] { reload(); }) {
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    // The Settings window's panes, which show this too, may all be closed.
    column->addWidget(actionBanner_);
    sides_->setSpacing(0);
    sides_->addWidget(sidebar_);
    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::VLine);
    line->setFrameShadow(QFrame::Sunken);
    sides_->addWidget(line);
    sides_->addWidget(empty_, 1);
    column->addLayout(sides_, 1);

    observer_ = model_.addObserver([this](SettingsModel::Property property) {
        using Property = SettingsModel::Property;
        switch (property) {
        case Property::settings:
        case Property::profiles:
        case Property::profileProblems:
        case Property::actionError:
        case Property::spaceCount:
        case Property::selectedProfile:
            reloadLater_.schedule();
            break;
        default:
            break;
        }
    });
    reload();
}

ProfilesTab::~ProfilesTab() { model_.removeObserver(observer_); }

void ProfilesTab::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    model_.refreshPreviews();
}

void ProfilesTab::reload() {
    const auto& actionError = model_.actionError();
    actionBanner_->setMessage(QString::fromStdString(actionError.value_or("")));
    actionBanner_->setVisible(actionError.has_value());

    const Profile* selected = selectedProfile(model_);
    sidebar_->reload(selected ? std::optional(selected->name) : std::nullopt);
    if (detail_ && (!selected || detail_->name() != selected->name)) {
        detail_->hide();
        detail_->deleteLater();
        detail_ = nullptr;
    }
    if (selected && detail_) {
        detail_->setProfile(*selected);
    } else if (selected) {
        detail_ = new ProfileDetail(model_, services_, *selected, this);
        sides_->addWidget(detail_, 1);
    }
    empty_->setVisible(!selected);
}

} // namespace quillmere
