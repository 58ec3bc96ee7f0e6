#include "settings/SettingsWindow.h"

#include "platform/qt/Symbols.h"
#include "settings/GeneralTab.h"
#include "settings/KeysPane.h"
#include "settings/MenuBarTab.h"
#include "settings/RulesPane.h"
#include "settings/SettingsPanes.h"
#include "settings/SetupTab.h"
#include "settings/SpacesTab.h"

#include <QActionGroup>
#include <QDesktopServices>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QUrl>
#include <QVBoxLayout>
#include <sstream>

namespace quillmere {
namespace {

constexpr std::string_view settingsPaneKey = "settingsPane";
constexpr std::string_view profilesFrameKey = "Profiles frame";

QString qText(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

void centre(QWidget& window) {
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        window.move(screen->availableGeometry().center() - window.rect().center());
}

std::optional<QRect> frameFromText(const std::string& text) {
    std::istringstream stream(text);
    int x = 0, y = 0, width = 0, height = 0;
    if (!(stream >> x >> y >> width >> height) || width <= 0 || height <= 0)
        return std::nullopt;
    return QRect(x, y, width, height);
}

bool onSomeScreen(const QRect& frame) {
    for (const QScreen* screen : QGuiApplication::screens())
        if (screen->availableGeometry().intersects(frame))
            return true;
    return false;
}

} // namespace

// Watches both windows and the application: the model is refreshed whenever a window becomes active; what
// is being typed is kept when the Settings window stops being active; a chord recording stops when a
// window closes or the application loses the focus.
class SettingsWindow::Activity final : public QObject {
  public:
    explicit Activity(SettingsWindow& owner) : owner_(owner) {
        QObject::connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
            if (state != Qt::ApplicationActive)
                owner_.model_->stopRecording();
        });
    }

    void watch(QWidget& window) { window.installEventFilter(this); }

  protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        switch (event->type()) {
        case QEvent::WindowActivate:
            owner_.model_->refresh();
            break;
        case QEvent::WindowDeactivate:
            if (object == owner_.window_.get())
                for (PaneView* pane : owner_.panes_)
                    pane->content().windowDeactivated();
            break;
        case QEvent::Close:
        case QEvent::Hide:
            owner_.model_->stopRecording();
            if (object == owner_.profiles_.get())
                owner_.saveProfilesFrame();
            break;
        default:
            break;
        }
        return false;
    }

  private:
    SettingsWindow& owner_;
};

SettingsWindow::SettingsWindow(std::unique_ptr<SettingsModel> model, SettingsServices services)
    : model_(std::move(model)), services_(std::move(services)),
      apps_(services_.installed, services_.running, InstalledApps::Folders::fromEnvironment()),
      icons_([this](std::string_view name) { return apps_.iconName(name); }),
      activity_(std::make_unique<Activity>(*this)) {
    model_->showProfiles = [this] { showProfiles(); };
    model_->didRefresh = [this] {
        updateChecksPane();
        reloadPanes();
    };
}

SettingsWindow::~SettingsWindow() {
    model_->showProfiles = [] {};
    model_->didRefresh = [] {};
    // The windows go before the watcher of their events.
    window_.reset();
    profiles_.reset();
}

void SettingsWindow::show(const std::optional<std::string>& pane) {
    model_->refresh();
    if (!window_)
        build();
    const bool visible = window_->isVisible();
    if (pane) {
        select(*pane);
    } else if (!visible) {
        select(openingPane(model_->problemCount(), services_.defaults.string(settingsPaneKey)));
    }
    if (!visible)
        centre(*window_);
    services_.dockPresence.show(*window_);
}

void SettingsWindow::showProfiles() {
    model_->refresh();
    if (!profiles_) {
        profiles_ = std::make_unique<QWidget>();
        profiles_->setWindowTitle("Profiles");
        auto* layout = new QVBoxLayout(profiles_.get());
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setMenuBar(mainMenu(windowMenuActions(), profiles_.get()));
        if (services_.profilesContent)
            layout->addWidget(services_.profilesContent(*model_, apps_, icons_));
        profiles_->setMinimumSize(820, 560);
        profiles_->resize(900, 660);
        activity_->watch(*profiles_);
    }
    if (!profiles_->isVisible())
        restoreProfilesFrame();
    services_.dockPresence.show(*profiles_);
}

QAction* SettingsWindow::tab(std::string_view tag) {
    const auto index = paneIndex(tag);
    return index ? tabs_[*index] : nullptr;
}

PaneView* SettingsWindow::pane(std::string_view tag) {
    const auto index = paneIndex(tag);
    return index ? panes_[*index] : nullptr;
}

void SettingsWindow::build() {
    window_ = std::make_unique<QWidget>();
    auto* layout = new QVBoxLayout(window_.get());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->setMenuBar(mainMenu(windowMenuActions(), window_.get()));
    toolbar_ = new QToolBar(window_.get());
    toolbar_->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    toolbar_->setIconSize(QSize(24, 24));
    auto* group = new QActionGroup(toolbar_);
    stack_ = new QStackedWidget(window_.get());
    const auto openConfig = [this] {
        QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(services_.configFile.string())));
    };
    for (std::size_t index = 0; index < settingsPanes.size(); ++index) {
        const SettingsPane& row = settingsPanes[index];
        QAction* action = toolbar_->addAction(symbolIcon(row.symbol), qText(row.title));
        action->setCheckable(true);
        action->setToolTip(qText(row.title));
        group->addAction(action);
        tabs_[index] = action;
        panes_[index] = new PaneView(*model_, content(row.tag), openConfig, stack_);
        panes_[index]->setFixedSize(row.width, row.height);
        stack_->addWidget(panes_[index]);
        QObject::connect(action, &QAction::triggered, window_.get(), [this, tag = std::string(row.tag)] {
            model_->stopRecording();
            select(tag);
        });
    }
    layout->addWidget(toolbar_);
    layout->addWidget(stack_);
    window_->setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    activity_->watch(*window_);
    // The first pane shows until one is chosen, without counting as chosen.
    showPane(0);
    updateChecksPane();
}

SettingsPaneContent* SettingsWindow::content(std::string_view tag) {
    if (tag == "Spaces")
        return new SpacesTab(*model_);
    if (tag == "MenuBar")
        return new MenuBarTab(*model_);
    if (tag == setupPaneTag)
        return new SetupTab(*model_, services_.openSystemSettings);
    if (tag == "General")
        return new GeneralTab(*model_, services_);
    if (tag == "Keys")
        return new KeysPane(*model_);
    if (tag == "Rules")
        return new RulesPane(*model_, apps_, icons_);
    return new SettingsPaneContent;
}

void SettingsWindow::select(const std::string& tag) {
    const auto index = paneIndex(tag);
    if (!index)
        return;
    selected(tag);
}

void SettingsWindow::selected(const std::string& tag) {
    const auto index = paneIndex(tag);
    if (!index)
        return;
    model_->setTab(tag);
    if (remembersPane(tag))
        services_.defaults.setString(settingsPaneKey, tag);
    showPane(*index);
}

void SettingsWindow::showPane(std::size_t index) {
    tabs_[index]->setChecked(true);
    window_->setWindowTitle(tabs_[index]->text());
    // The fixed-size layout fits the window to the pane; a resize keeps the window's top-left corner.
    stack_->setCurrentIndex(static_cast<int>(index));
    stack_->setFixedSize(settingsPanes[index].width, settingsPanes[index].height);
    window_->adjustSize();
}

void SettingsWindow::updateChecksPane() {
    QAction* setup = tab(setupPaneTag);
    if (!setup)
        return;
    const int problems = model_->problemCount();
    const QString label = QString::fromStdString(permissionsLabel(problems));
    setup->setText(label);
    setup->setIcon(symbolIcon(permissionsSymbol(problems)));
    setup->setToolTip(label);
    if (model_->tab() == setupPaneTag)
        window_->setWindowTitle(label);
}

void SettingsWindow::reloadPanes() {
    for (PaneView* pane : panes_)
        if (pane)
            pane->reload();
}

MainMenuActions SettingsWindow::windowMenuActions() {
    MainMenuActions actions = menuActions;
    actions.undo = &model_->undo();
    return actions;
}

void SettingsWindow::restoreProfilesFrame() {
    const auto text = services_.defaults.string(profilesFrameKey);
    const auto frame = text ? frameFromText(*text) : std::nullopt;
    if (frame && onSomeScreen(*frame)) {
        profiles_->resize(frame->size());
        profiles_->move(frame->topLeft());
        return;
    }
    centre(*profiles_);
}

void SettingsWindow::saveProfilesFrame() {
    const QRect frame(profiles_->pos(), profiles_->size());
    services_.defaults.setString(profilesFrameKey, std::to_string(frame.x()) + " " + std::to_string(frame.y()) + " " +
                                                       std::to_string(frame.width()) + " " +
                                                       std::to_string(frame.height()));
}

} // namespace quillmere
