#include "platform/UndoManager.h"

#include <algorithm>
#include <chrono>
#include <ranges>

namespace quillmere {

UndoManager::UndoManager(MainQueue& queue) : queue_(queue) {}

UndoManager::~UndoManager() = default;

void UndoManager::registerUndo(Target target, Handler handler) {
    if (!isUndoRegistrationEnabled())
        return;
    if (reverse_) {
        reverse_->actions.push_back({target, std::move(handler)});
    } else {
        if (!turn_) {
            turn_.emplace();
            turnEnd_.schedule(std::chrono::milliseconds(0), [this] { closeTurn(); });
        }
        turn_->actions.push_back({target, std::move(handler)});
        redoStack_.clear();
    }
    changed();
}

void UndoManager::setActionName(const std::string& name) {
    if (!isUndoRegistrationEnabled())
        return;
    if (reverse_)
        reverse_->name = name;
    else if (turn_)
        turn_->name = name;
    else
        return;
    changed();
}

void UndoManager::disableUndoRegistration() { ++disabled_; }

void UndoManager::enableUndoRegistration() {
    if (disabled_ > 0)
        --disabled_;
}

bool UndoManager::canUndo() const { return turn_ || !undoStack_.empty(); }

std::string UndoManager::undoActionName() const {
    if (turn_)
        return turn_->name;
    return undoStack_.empty() ? std::string() : undoStack_.back().name;
}

std::string UndoManager::redoActionName() const {
    return redoStack_.empty() ? std::string() : redoStack_.back().name;
}

void UndoManager::undo() {
    if (running_ != Running::none)
        return;
    closeTurn();
    run(undoStack_, redoStack_, Running::undo);
}

void UndoManager::redo() {
    if (running_ != Running::none)
        return;
    closeTurn();
    run(redoStack_, undoStack_, Running::redo);
}

void UndoManager::run(std::vector<Step>& from, std::vector<Step>& to, Running running) {
    if (from.empty())
        return;
    Step step = std::move(from.back());
    from.pop_back();
    reverse_ = Step{step.name, {}};
    running_ = running;
    for (Action& action : step.actions | std::views::reverse)
        action.handler();
    running_ = Running::none;
    if (!reverse_->actions.empty())
        to.push_back(std::move(*reverse_));
    reverse_.reset();
    changed();
}

void UndoManager::removeAllActions(Target target) {
    const auto prune = [target](Step& step) {
        std::erase_if(step.actions, [target](const Action& action) { return action.target == target; });
        return step.actions.empty();
    };
    std::erase_if(undoStack_, prune);
    std::erase_if(redoStack_, prune);
    if (turn_ && prune(*turn_)) {
        turn_.reset();
        turnEnd_.cancel();
    }
    changed();
}

UndoManager::ObserverToken UndoManager::addObserver(std::function<void()> observer) {
    const std::uint64_t token = nextObserver_++;
    observers_.emplace(token, std::move(observer));
    return {token};
}

void UndoManager::removeObserver(ObserverToken token) { observers_.erase(token.value); }

void UndoManager::closeTurn() {
    turnEnd_.cancel();
    if (!turn_)
        return;
    undoStack_.push_back(std::move(*turn_));
    turn_.reset();
    changed();
}

void UndoManager::changed() {
    // An observer may remove itself or another one.
    const auto observers = observers_;
    for (const auto& [token, observer] : observers)
        observer();
}

} // namespace quillmere
