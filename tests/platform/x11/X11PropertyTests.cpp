#include "platform/x11/X11Property.h"

#include <cstring>
#include <gtest/gtest.h>

namespace quillmere {
namespace {

X11Property cardinalsProperty(std::vector<std::uint32_t> items) {
    X11Property property{6, 32, std::vector<std::uint8_t>(items.size() * 4)};
    std::memcpy(property.bytes.data(), items.data(), property.bytes.size());
    return property;
}

X11Property textProperty(std::string_view text) {
    return {31, 8, std::vector<std::uint8_t>(text.begin(), text.end())};
}

TEST(X11PropertyTests, ReadsItemsOnlyInTheFormatTheyWereWritten) {
    const X11Property numbers = cardinalsProperty({1, 0xFFFFFFFF, 3});
    EXPECT_EQ(numbers.cardinals(), (std::vector<std::uint32_t>{1, 0xFFFFFFFF, 3}));
    EXPECT_EQ(numbers.cardinal(), 1u);
    EXPECT_EQ(numbers.text(), "");
    const X11Property text = textProperty("xterm");
    EXPECT_TRUE(text.cardinals().empty());
    EXPECT_EQ(text.cardinal(), std::nullopt);
    EXPECT_EQ(text.text(), "xterm");
    EXPECT_FALSE(X11Property{}.exists());
    EXPECT_EQ(X11Property{}.cardinal(), std::nullopt);
}

TEST(X11PropertyTests, SplitsTextListsAtEachNul) {
    struct Case {
        std::string_view bytes;
        std::vector<std::string> texts;
    };
    const Case cases[] = {
        {std::string_view("xterm\0XTerm\0", 12), {"xterm", "XTerm"}},
        {std::string_view("one\0two", 7), {"one", "two"}},
        {std::string_view("\0second\0", 8), {"", "second"}},
        {"", {}},
    };
    for (const Case& each : cases)
        EXPECT_EQ(textProperty(each.bytes).texts(), each.texts) << each.bytes;
    EXPECT_EQ(textProperty(std::string_view("first\0second", 12)).text(), "first");
}

} // namespace
} // namespace quillmere
