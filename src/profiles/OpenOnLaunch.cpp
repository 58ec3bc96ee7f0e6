#include "profiles/OpenOnLaunch.h"

#include "widgets/AppViews.h"
#include "widgets/SwitchRow.h"

#include <QEvent>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace quillmere {

namespace {

constexpr const char* explanation =
    "When applying the profile launches an app, it opens these too, one per line: a link, a file or folder "
    "(starting / or ~), or a command (starting $) for a terminal app. Apps that are already running are left as "
    "they are, and an app that restores its own windows keeps them: a browser gets a new tab.";

QFont headline(QFont font) {
    font.setWeight(QFont::DemiBold);
    return font;
}

} // namespace

LaunchItemsField::LaunchItemsField(const std::vector<std::string>& saved, QWidget* parent)
    : QWidget(parent), text_(saved), editor_(new QPlainTextEdit(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(editor_);
    editor_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    editor_->setPlaceholderText("https://…, ~/folder or $ command");
    editor_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    editor_->setTabChangesFocus(true);
    editor_->document()->setDocumentMargin(4);
    show(text_.text());
    editor_->installEventFilter(this);
    connect(editor_, &QPlainTextEdit::textChanged, this, [this] {
        fitHeight();
        if (!showing_)
            text_.type(editor_->toPlainText().toStdString());
    });
    fitHeight();
}

void LaunchItemsField::fitHeight() {
    constexpr int smallest = 44;
    constexpr int largest = 110;
    const int lines = std::max(editor_->document()->blockCount(), 1);
    const int content = lines * editor_->fontMetrics().lineSpacing() +
                        2 * static_cast<int>(editor_->document()->documentMargin()) + 2 * editor_->frameWidth();
    editor_->setFixedHeight(std::clamp(content, smallest, largest));
}

LaunchItemsField::~LaunchItemsField() {
    commit();
}

void LaunchItemsField::setSaved(const std::vector<std::string>& saved) {
    text_.setSaved(saved);
    show(text_.text());
}

void LaunchItemsField::show(const std::string& text) {
    const QString shown = QString::fromStdString(text);
    if (editor_->toPlainText() == shown)
        return;
    showing_ = true;
    editor_->setPlainText(shown);
    showing_ = false;
}

bool LaunchItemsField::eventFilter(QObject* watched, QEvent* event) {
    if (watched == editor_ && event->type() == QEvent::FocusOut)
        commit();
    return QWidget::eventFilter(watched, event);
}

void LaunchItemsField::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    commit();
}

void LaunchItemsField::commit() {
    const auto lines = text_.commit();
    if (!lines)
        return;
    show(text_.text());
    save(*lines);
}

OpenOnLaunch::OpenOnLaunch(SettingsModel& model, ProfilesServices& services, Profile profile, QWidget* parent)
    : SectionBox(parent), model_(model), services_(services), profile_(std::move(profile)), disclosure_(new QToolButton(this)),
      summary_(captionLabel("", this)), content_(new QWidget(this)) {
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(14, 14, 14, 14);
    auto* header = new QHBoxLayout;
    disclosure_->setText("Advanced");
    disclosure_->setFont(headline(font()));
    disclosure_->setArrowType(Qt::RightArrow);
    disclosure_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    disclosure_->setAutoRaise(true);
    connect(disclosure_, &QToolButton::clicked, this, [this] { setExpanded(!expanded_); });
    header->addWidget(disclosure_);
    summary_->setWordWrap(false);
    header->addWidget(summary_);
    header->addStretch();
    column->addLayout(header);

    auto* inner = new QVBoxLayout(content_);
    inner->setContentsMargins(0, 8, 0, 0);
    inner->setSpacing(10);
    inner->addWidget(captionLabel(explanation, content_));
    column->addWidget(content_);
    content_->hide();
    rebuildRows();
    updateSummary();
}

void OpenOnLaunch::setExpanded(bool expanded) {
    expanded_ = expanded;
    disclosure_->setArrowType(expanded ? Qt::DownArrow : Qt::RightArrow);
    content_->setVisible(expanded);
    updateSummary();
}

void OpenOnLaunch::setProfile(Profile profile) {
    profile_ = std::move(profile);
    const auto apps = LaunchItems::apps(profile_, [this](const std::string& id) { return services_.apps.name(id); });
    std::vector<std::string> ids;
    for (const auto& app : apps)
        ids.push_back(app.id);
    if (ids == listed()) {
        for (const auto& [id, field] : fields_)
            field->setSaved(LaunchItems::saved(profile_, id));
    } else {
        rebuildRows();
    }
    updateSummary();
}

std::vector<std::string> OpenOnLaunch::listed() const {
    std::vector<std::string> ids;
    for (const auto& entry : fields_)
        ids.push_back(entry.first);
    return ids;
}

LaunchItemsField* OpenOnLaunch::field(const std::string& id) const {
    for (const auto& [listedID, field] : fields_) {
        if (listedID == id)
            return field;
    }
    return nullptr;
}

void OpenOnLaunch::rebuildRows() {
    fields_.clear();
    // Leaving the screen commits what was typed, which saves; the rows go once that is done.
    if (rows_) {
        rows_->hide();
        rows_->deleteLater();
    }
    rows_ = new QWidget(content_);
    auto* rows = new QVBoxLayout(rows_);
    rows->setContentsMargins(0, 0, 0, 0);
    const auto apps = LaunchItems::apps(profile_, [this](const std::string& id) { return services_.apps.name(id); });
    if (apps.empty())
        rows->addWidget(captionLabel("Add apps to the profile's Desktops first.", rows_));
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(10);
    int row = 0;
    for (const auto& app : apps) {
        grid->addWidget(new AppLabel(services_.icons, app.name, rows_), row, 0, Qt::AlignTop | Qt::AlignLeft);
        auto* field = new LaunchItemsField(LaunchItems::saved(profile_, app.id), rows_);
        field->save = [model = &model_, name = profile_.name, id = app.id](const std::vector<std::string>& lines) {
            if (const auto changed = LaunchItems::saving(model->profiles(), name, id, lines))
                model->update(*changed, "Change Items to Open");
        };
        grid->addWidget(field, row, 1);
        fields_.emplace_back(app.id, field);
        ++row;
    }
    grid->setColumnStretch(1, 1);
    rows->addLayout(grid);
    content_->layout()->addWidget(rows_);
}

void OpenOnLaunch::updateSummary() {
    const auto text = LaunchItems::summary(profile_);
    summary_->setText(QString::fromStdString(text.value_or("")));
    summary_->setVisible(!expanded_ && text);
}

} // namespace quillmere
