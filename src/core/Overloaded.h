#pragma once

namespace quillmere {

// One visitor for std::visit from a lambda per alternative.
template <class... Handlers> struct Overloaded : Handlers... { using Handlers::operator()...; };

} // namespace quillmere
