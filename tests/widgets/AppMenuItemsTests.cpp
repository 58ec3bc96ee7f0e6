#include "widgets/AppMenuItems.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace quillmere {
namespace {

using testing::ElementsAre;

TEST(AppMenuItems, OffersRunningAppsOnlyUnderRunning) {
    const auto items = AppMenuItems::of({"Safari"}, {"Mail", "Safari", "Zoom"});
    EXPECT_THAT(items.running, ElementsAre("Safari"));
    EXPECT_THAT(items.installed, ElementsAre("Mail", "Zoom"));
}

} // namespace
} // namespace quillmere
