#include "widgets/ChordCaps.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace quillmere {
namespace {

TEST(ChordCaps, ShowModifiersInFixedOrderThenTheKeyAndRawTextDimmed) {
    struct Case {
        std::string chord;
        std::vector<Cap> caps;
    };
    for (const Case& c : std::vector<Case>{
             {"cmd-ctrl-h", {{"⌃", false}, {"⌘", false}, {"H", false}}},
             {"left", {{"←", false}}},
             {"hyper-h", {{"hyper-h", true}}},
         })
        EXPECT_EQ(chordCaps(c.chord), c.caps) << c.chord;
    EXPECT_EQ(prefixCaps(std::nullopt), (std::vector<Cap>{{"Mixed", true}}));
    EXPECT_EQ(prefixCaps(KeyChord::Modifiers{KeyChord::Modifier::shift, KeyChord::Modifier::alt}),
              (std::vector<Cap>{{"⌥", false}, {"⇧", false}}));
}

} // namespace
} // namespace quillmere
