#include "settings/LayoutModePicker.h"
#include "settings/OpacitySlider.h"

#include <QLocale>
#include <QTest>
#include <gtest/gtest.h>
#include <vector>

namespace quillmere {
namespace {

TEST(OpacitySlider, ADragWritesOnceWhenItEnds) {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    OpacitySlider slider("Dimming", Settings::dimOpacityRange);
    std::vector<double> writes;
    slider.onChange = [&](double value) { writes.push_back(value); };
    slider.setValue(0.3);
    EXPECT_EQ(slider.percentage(), "30%");

    slider.slider()->setSliderDown(true);
    for (int position = 26; position <= 75; ++position)
        slider.slider()->setSliderPosition(position);
    EXPECT_EQ(slider.percentage(), "80%");
    EXPECT_TRUE(writes.empty());
    slider.slider()->setSliderDown(false);
    EXPECT_EQ(writes, (std::vector<double>{0.8}));

    slider.slider()->setSliderDown(true);
    slider.slider()->setSliderDown(false);
    EXPECT_EQ(writes.size(), 1u);
    QLocale::setDefault(QLocale::c());
}

TEST(OpacitySlider, AKeyStepWritesAtOnce) {
    OpacitySlider slider("Border opacity", Settings::borderOpacityRange);
    std::vector<double> writes;
    slider.onChange = [&](double value) { writes.push_back(value); };
    slider.setValue(0.5);
    QTest::keyClick(slider.slider(), Qt::Key_Right);
    EXPECT_EQ(writes, (std::vector<double>{0.51}));
}

TEST(OpacitySlider, AnOutOfRangeValueShowsAtTheNearestEndWithoutAWrite) {
    OpacitySlider slider("Border opacity", Settings::borderOpacityRange);
    std::vector<double> writes;
    slider.onChange = [&](double value) { writes.push_back(value); };
    slider.setValue(5);
    EXPECT_DOUBLE_EQ(slider.shownValue(), 1.0);
    slider.setValue(0);
    EXPECT_DOUBLE_EQ(slider.shownValue(), 0.1);
    EXPECT_TRUE(writes.empty());
}

TEST(LayoutModePicker, OffersTileStackAndFloatAndTellsOnlyTheUsersChoice) {
    LayoutModePicker picker;
    std::vector<LayoutMode> chosen;
    picker.onChoose = [&](LayoutMode mode) { chosen.push_back(mode); };
    picker.setMode(LayoutMode::stack);
    EXPECT_EQ(picker.mode(), LayoutMode::stack);
    EXPECT_EQ(picker.segment(LayoutMode::bsp)->toolTip(), "Tile: windows sit side by side");
    QTest::mouseClick(picker.segment(LayoutMode::float_), Qt::LeftButton);
    EXPECT_EQ(chosen, std::vector<LayoutMode>{LayoutMode::float_});
    EXPECT_EQ(picker.accessibleName(), "Layout");
}

} // namespace
} // namespace quillmere
