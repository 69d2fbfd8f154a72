#pragma once

#include <QSaveFile>
#include <functional>
#include <string>
#include <string_view>

namespace tesmarik {

// A file written beside its target and put in its place only once complete, so that a
// failure at any step (a full disk, a lost permission) leaves the file that was there as
// it was. Reports, PDF files, workbooks, offer files and the price file are all written
// through it.
class AtomicFile {
public:
    // Where no temporary file can be made beside the target (a folder the user may not
    // write to), a file the user may write can still be written in place.
    enum class InPlace { Never, WhenFolderIsReadOnly };

    AtomicFile(const std::string& path, InPlace inPlace);

    // Each step returns false when it fails; Reason() then says why.
    bool Open();
    bool Write(std::string_view bytes);
    // For writers that stream into the file themselves (a PDF painter); fill returns false
    // when it could not write everything. The device it is handed takes every write whole
    // or fails it, and a failed write fails the step whatever fill returns.
    bool Fill(const std::function<bool(QIODevice&)>& fill);
    // Sends the data to the disk, then replaces the target. A failed flush (a full disk)
    // is noticed here; the file is then discarded, the target left alone.
    bool Commit();
    // Gives up: the target stays as it was.
    void Discard();

    // The C runtime's error number of the failed step, 0 when the runtime gave none.
    int ErrorNumber() const { return errorNumber_; }
    // In words: a full disk in the user's words (FullDiskReason), else the C runtime's text
    // of the error number, or Qt's own when there is none.
    std::string Reason() const;

private:
    bool Step(bool ok);

    QSaveFile file_;
    int errorNumber_ = 0;
};

}  // namespace tesmarik
