#include "files/AtomicFile.h"

#include <cerrno>
#include <cstring>

#include "files/FileReasons.h"
#include "files/QtText.h"

namespace tesmarik {

namespace {

// What a writer streaming into the file (the PDF writer) is handed: every write reaches
// the file whole or is a failure. A full disk cuts a large write short without an error,
// and QIODevice's users take a short write for a done one: the PDF writer then stops
// writing, the file is complete in Qt's eyes and would be put in the target's place. The
// rest is written again, which then fails with the system's reason.
class WholeWrites final : public QIODevice {
public:
    explicit WholeWrites(QIODevice& file) : file_(file) {
        open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    }

    bool Failed() const { return failed_; }
    int ErrorNumber() const { return errorNumber_; }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char*, qint64) override { return -1; }

    qint64 writeData(const char* data, qint64 size) override {
        for (qint64 done = 0; !failed_ && done < size;) {
            errno = 0;
            const qint64 written = file_.write(data + done, size - done);
            if (written <= 0) {
                failed_ = true;
                errorNumber_ = errno;
            } else {
                done += written;
            }
        }
        return failed_ ? -1 : size;
    }

private:
    QIODevice& file_;
    bool failed_ = false;
    int errorNumber_ = 0;
};

}  // namespace

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
    return Fill([bytes](QIODevice& file) {
        return file.write(bytes.data(), static_cast<qint64>(bytes.size())) ==
               static_cast<qint64>(bytes.size());
    });
}

bool AtomicFile::Fill(const std::function<bool(QIODevice&)>& fill) {
    WholeWrites device(file_);
    errno = 0;
    const bool filled = fill(device);
    if (device.Failed()) {
        errorNumber_ = device.ErrorNumber();
        return false;
    }
    return Step(filled);
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
    if (const auto full = FullDiskReason(errorNumber_)) {
        return *full;
    }
    return errorNumber_ != 0 ? std::strerror(errorNumber_) : file_.errorString().toStdString();
}

}  // namespace tesmarik
