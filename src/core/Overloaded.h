#pragma once

namespace quillmere {

// One visitor for std::visit from a lambda per alternative.
template <class... Handlers> struct Overloaded : Handlers... { using Handlers::operator()...; };
// Clang deduces no template arguments for an aggregate from its bases without this.
template <class... Handlers> Overloaded(Handlers...) -> Overloaded<Handlers...>;

} // namespace quillmere
