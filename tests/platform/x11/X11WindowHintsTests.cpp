#include "platform/x11/X11WindowHints.h"

#include <gtest/gtest.h>

namespace quillmere {
namespace {

TEST(FrameExtentsTests, TheOuterFrameAndTheClientAreEachOthersInverse) {
    const FrameExtents extents = FrameExtents::decode(std::vector<std::uint32_t>{4, 6, 24, 8});
    EXPECT_EQ(extents, (FrameExtents{4, 6, 24, 8}));
    const Rect client(104, 124, 400, 300);
    EXPECT_EQ(extents.outer(client), Rect(100, 100, 410, 332));
    EXPECT_EQ(extents.client(Rect(100, 100, 410, 332)), client);
    EXPECT_EQ(extents.outer(Size{400, 300}), (Size{410, 332}));
    // A window without a frame (or a short property) is its own outer frame.
    EXPECT_EQ(FrameExtents::decode(std::vector<std::uint32_t>{4, 6}).outer(client), client);
}

TEST(SizeHintsTests, DecodesMinimumMaximumAndTheBaseSizeStandingInForAMissingMinimum) {
    constexpr std::uint32_t minimum = 1u << 4, maximum = 1u << 5, base = 1u << 8;
    struct Case {
        std::vector<std::uint32_t> items;
        SizeHints hints;
        bool fixed;
    };
    const Case cases[] = {
        {{minimum, 0, 0, 0, 0, 200, 100, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
         {Size{200, 100}, std::nullopt},
         false},
        {{minimum | maximum, 0, 0, 0, 0, 300, 200, 300, 200, 0, 0, 0, 0, 0, 0, 0, 0, 0},
         {Size{300, 200}, Size{300, 200}},
         true},
        {{minimum | maximum, 0, 0, 0, 0, 300, 200, 900, 700, 0, 0, 0, 0, 0, 0, 0, 0, 0},
         {Size{300, 200}, Size{900, 700}},
         false},
        // A terminal: no minimum, a base size and cell increments.
        {{base, 0, 0, 0, 0, 0, 0, 0, 0, 6, 13, 0, 0, 0, 0, 4, 4, 0}, {Size{4, 4}, std::nullopt}, false},
        // Sizes present but not flagged are not asked for.
        {{0, 0, 0, 0, 0, 300, 200, 300, 200, 0, 0, 0, 0, 0, 0, 0, 0, 0}, {}, false},
        // Too short to hold sizes at all.
        {{minimum, 0, 0, 0}, {}, false},
    };
    for (const Case& each : cases) {
        const SizeHints decoded = SizeHints::decode(each.items);
        EXPECT_EQ(decoded, each.hints) << "flags " << each.items.front();
        EXPECT_EQ(decoded.fixed(), each.fixed) << "flags " << each.items.front();
    }
}

TEST(WindowKindTests, OnlyNormalOrUntypedWindowsThatAreNotTransientAreStandard) {
    constexpr XAtom normal = 300, dialog = 301, utility = 302;
    struct Case {
        WindowKind kind;
        bool standard;
    };
    const Case cases[] = {
        {{{}, false, false}, true},
        {{{normal}, false, false}, true},
        {{{dialog, normal}, false, false}, false},
        {{{utility}, false, false}, false},
        {{{normal}, true, false}, false},
        {{{}, true, false}, false},
        {{{normal}, false, true}, false},
    };
    for (std::size_t index = 0; index < std::size(cases); ++index)
        EXPECT_EQ(cases[index].kind.standard(normal), cases[index].standard) << "case " << index;
}

} // namespace
} // namespace quillmere
