// The real download against the stand-in seller server on loopback.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <chrono>
#include <functional>
#include <string>

#include "app/qt/Downloader.h"
#include "app/qt/QtDownload.h"
#include "price/PriceDownload.h"

namespace tesmarik {
namespace {

using namespace std::chrono_literals;

const QString kSellerScript = QStringLiteral(TESMARIK_SOURCE_DIR "/tools/seller/seller.py");
const QString kSamplePrice = QStringLiteral(TESMARIK_SOURCE_DIR "/tools/seller/sample-price.csv");
const QByteArray kEarlierPrice = QByteArray("n;530;8;20;прежний прайс;;;;;;1\r\n");

QByteArray Bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

// The stand-in server on a free loopback port, in one of its modes, for one test.
class Seller {
public:
    explicit Seller(const QString& mode) {
        process_.setProgram(QStringLiteral("python3"));
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
        process_.kill();
        process_.waitForFinished(5000);
    }
    int Port() const { return port_; }
    std::string PriceAddress() const {
        return "http://127.0.0.1:" + std::to_string(port_) + kPriceDownloadPathAndQuery;
    }

private:
    QProcess process_;
    int port_ = 0;
};

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
        return QDir(folder.path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
    }

    QTemporaryDir folder;
};

TEST_F(Download, ReplacesThePriceFileWithTheServersPriceList) {
    Seller seller("normal");
    ASSERT_NE(seller.Port(), 0);
    EXPECT_TRUE(DownloadUrlToFile(nullptr, seller.PriceAddress(), Path()));
    EXPECT_EQ(Bytes(PricePath()), Bytes(kSamplePrice));
    EXPECT_EQ(FolderEntries(), QStringList{"1.csv"});
}

TEST_F(Download, AnyOtherAnswerOfTheServerKeepsTheEarlierFile) {
    for (const char* mode :
         {"404", "stall", "silent", "oversize", "oversize-declared", "truncated"}) {
        Seller seller(mode);
        ASSERT_NE(seller.Port(), 0) << mode;
        // A stall of one second stands in for the program's twenty.
        EXPECT_FALSE(DownloadUrlToFile(nullptr, seller.PriceAddress(), Path(), {1s, 1024 * 1024}))
            << mode;
        EXPECT_EQ(Bytes(PricePath()), kEarlierPrice) << mode;
        EXPECT_EQ(FolderEntries(), QStringList{"1.csv"}) << mode;
    }
}

TEST_F(Download, AClosedPortIsAFailure) {
    // A port that was free a moment ago: nobody listens there.
    QTcpServer probe;
    ASSERT_TRUE(probe.listen(QHostAddress::LocalHost, 0));
    const int port = probe.serverPort();
    probe.close();
    const std::string address =
        "http://127.0.0.1:" + std::to_string(port) + kPriceDownloadPathAndQuery;
    EXPECT_FALSE(DownloadUrlToFile(nullptr, address, Path()));
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
    for (const auto& way : ways) {
        Seller seller("stall");
        ASSERT_NE(seller.Port(), 0);
        bool acted = false;
        bool stillRunning = false;
        QTimer::singleShot(300, [&] {
            if (auto* dialog = qobject_cast<QProgressDialog*>(QApplication::activeModalWidget())) {
                way.act(*dialog);
                acted = true;
            }
        });
        // Only a cancel that works ends the download before the watchdog; the stall limit
        // ends it in any case.
        QTimer watchdog;
        watchdog.setSingleShot(true);
        QObject::connect(&watchdog, &QTimer::timeout, [&] { stillRunning = true; });
        watchdog.start(10s);
        EXPECT_FALSE(DownloadUrlToFile(nullptr, seller.PriceAddress(), Path(), {30s, 1024 * 1024}))
            << way.name;
        watchdog.stop();
        EXPECT_TRUE(acted) << way.name;
        EXPECT_FALSE(stillRunning) << way.name;
        EXPECT_EQ(Bytes(PricePath()), kEarlierPrice) << way.name;
    }
}

TEST_F(Download, AFailureWithoutAnEarlierFileLeavesNone) {
    QFile::remove(PricePath());
    Seller seller("404");
    ASSERT_NE(seller.Port(), 0);
    EXPECT_FALSE(DownloadUrlToFile(nullptr, seller.PriceAddress(), Path()));
    EXPECT_TRUE(FolderEntries().isEmpty());
}

TEST_F(Download, MakesTheFolderOfThePriceFile) {
    Seller seller("normal");
    ASSERT_NE(seller.Port(), 0);
    const QString path = folder.filePath("cache/tesmarik/1.csv");
    EXPECT_TRUE(DownloadUrlToFile(nullptr, seller.PriceAddress(), path.toStdString()));
    EXPECT_EQ(Bytes(path), Bytes(kSamplePrice));
}

TEST_F(Download, TheLimitOfTheBodyIsInclusive) {
    Seller seller("normal");
    ASSERT_NE(seller.Port(), 0);
    const auto size = static_cast<std::int64_t>(Bytes(kSamplePrice).size());
    EXPECT_FALSE(DownloadUrlToFile(nullptr, seller.PriceAddress(), Path(), {20s, size - 1}));
    EXPECT_EQ(Bytes(PricePath()), kEarlierPrice);
    EXPECT_TRUE(DownloadUrlToFile(nullptr, seller.PriceAddress(), Path(), {20s, size}));
    EXPECT_EQ(Bytes(PricePath()), Bytes(kSamplePrice));
}

// The program downloads through the module it loads at the first download.
TEST_F(Download, TheModuleOfTheProgramDownloads) {
    Seller seller("normal");
    ASSERT_NE(seller.Port(), 0);
    Downloader downloader({QStringLiteral(TESMARIK_DOWNLOAD_MODULE_DIR)});
    EXPECT_TRUE(downloader.Download(nullptr, seller.PriceAddress(), Path()));
    EXPECT_EQ(Bytes(PricePath()), Bytes(kSamplePrice));
    Seller missing("404");
    ASSERT_NE(missing.Port(), 0);
    EXPECT_FALSE(downloader.Download(nullptr, missing.PriceAddress(), Path()));
    EXPECT_EQ(Bytes(PricePath()), Bytes(kSamplePrice));
}

TEST_F(Download, WithoutTheModuleEveryDownloadFails) {
    Seller seller("normal");
    ASSERT_NE(seller.Port(), 0);
    Downloader downloader({folder.path()});
    for (int attempt = 0; attempt < 2; ++attempt) {
        EXPECT_FALSE(downloader.Download(nullptr, seller.PriceAddress(), Path()));
        EXPECT_EQ(Bytes(PricePath()), kEarlierPrice);
    }
}

TEST_F(Download, AModuleOfAnotherVersionIsPassedOver) {
    Seller seller("normal");
    ASSERT_NE(seller.Port(), 0);
    Downloader alone({QStringLiteral(TESMARIK_OTHER_MODULE_DIR)});
    EXPECT_FALSE(alone.Download(nullptr, seller.PriceAddress(), Path()));
    Downloader first(
        {QStringLiteral(TESMARIK_OTHER_MODULE_DIR), QStringLiteral(TESMARIK_DOWNLOAD_MODULE_DIR)});
    EXPECT_TRUE(first.Download(nullptr, seller.PriceAddress(), Path()));
    EXPECT_EQ(Bytes(PricePath()), Bytes(kSamplePrice));
}

}  // namespace
}  // namespace tesmarik
