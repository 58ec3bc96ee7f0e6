#include "platform/sim/SimulatedDesktop.h"

#include <algorithm>
#include <array>
#include <sstream>

namespace quillmere {

namespace {

using Kind = sim::ElementTarget::Kind;

constexpr std::array<std::string_view, 4> settableWindowAttributes{"AXPosition", "AXSize", "AXMinimized",
                                                                   "AXFullScreen"};
constexpr std::array<std::string_view, 4> readOnlyWindowAttributes{"AXRole", "AXSubrole", "AXTitle",
                                                                   "AXMain"};
constexpr std::array<std::string_view, 6> applicationAttributes{
    "AXRole", "AXTitle", "AXWindows", "AXFocusedWindow", "AXMainWindow", "AXMenuBar"};

template <std::size_t N> bool among(const std::array<std::string_view, N>& names, std::string_view name) {
    return std::ranges::find(names, name) != names.end();
}

std::string valueText(const AXAttributeValue& value) {
    std::ostringstream out;
    if (const auto* flag = std::get_if<bool>(&value)) {
        out << (*flag ? "true" : "false");
    } else if (const auto* string = std::get_if<std::string>(&value)) {
        out << '"' << *string << '"';
    } else if (const auto* geometry = std::get_if<AXValue>(&value)) {
        if (const auto point = geometry->point())
            out << point->x << ',' << point->y;
        else if (const auto size = geometry->size())
            out << size->width << 'x' << size->height;
        else if (const auto rect = geometry->rect())
            out << rect->origin.x << ',' << rect->origin.y << ' ' << rect->size.width << 'x'
                << rect->size.height;
    } else if (const auto* element = std::get_if<AXElement>(&value)) {
        out << "element " << element->id();
    } else {
        out << std::get<std::vector<AXElement>>(value).size() << " elements";
    }
    return out.str();
}

} // namespace

class SimulatedDesktop::SimObserver final : public AXObserver {
  public:
    SimObserver(SimulatedDesktop& desktop, std::uint64_t id)
        : desktop_(desktop), alive_(desktop.lifetime_.watch()), id_(id) {}

    ~SimObserver() override {
        if (alive_.alive())
            desktop_.observers_.erase(id_);
    }

    AXError add(AXElement element, std::string_view notification) override {
        if (!alive_.alive())
            return AXError::failure;
        const auto check = checkElement(element);
        if (check != AXError::success)
            return check;
        // Registering is a message to the application like any other.
        if (const AXError error = desktop_.reachable(*desktop_.target(element)); error != AXError::success)
            return error;
        const bool added =
            desktop_.observers_.at(id_).registrations.emplace(element.id(), notification).second;
        return added ? AXError::success : AXError::notificationAlreadyRegistered;
    }

    AXError remove(AXElement element, std::string_view notification) override {
        if (!alive_.alive())
            return AXError::failure;
        const auto erased =
            desktop_.observers_.at(id_).registrations.erase({element.id(), std::string(notification)});
        return erased ? AXError::success : AXError::notificationNotRegistered;
    }

  private:
    AXError checkElement(AXElement element) const {
        const sim::ElementTarget* target = desktop_.target(element);
        if (!target || target->kind == Kind::systemWide || target->pid != desktop_.observers_.at(id_).pid)
            return AXError::illegalArgument;
        if (target->kind == Kind::window && !desktop_.window(target->window))
            return AXError::invalidUIElement;
        return AXError::success;
    }

    SimulatedDesktop& desktop_;
    LifetimeGuard::Watch alive_;
    std::uint64_t id_;
};

const sim::ElementTarget* SimulatedDesktop::target(AXElement element) const {
    if (element.id() == 0 || element.id() > elements_.size())
        return nullptr;
    return &elements_[element.id() - 1];
}

std::string SimulatedDesktop::text(AXElement element) const {
    const sim::ElementTarget* named = target(element);
    if (!named)
        return "unknown element";
    switch (named->kind) {
    case Kind::systemWide:
        return "system";
    case Kind::application:
        return "app " + std::to_string(named->pid);
    case Kind::window:
        return "window " + std::to_string(named->window);
    case Kind::menu:
        return "menu " + std::to_string(named->pid) + "/" + std::to_string(named->menuNode);
    case Kind::fullScreenButton:
        return "full-screen button " + std::to_string(named->window);
    case Kind::closeButton:
        return "close button " + std::to_string(named->window);
    }
    return {};
}

AXError SimulatedDesktop::reachable(const sim::ElementTarget& target) {
    if (!trusted_)
        return AXError::apiDisabled;
    if (target.kind == Kind::systemWide)
        return AXError::success;
    const bool ofWindow =
        target.kind == Kind::window || target.kind == Kind::fullScreenButton || target.kind == Kind::closeButton;
    if (ofWindow && !window(target.window))
        return AXError::invalidUIElement;
    const sim::Application* owner = app(target.pid);
    if (!owner)
        return AXError::cannotComplete;
    if (!owner->responding) {
        waitUnanswered();
        return AXError::cannotComplete;
    }
    return AXError::success;
}

// The message goes out and nothing comes back before the messaging timeout.
void SimulatedDesktop::waitUnanswered() {
    const auto timeout =
        std::chrono::duration_cast<MainQueue::Duration>(std::chrono::duration<double>(messagingTimeout_));
    blockedTime_ += timeout;
    if (blockingWait_)
        blockingWait_(timeout);
}

void SimulatedDesktop::record(std::string line) {
    trace_.push_back(std::move(line));
}

AXElement SimulatedDesktop::systemWideElement() {
    return AXElement(systemWideElement_);
}

AXElement SimulatedDesktop::applicationElement(std::int32_t pid) {
    auto [found, added] = appElements_.try_emplace(pid, 0);
    if (added)
        found->second = newElement({Kind::application, pid});
    return AXElement(found->second);
}

AXError SimulatedDesktop::setMessagingTimeout(AXElement element, double seconds) {
    const sim::ElementTarget* named = target(element);
    if (!named || seconds < 0)
        return AXError::illegalArgument;
    if (named->kind == Kind::systemWide)
        messagingTimeout_ = seconds;
    return AXError::success;
}

AXResult<AXAttributeValue> SimulatedDesktop::attribute(AXElement element, std::string_view name) {
    if (tracing_)
        record("read " + text(element) + " " + std::string(name));
    const sim::ElementTarget* named = target(element);
    if (!named)
        return AXError::illegalArgument;
    if (const AXError error = reachable(*named); error != AXError::success)
        return error;
    switch (named->kind) {
    case Kind::application:
        return readApplication(apps_.at(named->pid), name);
    case Kind::window:
        if (name == "AXFullScreenButton")
            return readFullScreenButton(windows_.at(named->window));
        if (name == "AXCloseButton")
            return readCloseButton(windows_.at(named->window));
        return readWindow(windows_.at(named->window), name);
    case Kind::menu:
    case Kind::fullScreenButton:
    case Kind::closeButton:
        return readControl(*named, name);
    case Kind::systemWide:
        break;
    }
    return AXError::attributeUnsupported;
}

AXResult<AXAttributeValue> SimulatedDesktop::readApplication(const sim::Application& app,
                                                             std::string_view name) const {
    const auto windowElement = [this](WindowId number) { return AXElement(windows_.at(number).element); };
    if (name == "AXRole")
        return AXAttributeValue(std::string("AXApplication"));
    if (name == "AXTitle" && app.info.localizedName)
        return AXAttributeValue(*app.info.localizedName);
    if (name == "AXWindows") {
        std::vector<AXElement> elements;
        for (WindowId number : windowsOf(app.info.processIdentifier))
            elements.push_back(windowElement(number));
        return AXAttributeValue(std::move(elements));
    }
    if ((name == "AXFocusedWindow" || name == "AXMainWindow") && app.focusedWindow)
        return AXAttributeValue(windowElement(*app.focusedWindow));
    if (name == "AXEnhancedUserInterface")
        return readEnhancedUserInterface(app);
    if (const auto menu = menus_.find(app.info.processIdentifier);
        name == "AXMenuBar" && menu != menus_.end())
        return AXAttributeValue(AXElement(menu->second.front().element));
    return among(applicationAttributes, name) ? AXError::noValue : AXError::attributeUnsupported;
}

AXResult<AXAttributeValue> SimulatedDesktop::readWindow(const sim::Window& window,
                                                        std::string_view name) const {
    if (window.failingAttributes.contains(name))
        return AXError::cannotComplete;
    if (name == "AXRole")
        return AXAttributeValue(window.role);
    if (name == "AXSubrole")
        return window.subrole ? AXResult<AXAttributeValue>(*window.subrole) : AXError::noValue;
    if (name == "AXTitle")
        return AXAttributeValue(window.title);
    if (name == "AXPosition")
        return AXAttributeValue(AXValue(window.frame.origin));
    if (name == "AXSize")
        return AXAttributeValue(AXValue(window.frame.size));
    if (name == "AXMinimized")
        return AXAttributeValue(window.minimized);
    if (name == "AXFullScreen")
        return AXAttributeValue(fullScreenSpace(window).has_value());
    if (name == "AXMain")
        return AXAttributeValue(apps_.at(window.pid).focusedWindow == window.number);
    return AXError::attributeUnsupported;
}

AXResult<bool> SimulatedDesktop::isSettable(AXElement element, std::string_view name) {
    if (tracing_)
        record("settable " + text(element) + " " + std::string(name));
    const sim::ElementTarget* named = target(element);
    if (!named)
        return AXError::illegalArgument;
    if (const AXError error = reachable(*named); error != AXError::success)
        return error;
    if (named->kind == Kind::application) {
        if (name == "AXEnhancedUserInterface" && apps_.at(named->pid).enhancedUserInterface)
            return true;
        return among(applicationAttributes, name) ? AXResult<bool>(false) : AXError::attributeUnsupported;
    }
    if (named->kind == Kind::systemWide)
        return AXError::attributeUnsupported;
    if (named->kind == Kind::menu || named->kind == Kind::fullScreenButton || named->kind == Kind::closeButton)
        return false;
    const sim::Window& asked = windows_.at(named->window);
    if (asked.failingAttributes.contains(name))
        return AXError::cannotComplete;
    if (among(settableWindowAttributes, name))
        return !asked.unsettable.contains(name);
    return among(readOnlyWindowAttributes, name) ? AXResult<bool>(false) : AXError::attributeUnsupported;
}

AXError SimulatedDesktop::setAttribute(AXElement element, std::string_view name,
                                       const AXAttributeValue& value) {
    if (tracing_)
        record("write " + text(element) + " " + std::string(name) + " " + valueText(value));
    const sim::ElementTarget* named = target(element);
    if (!named)
        return AXError::illegalArgument;
    if (const AXError error = reachable(*named); error != AXError::success)
        return error;
    if (named->kind == Kind::application)
        return writeApplication(apps_.at(named->pid), name, value);
    if (named->kind != Kind::window)
        return AXError::attributeUnsupported;
    return writeWindow(windows_.at(named->window), name, value);
}

AXError SimulatedDesktop::writeWindow(sim::Window& window, std::string_view name,
                                      const AXAttributeValue& value) {
    if (window.failingAttributes.contains(name))
        return AXError::cannotComplete;
    if (!among(settableWindowAttributes, name))
        return among(readOnlyWindowAttributes, name) ? AXError::failure : AXError::attributeUnsupported;
    if (window.unsettable.contains(name))
        return AXError::failure;

    const auto* geometry = std::get_if<AXValue>(&value);
    const auto* flag = std::get_if<bool>(&value);
    const bool fullScreen = fullScreenSpace(window).has_value();
    if (name == "AXPosition") {
        if (!geometry || !geometry->point())
            return AXError::illegalArgument;
        return fullScreen ? AXError::cannotComplete : writePosition(window, *geometry->point());
    }
    if (name == "AXSize") {
        if (!geometry || !geometry->size())
            return AXError::illegalArgument;
        return fullScreen ? AXError::cannotComplete : writeSize(window, *geometry->size());
    }
    if (!flag)
        return AXError::illegalArgument;
    if (name == "AXMinimized") {
        setMinimized(window, *flag);
    } else if (*flag && !fullScreen) {
        if (window.onAllSpaces || window.spaces.size() != 1)
            return AXError::cannotComplete;
        makeFullScreen({window.number});
    } else if (!*flag && fullScreen) {
        leaveFullScreen(window);
    }
    return AXError::success;
}

AXError SimulatedDesktop::perform(AXElement element, std::string_view action) {
    if (tracing_)
        record("action " + text(element) + " " + std::string(action));
    const sim::ElementTarget* named = target(element);
    if (!named)
        return AXError::illegalArgument;
    if (const AXError error = reachable(*named); error != AXError::success)
        return error;
    if (named->kind == Kind::menu || named->kind == Kind::fullScreenButton || named->kind == Kind::closeButton)
        return press(*named, action);
    if (named->kind != Kind::window || action != "AXRaise")
        return AXError::actionUnsupported;
    raise(named->window);
    setFocusedWindow(apps_.at(named->pid), named->window);
    followKeyWindow(named->pid);
    return AXError::success;
}

AXResult<WindowId> SimulatedDesktop::windowNumber(AXElement element) {
    if (tracing_)
        record("number " + text(element));
    const sim::ElementTarget* named = target(element);
    if (!named || named->kind != Kind::window)
        return AXError::illegalArgument;
    if (const AXError error = reachable(*named); error != AXError::success)
        return error;
    switch (windows_.at(named->window).numberAnswer) {
    case sim::WindowNumberAnswer::number:
        return named->window;
    case sim::WindowNumberAnswer::zero:
        return WindowId{0};
    case sim::WindowNumberAnswer::error:
        break;
    }
    return AXError::failure;
}

AXResult<std::unique_ptr<AXObserver>> SimulatedDesktop::observer(std::int32_t pid, Callback callback) {
    if (!trusted_)
        return AXError::apiDisabled;
    if (observerRefusals_.contains(pid))
        return AXError::cannotComplete;
    const std::uint64_t id = nextObserver_++;
    observers_.emplace(id, sim::Observer{pid, std::move(callback), {}});
    return std::unique_ptr<AXObserver>(std::make_unique<SimObserver>(*this, id));
}

} // namespace quillmere
