#include "profiles/TileDrag.h"

#include <gtest/gtest.h>

namespace quillmere {
namespace {

struct Reading {
    std::string text;
    std::optional<TileDrag> drag;
};

TEST(TileDrag, readsOnlyANumberAColonAndAPath) {
    const std::vector<Reading> table = {
        {"3:", TileDrag{3, {}}},
        {"2:10", TileDrag{2, {true, false}}},
        {"3:0a1", TileDrag{3, {false, false, true}}},
        {"+2:0", TileDrag{2, {false}}},
        {"-1:1", TileDrag{-1, {true}}},
        {"9223372036854775807:", TileDrag{9223372036854775807, {}}},
        {":01", std::nullopt},
        {"x:01", std::nullopt},
        {"3", std::nullopt},
        {"1:2:3", std::nullopt},
        {"+:1", std::nullopt},
        {"+-2:1", std::nullopt},
        {" 2:1", std::nullopt},
        {"2 :1", std::nullopt},
        {"123456789012345678901234567890:1", std::nullopt},
        {"9223372036854775808:", std::nullopt},
    };
    for (const Reading& reading : table)
        EXPECT_EQ(TileDrag::parse(reading.text), reading.drag) << reading.text;
}

TEST(TileDrag, readsBackWhatItWrites) {
    for (const TileDrag& drag : {TileDrag{3, {}}, TileDrag{2, {true, false}}, TileDrag{10, {false, true, true}}}) {
        EXPECT_EQ(TileDrag::parse(drag.text()), drag) << drag.text();
    }
    EXPECT_EQ((TileDrag{3, {}}.text()), "3:");
    EXPECT_EQ((TileDrag{2, {true, false}}.text()), "2:10");
}

} // namespace
} // namespace quillmere
