#include "core/TileAlgorithm.h"

#include <gtest/gtest.h>

#include <string>

namespace quillmere {
namespace {

TEST(TileAlgorithmTest, StoredTextsNamesAndDetailsInPickerOrder) {
    struct Row {
        TileAlgorithm algorithm;
        std::string text, name, detail;
    };
    const Row rows[] = {
        {TileAlgorithm::bsp, "bsp", "BSP", "A new window splits the focused window's tile in two."},
        {TileAlgorithm::i3, "i3", "i3 (rows and columns)",
         "A new window joins the focused window's row or column, and the row shares its space out evenly, as in "
         "i3 and AeroSpace."},
        {TileAlgorithm::masterStack, "master-stack", "Master and stack",
         "One main window keeps the split ratio; the rest share a column beside it."},
    };
    ASSERT_EQ(allTileAlgorithms.size(), std::size(rows));
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        const auto& row = rows[i];
        EXPECT_EQ(allTileAlgorithms[i], row.algorithm);
        EXPECT_EQ(text(row.algorithm), row.text);
        EXPECT_EQ(name(row.algorithm), row.name);
        EXPECT_EQ(detail(row.algorithm), row.detail);
        EXPECT_EQ(parseTileAlgorithm(row.text), row.algorithm);
    }
}

TEST(TileAlgorithmTest, OnlyTheStoredTextsParse) {
    for (const char* other : {"masterStack", "BSP", "i3 ", "", "master_stack"})
        EXPECT_EQ(parseTileAlgorithm(other), std::nullopt) << other;
}

TEST(StackAlgorithmTest, StoredTextsNamesAndDetailsInPickerOrder) {
    struct Row {
        StackAlgorithm algorithm;
        std::string text, name, detail;
    };
    const Row rows[] = {
        {StackAlgorithm::fill, "fill", "Fill", "Every window fills the Space."},
        {StackAlgorithm::accordion, "accordion", "Accordion",
         "The front window leaves a strip at each side where the windows before and after it peek out."},
    };
    ASSERT_EQ(allStackAlgorithms.size(), std::size(rows));
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        const auto& row = rows[i];
        EXPECT_EQ(allStackAlgorithms[i], row.algorithm);
        EXPECT_EQ(text(row.algorithm), row.text);
        EXPECT_EQ(name(row.algorithm), row.name);
        EXPECT_EQ(detail(row.algorithm), row.detail);
        EXPECT_EQ(parseStackAlgorithm(row.text), row.algorithm);
    }
    for (const char* other : {"Fill", "stack", ""})
        EXPECT_EQ(parseStackAlgorithm(other), std::nullopt) << other;
}

} // namespace
} // namespace quillmere
