#include "profiles/SpaceDesigner.h"

#include "menubar/PanelColors.h"
#include "profiles/AppList.h"
#include "widgets/SwitchRow.h"
#include "widgets/SymbolPixmap.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QMenu>
#include <QPainter>
#include <QToolButton>
#include <QVBoxLayout>

namespace quillmere {

namespace {

constexpr double gap = 6;

struct ModeChoice {
    LayoutMode mode;
    const char* title;
    const char* symbol;
};
constexpr std::array<ModeChoice, 3> modeChoices{{{LayoutMode::bsp, "Tile", "rectangle.split.2x1"},
                                                  {LayoutMode::stack, "Stack", "square.stack"},
                                                  {LayoutMode::float_, "Float", "macwindow.on.rectangle"}}};

QLabel* secondaryLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    label->setForegroundRole(QPalette::PlaceholderText);
    return label;
}

// The parts of the Desktop side by side in the displays' arrangement, at the drawing's ratio and centred;
// the edited part outlined in the accent colour.
class PartsDrawing : public QWidget {
  public:
    PartsDrawing(const SpaceDesign& design, QWidget* parent) : QWidget(parent), design_(design) {
        QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Preferred);
        policy.setHeightForWidth(true);
        setSizePolicy(policy);
    }

    void add(LayoutCanvas* canvas) { canvases_.push_back(canvas); }

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override {
        return static_cast<int>(std::ceil(design_.drawing(width).size.height));
    }
    QSize sizeHint() const override {
        const auto size = design_.drawing(SpaceDesign::severalMaxWidth).size;
        return {static_cast<int>(size.width), static_cast<int>(size.height)};
    }

  protected:
    void resizeEvent(QResizeEvent*) override {
        const auto drawing = design_.drawing(width());
        const double left = (width() - drawing.size.width) / 2;
        for (std::size_t i = 0; i < canvases_.size() && i < drawing.parts.size(); ++i) {
            const Rect& part = drawing.parts[i];
            canvases_[i]->setGeometry(QRectF(left + part.minX(), part.minY(), part.width(), part.height()).toRect());
        }
    }

    void paintEvent(QPaintEvent*) override {
        if (canvases_.size() < 2)
            return;
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        for (std::size_t i = 0; i < canvases_.size(); ++i) {
            if (!design_.isEdited(design_.parts()[i]))
                continue;
            const QRectF outline = QRectF(canvases_[i]->geometry()).adjusted(-1, -1, 1, 1);
            painter.setPen(QPen(PanelColors::accent(palette()), 2));
            painter.drawRoundedRect(outline, 10, 10);
        }
    }

  private:
    const SpaceDesign& design_;
    std::vector<LayoutCanvas*> canvases_;
};

} // namespace

SpaceDesigner::SpaceDesigner(SettingsModel& model, ProfilesServices& services, SpaceDesign design, QWidget* parent)
    : SectionBox(parent), model_(model), services_(services), design_(std::move(design)) {
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(16, 16, 16, 16);
    column->setSpacing(14);
    column->addWidget(title());
    if (const auto note = design_.unarrangedNote()) {
        auto* row = new QWidget(this);
        auto* line = new QHBoxLayout(row);
        line->setContentsMargins(0, 0, 0, 0);
        line->addWidget(symbolLabel("info.circle", PanelColors::secondary(palette()), 14, "Info", row), 0, Qt::AlignTop);
        line->addWidget(secondaryLabel(QString::fromStdString(*note), row), 1);
        column->addWidget(row);
    }
    column->addWidget(controls());
    column->addWidget(canvas());
    column->addWidget(captionLabel(QString::fromStdString(design_.caption()), this));
    const SpaceSnapshot& edited = design_.edited().snapshot;
    column->addWidget(appList("Floating", "On this Desktop but not tiled", edited.floating,
                              [](SpaceSnapshot& s, std::vector<WindowRef> refs) { s.floating = std::move(refs); }));
    if (!edited.others.empty())
        column->addWidget(appList("Also on this Desktop", "Captured here before it was laid out; moved here and tiled as usual",
                                  edited.others,
                                  [](SpaceSnapshot& s, std::vector<WindowRef> refs) { s.others = std::move(refs); }));
}

QAbstractButton* SpaceDesigner::modeButton(LayoutMode mode) const {
    for (std::size_t i = 0; i < modeChoices.size(); ++i) {
        if (modeChoices[i].mode == mode)
            return modes_[i];
    }
    return nullptr;
}

QWidget* SpaceDesigner::title() {
    auto* row = new QWidget(this);
    auto* line = new QHBoxLayout(row);
    line->setContentsMargins(0, 0, 0, 0);
    auto* texts = new QVBoxLayout;
    texts->setSpacing(2);
    auto* heading = new QLabel(QString::fromStdString(design_.title()), row);
    QFont font = heading->font();
    font.setPointSizeF(font.pointSizeF() * 1.4);
    font.setWeight(QFont::DemiBold);
    heading->setFont(font);
    texts->addWidget(heading);
    if (const auto place = design_.placeDescription())
        texts->addWidget(secondaryLabel(QString::fromStdString(*place), row));
    line->addLayout(texts, 1);

    actions_ = new QToolButton(row);
    actions_->setIcon(QIcon(symbolPixmap("ellipsis.circle", PanelColors::secondary(palette()), 18)));
    actions_->setAccessibleName("Desktop actions");
    actions_->setAutoRaise(true);
    actions_->setPopupMode(QToolButton::InstantPopup);
    actions_->setStyleSheet("QToolButton::menu-indicator { image: none; }");
    actions_->setToolTip("Clearing forgets this Desktop's layout in the profile; the Desktop itself is untouched");
    auto* menu = new QMenu(actions_);
    if (const auto clearPart = design_.clearPartTitle()) {
        QAction* part = menu->addAction(QString::fromStdString(*clearPart), this,
                                        [this] { clear({design_.edited()}); });
        part->setEnabled(design_.canClearPart());
    }
    QAction* all = menu->addAction("Clear This Desktop", this, [this] { clear(design_.parts()); });
    all->setEnabled(design_.canClearDesktop());
    actions_->setMenu(menu);
    line->addWidget(actions_, 0, Qt::AlignTop);
    return row;
}

QWidget* SpaceDesigner::controls() {
    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(10);
    const LayoutMode mode = design_.edited().snapshot.mode;

    grid->addWidget(secondaryLabel("Layout", box), 0, 0, Qt::AlignTop | Qt::AlignLeft);
    auto* modeColumn = new QVBoxLayout;
    modeColumn->setSpacing(4);
    auto* segments = new QHBoxLayout;
    segments->setSpacing(0);
    auto* group = new QButtonGroup(box);
    for (const auto& choice : modeChoices) {
        auto* segment = new QToolButton(box);
        segment->setText(choice.title);
        segment->setIcon(QIcon(symbolPixmap(choice.symbol, PanelColors::primary(palette()), 14)));
        segment->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        segment->setCheckable(true);
        segment->setChecked(choice.mode == mode);
        group->addButton(segment);
        segments->addWidget(segment);
        modes_.push_back(segment);
        connect(segment, &QToolButton::clicked, this, [this, choice] {
            update(design_.edited(), [mode = choice.mode](SpaceSnapshot& s) { s.mode = mode; });
        });
    }
    segments->addStretch();
    modeColumn->addLayout(segments);
    modeColumn->addWidget(captionLabel(QString::fromStdString(SpaceDesign::modeNote(mode)), box));
    grid->addLayout(modeColumn, 0, 1);

    grid->addWidget(secondaryLabel("Start from", box), 1, 0, Qt::AlignTop | Qt::AlignLeft);
    auto* templates = new QHBoxLayout;
    templates->setSpacing(6);
    for (const auto& layoutTemplate : LayoutSnapshot::templates()) {
        auto* button = new TemplateButton(layoutTemplate.layout, QString::fromStdString(layoutTemplate.name), box);
        button->setEnabled(mode == LayoutMode::bsp);
        button->apply = [this, layout = layoutTemplate.layout] {
            update(design_.edited(), SpaceDesign::applying(layout));
        };
        templates->addWidget(button);
        templates_.push_back(button);
    }
    templates->addStretch();
    grid->addLayout(templates, 1, 1);
    grid->setColumnStretch(1, 1);
    return box;
}

QWidget* SpaceDesigner::canvas() {
    auto* drawing = new PartsDrawing(design_, this);
    for (const DesktopPart& part : design_.parts()) {
        auto* canvas = new LayoutCanvas(model_, services_, part.snapshot.space, part.snapshot.tree.value_or(LayoutSnapshot::tile()),
                                        services_.wallpaper(part.display), gap, drawing);
        canvas->editable = design_.isEdited(part);
        canvas->change = [this, part](const LayoutSnapshot& layout) {
            update(part, [layout](SpaceSnapshot& s) { s.tree = layout; });
        };
        canvas->pressed = [this, display = part.display] { select(display); };
        canvases_.push_back(canvas);
        drawing->add(canvas);
    }
    return drawing;
}

QWidget* SpaceDesigner::appList(const QString& title, const QString& detail, const std::vector<WindowRef>& refs,
                                std::function<void(SpaceSnapshot&, std::vector<WindowRef>)> set) {
    return new AppList(services_.apps, services_.icons, title, detail, SpaceDesign::apps(refs),
                       [this, set](const std::vector<std::string>& apps) {
                           update(design_.edited(), [set, refs = SpaceDesign::newRefs(apps)](SpaceSnapshot& s) {
                               set(s, refs);
                           });
                       },
                       this);
}

void SpaceDesigner::update(const DesktopPart& part, const SpaceDesign::Edit& edit) {
    model_.update(design_.updated(part, edit), "Change Profile");
}

void SpaceDesigner::clear(const std::vector<DesktopPart>& parts) {
    model_.update(design_.cleared(parts), "Change Profile");
}

} // namespace quillmere
