// The main of test programs that need Qt: the application object lives on main's stack, so that it goes
// before the rest of the process is torn down.

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
