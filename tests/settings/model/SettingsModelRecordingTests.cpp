#include "support/SettingsModelFixture.h"

namespace quillmere {
namespace {

using Type = LocalKeyEvent::Type;
using Target = SettingsModel::RecordTarget;

constexpr EventFlags ctrl = 0x40000;
constexpr EventFlags alt = 0x80000;
constexpr EventFlags shift = 0x20000;
constexpr EventFlags cmd = 0x100000;
constexpr std::uint16_t h = 4;
constexpr std::uint16_t j = 38;
constexpr std::uint16_t l = 37;
constexpr std::uint16_t q = 12;
constexpr std::uint16_t escape = 53;

LocalKeyEvent press(std::uint16_t key, EventFlags flags = 0) { return {Type::keyDown, key, flags}; }
LocalKeyEvent hold(EventFlags flags) { return {Type::flagsChanged, 0, flags}; }

struct Recording {
    std::string name;
    Target target;
    std::vector<LocalKeyEvent> events;
    // Changes to the starting bindings: a chord to its command, or to none when it goes.
    std::map<std::string, std::optional<std::string>> changes;
    std::optional<std::string> notice;
    // Empty when nothing was saved.
    std::string undoName;
    bool stillRecording = false;
};

class Recordings : public SettingsModelTest, public testing::WithParamInterface<Recording> {};

TEST_P(Recordings, bindWhatThePressesSay) {
    model->setNotice("an old notice");
    model->record(GetParam().target);
    EXPECT_EQ(model->notice(), std::nullopt);
    EXPECT_TRUE(managed.desktop.registeredHotKeys().empty()) << "no hot key fires while recording";
    for (const LocalKeyEvent& event : GetParam().events)
        EXPECT_TRUE(event.type == Type::keyDown ? keyMonitors.press(event.keyCode, event.flags)
                                                : keyMonitors.holdModifiers(event.flags))
            << "the application swallows the key";

    Settings::KeyMap expected = startingKeys();
    for (const auto& [chord, command] : GetParam().changes)
        if (command)
            expected.insert_or_assign(chord, *command);
        else
            expected.erase(chord);
    EXPECT_EQ(model->settings().keys, expected);
    EXPECT_EQ(Settings(config.settings()).keys, expected);
    EXPECT_EQ(model->notice(), GetParam().notice);
    EXPECT_EQ(model->undo().undoActionName(), GetParam().undoName);
    EXPECT_EQ(model->recording().has_value(), GetParam().stillRecording);
    EXPECT_EQ(keyMonitors.installed(), GetParam().stillRecording ? 1u : 0u);
    EXPECT_EQ(managed.desktop.registeredHotKeys().size(), GetParam().stillRecording ? 0u : expected.size());
}

const std::string placeLeft = "“Left ½ → ⅔ → ⅓”";

INSTANTIATE_TEST_SUITE_P(
    SettingsModel, Recordings,
    testing::Values(
        Recording{"aTakenChordMoves",
                  SettingsModel::RecordAdd{"focus west"},
                  {hold(ctrl), hold(ctrl | alt), press(h, ctrl | alt)},
                  {{"ctrl-alt-h", "focus west"}},
                  "⌃⌥H was " + placeLeft + ", which keeps ⌃⌥←.",
                  "Record Shortcut"},
        Recording{"aTakenChordLeavesItsCommandWithout",
                  SettingsModel::RecordChord{"alt-h"},
                  {press(l, ctrl | alt)},
                  {{"alt-h", std::nullopt}, {"ctrl-alt-l", "focus west"}},
                  "⌃⌥L was “Right ½ → ⅔ → ⅓”, which now has no shortcut.",
                  "Record Shortcut"},
        Recording{"theSameChordChangesNothing", SettingsModel::RecordChord{"alt-h"}, {press(h, alt)}, {}, {}, ""},
        Recording{"aKeyAloneEndsSilently", SettingsModel::RecordAdd{"focus west"}, {press(h)}, {}, {}, ""},
        Recording{"escapeAloneEndsSilently", SettingsModel::RecordAdd{"focus west"}, {press(escape)}, {}, {}, ""},
        Recording{"anUnknownKeyEndsSilently", SettingsModel::RecordAdd{"focus west"}, {press(122, ctrl)}, {}, {}, ""},
        Recording{"controlEscapeIsAChord",
                  SettingsModel::RecordAdd{"focus west"},
                  {press(escape, ctrl)},
                  {{"ctrl-escape", "focus west"}},
                  {},
                  "Record Shortcut"},
        Recording{"commandQStaysWithMacOS",
                  SettingsModel::RecordAdd{"focus west"},
                  {press(q, cmd)},
                  {},
                  "⌘Q stays with macOS: ⌘Q quits the app in front. Choose another shortcut.",
                  ""},
        Recording{"modifierChangesGoOn", SettingsModel::RecordAdd{"focus west"}, {hold(ctrl), hold(0)}, {}, {}, "",
                  true},
        Recording{"aPrefixIsEveryModifierHeldUntilNoneIs",
                  SettingsModel::RecordPrefix{{"focus west", "focus south"}},
                  {hold(ctrl), hold(ctrl | alt), hold(alt), hold(0)},
                  {{"alt-h", std::nullopt},
                   {"alt-j", std::nullopt},
                   {"ctrl-alt-h", "focus west"},
                   {"ctrl-alt-j", "focus south"}},
                  "⌃⌥H was " + placeLeft + ", which keeps ⌃⌥←.",
                  "Change Prefix"},
        Recording{"aPrefixByKeyTakesThatEventsModifiers",
                  SettingsModel::RecordPrefix{{"focus west", "focus south"}},
                  {hold(ctrl), hold(ctrl | shift | alt), press(j, ctrl | shift)},
                  {{"alt-h", std::nullopt},
                   {"alt-j", std::nullopt},
                   {"ctrl-shift-h", "focus west"},
                   {"ctrl-shift-j", "focus south"}},
                  {},
                  "Change Prefix"},
        Recording{"aReleaseBeforeAnyModifierGoesOn", SettingsModel::RecordPrefix{{"focus west"}}, {hold(0)}, {}, {},
                  "", true}),
    [](const testing::TestParamInfo<Recording>& info) { return info.param.name; });

TEST_F(SettingsModelTest, aNewRecordingEndsTheRunningOne) {
    model->record(SettingsModel::RecordAdd{"focus west"});
    model->record(SettingsModel::RecordChord{"alt-h"});
    EXPECT_EQ(keyMonitors.installations(), 2u);
    EXPECT_EQ(keyMonitors.installed(), 1u);
    EXPECT_TRUE(managed.desktop.registeredHotKeys().empty());
    EXPECT_EQ(model->recording(), Target(SettingsModel::RecordChord{"alt-h"}));

    model->stopRecording();
    EXPECT_EQ(keyMonitors.installed(), 0u);
    EXPECT_EQ(managed.desktop.registeredHotKeys().size(), startingKeys().size());

    hotkeys.unregisterAll();
    model->stopRecording();
    EXPECT_TRUE(managed.desktop.registeredHotKeys().empty()) << "without a recording the hot keys are left alone";
}

TEST_F(SettingsModelTest, answersTheChordControlsAndTellsThemOfTheRecordingAndTheBindingsOnly) {
    ChordBindings& bindings = *model;
    int told = 0;
    const ChordBindings::ObserverId observer = bindings.observeBindings([&told] { ++told; });

    model->setTab("Rules");
    model->setNotice("a notice");
    EXPECT_EQ(told, 0) << "other properties are none of theirs";
    bindings.record(SettingsModel::RecordAdd{"focus west"});
    EXPECT_EQ(told, 1);
    bindings.stopRecording();
    EXPECT_EQ(told, 2);

    later();
    edit([](Settings& settings) { settings.keys.insert_or_assign("opt-h", "focus east"); });
    EXPECT_GT(told, 2) << "the bindings and their registrations changed";
    EXPECT_EQ(bindings.registrationProblem("opt-h"), "Same keys as “alt-h”");
    EXPECT_EQ(bindings.registrationProblem("alt-h"), std::nullopt);
    EXPECT_EQ(bindings.registrationProblem("ctrl-alt-q"), std::nullopt) << "not bound";

    bindings.stopObservingBindings(observer);
    const int toldBefore = told;
    later();
    bindings.remove("opt-h");
    EXPECT_EQ(told, toldBefore);
    EXPECT_EQ(bindings.registrationProblem("opt-h"), std::nullopt);
}

TEST_F(SettingsModelTest, anUndoWhileRecordingEndsTheRecordingBeforeTheHotKeysReturn) {
    edit([](Settings& settings) { settings.gap = 4; });
    later();
    model->record(SettingsModel::RecordAdd{"focus west"});
    model->undo().undo();
    EXPECT_EQ(model->recording(), std::nullopt);
    EXPECT_EQ(keyMonitors.installed(), 0u);
    EXPECT_FALSE(keyMonitors.press(h, alt)) << "the key reaches the application again";
    managed.desktop.pressKey(h, carbonFlag(KeyChord::Modifier::alt));
    managed.settle();
    EXPECT_EQ(fired.size(), 1u) << "the hot key works again";
}

TEST_F(SettingsModelTest, refusesAPrefixThatWouldMakeAReservedChord) {
    edit([](Settings& settings) { settings.keys.insert_or_assign("alt-left", "focus west"); });
    const Settings::KeyMap before = model->settings().keys;
    later();
    model->setModifiers({KeyChord::Modifier::ctrl}, {"focus west"});
    EXPECT_EQ(model->settings().keys, before);
    EXPECT_EQ(model->notice(), "⌃← stays with macOS: ⌃← and ⌃→ move between Spaces in macOS, and Quillmere uses "
                               "them itself when instant switching fails. Choose other modifiers.");
    EXPECT_EQ(model->undo().undoActionName(), "Change Setting");
}

TEST_F(SettingsModelTest, aPrefixCollisionReportsTheLoss) {
    edit([](Settings& settings) { settings.keys = {{"alt-h", "focus west"}, {"cmd-h", "focus east"}}; });
    model->setModifiers({KeyChord::Modifier::alt}, {"focus west", "focus east"});
    EXPECT_EQ(model->settings().keys, (Settings::KeyMap{{"alt-h", "focus east"}}));
    EXPECT_EQ(model->notice(), "⌥H was “Focus the window on the left”, which now has no shortcut.");
}

TEST_F(SettingsModelTest, readsTheChordsOfCommands) {
    using Modifiers = std::optional<KeyChord::Modifiers>;
    EXPECT_EQ(model->chords("place left"), (std::vector<std::string>{"ctrl-alt-h", "ctrl-alt-left"}));
    EXPECT_EQ(model->sharedModifiers({"place left", "place right"}),
              Modifiers({KeyChord::Modifier::ctrl, KeyChord::Modifier::alt}));
    EXPECT_EQ(model->sharedModifiers({"place left", "focus west"}), std::nullopt);
    EXPECT_EQ(model->sharedModifiers({"zoom"}), std::nullopt);

    model->restoreDefaultKeys({"focus west", "place left"});
    EXPECT_EQ(model->changedCount({"focus west", "place left", "place right", "zoom", "zoom"}), 2)
        << "only zoom, listed twice, lost its built-in chords";
    EXPECT_EQ(model->undo().undoActionName(), "Restore Default Shortcuts");
    const auto& defaults = Settings::default_().keys;
    for (const auto& [chord, command] : defaults)
        if (command == "place left" || command == "focus west") {
            EXPECT_EQ(model->settings().keys.at(chord), command);
        }
}

TEST_F(SettingsModelTest, movesAndRemovesBindings) {
    model->rename("ctrl-alt-l", "ctrl-alt-l");
    model->rename("cmd-9", "ctrl-alt-9");
    EXPECT_FALSE(model->undo().canUndo());
    model->rename("ctrl-alt-l", "alt-h");
    EXPECT_EQ(model->settings().keys.at("alt-h"), "place right");
    EXPECT_FALSE(model->settings().keys.contains("ctrl-alt-l"));
    later();
    model->remove("alt-h");
    EXPECT_FALSE(model->settings().keys.contains("alt-h"));
    EXPECT_EQ(model->undo().undoActionName(), "Remove Shortcut");
}

TEST_F(SettingsModelTest, explainsAPresetInTheNotice) {
    KeyPreset plain{.id = "plain", .name = "Plain"};
    model->apply(plain);
    EXPECT_EQ(model->notice(), "Using Plain's shortcuts.");
    EXPECT_EQ(model->settings().keys, Settings::default_().keys);
    EXPECT_EQ(model->undo().undoActionName(), "Use Plain Shortcuts");

    KeyPreset taking{.id = "taking",
                     .name = "Taking",
                     .keys = {{"ctrl-alt-h", "focus west"}},
                     .unmatched = {"Almost maximize", "Todo mode"},
                     .fallbacks = {{"ctrl-alt-9", "place left"}}};
    later();
    model->apply(taking);
    EXPECT_EQ(model->notice(), "Using Taking's shortcuts. Not in Quillmere: Almost maximize, Todo mode. Moved to "
                               "make room: place left to ⌃⌥9.");

    KeyPreset displacing{.id = "displacing", .name = "Displacing", .keys = {{"ctrl-alt-h", "focus west"}}};
    later();
    model->apply(displacing);
    EXPECT_EQ(model->notice(), "Using Displacing's shortcuts. Now without a shortcut: place left.");
}

} // namespace
} // namespace quillmere
