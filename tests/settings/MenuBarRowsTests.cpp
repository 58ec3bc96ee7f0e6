#include "settings/MenuBarRows.h"

#include <gtest/gtest.h>

namespace quillmere {
namespace {

using Item = MenuBarSettings::Item;
using Entry = MenuBarSettings::Entry;

std::vector<Item> order(const MenuBarSettings& settings) {
    std::vector<Item> items;
    for (const Entry& entry : settings.items)
        items.push_back(entry.item);
    return items;
}

TEST(MenuBarRows, FirstEditOnTheBuiltInContentsStoresAllEightEntries) {
    const MenuBarSettings edited = showingItem(MenuBarSettings::default_(), Item::layout, true);
    const std::vector<Entry> expected{{Item::profileIcon, false}, {Item::profileName, false}, {Item::logo, false},
                                      {Item::index, true},        {Item::name, true},         {Item::layout, true},
                                      {Item::windowCount, false}, {Item::stacked, true}};
    EXPECT_EQ(edited.items, expected);
    EXPECT_EQ(edited.indexStyle, MenuBarSettings::IndexStyle::single);
}

TEST(MenuBarRows, AShortStoredListIsCompletedInCaseOrder) {
    const MenuBarSettings stored{{{Item::name, true}}, MenuBarSettings::IndexStyle::stepper};
    const MenuBarSettings edited = showingItem(stored, Item::index, true);
    EXPECT_EQ(order(edited), (std::vector<Item>{Item::name, Item::logo, Item::index, Item::layout, Item::windowCount,
                                                Item::stacked, Item::profileIcon, Item::profileName}));
    EXPECT_TRUE(edited.items[2].shown);
    EXPECT_EQ(edited.indexStyle, MenuBarSettings::IndexStyle::stepper);
}

TEST(MenuBarRows, ASwitchSetsEveryEntryOfItsItem) {
    const MenuBarSettings stored{{{Item::name, false}, {Item::logo, true}, {Item::name, false}},
                                 MenuBarSettings::IndexStyle::single};
    const MenuBarSettings edited = showingItem(stored, Item::name, true);
    EXPECT_TRUE(edited.items[0].shown);
    EXPECT_TRUE(edited.items[2].shown);
}

TEST(MenuBarRows, MovesCountTheirOffsetsBeforeTheMove) {
    struct Case {
        std::set<std::size_t> sources;
        std::size_t destination;
        std::vector<Item> expected;
    };
    const Case cases[] = {
        {{7}, 0, {Item::stacked, Item::profileIcon, Item::profileName, Item::logo, Item::index, Item::name,
                  Item::layout, Item::windowCount}},
        {{0}, 8, {Item::profileName, Item::logo, Item::index, Item::name, Item::layout, Item::windowCount,
                  Item::stacked, Item::profileIcon}},
        {{0}, 2, {Item::profileName, Item::profileIcon, Item::logo, Item::index, Item::name, Item::layout,
                  Item::windowCount, Item::stacked}},
        {{1, 3}, 6, {Item::profileIcon, Item::logo, Item::name, Item::layout, Item::profileName, Item::index,
                     Item::windowCount, Item::stacked}},
        {{3}, 3, order({MenuBarSettings::default_().orderedItems(), {}})},
    };
    for (const Case& test : cases)
        EXPECT_EQ(order(movingItems(MenuBarSettings::default_(), test.sources, test.destination)), test.expected)
            << "to " << test.destination;
}

TEST(MenuBarRows, ChoosingAStyleKeepsOrderAndSwitches) {
    const MenuBarSettings edited = withIndexStyle(MenuBarSettings::default_(), MenuBarSettings::IndexStyle::displays);
    EXPECT_EQ(edited.items, MenuBarSettings::default_().orderedItems());
    EXPECT_EQ(edited.indexStyle, MenuBarSettings::IndexStyle::displays);
}

} // namespace
} // namespace quillmere
