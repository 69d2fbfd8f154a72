// What the readers of a file a user names say when it cannot be read: the offer file's in
// the user's words with the file's name, the price file's with the texts of its
// conventions; anything but a regular file is refused unread, never waited on.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <fstream>
#include <functional>
#include <string>

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "common/Error.h"
#include "files/QtFiles.h"

namespace tesmarik {
namespace {

std::string Refusal(const std::function<void()>& read) {
    try {
        read();
    } catch (const Error& e) {
        return e.Text();
    }
    return "(read)";
}

TEST(ReadRefusal, EachReaderSaysWhatStandsInTheWay) {
#ifndef _WIN32
    // A reader that waited on the named pipe would hang the test: end it instead.
    alarm(60);
#endif
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const std::string dir = folder.path().toStdString();
    const std::string missing = dir + "/missing.offer";
    const std::string sub = dir + "/folder.offer";
    const std::string locked = dir + "/locked.offer";
    ASSERT_TRUE(QDir().mkdir(QString::fromStdString(sub)));
    std::ofstream(locked) << "x";
    QFile::setPermissions(QString::fromStdString(locked), QFileDevice::WriteOwner);
    const bool lockedIsUnreadable = !std::ifstream(locked).is_open();  // not for root

    const struct {
        std::string path;
        std::string offer;  // the user's own file
        std::string price;  // the price file
        bool check = true;
    } cases[] = {
        {missing, "Файл \"" + missing + "\" не найден", "File not found"},
        {sub, "Файл \"" + sub + "\" не прочитан: это папка", "File access denied"},
        {locked, "Файл \"" + locked + "\" не прочитан: нет прав на чтение", "File access denied",
         lockedIsUnreadable},
#ifndef _WIN32
        {dir + "/pipe.offer",
         "Файл \"" + dir + "/pipe.offer\" не прочитан: это не обычный файл, а именованный канал",
         "Файл \"" + dir + "/pipe.offer\" не прочитан: это не обычный файл, а именованный канал"},
#endif
    };
#ifndef _WIN32
    ASSERT_EQ(mkfifo((dir + "/pipe.offer").c_str(), 0600), 0);
#endif
    for (const auto& c : cases) {
        if (!c.check) {
            continue;
        }
        EXPECT_EQ(Refusal([&] { QtFiles::ReadBytes(c.path, 100); }), c.offer);
        EXPECT_EQ(Refusal([&] { QtFiles::ReadLinesClipped(c.path, 3, 5); }), c.price);
    }
#ifndef _WIN32
    alarm(0);
#endif
}

}  // namespace
}  // namespace tesmarik
