// Where the real platform keeps the price file, and what a download does to the folders
// there.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "qt/platform/PriceFileWriter.h"
#include "qt/platform/RealPlatform.h"

namespace tesmarik {
namespace {

constexpr auto kOwnerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                            QFileDevice::ExeOwner | QFileDevice::ReadUser | QFileDevice::WriteUser |
                            QFileDevice::ExeUser;

// The user's cache folder moved into a temporary folder for one test.
class PriceFolder : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(cache.isValid());
        saved_ = qgetenv("XDG_CACHE_HOME");
        hadCache_ = qEnvironmentVariableIsSet("XDG_CACHE_HOME");
        qputenv("XDG_CACHE_HOME", cache.path().toUtf8());
    }
    void TearDown() override {
        if (hadCache_) {
            qputenv("XDG_CACHE_HOME", saved_);
        } else {
            qunsetenv("XDG_CACHE_HOME");
        }
    }

    QTemporaryDir cache;

private:
    QByteArray saved_;
    bool hadCache_ = false;
};

TEST_F(PriceFolder, FindingThePriceFileMakesNothing) {
#ifdef _WIN32
    GTEST_SKIP() << "on Windows the folder lies under %LOCALAPPDATA%, not XDG_CACHE_HOME";
#endif
    RealPlatform platform;
    const QString folder = cache.filePath("tesmarik");
    EXPECT_EQ(platform.PriceFilePath(), (folder + "/1.csv").toStdString());
    EXPECT_FALSE(QFileInfo::exists(folder));
}

TEST_F(PriceFolder, TheFirstDownloadMakesAMissingFolderForTheUserAlone) {
    const QString folder = cache.filePath("cache/tesmarik");
    PriceFileWriter writer((folder + "/1.csv").toStdString());
    ASSERT_TRUE(writer.Open()) << writer.Reason();
    ASSERT_TRUE(writer.Commit("Тип;Диаметр\r\n")) << writer.Reason();
    ASSERT_TRUE(QFileInfo(folder + "/1.csv").isFile());
#ifndef _WIN32  // Windows keeps no such permission bits
    EXPECT_EQ(QFile::permissions(folder), kOwnerOnly);
#endif
}

TEST_F(PriceFolder, AnExistingFolderKeepsItsPermissions) {
#ifdef _WIN32
    GTEST_SKIP() << "Windows keeps no such permission bits";
#endif
    const QString folder = cache.filePath("tesmarik");
    const auto chosen = kOwnerOnly | QFileDevice::ReadGroup | QFileDevice::ExeGroup |
                        QFileDevice::ReadOther | QFileDevice::ExeOther;
    ASSERT_TRUE(QDir().mkdir(folder));
    ASSERT_TRUE(QFile::setPermissions(folder, chosen));
    for (int download = 0; download < 2; ++download) {
        PriceFileWriter writer((folder + "/1.csv").toStdString());
        ASSERT_TRUE(writer.Open()) << writer.Reason();
        ASSERT_TRUE(writer.Commit("Тип;Диаметр\r\n")) << writer.Reason();
        EXPECT_EQ(QFile::permissions(folder), chosen);
    }
}

}  // namespace
}  // namespace tesmarik
