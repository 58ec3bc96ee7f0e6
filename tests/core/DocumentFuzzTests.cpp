#include "core/Profile.h"
#include "core/Session.h"
#include "core/Settings.h"
#include "core/SettingsCoding.h"
#include "support/TextDamage.h"

#include <gtest/gtest.h>
#include <string>

namespace quillmere {
namespace {

const char* const profileText = R"({"name": "Work\/Play", "display": "A + B", "autoApply": false,
    "spansDisplays": true, "icon": "folder", "hideUnlisted": true,
    "displays": [{"identity": {"name": "Studio", "vendor": 1552, "model": 44, "serial": 9, "builtIn": false},
                  "frame": [[0, 0], [2560, 1440]], "desktops": 3}],
    "open": {"com.a": ["https://example.com", "~/notes.txt"]},
    "spaces": [{"space": 2, "mode": "stack", "display": "1552-44-9",
                "tree": {"axis": "horizontal", "ratio": 0.6666666666666666,
                         "first": ["com.a#0"],
                         "second": {"axis": "vertical", "ratio": 0.3, "first": [], "second": ["com.b#1", "com.a#1"]}},
                "floating": ["com.c#0"], "others": ["com.d#4"]}]})";

const char* const sessionText = R"({"boot": 1700000000, "windowServer": 381, "spaces": [{"id": 5,
    "layout": {"space": 1, "mode": "bsp", "tree": {"axis": "vertical", "ratio": 0.5, "first": ["a.app#0"],
    "second": ["b.app#1"]}, "floating": ["a.app#1"]}, "windows": ["a.app#0", 101, "b.app#1", 102, "a.app#1", 103],
    "configuredMode": "stack"}]})";

// Damages a document a few bytes at a time, mostly with the characters JSON is made of: whatever reads must
// write again and read back the same, and nothing may crash.
class DocumentFuzzTest : public testing::Test {
  protected:
    TextDamage damage{20261210};

    std::string damaged(std::string text) {
        return damage.damaged(std::move(text), "{}[]\",:0123456789.-+eE tfnul\\/#", 4, 8, 5);
    }

    template <class Decode, class Encode>
    int survive(const std::string& original, Decode decode, Encode encode) {
        int accepted = 0;
        for (int round = 0; round < 4000; ++round) {
            const std::string text = damaged(original);
            const auto read = decode(text);
            if (!read.ok())
                continue;
            ++accepted;
            const auto written = encode(read.value());
            if (!written.ok())
                continue;
            const auto again = decode(written.value());
            EXPECT_TRUE(again.ok()) << text << "\n" << written.value();
            if (again.ok()) {
                EXPECT_EQ(encode(again.value()).value(), written.value()) << text;
            }
        }
        return accepted;
    }
};

TEST_F(DocumentFuzzTest, DamagedConfigurationFilesNeverCrash) {
    const std::string original = encodeSettings(Settings::default_()).value();
    EXPECT_GT(survive(original, decodeSettings, encodeSettings), 0);
}

TEST_F(DocumentFuzzTest, DamagedProfilesNeverCrash) {
    ASSERT_TRUE(decodeProfile(profileText).ok());
    EXPECT_GT(survive(profileText, decodeProfile, encodeProfile), 0);
}

TEST_F(DocumentFuzzTest, DamagedSessionsNeverCrash) {
    ASSERT_TRUE(decodeSession(sessionText).ok()) << decodeSession(sessionText).error().text();
    EXPECT_GT(survive(sessionText, decodeSession, encodeSession), 0);
}

} // namespace
} // namespace quillmere
