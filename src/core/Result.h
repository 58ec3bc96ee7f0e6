#pragma once

#include <utility>
#include <variant>

namespace quillmere {

// A value or the error that prevented it; failures travel as values, never as exceptions.
template <class T, class E> class [[nodiscard]] Result {
  public:
    Result(T value) : state_(std::in_place_index<0>, std::move(value)) {}
    Result(E error) : state_(std::in_place_index<1>, std::move(error)) {}

    bool ok() const { return state_.index() == 0; }
    explicit operator bool() const { return ok(); }
    const T& value() const& { return std::get<0>(state_); }
    T&& value() && { return std::get<0>(std::move(state_)); }
    const E& error() const { return std::get<1>(state_); }
    const T& operator*() const& { return value(); }
    const T* operator->() const { return &value(); }

  private:
    std::variant<T, E> state_;
};

} // namespace quillmere
