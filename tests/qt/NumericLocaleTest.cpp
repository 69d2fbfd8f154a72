// The program's start under a Russian locale, as most of its users run it: the C library's
// numbers, which libxlsxwriter writes a workbook with, must stay in the C locale.
#include <gtest/gtest.h>

#ifndef _WIN32
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <clocale>
#include <string>

#include "common/Error.h"
#include "qt/ProgramWindow.h"
#include "workbook/WorkbookFile.h"

namespace tesmarik {
namespace {

TEST(NumericLocale, TheProgramSavesAWorkbookUnderARussianLocale) {
    if (QStandardPaths::findExecutable("localedef").isEmpty()) {
        GTEST_SKIP() << "localedef is missing: no Russian locale can be made to test under";
    }
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QProcess::execute("localedef", {"-i", "ru_RU", "-f", "UTF-8", folder.filePath("ru_RU.UTF-8")});
    const std::string before = std::setlocale(LC_ALL, nullptr);
    qputenv("LOCPATH", folder.path().toLocal8Bit());
    // What the application object does with a Russian user's environment.
    ASSERT_NE(std::setlocale(LC_ALL, "ru_RU.UTF-8"), nullptr) << "localedef made no locale";
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");
    Workbook book;
    book.sheetName = "Лист";
    book.columnWidths = {5.7};
    book.rows = {{WorkbookCell::Number(104.01, "#,##0.00")}};
    std::string refusal;
    {
        ProgramWindow window;
        try {
            WriteWorkbookFile(folder.filePath("offer.xlsx").toStdString(), book);
        } catch (const Error& e) {
            refusal = e.Text();  // a workbook that would say "104,01" is refused
        }
    }
    std::setlocale(LC_ALL, before.c_str());
    qunsetenv("LOCPATH");
    EXPECT_EQ(refusal, "");
}

}  // namespace
}  // namespace tesmarik
#endif
