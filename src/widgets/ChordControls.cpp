#include "widgets/ChordControls.h"

#include "widgets/Keycap.h"
#include "widgets/SymbolPixmap.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QPainterPath>

namespace quillmere {

namespace {

constexpr int capSpacing = 2;

template <class Target> bool recordingFor(const ChordBindings& bindings, const Target& target) {
    const auto& recording = bindings.recording();
    return recording && std::holds_alternative<Target>(*recording) && std::get<Target>(*recording) == target;
}

// Toggles the control's own recording.
template <class Target> void toggleRecording(ChordBindings& bindings, const Target& target) {
    if (recordingFor(bindings, target))
        bindings.stopRecording();
    else
        bindings.record(target);
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

ChordButton::ChordButton(ChordBindings& bindings, std::string chord, QWidget* parent)
    : QWidget(parent), bindings_(bindings), chord_(std::move(chord)), button_(new CapsButton(this)),
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
                     [this] { toggleRecording(bindings_, ChordBindings::RecordChord{chord_}); });
    QObject::connect(remove_, &QToolButton::clicked, this, [this] { bindings_.remove(chord_); });
    observer_ = bindings_.observeBindings([this] { update(); });
    update();
}

ChordButton::~ChordButton() {
    bindings_.stopObservingBindings(observer_);
}

void ChordButton::update() {
    if (recordingFor(bindings_, ChordBindings::RecordChord{chord_}))
        button_->setCaps({{std::string(recordingCapText), false}});
    else
        button_->setCaps(chordCaps(chord_));
    const auto problem = bindings_.registrationProblem(chord_);
    warning_->setVisible(problem.has_value());
    warning_->setToolTip(problem ? QString::fromStdString(*problem) : QString());
}

RecordSlot::RecordSlot(ChordBindings& bindings, std::string command, QWidget* parent)
    : QPushButton(parent), bindings_(bindings), command_(std::move(command)) {
    setFlat(true);
    setCursor(Qt::PointingHandCursor);
    QFont caption = font();
    caption.setPointSizeF(caption.pointSizeF() * 0.85);
    setFont(caption);
    setMinimumHeight(20);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    QObject::connect(this, &QPushButton::clicked, this,
                     [this] { toggleRecording(bindings_, ChordBindings::RecordAdd{command_}); });
    const auto update = [this] {
        setText(isRecording() ? QString::fromUtf8(recordingCapText.data(), recordingCapText.size())
                              : QString("Record shortcut"));
        QWidget::update();
    };
    observer_ = bindings_.observeBindings(update);
    update();
}

RecordSlot::~RecordSlot() {
    bindings_.stopObservingBindings(observer_);
}

bool RecordSlot::isRecording() const {
    return recordingFor(bindings_, ChordBindings::RecordAdd{command_});
}

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

ModifierPicker::ModifierPicker(ChordBindings& bindings, std::vector<std::string> commands, QWidget* parent)
    : CapsButton(parent), bindings_(bindings), commands_(std::move(commands)) {
    setToolTip("Click, then hold the new modifiers and release");
    setEnabled(!commands_.empty());
    QObject::connect(this, &QPushButton::clicked, this,
                     [this] { toggleRecording(bindings_, ChordBindings::RecordPrefix{commands_}); });
    observer_ = bindings_.observeBindings([this] { update(); });
    update();
}

ModifierPicker::~ModifierPicker() {
    bindings_.stopObservingBindings(observer_);
}

void ModifierPicker::update() {
    if (recordingFor(bindings_, ChordBindings::RecordPrefix{commands_}))
        setCaps({{std::string(prefixRecordingCapText), false}});
    else
        setCaps(prefixCaps(bindings_.sharedModifiers(commands_)));
}

} // namespace quillmere
