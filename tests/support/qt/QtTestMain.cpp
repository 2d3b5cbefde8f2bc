// main() of the GUI test programs: the QApplication lives on main's stack, so it is destroyed
// before the exit handlers run (a static one outlives Qt's own globals and crashes at exit).
#include <QApplication>

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
    // Headless unless told otherwise: the build lists the tests without a display too.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
