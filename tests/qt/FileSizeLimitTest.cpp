// A file-size limit of the process (ulimit -f, a full disk without root) met by the
// program's own saves: the write fails and is reported, the program goes on.
#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/statvfs.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <functional>
#include <vector>

#include "common/Error.h"
#include "qt/platform/RealPlatform.h"
#include "tests/FileSizeLimit.h"

namespace tesmarik {
namespace {

// In a child process, with the signal's default handling as a program starts with and a
// limit of 100 bytes: the write must end in the program's error, not in SIGXFSZ.
void ExpectReportedError(const std::function<void(RealPlatform&, const std::string&)>& write) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const std::string path = folder.filePath("report.txt").toStdString();
    EXPECT_EXIT(
        {
            std::signal(SIGXFSZ, SIG_DFL);
            RealPlatform platform;
            rlimit small{};
            getrlimit(RLIMIT_FSIZE, &small);
            small.rlim_cur = 100;
            setrlimit(RLIMIT_FSIZE, &small);
            try {
                write(platform, path);
            } catch (const Error&) {
                std::_Exit(0);
            }
            std::_Exit(1);
        },
        testing::ExitedWithCode(0), "");
}

TEST(FileSizeLimit, ASaveOrPdfBeyondTheLimitIsAnErrorNotTheEnd) {
    testing::FLAGS_gtest_death_test_style = "threadsafe";
    ExpectReportedError([](RealPlatform& platform, const std::string& path) {
        platform.WriteLines(path, std::vector<std::string>(100, "a line of a long report"));
    });
    ExpectReportedError([](RealPlatform& platform, const std::string& path) {
        PrintedReport report;
        report.title = "Отчёт";
        report.lines = std::vector<std::string>(100, "a line of a long report");
        platform.WritePdf(path + ".pdf", report);
    });
}

std::string Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string("(none)");
}

struct Document {
    const char* name;
    std::function<void(RealPlatform&, const std::string&)> write;
};

// Every kind of document the program writes, each of some tens of kilobytes at most.
std::vector<Document> Documents() {
    const std::vector<std::string> lines(200, "Труба 530×8, 1000 м: 104,01 т, 88 шт.");
    PrintedReport log;
    log.title = "Журнал расчётов";
    log.lines = lines;
    // The loading report's picture is one write of some hundred kilobytes: a full disk
    // cuts it short without an error.
    PrintedReport loading = log;
    loading.title = "Отчёт о погрузке";
    loading.picture = "loading-scheme-530";
    loading.pictureWidth = 365;
    loading.pictureHeight = 133;
    loading.pictureCaption = "Схема погрузки";
    PrintedReport offer;
    offer.title = "Коммерческое предложение № 1";
    offer.table.heading = {"№", "Наименование", "Стоимость, руб."};
    offer.table.widths = {0.1, 0.6, 0.3};
    offer.table.rightAligned = {true, false, true};
    for (int i = 1; i <= 60; ++i) {
        offer.table.rows.push_back({std::to_string(i), lines.front(), "8 164 785,00"});
    }
    Workbook book;
    book.title = "Коммерческое предложение № 1";
    book.sheetName = "Предложение";
    book.columnWidths = {6, 40, 14};
    for (int i = 1; i <= 300; ++i) {
        book.rows.push_back({WorkbookCell::Number(i, "0"), WorkbookCell::Text(lines.front()),
                             WorkbookCell::Number(8164785.0 * i, "#,##0.00")});
    }
    std::string offerFile;
    for (const std::string& line : lines) {
        offerFile += "позиция=" + line + "\n";
    }
    return {
        {"lengths report",
         [=](RealPlatform& p, const std::string& path) { p.WriteLines(path, lines); }},
        {"log PDF", [=](RealPlatform& p, const std::string& path) { p.WritePdf(path, log); }},
        {"loading report PDF",
         [=](RealPlatform& p, const std::string& path) { p.WritePdf(path, loading); }},
        {"offer PDF", [=](RealPlatform& p, const std::string& path) { p.WritePdf(path, offer); }},
        {"workbook",
         [=](RealPlatform& p, const std::string& path) { p.WriteWorkbook(path, book); }},
        {"offer file",
         [=](RealPlatform& p, const std::string& path) { p.WriteTextFile(path, offerFile); }},
    };
}

// A full disk at every size, made with the file-size limit: from nothing to more than
// the document needs, each save either fails with the reason in the user's words and
// leaves the earlier file byte for byte, or writes the document whole. Below the
// document's size it must fail; with room to spare it must succeed.
TEST(FileSizeLimit, EveryDocumentIsWrittenWholeOrNotAtAll) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    RealPlatform platform;
    const std::string earlier = "the earlier file, which a failed save leaves as it was\n";
    for (const Document& document : Documents()) {
        SCOPED_TRACE(document.name);
        const QString reference = folder.filePath("reference");
        document.write(platform, reference.toStdString());
        const auto size = static_cast<rlim_t>(QFileInfo(reference).size());
        ASSERT_GT(size, 2048u);
        QFile::remove(reference);
        std::vector<rlim_t> limits = {0, 1, 512, 2048, size / 2, size - 1, size, size + 65536};
        for (rlim_t limit = 4096; limit < size; limit += 4096) {
            limits.push_back(limit);
        }
        std::sort(limits.begin(), limits.end());
        const QString target = folder.filePath("document");
        for (const rlim_t limit : limits) {
            SCOPED_TRACE(limit);
            {
                QFile file(target);
                ASSERT_TRUE(file.open(QIODevice::WriteOnly));
                file.write(earlier.data(), static_cast<qint64>(earlier.size()));
            }
            std::string refusal;
            try {
                FileSizeLimit full(limit);
                document.write(platform, target.toStdString());
            } catch (const Error& e) {
                refusal = e.Text();
            }
            if (refusal.empty()) {
                EXPECT_GE(limit, size) << "a save beyond the limit did not fail";
                // The time of saving, which a PDF and a workbook carry, packs into a
                // byte more or less.
                EXPECT_NEAR(static_cast<double>(QFileInfo(target).size()),
                            static_cast<double>(size), 16);
            } else {
                EXPECT_LT(limit, size + 65536) << refusal;
                EXPECT_NE(refusal.find("\"" + target.toStdString() + "\""), std::string::npos)
                    << refusal;
                // The limit, or, where a library writing its temporary files says
                // nothing, what a cut-off part means.
                EXPECT_TRUE(refusal.find("файл больше, чем разрешено записывать") !=
                                std::string::npos ||
                            refusal.find("на диске нет места") != std::string::npos)
                    << refusal;
                EXPECT_EQ(Contents(target), earlier);
            }
            EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
                      QStringList{"document"})
                << "a save left a file behind";
        }
        QFile::remove(target);
    }
}

// A disk really full, a small tmpfs left with 0 to 100 KiB free (root only, as CI runs):
// each save fails with "на диске нет места" and leaves the earlier file byte for byte, or
// writes the document whole.
TEST(FullDisk, EveryDocumentIsWrittenWholeOrNotAtAll) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const std::string mountPoint = folder.filePath("disk").toStdString();
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(mountPoint)));
    if (mount("tesmarik-full", mountPoint.c_str(), "tmpfs", 0, "size=512k") != 0) {
        GTEST_SKIP() << "no small disk can be mounted here (needs root)";
    }
    struct Unmount {
        std::string at;
        ~Unmount() { umount(at.c_str()); }
    } unmount{mountPoint};
    const QString disk = QString::fromStdString(mountPoint);
    const auto available = [&mountPoint] {
        struct statvfs fs {};
        statvfs(mountPoint.c_str(), &fs);
        return static_cast<long long>(fs.f_bavail) * static_cast<long long>(fs.f_bsize);
    };
    RealPlatform platform;
    const std::string earlier = "the earlier file, which a failed save leaves as it was\n";
    for (const Document& document : Documents()) {
        SCOPED_TRACE(document.name);
        const QString target = disk + "/document";
        document.write(platform, target.toStdString());
        const long long size = QFileInfo(target).size();
        QFile::remove(target);
        for (long long free = 0; free <= 100 * 1024; free += 4096) {
            SCOPED_TRACE(free);
            {
                QFile file(target);
                ASSERT_TRUE(file.open(QIODevice::WriteOnly));
                file.write(earlier.data(), static_cast<qint64>(earlier.size()));
            }
            {
                QFile filler(disk + "/filler");
                ASSERT_TRUE(filler.open(QIODevice::WriteOnly));
                const QByteArray block(4096, 'x');
                while (available() > free) {
                    ASSERT_EQ(filler.write(block), block.size());
                    ASSERT_TRUE(filler.flush());
                }
            }
            std::string refusal;
            try {
                document.write(platform, target.toStdString());
            } catch (const Error& e) {
                refusal = e.Text();
            }
            // With no room at all there is no place even for the new file.
            EXPECT_TRUE(free > 0 || !refusal.empty());
            if (refusal.empty()) {
                EXPECT_GE(free + static_cast<long long>(earlier.size()), size);
                EXPECT_NEAR(static_cast<double>(QFileInfo(target).size()),
                            static_cast<double>(size), 16);
            } else {
                EXPECT_NE(refusal.find("на диске нет места"), std::string::npos) << refusal;
                EXPECT_EQ(Contents(target), earlier);
            }
            QFile::remove(disk + "/filler");
            QFile::remove(target);
        }
    }
}

}  // namespace
}  // namespace tesmarik
#endif
