#pragma once

#include "platform/HeldWork.h"
#include "platform/MainQueue.h"

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace quillmere {

// The application's undo stack. An undo step is every action registered during one turn of the main queue,
// named by the last action name set during that turn. Undoing a step runs its actions, newest first; what
// they register meanwhile becomes the redo step, and what a redo registers becomes the undo step again.
// Any other registration empties the redo stack. Registration can be switched off, nestedly: while it is
// off, registrations and action names are dropped. Main thread only.
class UndoManager {
  public:
    // Whose action it is, so that a going object can take its actions away; never dereferenced.
    using Target = const void*;
    using Handler = std::function<void()>;

    struct ObserverToken {
        std::uint64_t value = 0;
    };

    // The queue must outlive the manager.
    explicit UndoManager(MainQueue& queue);
    ~UndoManager();
    UndoManager(const UndoManager&) = delete;
    UndoManager& operator=(const UndoManager&) = delete;

    void registerUndo(Target target, Handler handler);
    // Names the step being built; nothing when none is.
    void setActionName(const std::string& name);

    void disableUndoRegistration();
    void enableUndoRegistration();
    bool isUndoRegistrationEnabled() const { return disabled_ == 0; }

    bool canUndo() const;
    bool canRedo() const { return !redoStack_.empty(); }
    // Empty when there is nothing to undo or the step has no name.
    std::string undoActionName() const;
    std::string redoActionName() const;
    bool isUndoing() const { return running_ == Running::undo; }
    bool isRedoing() const { return running_ == Running::redo; }

    // Nothing when there is nothing to undo, or while an undo or redo runs.
    void undo();
    void redo();

    void removeAllActions(Target target);

    // Told after every change of what can be undone or redone and of their names.
    ObserverToken addObserver(std::function<void()> observer);
    void removeObserver(ObserverToken token);

  private:
    struct Action {
        Target target;
        Handler handler;
    };
    struct Step {
        std::string name;
        std::vector<Action> actions;
    };
    enum class Running { none, undo, redo };

    void run(std::vector<Step>& from, std::vector<Step>& to, Running running);
    // The step of this turn joins the undo stack.
    void closeTurn();
    void changed();

    MainQueue& queue_;
    std::vector<Step> undoStack_;
    std::vector<Step> redoStack_;
    // The step this turn of the queue is building, with the task that files it at the turn's end.
    std::optional<Step> turn_;
    HeldWork turnEnd_{queue_};
    // The step an undo or redo is building.
    std::optional<Step> reverse_;
    Running running_ = Running::none;
    int disabled_ = 0;
    std::map<std::uint64_t, std::function<void()>> observers_;
    std::uint64_t nextObserver_ = 1;
};

} // namespace quillmere
