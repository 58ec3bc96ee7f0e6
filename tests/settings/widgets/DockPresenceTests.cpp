#include "settings/DockPresence.h"

#include <QWidget>
#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

namespace quillmere {
namespace {

TEST(DockPresence, RegularWhileAnyShownWindowIsOpenWhateverHowOftenItWasShown) {
    std::vector<ActivationPolicy> policies;
    DockPresence::setActivationPolicy = [&](ActivationPolicy policy) { policies.push_back(policy); };
    QWidget settings;
    QWidget profiles;
    for (QWidget* window : {&settings, &profiles, &settings, &profiles})
        DockPresence::show(*window);
    EXPECT_EQ(DockPresence::openWindows(), 2);
    settings.close();
    EXPECT_TRUE(DockPresence::showsInDock());
    EXPECT_EQ(policies.back(), ActivationPolicy::regular);
    profiles.close();
    EXPECT_FALSE(DockPresence::showsInDock());
    EXPECT_EQ(policies.back(), ActivationPolicy::accessory);
    EXPECT_EQ(std::count(policies.begin(), policies.end(), ActivationPolicy::accessory), 1);
    DockPresence::setActivationPolicy = [](ActivationPolicy) {};
}

} // namespace
} // namespace quillmere
