#pragma once

#include "core/Geometry.h"
#include "core/Result.h"
#include "core/WindowId.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace quillmere {

// One element of an application's user interface (the application itself, a window, a control) as the
// accessibility backend names it. Handles to the same element compare equal; a handle outlives its
// element, whose reads then fail.
class AXElement {
  public:
    constexpr AXElement() = default;
    constexpr explicit AXElement(std::uint64_t id) : id_(id) {}

    constexpr std::uint64_t id() const { return id_; }
    friend constexpr bool operator==(AXElement, AXElement) = default;

  private:
    std::uint64_t id_ = 0;
};

// A geometric value as the accessibility interface wraps it: a point, a size or a rectangle. Readers ask
// for the kind they expect and get none on another.
class AXValue {
  public:
    AXValue(Point point) : value_(point) {}
    AXValue(Size size) : value_(size) {}
    AXValue(Rect rect) : value_(rect) {}

    std::optional<Point> point() const { return get<Point>(); }
    std::optional<Size> size() const { return get<Size>(); }
    std::optional<Rect> rect() const { return get<Rect>(); }

    friend bool operator==(const AXValue&, const AXValue&) = default;

  private:
    template <class T> std::optional<T> get() const {
        const T* value = std::get_if<T>(&value_);
        return value ? std::optional<T>(*value) : std::nullopt;
    }

    std::variant<Point, Size, Rect> value_;
};

// Every kind of attribute value the system reads or writes.
using AXAttributeValue = std::variant<bool, std::string, AXValue, AXElement, std::vector<AXElement>>;

enum class [[nodiscard]] AXError{
    success,
    failure,
    illegalArgument,
    // The element is gone, for example its window closed.
    invalidUIElement,
    // The application did not answer within the messaging timeout.
    cannotComplete,
    attributeUnsupported,
    actionUnsupported,
    noValue,
    notificationAlreadyRegistered,
    notificationNotRegistered,
    // The process is not trusted for accessibility.
    apiDisabled,
};

template <class T> using AXResult = Result<T, AXError>;

// Receives the notifications of one application's elements while it exists.
class AXObserver {
  public:
    virtual ~AXObserver() = default;

    // Registered on an application element, a notification also arrives for each of its windows.
    virtual AXError add(AXElement element, std::string_view notification) = 0;
    virtual AXError remove(AXElement element, std::string_view notification) = 0;
};

// The accessibility interface: reading and changing other applications' user interfaces. Every call is a
// message to another process that may fail; notifications arrive on the main queue, never inside the call
// that caused them.
class Accessibility {
  public:
    // Called with the element the notification is about (the window, for window notifications).
    using Callback = std::function<void(AXElement element, const std::string& notification)>;

    virtual ~Accessibility() = default;

    virtual bool isTrusted() const = 0;

    virtual AXElement systemWideElement() = 0;
    // Made for any process id; reads fail when no such application runs.
    virtual AXElement applicationElement(std::int32_t pid) = 0;

    // On the system-wide element it sets the timeout of every message; on another element, of its own.
    virtual AXError setMessagingTimeout(AXElement element, double seconds) = 0;

    virtual AXResult<AXAttributeValue> attribute(AXElement element, std::string_view name) = 0;
    virtual AXResult<bool> isSettable(AXElement element, std::string_view name) = 0;
    virtual AXError setAttribute(AXElement element, std::string_view name, const AXAttributeValue& value) = 0;
    virtual AXError perform(AXElement element, std::string_view action) = 0;

    // The window server's number of a window element; may be 0 for an element that is no real window.
    virtual AXResult<WindowId> windowNumber(AXElement element) = 0;

    virtual AXResult<std::unique_ptr<AXObserver>> observer(std::int32_t pid, Callback callback) = 0;
};

} // namespace quillmere
