#include "platform/ManualMainQueue.h"
#include "platform/UndoManager.h"

#include <gtest/gtest.h>
#include <sstream>

namespace quillmere {
namespace {

using namespace std::chrono_literals;

// A value whose every change is undoable the way the settings model does it: the undo sets the old value
// through the same operation, which registers the opposite step.
struct Document {
    explicit Document(UndoManager& undo) : undo(undo) {}

    void set(int newValue, const std::string& name) {
        const int old = value;
        value = newValue;
        undo.registerUndo(this, [this, old, name] { set(old, name); });
        undo.setActionName(name);
    }

    UndoManager& undo;
    int value = 0;
};

struct Sequence {
    // Words: "a<n>" sets n under the name "A", "b<n>" under "B", "|" ends the turn of the queue, "u" undoes,
    // "r" redoes, "off" and "on" switch registration.
    std::string steps;
    int value;
    std::string undoName;
    std::string redoName;
};

class UndoSequences : public testing::TestWithParam<Sequence> {};

TEST_P(UndoSequences, leaveTheValueAndTheNamesOffered) {
    ManualMainQueue queue;
    UndoManager undo(queue);
    Document document(undo);
    std::istringstream words(GetParam().steps);
    for (std::string word; words >> word;) {
        if (word == "|")
            queue.advance(0ms);
        else if (word == "u")
            undo.undo();
        else if (word == "r")
            undo.redo();
        else if (word == "off")
            undo.disableUndoRegistration();
        else if (word == "on")
            undo.enableUndoRegistration();
        else
            document.set(std::stoi(word.substr(1)), word[0] == 'a' ? "A" : "B");
    }
    EXPECT_EQ(document.value, GetParam().value);
    EXPECT_EQ(undo.canUndo(), !GetParam().undoName.empty());
    EXPECT_EQ(undo.canRedo(), !GetParam().redoName.empty());
    EXPECT_EQ(undo.undoActionName(), GetParam().undoName);
    EXPECT_EQ(undo.redoActionName(), GetParam().redoName);
}

INSTANTIATE_TEST_SUITE_P(
    UndoManager, UndoSequences,
    testing::Values(Sequence{"", 0, "", ""}, Sequence{"a1", 1, "A", ""}, Sequence{"a1 | u", 0, "", "A"},
                    Sequence{"a1 | u r", 1, "A", ""}, Sequence{"a1 | u r u", 0, "", "A"},
                    // Two turns are two steps, undone newest first.
                    Sequence{"a1 | b2 | u", 1, "A", "B"}, Sequence{"a1 | b2 | u u", 0, "", "A"},
                    Sequence{"a1 | b2 | u u r", 1, "A", "B"},
                    // One turn is one step, named by its last name; its reverse by the last name its
                    // undo gave.
                    Sequence{"a1 b2", 2, "B", ""}, Sequence{"a1 b2 | u", 0, "", "A"},
                    Sequence{"a1 b2 u", 0, "", "A"},
                    // A new change forgets what could be redone.
                    Sequence{"a1 | u a5", 5, "A", ""}, Sequence{"a1 | b2 | u u r | a7 | u", 1, "A", "A"},
                    // While registration is off nothing is recorded, at any depth.
                    Sequence{"off a1 on", 1, "", ""}, Sequence{"off off a1 on a2 on", 2, "", ""},
                    Sequence{"a1 | off a2 on u", 0, "", "A"}, Sequence{"u r", 0, "", ""}));

TEST(UndoManager, takesAwayTheActionsOfATargetAndTellsObservers) {
    ManualMainQueue queue;
    UndoManager undo(queue);
    Document first(undo);
    Document second(undo);
    int told = 0;
    const auto token = undo.addObserver([&told] { ++told; });
    first.set(1, "A");
    queue.advance(0ms);
    second.set(2, "B");
    queue.advance(0ms);
    first.set(3, "A");
    EXPECT_GT(told, 0);

    undo.removeAllActions(&first);
    EXPECT_EQ(undo.undoActionName(), "B");
    undo.undo();
    EXPECT_EQ(second.value, 0);
    EXPECT_EQ(first.value, 3);
    EXPECT_FALSE(undo.canUndo());

    undo.removeObserver(token);
    const int before = told;
    undo.redo();
    EXPECT_EQ(told, before);
    EXPECT_EQ(second.value, 2);
}

} // namespace
} // namespace quillmere
