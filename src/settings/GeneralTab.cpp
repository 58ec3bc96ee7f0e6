#include "settings/GeneralTab.h"

#include "settings/GeneralTexts.h"
#include "settings/RestoreDefaultsBar.h"
#include "system/ColorHex.h"
#include "widgets/FileReveal.h"
#include "widgets/FocusedWheel.h"
#include "widgets/SymbolPixmap.h"

#include <QColorDialog>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>
#include <initializer_list>
#include <vector>

namespace quillmere {
namespace {

const QString screenCaptureSettings = "x-apple.systempreferences:com.apple.preference.security?Privacy_ScreenCapture";

QFormLayout* section(QVBoxLayout* column, const QString& title, const QString& footer = {}) {
    auto* box = new QGroupBox(title);
    auto* form = new QFormLayout(box);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    column->addWidget(box);
    if (!footer.isEmpty())
        column->addWidget(captionLabel(footer));
    return form;
}

// A form inside a row of a section's form: its fields grow alike and its labels stay out of the row's
// margins, which it has none of.
QFormLayout* innerForm(QWidget* row) {
    auto* form = new QFormLayout(row);
    form->setContentsMargins(0, 0, 0, 0);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    return form;
}

// Gives the label columns of the forms of one section one width, so that their fields start at one edge.
void lineUpLabels(std::initializer_list<QFormLayout*> forms) {
    int widest = 0;
    std::vector<QWidget*> labels;
    for (QFormLayout* form : forms)
        for (int row = 0; row < form->rowCount(); ++row)
            if (QLayoutItem* item = form->itemAt(row, QFormLayout::LabelRole); item && item->widget()) {
                labels.push_back(item->widget());
                widest = std::max(widest, item->widget()->sizeHint().width());
            }
    for (QWidget* label : labels)
        label->setMinimumWidth(widest);
}

QString qText(const std::string& text) { return QString::fromStdString(text); }

QColor accentColour() { return QPalette().color(QPalette::Highlight); }

QColor shownColour(const Settings& settings) {
    const auto colour = settings.borderColor ? hexToColor(*settings.borderColor) : std::nullopt;
    if (!colour)
        return accentColour();
    return QColor::fromRgbF(static_cast<float>(colour->red), static_cast<float>(colour->green),
                            static_cast<float>(colour->blue));
}

} // namespace

GeneralTab::GeneralTab(SettingsModel& model, SettingsServices& services) : model_(model), services_(services) {
    auto* content = new QWidget;
    auto* column = new QVBoxLayout(content);
    buildSections(column);
    column->addStretch();
    layOutWithRestoreBar(*this, content, [this] { model_.restoreDefaults(SettingsModel::Pane::general); });
    reload();
}

void GeneralTab::change(const std::function<void(Settings&)>& edit) {
    Settings settings = model_.settings();
    edit(settings);
    model_.setSettings(std::move(settings));
    model_.save("Change Setting");
}

SwitchRow* GeneralTab::addSwitch(QFormLayout* form, const QString& title, const QString& caption,
                                 std::function<bool(const Settings&)> shown,
                                 std::function<void(Settings&, bool)> write) {
    auto* row = new SwitchRow(title, caption);
    row->setObjectName(title);
    row->onToggle = [this, write](bool on) { change([&](Settings& settings) { write(settings, on); }); };
    reloaders_.push_back([row, shown](const Settings& settings) { row->setOn(shown(settings)); });
    form->addRow(row);
    return row;
}

NumberField* GeneralTab::addNumber(QFormLayout* form, const QString& title, Settings::ClosedRange range,
                                   std::optional<double> Settings::* field) {
    auto* number = new NumberField(title, range, "");
    number->setObjectName(title);
    number->onCommit = [this, field](std::optional<double> value) {
        change([&](Settings& settings) { settings.*field = value; });
    };
    reloaders_.push_back([number, field](const Settings& settings) { number->setValue(settings.*field); });
    form->addRow(title, number);
    return number;
}

OpacitySlider* GeneralTab::addSlider(QFormLayout* form, const QString& title, Settings::ClosedRange range,
                                     std::optional<double> Settings::* field, double (Settings::*shown)() const) {
    auto* slider = new OpacitySlider(title, range);
    slider->setObjectName(title);
    slider->onChange = [this, field](double value) { change([&](Settings& settings) { settings.*field = value; }); };
    reloaders_.push_back([slider, shown](const Settings& settings) { slider->setValue((settings.*shown)()); });
    form->addRow(title, slider);
    return slider;
}

template <class Algorithm, std::size_t count>
QComboBox* GeneralTab::addPicker(QFormLayout* form, const QString& title, const std::array<Algorithm, count>& all,
                                 Algorithm builtIn, std::optional<Algorithm> Settings::* field) {
    auto* picker = new QComboBox;
    FocusedWheel::install(*picker);
    for (Algorithm algorithm : all)
        picker->addItem(qText(std::string(name(algorithm))));
    QObject::connect(picker, &QComboBox::activated, this, [this, all, builtIn, field](int index) {
        const Algorithm chosen = all[static_cast<std::size_t>(index)];
        change([&](Settings& settings) {
            settings.*field = chosen == builtIn ? std::nullopt : std::optional(chosen);
        });
    });
    form->addRow(title, picker);
    return picker;
}

void GeneralTab::buildSections(QVBoxLayout* column) {
    section(column, "Startup")->addRow(new LoginItemToggle(services_.loginItem));
    if (services_.updatesSection)
        section(column, "Updates")->addRow(services_.updatesSection());

    QFormLayout* mouse = section(column, "Mouse");
    addSwitch(mouse, "Focus follows mouse",
              "Moving the pointer onto a window focuses it, without raising it above floating windows.",
              [](const Settings& s) { return s.focusFollowsMouse; }, [](Settings& s, bool on) { s.focusFollowsMouse = on; });
    addSwitch(mouse, "Mouse follows focus",
              "Focusing a window with the keyboard moves the pointer to its centre, unless it's already inside.",
              [](const Settings& s) { return s.mouseFollowsFocus; }, [](Settings& s, bool on) { s.mouseFollowsFocus = on; });

    QFormLayout* previews = section(column, "Window previews");
    SwitchRow* showPreviews = addSwitch(
        previews, "Show window previews",
        "Draw each window's content in the menu-bar mini-map and the profile editor, instead of its app's icon. "
        "Pictures stay in memory and are never saved.",
        [](const Settings& s) { return s.showsWindowPreviews(); }, [](Settings& s, bool on) { s.windowPreviews = on; });
    showPreviews->onToggle = [this, save = showPreviews->onToggle](bool on) {
        save(on);
        if (on && !services_.screenCaptureAllowed())
            services_.requestScreenCapture();
    };
    captureWarning_ = new QWidget;
    auto* warningRow = new QHBoxLayout(captureWarning_);
    warningRow->setContentsMargins(0, 0, 0, 0);
    warningRow->addWidget(symbolLabel("exclamationmark.triangle", QColor(0xF5, 0x8A, 0x07), 14, "Warning"));
    auto* warningText = captionLabel("Needs Screen Recording permission. Until it's on, windows show their app's icon.");
    warningText->setStyleSheet("color: #F58A07;");
    warningRow->addWidget(warningText, 1);
    auto* privacy = new QPushButton("Open Privacy Settings…");
    QObject::connect(privacy, &QPushButton::clicked, this,
                     [this] { services_.openSystemSettings(screenCaptureSettings.toStdString()); });
    warningRow->addWidget(privacy);
    previews->addRow(captureWarning_);

    QFormLayout* focused = section(column, "Focused window",
                                   "Quillmere draws both round the window, so they work with SIP on. To switch them "
                                   "from the keyboard, give them shortcuts in Keys → Quillmere.");
    addSwitch(focused, "Active window border", "Outline the focused window in the accent colour, or one you choose.",
              [](const Settings& s) { return s.showsActiveBorder(); }, [](Settings& s, bool on) { s.activeBorder = on; });
    borderRows_ = new QWidget;
    QFormLayout* borderForm = innerForm(borderRows_);
    auto* colourRow = new QWidget;
    auto* colourLayout = new QHBoxLayout(colourRow);
    colourLayout->setContentsMargins(0, 0, 0, 0);
    colourLayout->addStretch();
    useAccent_ = new QPushButton("Use Accent Colour");
    QObject::connect(useAccent_, &QPushButton::clicked, this, [this] {
        if (colourDialog_)
            colourDialog_->close();
        change([](Settings& settings) { settings.borderColor.reset(); });
    });
    colourLayout->addWidget(useAccent_);
    colourWell_ = new QPushButton;
    colourWell_->setAccessibleName("Border colour");
    colourWell_->setFixedSize(44, 24);
    QObject::connect(colourWell_, &QPushButton::clicked, this, [this] { openColourDialog(); });
    colourLayout->addWidget(colourWell_);
    borderForm->addRow("Border colour", colourRow);
    addSlider(borderForm, "Border opacity", Settings::borderOpacityRange, &Settings::borderOpacity,
              &Settings::activeBorderOpacity);
    focused->addRow(borderRows_);
    addSwitch(focused, "Dim other windows",
              "Shade everything behind the focused window on its display. Clicks still go through to the windows "
              "underneath.",
              [](const Settings& s) { return s.dimsInactive(); }, [](Settings& s, bool on) { s.dimInactive = on; });
    dimmingRow_ = new QWidget;
    QFormLayout* dimmingForm = innerForm(dimmingRow_);
    addSlider(dimmingForm, "Dimming", Settings::dimOpacityRange, &Settings::dimOpacity, &Settings::inactiveDimOpacity);
    focused->addRow(dimmingRow_);
    lineUpLabels({focused, borderForm, dimmingForm});

    addSwitch(section(column, "Animation",
                      "Windows jump straight to their tiles while Reduce Motion is on in System Settings → "
                      "Accessibility → Display."),
              "Animate windows",
              "Slide and resize windows into their tiles instead of jumping there. Moving windows through "
              "Accessibility takes time, so tiling can feel slower with this on.",
              [](const Settings& s) { return s.animatesWindows(); }, [](Settings& s, bool on) { s.animateWindows = on; });

    addSwitch(section(column, "macOS tiling"), "Use macOS tiling with Quillmere",
              "Tiling a window from its green button, the Window menu or fn⌃ arrows becomes the matching Quillmere "
              "command: halves and quarters place it, Fill zooms it, Arrange tiles the windows it arranged, and "
              "Return to Previous Size restores. The other windows re-tile round it. Off, Quillmere leaves the "
              "window where macOS put it until the Space is next laid out.",
              [](const Settings& s) { return s.adoptsNativeTiling(); }, [](Settings& s, bool on) { s.nativeTiling = on; });

    QFormLayout* moving = section(column, "Moving windows between Spaces");
    SwitchRow* follow = addSwitch(moving, "Follow after sending", "", [](const Settings& s) { return s.followsSends(); },
                                  [](Settings& s, bool on) { s.followAfterSending = on; });
    reloaders_.push_back([follow](const Settings& settings) { follow->setCaption(qText(followAfterSendingCaption(settings))); });
    addSwitch(moving, "Follow when routed by a rule",
              "Switch when an app rule (Rules → Send new windows to a Space) places a new window on another Space. "
              "Windows placed by a profile never pull you along.",
              [](const Settings& s) { return s.followsRouting(); }, [](Settings& s, bool on) { s.followRoutedWindows = on; });

    auto* algorithmsFooter = captionLabel("");
    QFormLayout* algorithms = section(column, "Layout algorithms");
    column->addWidget(algorithmsFooter);
    tiling_ = addPicker(algorithms, "Tiling", allTileAlgorithms, TileAlgorithm::bsp, &Settings::tiling);
    stacking_ = addPicker(algorithms, "Stacking", allStackAlgorithms, StackAlgorithm::fill, &Settings::stacking);
    reloaders_.push_back([this, algorithmsFooter](const Settings& settings) {
        tiling_->setCurrentIndex(static_cast<int>(settings.tileAlgorithm()));
        stacking_->setCurrentIndex(static_cast<int>(settings.stackAlgorithm()));
        algorithmsFooter->setText(qText(layoutAlgorithmsFooter(settings)));
    });

    QFormLayout* spacing = section(column, "Spacing",
                                   "Leave padding and gap empty for automatic spacing: 10 pt on wide displays, 5 pt "
                                   "on narrow ones.");
    addSwitch(spacing, "Space round windows",
              "Off, tiles meet edge to edge and fill the display. Padding and gap are kept for when it's back on.",
              [](const Settings& s) { return s.usesSpacing(); }, [](Settings& s, bool on) { s.spacing = on; });
    spacingFields_ = new QWidget;
    QFormLayout* spacingForm = innerForm(spacingFields_);
    NumberField* padding = addNumber(spacingForm, "Padding", Settings::spacingRange, &Settings::padding);
    NumberField* gap = addNumber(spacingForm, "Gap between windows", Settings::spacingRange, &Settings::gap);
    spacing->addRow(spacingFields_);
    ratio_ = addNumber(spacing, "Default split ratio", {0.1, 0.9}, &Settings::ratio);
    lineUpLabels({spacing, spacingForm});
    reloaders_.push_back([this, padding, gap](const Settings& settings) {
        const QString automatic = qText(automaticSpacingPlaceholder(services_.mainScreenWidth()));
        padding->setPlaceholder(automatic);
        gap->setPlaceholder(automatic);
        spacingFields_->setEnabled(settings.spacing != false);
        ratio_->setPlaceholder(qText(splitRatioPlaceholder(settings)));
    });

    if (services_.commandLineSection)
        column->addWidget(services_.commandLineSection());

    QFormLayout* configuration = section(column, "Configuration");
    auto* fileRow = new QWidget;
    auto* fileLayout = new QHBoxLayout(fileRow);
    fileLayout->setContentsMargins(0, 0, 0, 0);
    auto* path = new QLabel("~/.config/quillmere/config.json");
    path->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    fileLayout->addWidget(path, 1);
    auto* open = new QPushButton("Open");
    QObject::connect(open, &QPushButton::clicked, this, [this] { openFile(services_.configFile); });
    fileLayout->addWidget(open);
    auto* reveal = new QPushButton("Show in Finder");
    QObject::connect(reveal, &QPushButton::clicked, this, [this] { revealFile(services_.configFile); });
    fileLayout->addWidget(reveal);
    configuration->addRow("Config file", fileRow);
}

void GeneralTab::reload() {
    const Settings& settings = model_.settings();
    for (const auto& reloader : reloaders_)
        reloader(settings);
    captureWarning_->setVisible(settings.showsWindowPreviews() && !services_.screenCaptureAllowed());
    borderRows_->setVisible(settings.showsActiveBorder());
    useAccent_->setVisible(settings.borderColor.has_value());
    colourWell_->setStyleSheet("background-color: " + shownColour(settings).name() + ";");
    dimmingRow_->setVisible(settings.dimsInactive());
}

void GeneralTab::openColourDialog() {
    if (!colourDialog_) {
        colourDialog_ = new QColorDialog(this);
        colourDialog_->setWindowTitle("Border colour");
        QObject::connect(colourDialog_, &QColorDialog::colorSelected, this,
                         [this](const QColor& colour) { chooseColour(colour); });
    }
    colourDialog_->setCurrentColor(shownColour(model_.settings()));
    colourDialog_->open();
}

void GeneralTab::chooseColour(const QColor& colour) {
    const QColor srgb = colour.toRgb();
    const std::optional<std::string> hex =
        srgb.isValid() ? colorToHex(Color{srgb.redF(), srgb.greenF(), srgb.blueF(), 1}) : std::nullopt;
    change([&](Settings& settings) { settings.borderColor = hex; });
}

SwitchRow* GeneralTab::switchRow(const QString& title) const { return findChild<SwitchRow*>(title); }
NumberField* GeneralTab::numberField(const QString& title) const { return findChild<NumberField*>(title); }
OpacitySlider* GeneralTab::slider(const QString& title) const { return findChild<OpacitySlider*>(title); }

} // namespace quillmere
