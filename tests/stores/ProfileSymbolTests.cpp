#include "platform/sim/SimulatedSymbolImages.h"
#include "stores/ProfileSymbol.h"

#include <gtest/gtest.h>

namespace quillmere {
namespace {

Profile withIcon(std::optional<std::string> icon) {
    Profile profile;
    profile.name = "Work";
    profile.icon = std::move(icon);
    return profile;
}

TEST(ProfileSymbolTest, AKnownIconPicturesTheProfileAndAnythingElseGivesTheDefault) {
    SimulatedSymbolImages images;
    const std::string known = Profile::iconChoices().front().icons.front().symbol;
    EXPECT_EQ(symbol(withIcon(known), images), known);
    EXPECT_EQ(symbol(withIcon("no.such.symbol"), images), Profile::defaultIcon);
    EXPECT_EQ(symbol(withIcon(std::nullopt), images), Profile::defaultIcon);
    images.add("no.such.symbol");
    EXPECT_EQ(symbol(withIcon("no.such.symbol"), images), "no.such.symbol");
}

} // namespace
} // namespace quillmere
