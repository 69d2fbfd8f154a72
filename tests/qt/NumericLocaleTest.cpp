// The program under a Russian locale, as most of its users run it: the C library then
// writes numbers with a decimal comma, which no spreadsheet program reads in a workbook.
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

// A Python that reads workbooks (openpyxl), or an empty text.
QString PythonWithOpenpyxl() {
    for (const QString& candidate : QStringList{TESMARIK_PYTHON, "python3", "/usr/bin/python3"}) {
        QProcess probe;
        probe.start(candidate, {"-c", "import openpyxl"});
        if (probe.waitForFinished(60000) && probe.exitStatus() == QProcess::NormalExit &&
            probe.exitCode() == 0) {
            return candidate;
        }
    }
    return {};
}

TEST(NumericLocale, TheProgramsWorkbookHoldsNumbersUnderARussianLocale) {
    if (QStandardPaths::findExecutable("localedef").isEmpty()) {
        GTEST_SKIP() << "localedef is missing: no Russian locale can be made to test under";
    }
    const QString python = PythonWithOpenpyxl();
    ASSERT_FALSE(python.isEmpty()) << "no python3 with openpyxl (Debian: python3-openpyxl)";
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    // The locale made here, so that the test needs none installed on the machine.
    QProcess localedef;
    localedef.start("localedef", {"-i", "ru_RU", "-f", "UTF-8", folder.filePath("ru_RU.UTF-8")});
    ASSERT_TRUE(localedef.waitForFinished(120000));
    const std::string before = std::setlocale(LC_ALL, nullptr);
    qputenv("LOCPATH", folder.path().toLocal8Bit());
    // What the application object does with a Russian user's environment.
    ASSERT_NE(std::setlocale(LC_ALL, "ru_RU.UTF-8"), nullptr) << "localedef made no locale";
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");

    const std::string path = folder.filePath("offer.xlsx").toStdString();
    Workbook book;
    book.sheetName = "Предложение";
    book.columnWidths = {5, 42};
    book.rows = {{WorkbookCell::Number(104.01, "#,##0.000"), WorkbookCell::Text("Труба 530×8")}};
    std::string refusal;
    {
        ProgramWindow window;  // the program's start, after its application object
        try {
            WriteWorkbookFile(path, book);
        } catch (const Error& e) {
            refusal = e.Text();
        }
    }
    std::setlocale(LC_ALL, before.c_str());
    qunsetenv("LOCPATH");
    ASSERT_EQ(refusal, "");
    QProcess read;
    read.start(python, {"-c",
                        "import sys, openpyxl\n"
                        "sheet = openpyxl.load_workbook(sys.argv[1]).active\n"
                        "print(repr(sheet['A1'].value), sheet.column_dimensions['A'].width)\n",
                        QString::fromStdString(path)});
    ASSERT_TRUE(read.waitForFinished(60000));
    EXPECT_EQ(read.readAllStandardOutput().trimmed().toStdString(), "104.01 5.7109375")
        << read.readAllStandardError().toStdString();
}

}  // namespace
}  // namespace tesmarik
#endif
