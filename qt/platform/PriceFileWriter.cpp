#include "qt/platform/PriceFileWriter.h"

#include <QDir>
#include <QFileInfo>
#include <cerrno>

#include "files/FileReasons.h"
#include "files/QtText.h"

namespace tesmarik {

namespace {

// In words for the user: why a file or folder could not be written.
std::string LocalReason(int error) {
    switch (error) {
        case EISDIR:
            return "на месте файла прайса находится папка";
        case EEXIST:
            return "на месте папки находится файл";
        default:
            return ReasonInWords(error);
    }
}

// The price file's own folder is made for the user alone: the price list quoted from it
// must be the one this user downloaded. Folders above it are made as usual; a folder that
// exists keeps the permissions its owner gave it.
bool MakeFolder(const QString& folder) {
    if (QFileInfo(folder).isDir()) {
        return true;
    }
    const QFileInfo info(folder);
    return QDir().mkpath(info.absolutePath()) &&
           QDir().mkdir(folder,
                        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

// Whether the nearest thing that exists on the way up to the folder is a file, in whose
// place no folder can be made. Windows' C runtime leaves errno unset when that stops mkdir.
bool AFileStandsInTheWay(const QString& folder) {
    for (QFileInfo info(folder);;) {
        if (info.exists()) {
            return !info.isDir();
        }
        const QFileInfo up(info.absolutePath());
        if (up.absoluteFilePath() == info.absoluteFilePath()) {
            return false;
        }
        info = up;
    }
}

}  // namespace

PriceFileWriter::PriceFileWriter(const std::string& path)
    : path_(path), file_(path, AtomicFile::InPlace::Never) {}

bool PriceFileWriter::Open() {
    const QFileInfo info(Q(path_));
    const QString folder = info.absolutePath();
    errno = 0;
    if (!MakeFolder(folder)) {
        return Fail(AFileStandsInTheWay(folder) ? ENOTDIR : errno);
    }
    if (info.isDir()) {
        return Fail(EISDIR);
    }
    if (!file_.Open()) {
        if (file_.ErrorNumber() == 0 && info.exists() && !info.isWritable()) {
            return Fail(EACCES);
        }
        return Fail(file_.ErrorNumber());
    }
    return true;
}

bool PriceFileWriter::Commit(const std::string& bytes) {
    if (!file_.Write(bytes) || !file_.Commit()) {
        const int error = file_.ErrorNumber();
        file_.Discard();
        return Fail(error);
    }
    return true;
}

bool PriceFileWriter::Fail(int errorNumber) {
    reason_ = errorNumber != 0 ? LocalReason(errorNumber) : file_.Reason();
    return false;
}

}  // namespace tesmarik
