// A workbook that cannot be made says why, naming the file: not "the workbook could not be
// made" about a target that is fine.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <string>

#include "common/Error.h"
#include "workbook/WorkbookFile.h"

namespace tesmarik {
namespace {

std::string Refusal(const std::string& path, const Workbook& book) {
    try {
        WriteWorkbookFile(path, book);
    } catch (const Error& e) {
        return e.Text();
    }
    return "(saved)";
}

TEST(WorkbookRefusal, TheCellOrTheTemporaryFolderIsNamed) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const std::string path = folder.filePath("offer.xlsx").toStdString();
    Workbook book;
    book.sheetName = "Предложение";
    book.rows = {{WorkbookCell::Text("Клиент")},
                 {WorkbookCell{}, WorkbookCell::Text("Комментарий: " + std::string(32754, 'x'))}};
    // 32 767 characters (the comment's 13 and its text) fit a cell; Cyrillic letters count
    // as one character each, not as their two bytes.
    EXPECT_EQ(Refusal(path, book), "(saved)");
    book.rows[1][1].text += "ж";
    EXPECT_EQ(Refusal(path, book),
              "Книга \"" + path +
                  "\" не сохранена: текст ячейки B2 (\"Комментарий: xxxxxxxxxxx…\") длиной 32768 "
                  "знаков, а ячейка Excel вмещает не более 32 767");

#ifndef _WIN32  // Windows finds its temporary folder elsewhere (TEMP)
    book.rows.pop_back();
    const QByteArray temporary = qgetenv("TMPDIR");
    // A file where the temporary folder should be (a missing one Qt replaces with the
    // working folder).
    const QString missing = folder.filePath("not-a-folder");
    QFile(missing).open(QIODevice::WriteOnly);
    qputenv("TMPDIR", QFile::encodeName(missing));
    const std::string refusal = Refusal(path, book);
    qputenv("TMPDIR", temporary);
    EXPECT_EQ(refusal.rfind("Книга \"" + path + "\" не сохранена: во временной папке \"" +
                                QDir::toNativeSeparators(missing).toStdString() +
                                "\" её не удалось составить (на месте папки находится файл)",
                            0),
              0u)
        << refusal;
#endif
}

}  // namespace
}  // namespace tesmarik
