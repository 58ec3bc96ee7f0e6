#include "system/Focus.h"

#include "system/AXUIElement.h"
#include "system/Process.h"

#include <limits>
#include <utility>

namespace quillmere {

namespace {

constexpr std::uint8_t recordSize = WindowServer::eventRecordSize;

void putWindow(Focus::EventRecord& record, WindowId window) {
    for (std::size_t i = 0; i < sizeof(WindowId); ++i)
        record[0x3C + i] = static_cast<std::uint8_t>(window >> (8 * i));
}

} // namespace

Focus::Focus(WindowServer& windowServer, Accessibility& accessibility, RunningApplications& applications,
             MainQueue& queue, std::int32_t ownPid)
    : windowServer_(windowServer), accessibility_(accessibility), applications_(applications), queue_(queue),
      ownPid_(ownPid) {}

Focus::EventRecord Focus::makeKeyRecord(WindowId window, bool second) {
    EventRecord record{};
    record[0x04] = recordSize;
    record[0x08] = second ? 0x02 : 0x01;
    for (std::size_t i = 0x20; i <= 0x2F; ++i)
        record[i] = 0xFF;
    record[0x3A] = 0x10;
    putWindow(record, window);
    return record;
}

Focus::EventRecord Focus::switchKeyRecord(WindowId window, bool gaining) {
    EventRecord record{};
    record[0x04] = recordSize;
    record[0x08] = 0x0D;
    putWindow(record, window);
    record[0x8A] = gaining ? 0x01 : 0x02;
    return record;
}

std::optional<std::int32_t> Focus::frontmostPID() {
    if (const auto front = windowServer_.frontProcess()) {
        std::int32_t pid = 0;
        if (BSPIDForProcess(windowServer_, *front, pid) == StatusCode::noError && pid > 0)
            return pid;
    }
    const auto frontmost = applications_.frontmostApplication();
    return frontmost ? std::optional(frontmost->processIdentifier) : std::nullopt;
}

void Focus::focusWithoutRaise(const AXWindow& target, const std::optional<AXWindow>& current) {
    postPendingNow();
    ProcessSerialNumber psn;
    if (BSProcessForPID(windowServer_, target.pid, psn) != StatusCode::noError)
        return;
    if (current && current->pid == target.pid) {
        switchKey(current->id, target.id, psn);
        return;
    }
    const auto focused = AXUIElementRef::value<AXElement>(
        accessibility_, accessibility_.applicationElement(target.pid), "AXFocusedWindow");
    const auto number =
        focused ? accessibility_.windowNumber(*focused) : AXResult<WindowId>(AXError::noValue);
    // The key window is switched below whether or not the application came to the front, as the system does.
    (void)windowServer_.setFrontProcess(psn, target.id, FrontProcessOptions::withoutRaising);
    if (!number || *number == 0 || *number == target.id)
        return;
    switchKey(*number, target.id, psn);
}

void Focus::bringForward(OwnWindow& window) {
    postPendingNow();
    applications_.activate(ownPid_);
    window.makeKeyAndOrderFront();
    const std::int64_t number = window.windowNumber();
    if (number < 0 || number > std::numeric_limits<WindowId>::max())
        return;
    ProcessSerialNumber psn;
    if (BSProcessForPID(windowServer_, ownPid_, psn) != StatusCode::noError)
        return;
    const auto id = static_cast<WindowId>(number);
    if (windowServer_.setFrontProcess(psn, id, FrontProcessOptions::bringForward) == StatusCode::noError)
        makeKey(id, psn);
}

void Focus::makeKey(WindowId window, const ProcessSerialNumber& psn) {
    postPendingNow();
    post(psn, makeKeyRecord(window, false));
    post(psn, makeKeyRecord(window, true));
}

void Focus::switchKey(WindowId from, WindowId to, const ProcessSerialNumber& psn) {
    postPendingNow();
    post(psn, switchKeyRecord(from, false));
    const TaskToken task = queue_.after(switchKeyPause, lifetime_.guarded([this] { postPending(); }));
    pending_ = PendingRecord{psn, to, task};
}

void Focus::post(const ProcessSerialNumber& psn, const EventRecord& record) {
    // An event the process does not take changes nothing; there is no other way to ask it.
    (void)windowServer_.postEventRecord(psn, record);
}

void Focus::postPendingNow() {
    if (!pending_)
        return;
    queue_.cancel(pending_->task);
    postPending();
}

void Focus::postPending() {
    const PendingRecord pending = *std::exchange(pending_, std::nullopt);
    post(pending.psn, switchKeyRecord(pending.window, true));
}

} // namespace quillmere
