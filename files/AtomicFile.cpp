#include "files/AtomicFile.h"

#include <cerrno>
#include <cstring>

#include "files/QtText.h"

namespace tesmarik {

AtomicFile::AtomicFile(const std::string& path, InPlace inPlace) : file_(Q(path)) {
    file_.setDirectWriteFallback(inPlace == InPlace::WhenFolderIsReadOnly);
}

bool AtomicFile::Step(bool ok) {
    // Qt leaves errno as the failed system call set it; it is cleared before each step so
    // that an old number is never taken for the reason.
    errorNumber_ = ok ? 0 : errno;
    return ok;
}

bool AtomicFile::Open() {
    errno = 0;
    return Step(file_.open(QIODevice::WriteOnly));
}

bool AtomicFile::Write(std::string_view bytes) {
    errno = 0;
    return Step(file_.write(bytes.data(), static_cast<qint64>(bytes.size())) ==
                static_cast<qint64>(bytes.size()));
}

bool AtomicFile::Fill(const std::function<bool(QIODevice&)>& fill) {
    errno = 0;
    return Step(fill(file_));
}

bool AtomicFile::Commit() {
    errno = 0;
    // commit() alone would not notice a failed flush and would put a cut-off file in place
    // of the old one.
    if (!Step(file_.flush())) {
        const int reason = errorNumber_;
        file_.cancelWriting();
        errorNumber_ = reason;
        return false;
    }
    errno = 0;
    return Step(file_.commit());
}

void AtomicFile::Discard() {
    file_.cancelWriting();
}

std::string AtomicFile::Reason() const {
    return errorNumber_ != 0 ? std::strerror(errorNumber_) : file_.errorString().toStdString();
}

}  // namespace tesmarik
