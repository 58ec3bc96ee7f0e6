#include "platform/x11/DisplayIdentity.h"
#include "support/Printers.h"

#include <gtest/gtest.h>
#include <vector>

namespace quillmere {
namespace {

// A base EDID block of the given manufacturer ("DEL" packs as 0x10AC), product and serial.
std::vector<std::uint8_t> edid(std::uint16_t vendor, std::uint16_t product, std::uint32_t serial) {
    std::vector<std::uint8_t> block(128, 0);
    const std::uint8_t header[] = {0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00};
    std::copy(std::begin(header), std::end(header), block.begin());
    block[8] = vendor >> 8;
    block[9] = vendor & 0xFF;
    block[10] = product & 0xFF;
    block[11] = product >> 8;
    for (int byte = 0; byte < 4; ++byte)
        block[12 + byte] = (serial >> (8 * byte)) & 0xFF;
    return block;
}

TEST(DisplayIdentityTests, ReadsVendorProductAndSerialFromTheEdid) {
    const auto decoded = DisplayIdentity::decodeEdid(edid(0x10AC, 0xA0C4, 0x4C4B3130));
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->vendor, 0x10ACu);
    EXPECT_EQ(decoded->model, 0xA0C4u);
    EXPECT_EQ(decoded->serial, 0x4C4B3130u);

    auto broken = edid(0x10AC, 1, 2);
    broken[0] = 0x01;
    EXPECT_FALSE(DisplayIdentity::decodeEdid(broken));
    auto shortened = edid(0x10AC, 1, 2);
    shortened.resize(100);
    EXPECT_FALSE(DisplayIdentity::decodeEdid(shortened));
}

TEST(DisplayIdentityTests, TheSameMonitorKeepsItsIdentityAndDifferentOnesDiffer) {
    const Size size{1920, 1080};
    const auto panel = DisplayIdentity::of("eDP-1", edid(0x30E4, 0x0412, 0), size);
    EXPECT_TRUE(panel.hardware.builtIn);
    EXPECT_EQ(panel.hardware.vendor, 0x30E4u);
    // Plugged into another port, an external monitor is still the same monitor.
    EXPECT_EQ(DisplayIdentity::of("HDMI-1", edid(0x10AC, 7, 99), size).uuid(),
              DisplayIdentity::of("DP-2", edid(0x10AC, 7, 99), size).uuid());
    EXPECT_NE(DisplayIdentity::of("HDMI-1", edid(0x10AC, 7, 99), size).uuid(),
              DisplayIdentity::of("HDMI-1", edid(0x10AC, 7, 98), size).uuid());
    EXPECT_FALSE(DisplayIdentity::of("HDMI-1", edid(0x10AC, 7, 99), size).hardware.builtIn);
    EXPECT_TRUE(DisplayIdentity::of("LVDS1", {}, size).hardware.builtIn);

    // Without an EDID the connector and the size stand in.
    const auto virtual1 = DisplayIdentity::of("Virtual-1", {}, size);
    EXPECT_EQ(virtual1, DisplayIdentity::of("Virtual-1", {}, size));
    EXPECT_NE(virtual1.uuid(), DisplayIdentity::of("Virtual-2", {}, size).uuid());
    EXPECT_NE(virtual1.uuid(), DisplayIdentity::of("Virtual-1", {}, Size{1280, 800}).uuid());
    EXPECT_EQ(virtual1.uuid().size(), 36u);
}

TEST(DisplayAreaTests, TheVisibleFrameLeavesOutTheReservedStripInScreenCoordinates) {
    const Rect main(0, 0, 1280, 800);
    const Rect right(1280, 0, 1920, 1080);
    // A panel of 30 pixels along the top of the main monitor.
    const Rect workArea(0, 30, 3200, 770);
    EXPECT_EQ(visibleArea(main, workArea), Rect(0, 30, 1280, 770));
    EXPECT_EQ(visibleArea(right, workArea), Rect(1280, 30, 1920, 770));
    EXPECT_EQ(visibleArea(main, std::nullopt), main);
    EXPECT_EQ(visibleArea(main, Rect(2000, 0, 100, 100)), main);

    // Screens count upward from the bottom of the main one.
    EXPECT_EQ(screenFrame(main, 800), Rect(0, 0, 1280, 800));
    EXPECT_EQ(screenFrame(Rect(0, 30, 1280, 770), 800), Rect(0, 0, 1280, 770));
    EXPECT_EQ(screenFrame(right, 800), Rect(1280, -280, 1920, 1080));
}

} // namespace
} // namespace quillmere
