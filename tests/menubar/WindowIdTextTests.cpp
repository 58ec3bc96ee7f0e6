#include "menubar/WindowIdText.h"

#include <gtest/gtest.h>

namespace quillmere {
namespace {

TEST(WindowIdText, ReadsOnlyPlainUnsigned32BitNumbers) {
    const std::vector<std::pair<std::string, std::optional<WindowId>>> cases{
        {"12", 12},          {"+12", 12},          {"0", 0},           {"4294967295", 4294967295u},
        {"4294967296", {}},  {"99999999999999999999", {}},           {"-1", {}},
        {" 12", {}},         {"12 ", {}},          {"12a", {}},        {"", {}},
        {"+", {}},           {"++12", {}},         {"0x1f", {}},
    };
    for (const auto& [text, window] : cases)
        EXPECT_EQ(windowIdFromText(text), window) << '"' << text << '"';
}

} // namespace
} // namespace quillmere
