#include "shell/StatusLabel.h"

#include <gtest/gtest.h>

namespace quillmere {
namespace {

WindowManagerStatus status(std::optional<int> space, std::optional<std::string> label = {}, bool paused = false,
                           std::optional<std::string> profile = {}) {
    WindowManagerStatus result;
    result.space = space;
    result.label = std::move(label);
    result.paused = paused;
    result.profile = std::move(profile);
    return result;
}

TEST(StatusLabel, ReadsTheStatusOutInOrder) {
    struct Case {
        WindowManagerStatus status;
        bool accessibilityLost;
        bool configError;
        const char* label;
    };
    const Case cases[] = {
        {status(3, "Code", true, "work"), false, false, "Quillmere, paused, Space 3, Code, profile work"},
        {status(std::nullopt), false, false, "Quillmere"},
        {status(2), false, true, "Quillmere, Space 2, config.json has an error"},
        {status(2, std::nullopt, true), true, false, "Quillmere, needs Accessibility permission, paused, Space 2"},
        {status(12, "Mail", false, "home"), true, true,
         "Quillmere, needs Accessibility permission, Space 12, Mail, profile home, config.json has an error"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(statusLabel(c.status, c.accessibilityLost, c.configError), c.label);
}

TEST(StatusLabel, TheTitleIsTheSpaceNumberOrAMiddleDot) {
    EXPECT_EQ(statusTitle(status(7)), "7");
    EXPECT_EQ(statusTitle(status(std::nullopt)), "\u00B7");
}

} // namespace
} // namespace quillmere
