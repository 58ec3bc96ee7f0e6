#pragma once

#include "platform/SymbolImages.h"

#include <set>
#include <string>

namespace quillmere {

// The symbol images of the simulated desktop: every symbol the application itself names (the profile
// icons, the default profile icon and the layout modes), and whatever a test adds.
class SimulatedSymbolImages final : public SymbolImages {
  public:
    SimulatedSymbolImages();

    bool hasSymbol(std::string_view name) const override;
    void add(std::string name) { names_.insert(std::move(name)); }

  private:
    std::set<std::string, std::less<>> names_;
};

} // namespace quillmere
