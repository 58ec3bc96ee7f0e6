#include "settings/DockPresence.h"

#include <QWidget>
#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

namespace quillmere {
namespace {

TEST(DockPresence, RegularWhileAnyShownWindowIsOpenWhateverHowOftenItWasShown) {
    std::vector<ActivationPolicy> policies;
    DockPresence presence([&](ActivationPolicy policy) { policies.push_back(policy); });
    QWidget settings;
    QWidget profiles;
    for (QWidget* window : {&settings, &profiles, &settings, &profiles})
        presence.show(*window);
    EXPECT_EQ(presence.openWindows(), 2);
    settings.close();
    EXPECT_TRUE(presence.showsInDock());
    EXPECT_EQ(policies.back(), ActivationPolicy::regular);
    profiles.close();
    EXPECT_FALSE(presence.showsInDock());
    EXPECT_EQ(policies.back(), ActivationPolicy::accessory);
    EXPECT_EQ(std::count(policies.begin(), policies.end(), ActivationPolicy::accessory), 1);
}

} // namespace
} // namespace quillmere
