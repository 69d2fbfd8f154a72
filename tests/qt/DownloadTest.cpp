// The real download against the stand-in seller server on loopback, which answers well or
// misbehaves in one way per mode, and against a file system that refuses the file.
#include <gtest/gtest.h>
#ifdef _WIN32
// GetProcessMemoryInfo from kernel32, without psapi.dll.
#define PSAPI_VERSION 2
#include <windows.h>
// After windows.h, which they need.
#include <psapi.h>
#include <tlhelp32.h>
#else
#include <unistd.h>
#endif

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <thread>

#include "price/PriceDownload.h"
#include "qt/platform/Downloader.h"
#include "qt/platform/QtDownload.h"
#include "tests/FileSizeLimit.h"

namespace tesmarik {
namespace {

using namespace std::chrono_literals;
using Outcome = DownloadResult::Outcome;

const QString kSellerScript = QStringLiteral(TESMARIK_SOURCE_DIR "/tools/seller/seller.py");
const QString kSamplePrice = QStringLiteral(TESMARIK_SOURCE_DIR "/tools/seller/sample-price.csv");
const QByteArray kEarlierPrice = QByteArray("n;530;8;20;прежний прайс;;;;;;1\r\n");
// A stall of one second stands in for the program's twenty.
const DownloadLimits kQuickLimits{1s, 1024 * 1024};

QByteArray Bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

const char* Name(Outcome outcome) {
    switch (outcome) {
        case Outcome::Ok:
            return "Ok";
        case Outcome::NetworkFailure:
            return "NetworkFailure";
        case Outcome::LocalFailure:
            return "LocalFailure";
        case Outcome::Cancelled:
            return "Cancelled";
    }
    return "?";
}

#ifdef _WIN32
// The threads of this process (Windows names no thread of Qt's pool: all are counted).
int ThreadCount() {
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    if (snapshot == INVALID_HANDLE_VALUE) {
        return -1;
    }
    THREADENTRY32 entry{};
    entry.dwSize = sizeof entry;
    int count = 0;
    for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry)) {
        count += entry.th32OwnerProcessID == GetCurrentProcessId() ? 1 : 0;
    }
    CloseHandle(snapshot);
    return count;
}

// The processor time this process has used, all its threads together.
std::chrono::milliseconds CpuTime() {
    FILETIME created{}, exited{}, kernel{}, user{};
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    const auto ticks = [](const FILETIME& t) {  // 100 ns each
        return (static_cast<long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
    };
    return std::chrono::milliseconds((ticks(kernel) + ticks(user)) / 10000);
}

// The resident memory (working set) of this process in megabytes.
long long ResidentMegabytes() {
    PROCESS_MEMORY_COUNTERS counters{};
    if (!GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters)) {
        return -1;
    }
    return static_cast<long long>(counters.WorkingSetSize / (1024 * 1024));
}
#else
// The threads of this process, but for the idle workers of Qt's shared pool, which the
// widgets start at their first painting and which end by themselves.
int ThreadCount() {
    int count = 0;
    const QDir tasks("/proc/self/task");
    for (const QString& task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile name(tasks.filePath(task + "/comm"));
        if (!name.open(QIODevice::ReadOnly) || name.readAll().trimmed() != "Thread (pooled)") {
            ++count;
        }
    }
    return count;
}

// The processor time this process has used, all its threads together.
std::chrono::milliseconds CpuTime() {
    std::ifstream in("/proc/self/stat");
    std::string stat((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    // The fields after the command name, which is in parentheses: utime and stime are the
    // 12th and 13th of them.
    std::istringstream fields(stat.substr(stat.rfind(')') + 2));
    std::string field;
    long long utime = 0;
    long long stime = 0;
    for (int i = 1; i <= 13 && fields >> field; ++i) {
        if (i == 12) {
            utime = std::stoll(field);
        } else if (i == 13) {
            stime = std::stoll(field);
        }
    }
    return std::chrono::milliseconds((utime + stime) * 1000 / sysconf(_SC_CLK_TCK));
}

// The resident memory of this process in megabytes.
long long ResidentMegabytes() {
    std::ifstream in("/proc/self/status");
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::stoll(line.substr(6)) / 1024;
        }
    }
    return -1;
}
#endif

// The stand-in server on a free loopback port, in one of its modes, for one test. Where
// the test program cannot start it (a Windows program under Wine), the test's command
// started one server of every mode (seller.py --mode by-path --run) and names its
// address in TESMARIK_TEST_SELLER; the mode is then the first segment of the path.
class Seller {
public:
    explicit Seller(const QString& mode) {
        const QString shared = qEnvironmentVariable("TESMARIK_TEST_SELLER");
        if (!shared.isEmpty()) {
            host_ = shared.section(':', 0, 0).toStdString();
            port_ = shared.section(':', 1).toInt();
            prefix_ = "/" + mode.toStdString();
            return;
        }
        process_.setProgram(QStringLiteral(TESMARIK_PYTHON));
        process_.setArguments(
            {kSellerScript, "--host", "127.0.0.1", "--port", "0", "--mode", mode, "--quiet"});
        process_.start();
        if (process_.waitForStarted(10000)) {
            while (!process_.canReadLine() && process_.waitForReadyRead(10000)) {
            }
            port_ = process_.readLine().trimmed().toInt();
        }
    }
    ~Seller() {
        if (process_.state() != QProcess::NotRunning) {
            process_.kill();
            process_.waitForFinished(5000);
        }
    }
    int Port() const { return port_; }
    std::string PriceAddress() const {
        return "http://" + host_ + ":" + std::to_string(port_) + prefix_ +
               kPriceDownloadPathAndQuery;
    }

private:
    QProcess process_;
    std::string host_ = "127.0.0.1";
    int port_ = 0;
    std::string prefix_;
};

// A download, timed, with what the process holds afterwards.
struct Timed {
    DownloadResult result;
    std::chrono::milliseconds took{};
    int threadsBefore = 0;
    int threadsAfter = 0;
    // Processor time used in a short idle while after the download returned.
    std::chrono::milliseconds idleCpu{};
    long long memoryGrowth = 0;  // MB
};

Timed TimedDownload(const std::function<DownloadResult()>& download) {
    Timed run;
    run.threadsBefore = ThreadCount();
    const long long memoryBefore = ResidentMegabytes();
    QElapsedTimer clock;
    clock.start();
    run.result = download();
    run.took = std::chrono::milliseconds(clock.elapsed());
    run.memoryGrowth = ResidentMegabytes() - memoryBefore;
    QCoreApplication::processEvents();
    const auto cpuBefore = CpuTime();
    std::this_thread::sleep_for(400ms);
    run.idleCpu = CpuTime() - cpuBefore;
    run.threadsAfter = ThreadCount();
    return run;
}

class Download : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        QFile earlier(PricePath());
        ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
        earlier.write(kEarlierPrice);
    }

    void TearDown() override {
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "the progress dialog stayed";
    }

    QString PricePath() const { return folder.filePath("1.csv"); }
    std::string Path() const { return PricePath().toStdString(); }
    QStringList FolderEntries() const {
        return QDir(folder.path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }

    // Nothing of the download is left running: no thread more than before, and the
    // process idle (a thread left spinning would use the whole while).
    static void ExpectNothingLeft(const Timed& run, const std::string& what = {}) {
#ifndef _WIN32
        // Windows counts the system's own pool threads with the program's, and they come
        // and go on their own: there the idle processor below tells a thread left running.
        EXPECT_LE(run.threadsAfter, run.threadsBefore) << what;
#endif
        EXPECT_LT(run.idleCpu, 150ms) << what;
    }

    QTemporaryDir folder;
};

TEST_F(Download, ReplacesThePriceFileWithTheServersPriceList) {
    Seller seller("normal");
    ASSERT_NE(seller.Port(), 0);
    EXPECT_EQ(CurlDownloadToFile(nullptr, seller.PriceAddress(), Path()).outcome, Outcome::Ok);
    EXPECT_EQ(Bytes(PricePath()), Bytes(kSamplePrice));
    EXPECT_EQ(FolderEntries(), QStringList{"1.csv"});
}

// A download from the server in one mode, into a folder that holds the earlier file.
class DownloadFrom : public Download, public testing::WithParamInterface<const char*> {};

std::string ModeName(const testing::TestParamInfo<const char*>& info) {
    std::string name = info.param;
    std::replace(name.begin(), name.end(), '-', '_');
    return name;
}

// The ways a server may rightly send the list: all of them replace the file.
using AWholeAnswer = DownloadFrom;

TEST_P(AWholeAnswer, ReplacesTheFile) {
    Seller seller(GetParam());
    ASSERT_NE(seller.Port(), 0);
    const Timed run = TimedDownload(
        [&] { return CurlDownloadToFile(nullptr, seller.PriceAddress(), Path(), kQuickLimits); });
    EXPECT_STREQ(Name(run.result.outcome), "Ok");
    EXPECT_EQ(Bytes(PricePath()), Bytes(kSamplePrice));
    EXPECT_EQ(FolderEntries(), QStringList{"1.csv"});
    EXPECT_LT(run.took, 4s);
    ExpectNothingLeft(run);
}

INSTANTIATE_TEST_SUITE_P(Modes, AWholeAnswer,
                         testing::Values("normal", "chunked", "http10", "drip", "redirect"),
                         ModeName);

// Every answer that is not the whole price list fails as the network's, soon, keeps the
// earlier file byte for byte and leaves nothing running.
using AnyOtherAnswer = DownloadFrom;

TEST_P(AnyOtherAnswer, KeepsTheEarlierFile) {
#ifdef _WIN32
    if (std::string(GetParam()) == "reset") {
        GTEST_SKIP() << "Wine reports a reset that follows data as the answer's orderly end";
    }
#endif
    Seller seller(GetParam());
    ASSERT_NE(seller.Port(), 0);
    const Timed run = TimedDownload(
        [&] { return CurlDownloadToFile(nullptr, seller.PriceAddress(), Path(), kQuickLimits); });
    EXPECT_STREQ(Name(run.result.outcome), "NetworkFailure");
    EXPECT_EQ(Bytes(PricePath()), kEarlierPrice);
    EXPECT_EQ(FolderEntries(), QStringList{"1.csv"});
    // The stall limit of one second is the longest wait of all.
    EXPECT_LT(run.took, 4s);
    EXPECT_LT(run.memoryGrowth, 100);
    ExpectNothingLeft(run);
}

INSTANTIATE_TEST_SUITE_P(Modes, AnyOtherAnswer,
                         testing::Values(
                             // statuses and redirects
                             "404", "500", "no-content", "partial", "redirect-loop",
                             // a body that is not whole
                             "truncated", "two-lengths", "chunk-zz", "chunk-huge",
                             "chunk-bad-later", "chunk-cut", "reset", "reset-at-once",
                             // a whole body that is no price list
                             "empty", "portal", "no-separator", "gzip-bomb",
                             // too slow or too much
                             "stall", "silent", "oversize", "oversize-declared", "flood-chunks",
                             "flood-headers", "flood-continue"),
                         ModeName);

TEST_F(Download, AClosedPortIsAFailure) {
    // A port that was free a moment ago: nobody listens there.
    QTcpServer probe;
    ASSERT_TRUE(probe.listen(QHostAddress::LocalHost, 0));
    const int port = probe.serverPort();
    probe.close();
    const std::string address =
        "http://127.0.0.1:" + std::to_string(port) + kPriceDownloadPathAndQuery;
    EXPECT_EQ(CurlDownloadToFile(nullptr, address, Path()).outcome, Outcome::NetworkFailure);
    EXPECT_EQ(Bytes(PricePath()), kEarlierPrice);
}

TEST_F(Download, CancelEndsAWaitAtOnceAndKeepsTheEarlierFile) {
    const struct {
        const char* name;
        std::function<void(QProgressDialog&)> act;
    } ways[] = {
        {"the Cancel button",
         [](QProgressDialog& dialog) {
             for (auto* button : dialog.findChildren<QPushButton*>()) {
                 button->click();
             }
         }},
        {"Escape", [](QProgressDialog& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); }},
    };
    // A server that sends nothing, one that floods the connection, one that trickles.
    for (const char* mode : {"stall", "flood-chunks", "drip"}) {
        for (const auto& way : ways) {
            const std::string what = std::string(mode) + ", " + way.name;
            Seller seller(mode);
            ASSERT_NE(seller.Port(), 0) << what;
            bool acted = false;
            // A timer of this pass alone: it must not fire into a later download.
            QTimer user;
            user.setSingleShot(true);
            QObject::connect(&user, &QTimer::timeout, [&] {
                if (auto* dialog =
                        qobject_cast<QProgressDialog*>(QApplication::activeModalWidget())) {
                    way.act(*dialog);
                    acted = true;
                }
            });
            user.start(300ms);
            // Without limits that could end it first: only the cancel ends the download.
            const Timed run = TimedDownload([&] {
                return CurlDownloadToFile(nullptr, seller.PriceAddress(), Path(),
                                          {30s, std::int64_t{1} << 40});
            });
            EXPECT_TRUE(acted) << what;
            EXPECT_STREQ(Name(run.result.outcome), "Cancelled") << what;
            EXPECT_EQ(Bytes(PricePath()), kEarlierPrice) << what;
            EXPECT_EQ(FolderEntries(), QStringList{"1.csv"}) << what;
            // The window answers again soon after the cancel at 0,3 s.
            EXPECT_LT(run.took, 2s) << what;
            ExpectNothingLeft(run, what);
        }
    }
}

TEST_F(Download, AFailureWithoutAnEarlierFileLeavesNone) {
    QFile::remove(PricePath());
    Seller seller("404");
    ASSERT_NE(seller.Port(), 0);
    EXPECT_EQ(CurlDownloadToFile(nullptr, seller.PriceAddress(), Path()).outcome,
              Outcome::NetworkFailure);
    EXPECT_TRUE(FolderEntries().isEmpty());
}

TEST_F(Download, MakesTheFolderOfThePriceFile) {
    Seller seller("normal");
    ASSERT_NE(seller.Port(), 0);
    const QString path = folder.filePath("cache/tesmarik/1.csv");
    EXPECT_EQ(CurlDownloadToFile(nullptr, seller.PriceAddress(), path.toStdString()).outcome,
              Outcome::Ok);
    EXPECT_EQ(Bytes(path), Bytes(kSamplePrice));
}

TEST_F(Download, TheLimitOfTheBodyIsInclusive) {
    for (const char* mode : {"normal", "chunked", "http10"}) {
        Seller seller(mode);
        ASSERT_NE(seller.Port(), 0);
        const auto size = static_cast<std::int64_t>(Bytes(kSamplePrice).size());
        EXPECT_EQ(
            CurlDownloadToFile(nullptr, seller.PriceAddress(), Path(), {20s, size - 1}).outcome,
            Outcome::NetworkFailure)
            << mode;
        EXPECT_EQ(Bytes(PricePath()), kEarlierPrice) << mode;
        EXPECT_EQ(CurlDownloadToFile(nullptr, seller.PriceAddress(), Path(), {20s, size}).outcome,
                  Outcome::Ok)
            << mode;
        EXPECT_EQ(Bytes(PricePath()), Bytes(kSamplePrice)) << mode;
        QFile(PricePath()).remove();
        QFile earlier(PricePath());
        ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
        earlier.write(kEarlierPrice);
    }
}

// A disk that takes only part of the file (here: a file larger than the process may
// write) is a local failure, and the earlier file stays.
TEST_F(Download, AFullDiskKeepsTheEarlierFileAndSaysSo) {
#ifdef TESMARIK_NO_FILE_SIZE_LIMIT
    GTEST_SKIP() << "no file-size limit on this platform";
#else
    for (const char* mode : {"normal", "drip", "chunked"}) {
        Seller seller(mode);
        ASSERT_NE(seller.Port(), 0) << mode;
        const Timed run = [&] {
            const FileSizeLimit fullDisk(1000);
            return TimedDownload([&] {
                return CurlDownloadToFile(nullptr, seller.PriceAddress(), Path(), kQuickLimits);
            });
        }();

        EXPECT_STREQ(Name(run.result.outcome), "LocalFailure") << mode;
        EXPECT_EQ(run.result.reason, "файл больше, чем разрешено записывать") << mode;
        EXPECT_EQ(Bytes(PricePath()), kEarlierPrice) << mode;
        EXPECT_EQ(FolderEntries(), QStringList{"1.csv"}) << mode;
        ExpectNothingLeft(run, mode);
    }
#endif
}

TEST_F(Download, AFolderInPlaceOfTheFileIsALocalFailure) {
    Seller seller("normal");
    ASSERT_NE(seller.Port(), 0);
    const QString path = folder.filePath("in-the-way");
    ASSERT_TRUE(QDir().mkpath(path + "/inside"));
    const DownloadResult result =
        CurlDownloadToFile(nullptr, seller.PriceAddress(), path.toStdString());
    EXPECT_STREQ(Name(result.outcome), "LocalFailure");
    EXPECT_EQ(result.reason, "на месте файла прайса находится папка");
    EXPECT_TRUE(QFileInfo(path + "/inside").isDir());
}

TEST_F(Download, AFileInPlaceOfTheFolderIsALocalFailure) {
    Seller seller("normal");
    ASSERT_NE(seller.Port(), 0);
    // 1.csv is a file: nothing can be made inside it.
    const std::string path = Path() + "/tesmarik/1.csv";
    const DownloadResult result = CurlDownloadToFile(nullptr, seller.PriceAddress(), path);
    EXPECT_STREQ(Name(result.outcome), "LocalFailure");
    EXPECT_EQ(result.reason, "на месте папки находится файл");
    EXPECT_EQ(Bytes(PricePath()), kEarlierPrice);
}

TEST_F(Download, AReadOnlyFolderIsALocalFailure) {
#ifdef _WIN32
    GTEST_SKIP() << "Windows keeps no read-only folders";
#else
    if (geteuid() == 0) {
        GTEST_SKIP() << "no permission stops the superuser";
    }
    // Known before anything is fetched: no server is needed.
    const std::string address = "http://127.0.0.1:9" + std::string(kPriceDownloadPathAndQuery);
    ASSERT_TRUE(
        QFile::setPermissions(folder.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    const DownloadResult result = CurlDownloadToFile(nullptr, address, Path());
    QFile::setPermissions(folder.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_STREQ(Name(result.outcome), "LocalFailure");
    EXPECT_EQ(result.reason, "нет прав на запись");
    EXPECT_EQ(Bytes(PricePath()), kEarlierPrice);
    EXPECT_EQ(FolderEntries(), QStringList{"1.csv"});
#endif
}

// The program downloads through the module it loads at the first download.
TEST_F(Download, TheModuleOfTheProgramDownloads) {
    Seller seller("normal");
    ASSERT_NE(seller.Port(), 0);
    Downloader downloader({QStringLiteral(TESMARIK_DOWNLOAD_MODULE_DIR)});
    EXPECT_EQ(downloader.Download(nullptr, seller.PriceAddress(), Path()).outcome, Outcome::Ok);
    EXPECT_EQ(Bytes(PricePath()), Bytes(kSamplePrice));
    Seller missing("404");
    ASSERT_NE(missing.Port(), 0);
    EXPECT_EQ(downloader.Download(nullptr, missing.PriceAddress(), Path()).outcome,
              Outcome::NetworkFailure);
    EXPECT_EQ(Bytes(PricePath()), Bytes(kSamplePrice));
    // A local failure comes back with its reason.
    const DownloadResult local =
        downloader.Download(nullptr, seller.PriceAddress(), folder.path().toStdString());
    EXPECT_STREQ(Name(local.outcome), "LocalFailure");
    EXPECT_EQ(local.reason, "на месте файла прайса находится папка");
}

TEST_F(Download, WithoutTheModuleEveryDownloadFails) {
    Seller seller("normal");
    ASSERT_NE(seller.Port(), 0);
    Downloader downloader({folder.path()});
    for (int attempt = 0; attempt < 2; ++attempt) {
        EXPECT_EQ(downloader.Download(nullptr, seller.PriceAddress(), Path()).outcome,
                  Outcome::NetworkFailure);
        EXPECT_EQ(Bytes(PricePath()), kEarlierPrice);
    }
}

TEST_F(Download, AModuleOfAnotherVersionIsPassedOver) {
    Seller seller("normal");
    ASSERT_NE(seller.Port(), 0);
    Downloader alone({QStringLiteral(TESMARIK_OTHER_MODULE_DIR)});
    EXPECT_EQ(alone.Download(nullptr, seller.PriceAddress(), Path()).outcome,
              Outcome::NetworkFailure);
    Downloader first(
        {QStringLiteral(TESMARIK_OTHER_MODULE_DIR), QStringLiteral(TESMARIK_DOWNLOAD_MODULE_DIR)});
    EXPECT_EQ(first.Download(nullptr, seller.PriceAddress(), Path()).outcome, Outcome::Ok);
    EXPECT_EQ(Bytes(PricePath()), Bytes(kSamplePrice));
}

}  // namespace
}  // namespace tesmarik
