#include "core/JsonWriter.h"
#include "core/MenuBarSettings.h"
#include "core/MenuBarSettingsCoding.h"

#include <gtest/gtest.h>

namespace quillmere {
namespace {

using Item = MenuBarSettings::Item;
using Entry = MenuBarSettings::Entry;
using Style = MenuBarSettings::IndexStyle;

std::vector<Entry> hiddenAfter(std::vector<Entry> stored, std::initializer_list<Item> appended) {
    for (Item item : appended)
        stored.push_back({item, false});
    return stored;
}

TEST(MenuBarSettingsTest, OrderedItemsKeepTheStoredListAndAppendWhatItLacksHidden) {
    using enum Item;
    struct Case {
        std::vector<Entry> items;
        std::vector<Entry> expected;
    };
    const Case cases[] = {
        {MenuBarSettings::default_().items, MenuBarSettings::default_().items},
        {{{name, true}},
         hiddenAfter({{name, true}}, {logo, index, layout, windowCount, stacked, profileIcon, profileName})},
        {{}, hiddenAfter({}, {logo, index, name, layout, windowCount, stacked, profileIcon, profileName})},
        {{{index, true}, {index, false}},
         hiddenAfter({{index, true}, {index, false}},
                     {logo, name, layout, windowCount, stacked, profileIcon, profileName})},
    };
    for (const auto& c : cases)
        EXPECT_EQ((MenuBarSettings{c.items, Style::single}.orderedItems()), c.expected);
}

TEST(MenuBarSettingsTest, RawValuesAreTheCaseNamesAndNothingElse) {
    for (Item item : allMenuBarItems)
        EXPECT_EQ(parseMenuBarItem(text(item)), item);
    for (Style style : allIndexStyles)
        EXPECT_EQ(parseIndexStyle(text(style)), style);
    EXPECT_EQ(text(Item::windowCount), "windowCount");
    EXPECT_EQ(text(Item::profileIcon), "profileIcon");
    EXPECT_EQ(parseMenuBarItem("Logo"), std::nullopt);
    EXPECT_EQ(parseMenuBarItem("clock"), std::nullopt);
    EXPECT_EQ(parseMenuBarItem("windowcount"), std::nullopt);
    EXPECT_EQ(parseIndexStyle("Single"), std::nullopt);
}

Decoded<MenuBarSettings> decode(std::string_view json) {
    return decodeJson<MenuBarSettings>(json, readMenuBarSettings);
}

TEST(MenuBarSettingsTest, ReadingKeepsOrderDuplicatesAndOmissions) {
    const auto read = decode(R"({"indexStyle": "displays", "items": [
        {"item": "stacked", "shown": true}, {"item": "logo", "shown": false}, {"item": "stacked", "shown": false}]})");
    ASSERT_TRUE(read.ok()) << read.error().text();
    EXPECT_EQ(*read, (MenuBarSettings{{{Item::stacked, true}, {Item::logo, false}, {Item::stacked, false}},
                                      Style::displays}));
}

TEST(MenuBarSettingsTest, EveryKeyIsRequiredAndOnlyKnownTextsAreRead) {
    const std::pair<const char*, const char*> cases[] = {
        {R"({"items": []})", ""},
        {R"({"indexStyle": "single"})", ""},
        {R"({"items": [], "indexStyle": "squares"})", "indexStyle"},
        {R"({"items": [{"item": "clock", "shown": true}], "indexStyle": "single"})", "items.0.item"},
        {R"({"items": [{"item": "name", "shown": true}, {"item": "Logo", "shown": true}], "indexStyle": "single"})",
         "items.1.item"},
        {R"({"items": [{"item": "name"}], "indexStyle": "single"})", "items.0"},
        {R"({"items": [{"item": "name", "shown": "yes"}], "indexStyle": "single"})", "items.0.shown"},
    };
    for (const auto& [json, path] : cases) {
        const auto read = decode(json);
        ASSERT_FALSE(read.ok()) << json;
        std::string joined;
        for (const auto& key : read.error().path)
            joined += (joined.empty() ? "" : ".") + key;
        EXPECT_EQ(joined, path) << json;
    }
}

TEST(MenuBarSettingsTest, TheDefaultIsWrittenWithSortedKeysAndReadsBack) {
    const auto written = writeJson(nlohmann::json(MenuBarSettings::default_()), {.pretty = false});
    ASSERT_TRUE(written.ok());
    EXPECT_EQ(*written, R"({"indexStyle":"single","items":[{"item":"profileIcon","shown":false},)"
                        R"({"item":"profileName","shown":false},{"item":"logo","shown":false},)"
                        R"({"item":"index","shown":true},{"item":"name","shown":true},)"
                        R"({"item":"layout","shown":false},{"item":"windowCount","shown":false},)"
                        R"({"item":"stacked","shown":true}]})");
    const auto read = decode(*written);
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(*read, MenuBarSettings::default_());
}

} // namespace
} // namespace quillmere
