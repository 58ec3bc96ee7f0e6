#pragma once

#include <QApplication>
#include <QTest>
#include <chrono>

namespace quillmere {

// The one application object that Qt's event loop and widgets need, made on first use and kept for the
// rest of the test process.
inline QApplication& qtApplication() {
    static int argc = 1;
    static char name[] = "quillmere-tests";
    static char* argv[] = {name, nullptr};
    static QApplication application(argc, argv);
    return application;
}

// Runs the event loop until the condition holds; false when it still does not after the bound, which only
// a fault reaches.
template <class Condition> bool runEventsUntil(Condition condition) {
    qtApplication();
    return QTest::qWaitFor(condition, 10000);
}

} // namespace quillmere
