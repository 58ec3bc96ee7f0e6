#pragma once

#include <string_view>

namespace quillmere {

// The platform's catalogue of system symbol images, which pictures profiles and modes by name.
class SymbolImages {
  public:
    virtual ~SymbolImages() = default;

    virtual bool hasSymbol(std::string_view name) const = 0;
};

} // namespace quillmere
