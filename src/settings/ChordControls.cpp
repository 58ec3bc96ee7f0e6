#include "settings/ChordControls.h"

#include "settings/Keycap.h"
#include "settings/SymbolPixmap.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QPainterPath>

namespace quillmere {

namespace {

constexpr int capSpacing = 2;

template <class Target> bool recordingFor(const SettingsModel& model, const Target& target) {
    const auto& recording = model.recording();
    return recording && std::holds_alternative<Target>(*recording) && std::get<Target>(*recording) == target;
}

// Toggles the control's own recording through the model.
template <class Target> void toggleRecording(SettingsModel& model, const Target& target) {
    if (recordingFor(model, target))
        model.stopRecording();
    else
        model.record(target);
}

bool concerns(SettingsModel::Property property) {
    return property == SettingsModel::Property::recording || property == SettingsModel::Property::registrations ||
           property == SettingsModel::Property::settings;
}

QColor tertiary(const QWidget& widget) {
    QColor color = widget.palette().color(QPalette::WindowText);
    color.setAlphaF(0.3f);
    return color;
}

} // namespace

CapsButton::CapsButton(QWidget* parent) : QPushButton(parent) {
    setFlat(true);
    setCursor(Qt::PointingHandCursor);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(capSpacing);
}

void CapsButton::setCaps(const std::vector<Cap>& caps) {
    if (caps == caps_)
        return;
    caps_ = caps;
    while (QLayoutItem* item = layout()->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    for (const Cap& cap : caps) {
        auto* keycap = new Keycap(QString::fromStdString(cap.text), cap.dimmed, this);
        keycap->setAttribute(Qt::WA_TransparentForMouseEvents);
        layout()->addWidget(keycap);
    }
    setAccessibleName(caps.empty() ? QString() : QString::fromStdString(caps.front().text));
    updateGeometry();
}

QSize CapsButton::sizeHint() const {
    const QSize caps = layout()->sizeHint();
    return {std::max(caps.width(), 20), std::max(caps.height(), 20)};
}

ChordButton::ChordButton(SettingsModel& model, std::string chord, QWidget* parent)
    : QWidget(parent), model_(model), chord_(std::move(chord)), button_(new CapsButton(this)),
      warning_(new QLabel(this)), remove_(new QToolButton(this)) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(capSpacing);
    row->addWidget(button_);
    warning_->setPixmap(symbolPixmap("exclamationmark.triangle.fill", QColor(0xff, 0x95, 0x00), 14));
    row->addWidget(warning_);
    remove_->setIcon(QIcon(symbolPixmap("xmark.circle.fill", tertiary(*this), 14)));
    remove_->setAutoRaise(true);
    remove_->setAccessibleName("Remove shortcut");
    remove_->setToolTip(QString::fromStdString("Remove " + chord_));
    row->addWidget(remove_);
    QObject::connect(button_, &QPushButton::clicked, this,
                     [this] { toggleRecording(model_, SettingsModel::RecordChord{chord_}); });
    QObject::connect(remove_, &QToolButton::clicked, this, [this] { model_.remove(chord_); });
    observer_ = model_.addObserver([this](SettingsModel::Property property) {
        if (concerns(property))
            update();
    });
    update();
}

ChordButton::~ChordButton() { model_.removeObserver(observer_); }

void ChordButton::update() {
    if (recordingFor(model_, SettingsModel::RecordChord{chord_}))
        button_->setCaps({{std::string(recordingCapText), false}});
    else
        button_->setCaps(chordCaps(chord_));
    const auto registration = model_.registrations().find(chord_);
    const bool problem = registration != model_.registrations().end() && registration->second.problem;
    warning_->setVisible(problem);
    warning_->setToolTip(problem ? QString::fromStdString(*registration->second.problem) : QString());
}

RecordSlot::RecordSlot(SettingsModel& model, std::string command, QWidget* parent)
    : QPushButton(parent), model_(model), command_(std::move(command)) {
    setFlat(true);
    setCursor(Qt::PointingHandCursor);
    QFont caption = font();
    caption.setPointSizeF(caption.pointSizeF() * 0.85);
    setFont(caption);
    setMinimumHeight(20);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    QObject::connect(this, &QPushButton::clicked, this,
                     [this] { toggleRecording(model_, SettingsModel::RecordAdd{command_}); });
    const auto update = [this] {
        setText(isRecording() ? QString::fromUtf8(recordingCapText.data(), recordingCapText.size())
                              : QString("Record shortcut"));
        QWidget::update();
    };
    observer_ = model_.addObserver([update](SettingsModel::Property property) {
        if (property == SettingsModel::Property::recording)
            update();
    });
    update();
}

RecordSlot::~RecordSlot() { model_.removeObserver(observer_); }

bool RecordSlot::isRecording() const { return recordingFor(model_, SettingsModel::RecordAdd{command_}); }

QSize RecordSlot::sizeHint() const {
    // Wide enough for either text, so the row does not jump when recording starts.
    const QFontMetrics metrics(font());
    const int text = std::max(metrics.horizontalAdvance("Record shortcut"),
                              metrics.horizontalAdvance(QString::fromUtf8(recordingCapText.data(), recordingCapText.size())));
    return {text + 16, std::max(20, metrics.height() + 6)};
}

void RecordSlot::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QPen border(tertiary(*this), 1);
    if (!isRecording())
        border.setDashPattern({3, 3});
    painter.setPen(border);
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
    const QPalette::ColorRole role = isRecording() ? QPalette::WindowText : QPalette::PlaceholderText;
    painter.setPen(palette().color(role));
    painter.drawText(rect().adjusted(8, 0, -8, 0), Qt::AlignCenter, text());
}

ModifierPicker::ModifierPicker(SettingsModel& model, std::vector<std::string> commands, QWidget* parent)
    : CapsButton(parent), model_(model), commands_(std::move(commands)) {
    setToolTip("Click, then hold the new modifiers and release");
    setEnabled(!commands_.empty());
    QObject::connect(this, &QPushButton::clicked, this,
                     [this] { toggleRecording(model_, SettingsModel::RecordPrefix{commands_}); });
    observer_ = model_.addObserver([this](SettingsModel::Property property) {
        if (concerns(property))
            update();
    });
    update();
}

ModifierPicker::~ModifierPicker() { model_.removeObserver(observer_); }

void ModifierPicker::update() {
    if (recordingFor(model_, SettingsModel::RecordPrefix{commands_}))
        setCaps({{std::string(prefixRecordingCapText), false}});
    else
        setCaps(prefixCaps(model_.sharedModifiers(commands_)));
}

} // namespace quillmere
