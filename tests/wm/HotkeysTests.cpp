#include "core/KeyChord.h"
#include "core/Settings.h"
#include "platform/ManualMainQueue.h"
#include "platform/sim/SimulatedDesktop.h"
#include "support/Printers.h"
#include "wm/Hotkeys.h"

#include <chrono>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace quillmere {
namespace {

using namespace std::chrono_literals;
using testing::ElementsAre;
using testing::IsEmpty;

// The keys a chord text stands for, as the system tells hot keys apart.
sim::HotKeyChord keysOf(std::string_view chordText) {
    const KeyChord chord = *KeyChord::parse(chordText);
    return {*chord.keyCode(), chord.carbonModifiers()};
}

Settings withKeys(Settings::KeyMap keys) {
    Settings settings;
    settings.keys = std::move(keys);
    return settings;
}

// Hot keys on the simulated desktop, with a handler that notes each command and, like the application,
// pauses or resumes and rebinds on the pause command.
class HotkeysTest : public testing::Test {
  protected:
    // As the user would: the chord's keys down together, then whatever the main queue delivers.
    void press(std::string_view chordText) {
        const sim::HotKeyChord keys = keysOf(chordText);
        desktop.pressKey(keys.keyCode, keys.modifiers);
        queue.advance(0s);
    }

    // The commands each chord runs, pressed one after the other.
    std::vector<std::string> pressEach(const std::vector<std::string>& chords) {
        ran.clear();
        for (const std::string& chord : chords)
            press(chord);
        return ran;
    }

    // Notes the command last, so that it must still be whole after the rebind.
    void run(const Command& command) {
        if (std::holds_alternative<Command::TogglePause>(command.value)) {
            hotkeys.paused = !hotkeys.paused;
            hotkeys.rebind(hotkeys.current());
        }
        ran.push_back(command.text());
    }

    ManualMainQueue queue;
    SimulatedDesktop desktop{queue};
    std::vector<std::string> ran;
    Hotkeys hotkeys{desktop, [this](const Command& command) { run(command); }};
};

const Settings::KeyMap everyday{
    {"alt-h", "focus west"}, {"alt-l", "focus east"}, {"alt-b", "balance"}, {"alt-p", "pause"}};
const std::vector<std::string> everydayChords{"alt-h", "alt-l", "alt-b", "alt-p"};

TEST_F(HotkeysTest, EachBindingIsRegisteredOrSaysWhyNotAndOnlyRegisteredOnesFire) {
    struct Row {
        std::string chord;
        std::string command;
        std::optional<std::string> problem;
        // What pressing the chord runs, none when nothing of ours does.
        std::optional<std::string> fires;
    };
    const std::vector<Row> rows{
        {"alt-a", "frobnicate west", "Unknown command “frobnicate west”", std::nullopt},
        {"alt-cmd-k", "balance", std::nullopt, "balance"},
        {"alt-h", "focus west", std::nullopt, "focus west"},
        {"alt-j", "focus south", "Already used by another app", std::nullopt},
        {"alt-l", "focus east", std::nullopt, "focus east"},
        {"cmd-alt-k", "focus north", "Same keys as “alt-cmd-k”", "balance"},
        {"hyper-h", "focus east", "Unknown key or modifier", std::nullopt},
        {"opt-h", "focus east", "Same keys as “alt-h”", "focus west"},
    };
    desktop.holdHotKey(keysOf("alt-j").keyCode, keysOf("alt-j").modifiers);
    Settings::KeyMap keys;
    for (const Row& row : rows)
        keys.emplace(row.chord, row.command);

    hotkeys.rebind(withKeys(keys));

    ASSERT_EQ(hotkeys.registrations().size(), rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE(rows[i].chord);
        const Hotkeys::Registration& registration = hotkeys.registrations()[i];
        EXPECT_EQ(registration.chord, rows[i].chord);
        EXPECT_EQ(registration.command,
                  KeyChord::parse(rows[i].chord) ? Command::parse(rows[i].command) : std::nullopt);
        EXPECT_EQ(registration.problem, rows[i].problem);
        if (!KeyChord::parse(rows[i].chord))
            continue;
        EXPECT_EQ(pressEach({rows[i].chord}),
                  rows[i].fires ? std::vector{*rows[i].fires} : std::vector<std::string>{});
    }
}

TEST_F(HotkeysTest, ASystemThatRefusesIsReportedWithItsStatusAndTheNextRebindTriesAgain) {
    for (const HotKeyStatus status : {-50, 0}) {
        SCOPED_TRACE(status);
        desktop.failHotKeyRegistrations(status);
        hotkeys.rebind(withKeys({{"alt-h", "focus west"}, {"alt-x", "nonsense"}}));
        EXPECT_EQ(hotkeys.registrations()[0].problem, "Couldn't register (" + std::to_string(status) + ")");
        EXPECT_EQ(hotkeys.registrations()[1].problem, "Unknown command “nonsense”");
        EXPECT_THAT(pressEach({"alt-h"}), IsEmpty());

        desktop.failHotKeyRegistrations(std::nullopt);
        hotkeys.rebind(hotkeys.current());
        EXPECT_EQ(hotkeys.registrations()[0].problem, std::nullopt);
        EXPECT_THAT(pressEach({"alt-h"}), ElementsAre("focus west"));
    }
}

TEST_F(HotkeysTest, WithShortcutsOffNothingIsRegisteredAndNothingIsAProblem) {
    Settings settings = withKeys(everyday);
    settings.shortcuts = false;

    hotkeys.rebind(settings);

    EXPECT_THAT(desktop.registeredHotKeys(), IsEmpty());
    for (const Hotkeys::Registration& registration : hotkeys.registrations()) {
        EXPECT_TRUE(registration.command) << registration.chord;
        EXPECT_EQ(registration.problem, std::nullopt) << registration.chord;
    }
    EXPECT_THAT(pressEach(everydayChords), IsEmpty());
}

TEST_F(HotkeysTest, WhilePausedOnlyThePauseKeyFiresAndResumingBringsEveryKeyBack) {
    hotkeys.paused = true;
    hotkeys.rebind(withKeys(everyday));
    EXPECT_EQ(desktop.registeredHotKeys().size(), 1u);
    for (const Hotkeys::Registration& registration : hotkeys.registrations())
        EXPECT_EQ(registration.problem, std::nullopt) << registration.chord;
    EXPECT_THAT(pressEach({"alt-h", "alt-l", "alt-b"}), IsEmpty());

    // The pause key resumes, and the handler rebinds while the press is still being handled.
    EXPECT_THAT(pressEach({"alt-p"}), ElementsAre("pause"));
    EXPECT_FALSE(hotkeys.paused);
    EXPECT_THAT(pressEach({"alt-h", "alt-l", "alt-b"}), ElementsAre("focus west", "focus east", "balance"));

    EXPECT_THAT(pressEach({"alt-p", "alt-h"}), ElementsAre("pause"));
}

TEST_F(HotkeysTest, UnregisteringKeepsTheRecordsButSilencesEveryKeyEvenOnePressedJustBefore) {
    hotkeys.rebind(withKeys(everyday));
    const std::vector<Hotkeys::Registration> before = hotkeys.registrations();
    const sim::HotKeyChord keys = keysOf("alt-h");
    desktop.pressKey(keys.keyCode, keys.modifiers);

    hotkeys.unregisterAll();

    EXPECT_THAT(pressEach(everydayChords), IsEmpty());
    EXPECT_EQ(hotkeys.registrations(), before);
    EXPECT_THAT(desktop.registeredHotKeys(), IsEmpty());
    // The keys are free again for whoever wants them.
    EXPECT_NO_THROW(desktop.holdHotKey(keys.keyCode, keys.modifiers));
}

TEST_F(HotkeysTest, AChordSortingFirstShiftsTheIdsAndEveryKeyStillRunsItsCommand) {
    hotkeys.rebind(withKeys({{"alt-h", "focus west"}, {"alt-l", "focus east"}}));
    const sim::HotKeyChord hKeys = keysOf("alt-h");
    const sim::HotKeyChord lKeys = keysOf("alt-l");
    EXPECT_THAT(desktop.registeredHotKeys(),
                ElementsAre(sim::RegisteredHotKey{hKeys, {Hotkeys::signature, 0}},
                            sim::RegisteredHotKey{lKeys, {Hotkeys::signature, 1}}));

    Settings settings = hotkeys.current();
    settings.keys.emplace("alt-a", "balance");
    hotkeys.rebind(settings);

    EXPECT_THAT(desktop.registeredHotKeys(),
                ElementsAre(testing::_, sim::RegisteredHotKey{hKeys, {Hotkeys::signature, 1}},
                            sim::RegisteredHotKey{lKeys, {Hotkeys::signature, 2}}));
    EXPECT_THAT(pressEach({"alt-l", "alt-a", "alt-h"}), ElementsAre("focus east", "balance", "focus west"));
}

TEST_F(HotkeysTest, TheDefaultBindingsAllRegister) {
    hotkeys.rebind(Settings::default_());

    EXPECT_EQ(desktop.registeredHotKeys().size(), Settings::default_().keys.size());
    for (const Hotkeys::Registration& registration : hotkeys.registrations())
        EXPECT_EQ(registration.problem, std::nullopt) << registration.chord;
}

TEST(HotkeysLifetimeTest, HotKeysGoneLeaveTheirKeysFreeAndPressesUnanswered) {
    ManualMainQueue queue;
    SimulatedDesktop desktop{queue};
    int ran = 0;
    {
        Hotkeys hotkeys{desktop, [&ran](const Command&) { ++ran; }};
        hotkeys.rebind(withKeys(everyday));
    }
    EXPECT_THAT(desktop.registeredHotKeys(), IsEmpty());
    desktop.pressKey(keysOf("alt-h").keyCode, keysOf("alt-h").modifiers);
    queue.advance(0s);
    EXPECT_EQ(ran, 0);
}

} // namespace
} // namespace quillmere
