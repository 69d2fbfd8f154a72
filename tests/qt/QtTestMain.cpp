// The widget tests run with one QApplication on the offscreen platform.
#include <gtest/gtest.h>

#include <QApplication>

#include "workbook/WorkbookFile.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    tesmarik::KeepNumbersInCLocale();  // as the program does once its application is made
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
