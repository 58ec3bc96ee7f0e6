#pragma once

#include <QTest>

namespace quillmere {

// Runs the event loop until the condition holds; false when it still does not after the bound, which only
// a fault reaches.
template <class Condition> bool runEventsUntil(Condition condition) { return QTest::qWaitFor(condition, 10000); }

} // namespace quillmere
