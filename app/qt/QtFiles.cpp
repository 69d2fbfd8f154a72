#include "app/qt/QtFiles.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>
#include <cerrno>
#include <cstring>

#include "common/Error.h"

namespace tesmarik {

namespace {

QString Path(const std::string& path) {
    return QString::fromStdString(path);
}

}  // namespace

bool QtFiles::Exists(const std::string& path) {
    return QFileInfo(Path(path)).isFile();
}

std::optional<DateTime> QtFiles::LastWrite(const std::string& path) {
    const QFileInfo info(Path(path));
    if (!info.exists()) {
        return std::nullopt;
    }
    const QDateTime t = info.lastModified().toLocalTime();
    return DateTime{t.date().year(), t.date().month(),  t.date().day(),
                    t.time().hour(), t.time().minute(), t.time().second()};
}

bool QtFiles::SetLastWrite(const std::string& path, const DateTime& t) {
    QFile file(Path(path));
    if (!file.open(QIODevice::ReadWrite)) {
        return false;
    }
    const QDateTime local(QDate(t.year, t.month, t.day), QTime(t.hour, t.minute, t.second));
    return file.setFileTime(local, QFileDevice::FileModificationTime);
}

std::vector<std::string> QtFiles::ReadLines(const std::string& path) {
    QFile file(Path(path));
    if (!file.open(QIODevice::ReadOnly)) {
        switch (file.error()) {
            case QFileDevice::OpenError:
                if (!QFileInfo::exists(Path(path))) {
                    throw Error("File not found");
                }
                throw Error("File access denied");
            case QFileDevice::PermissionsError:
                throw Error("File access denied");
            default:
                throw Error("I/O error " + std::to_string(static_cast<int>(file.error())));
        }
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        throw Error("I/O error " + std::to_string(static_cast<int>(file.error())));
    }
    std::vector<std::string> lines;
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        const bool lastLine = end < 0;
        if (lastLine) {
            end = bytes.size();
        }
        qsizetype length = end - start;
        if (length > 0 && bytes[end - 1] == '\r') {
            --length;
        }
        lines.push_back(FromWindows1251(bytes.mid(start, length).toStdString()));
        start = end + 1;
    }
    return lines;
}

void QtFiles::WriteLines(const std::string& path, const std::vector<std::string>& lines) {
    std::string bytes;
    for (const auto& line : lines) {
        bytes += ToWindows1251(line);
        bytes += "\r\n";
    }
    QSaveFile file(Path(path));
    errno = 0;
    bool ok = file.open(QIODevice::WriteOnly);
    int reason = errno;
    if (ok) {
        ok = file.write(bytes.data(), static_cast<qint64>(bytes.size())) ==
             static_cast<qint64>(bytes.size());
        reason = errno;
        ok = ok && file.commit();
        if (!ok) {
            reason = errno;
        }
    }
    if (!ok) {
        file.cancelWriting();
        const std::string why =
            reason != 0 ? std::strerror(reason) : file.errorString().toStdString();
        throw Error("Cannot create file \"" + path + "\". " + why);
    }
}

bool QtFiles::WriteBytes(const std::string& path, const std::string& bytes) {
    QSaveFile file(Path(path));
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    if (file.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
        static_cast<qint64>(bytes.size())) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

std::string QtFiles::ToWindows1251(const std::string& utf8) {
    QStringEncoder encoder("windows-1251");
    const QByteArray bytes = encoder.encode(QString::fromStdString(utf8));
    return bytes.toStdString();
}

std::string QtFiles::FromWindows1251(const std::string& bytes) {
    QStringDecoder decoder("windows-1251");
    const QString text = decoder.decode(QByteArray::fromStdString(bytes));
    return text.toStdString();
}

}  // namespace tesmarik
