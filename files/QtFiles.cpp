#include "files/QtFiles.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <utility>

#include "common/Error.h"
#include "files/AtomicFile.h"
#include "files/QtText.h"
#include "files/Windows1251.h"

namespace tesmarik {

namespace {

// Opens a file for reading or throws the input/output error the user sees.
void OpenForReading(QFile& file, const std::string& path) {
    if (file.open(QIODevice::ReadOnly)) {
        return;
    }
    switch (file.error()) {
        case QFileDevice::OpenError:
            if (!QFileInfo::exists(Q(path))) {
                throw Error("File not found");
            }
            throw Error("File access denied");
        case QFileDevice::PermissionsError:
            throw Error("File access denied");
        default:
            throw Error("I/O error " + std::to_string(static_cast<int>(file.error())));
    }
}

// Cuts a stream of Windows-1251 bytes into lines, keeping only what the caller asked for.
class LineClipper {
public:
    LineClipper(std::size_t maxLines, std::size_t maxChars)
        : maxLines_(maxLines), maxChars_(maxChars) {}

    // Takes the next piece; false once nothing that follows can change the result. The
    // text between line ends is taken in runs, not byte by byte: a price file is read on
    // every visit of its tab.
    bool Feed(std::string_view bytes) {
        std::size_t nextCr = bytes.find('\r');
        std::size_t nextLf = bytes.find('\n');
        std::size_t i = 0;
        while (i < bytes.size()) {
            if (afterCr_ && bytes[i] == '\n') {
                afterCr_ = false;
                ++i;
                continue;
            }
            afterCr_ = false;
            if (nextCr < i) {
                nextCr = bytes.find('\r', i);
            }
            if (nextLf < i) {
                nextLf = bytes.find('\n', i);
            }
            const std::size_t end = std::min(nextCr, nextLf);
            const std::size_t stop = std::min(end, bytes.size());
            if (stop > i) {
                hasText_ = true;
                const std::size_t room = maxChars_ - std::min(line_.size(), maxChars_);
                const std::size_t take = std::min(room, stop - i);
                line_.append(bytes.data() + i, take);
                cut_ = cut_ || take < stop - i;
            }
            if (end == std::string_view::npos) {
                break;
            }
            afterCr_ = bytes[end] == '\r';
            EndLine();
            if (done_) {
                return false;
            }
            i = end + 1;
        }
        return true;
    }

    ClippedLines Finish() {
        if (!done_ && hasText_) {  // a last line without a line end
            EndLine();
        }
        return std::move(result_);
    }

private:
    void EndLine() {
        if (result_.lines.size() < maxLines_) {
            result_.lines.push_back(Windows1251ToUtf8(line_));
            result_.clipped = result_.clipped || cut_;
        } else if (hasText_) {
            result_.clipped = true;
            done_ = true;
        }
        line_.clear();
        cut_ = false;
        hasText_ = false;
    }

    std::size_t maxLines_;
    std::size_t maxChars_;
    ClippedLines result_;
    std::string line_;
    bool hasText_ = false;
    bool cut_ = false;
    bool afterCr_ = false;
    bool done_ = false;
};

}  // namespace

bool QtFiles::Exists(const std::string& path) {
    return QFileInfo(Q(path)).isFile();
}

std::optional<DateTime> QtFiles::LastWrite(const std::string& path) {
    const QFileInfo info(Q(path));
    if (!info.exists()) {
        return std::nullopt;
    }
    const QDateTime t = info.lastModified().toLocalTime();
    return DateTime{t.date().year(), t.date().month(),  t.date().day(),
                    t.time().hour(), t.time().minute(), t.time().second()};
}

bool QtFiles::SetLastWrite(const std::string& path, const DateTime& t) {
    QFile file(Q(path));
    if (!file.open(QIODevice::ReadWrite)) {
        return false;
    }
    const QDateTime local(QDate(t.year, t.month, t.day), QTime(t.hour, t.minute, t.second));
    return file.setFileTime(local, QFileDevice::FileModificationTime);
}

ClippedLines QtFiles::ReadLinesClipped(const std::string& path, std::size_t maxLines,
                                       std::size_t maxChars) {
    QFile file(Q(path));
    OpenForReading(file, path);
    LineClipper clipper(maxLines, maxChars);
    std::vector<char> piece(64 * 1024);
    for (;;) {
        const qint64 got = file.read(piece.data(), static_cast<qint64>(piece.size()));
        if (got < 0) {
            throw Error("I/O error " + std::to_string(static_cast<int>(file.error())));
        }
        if (got == 0 || !clipper.Feed({piece.data(), static_cast<std::size_t>(got)})) {
            break;
        }
    }
    return clipper.Finish();
}

ClippedLines QtFiles::SplitLinesClipped(std::string_view bytes, std::size_t maxLines,
                                        std::size_t maxChars) {
    LineClipper clipper(maxLines, maxChars);
    clipper.Feed(bytes);
    return clipper.Finish();
}

void QtFiles::WriteLines(const std::string& path, const std::vector<std::string>& lines) {
    std::string bytes;
    for (const auto& line : lines) {
        bytes += ToWindows1251(line);
        bytes += "\r\n";
    }
    WriteText(path, bytes);
}

std::string QtFiles::ReadBytes(const std::string& path, std::size_t maxBytes) {
    QFile file(Q(path));
    OpenForReading(file, path);
    const QByteArray bytes = file.read(static_cast<qint64>(maxBytes));
    if (bytes.isEmpty() && file.error() != QFileDevice::NoError) {
        throw Error("I/O error " + std::to_string(static_cast<int>(file.error())));
    }
    return bytes.toStdString();
}

void QtFiles::WriteText(const std::string& path, const std::string& bytes) {
    WriteFile(path, [&bytes](QIODevice& file) {
        return file.write(bytes.data(), static_cast<qint64>(bytes.size())) ==
               static_cast<qint64>(bytes.size());
    });
}

void QtFiles::WriteFile(const std::string& path, const std::function<bool(QIODevice&)>& fill) {
    AtomicFile file(path, AtomicFile::InPlace::WhenFolderIsReadOnly);
    if (!(file.Open() && file.Fill(fill) && file.Commit())) {
        file.Discard();
        throw Error("Cannot create file \"" + path + "\". " + file.Reason());
    }
}

bool QtFiles::WriteBytes(const std::string& path, const std::string& bytes) {
    AtomicFile file(path, AtomicFile::InPlace::Never);
    if (file.Open() && file.Write(bytes) && file.Commit()) {
        return true;
    }
    file.Discard();
    return false;
}

std::string QtFiles::ToWindows1251(const std::string& utf8) {
    return Utf8ToWindows1251(utf8);
}

std::string QtFiles::FromWindows1251(const std::string& bytes) {
    return Windows1251ToUtf8(bytes);
}

}  // namespace tesmarik
