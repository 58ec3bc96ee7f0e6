#pragma once

#include <concepts>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>
#include <vector>

namespace quillmere {

// One value of a property list as the window server answers it: a dictionary, an array, an integer, a
// floating-point number, a text or a boolean. Readers ask for the type they expect and get none on any
// other, so a malformed answer can be skipped without a crash.
class PropertyList {
  public:
    using Array = std::vector<PropertyList>;
    using Dictionary = std::map<std::string, PropertyList, std::less<>>;

    PropertyList(bool value) : value_(value) {}
    // Unsigned 64-bit values must be narrowed by the caller, so that none wraps round silently.
    template <std::integral T>
    requires(!std::same_as<T, bool> && (std::is_signed_v<T> || sizeof(T) < sizeof(std::int64_t)))
        PropertyList(T value)
        : value_(static_cast<std::int64_t>(value)) {}
    PropertyList(double value) : value_(value) {}
    PropertyList(std::string value) : value_(std::move(value)) {}
    PropertyList(const char* value) : value_(std::string(value)) {}
    PropertyList(Array value);
    PropertyList(Dictionary value);

    std::optional<bool> boolean() const;
    std::optional<std::int64_t> integer() const;
    std::optional<double> floatingPoint() const;
    // A floating-point value, or else an integer converted to floating point.
    std::optional<double> number() const;
    const std::string* string() const;
    const Array* array() const;
    const Dictionary* dictionary() const;

    // The value under the key when this is a dictionary that holds it.
    const PropertyList* find(std::string_view key) const;

    friend bool operator==(const PropertyList& a, const PropertyList& b);

  private:
    // Shared because a read answer is never changed, and it lets the type hold itself.
    std::variant<bool, std::int64_t, double, std::string, std::shared_ptr<const Array>,
                 std::shared_ptr<const Dictionary>>
        value_;
};

} // namespace quillmere
