// The real-display tests: one QApplication on the X display of tests/display/on-xvfb.sh.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdio>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (qgetenv("QT_QPA_PLATFORM") != "xcb" || qgetenv("DISPLAY").isEmpty()) {
        std::fprintf(stderr, "run these tests through tests/display/on-xvfb.sh\n");
        return 1;
    }
    QApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
