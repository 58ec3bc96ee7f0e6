#include "core/PropertyList.h"

namespace quillmere {

PropertyList::PropertyList(Array value) : value_(std::make_shared<const Array>(std::move(value))) {}

PropertyList::PropertyList(Dictionary value) : value_(std::make_shared<const Dictionary>(std::move(value))) {}

std::optional<bool> PropertyList::boolean() const {
    if (const auto* value = std::get_if<bool>(&value_))
        return *value;
    return std::nullopt;
}

std::optional<std::int64_t> PropertyList::integer() const {
    if (const auto* value = std::get_if<std::int64_t>(&value_))
        return *value;
    return std::nullopt;
}

std::optional<double> PropertyList::floatingPoint() const {
    if (const auto* value = std::get_if<double>(&value_))
        return *value;
    return std::nullopt;
}

std::optional<double> PropertyList::number() const {
    if (auto value = floatingPoint())
        return value;
    if (auto value = integer())
        return static_cast<double>(*value);
    return std::nullopt;
}

const std::string* PropertyList::string() const {
    return std::get_if<std::string>(&value_);
}

const PropertyList::Array* PropertyList::array() const {
    const auto* value = std::get_if<std::shared_ptr<const Array>>(&value_);
    return value ? value->get() : nullptr;
}

const PropertyList::Dictionary* PropertyList::dictionary() const {
    const auto* value = std::get_if<std::shared_ptr<const Dictionary>>(&value_);
    return value ? value->get() : nullptr;
}

const PropertyList* PropertyList::find(std::string_view key) const {
    const Dictionary* entries = dictionary();
    if (!entries)
        return nullptr;
    const auto found = entries->find(key);
    return found == entries->end() ? nullptr : &found->second;
}

bool operator==(const PropertyList& a, const PropertyList& b) {
    if (a.value_.index() != b.value_.index())
        return false;
    if (const auto* array = a.array())
        return *array == *b.array();
    if (const auto* dictionary = a.dictionary())
        return *dictionary == *b.dictionary();
    return a.value_ == b.value_;
}

} // namespace quillmere
