#include "platform/linux/XKeyCodes.h"

#include <gtest/gtest.h>

namespace quillmere {
namespace {

TEST(XKeyCodes, NameTheMacKeyOfEveryPcKeyThatHasOne) {
    struct Key {
        std::uint32_t x;
        std::optional<std::uint16_t> mac;
    };
    for (const Key& key : {Key{38, 0}, Key{24, 12}, Key{10, 18}, Key{19, 29}, Key{36, 36}, Key{65, 49},
                           Key{9, 53}, Key{113, 123}, Key{114, 124}, Key{116, 125}, Key{111, 126},
                           Key{67, 122}, Key{96, 111}, Key{22, 51}, Key{119, 117}, Key{37, std::nullopt},
                           Key{133, std::nullopt}, Key{0, std::nullopt}})
        EXPECT_EQ(macKeyCode(key.x), key.mac) << "X key code " << key.x;
}

TEST(XKeyCodes, TakeSuperForCommand) {
    EXPECT_EQ(macModifierFlags({}), 0u);
    EXPECT_EQ(macModifierFlags({.control = true}), 0x40000u);
    EXPECT_EQ(macModifierFlags({.shift = true, .alt = true, .super = true}), 0x1A0000u);
    EXPECT_EQ(macModifierFlags({.fn = true}), 0x800000u);
    EXPECT_EQ(carbonModifiers({.shift = true, .control = true, .alt = true, .super = true, .fn = true}), 0x1B00u);
    EXPECT_EQ(carbonModifiers({.super = true}), 0x0100u);
}

} // namespace
} // namespace quillmere
