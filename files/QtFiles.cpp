#include "files/QtFiles.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <optional>
#include <utility>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "common/Error.h"
#include "files/AtomicFile.h"
#include "files/QtText.h"
#include "files/Windows1251.h"

namespace tesmarik {

namespace {

// Why a file could not be opened for reading.
struct ReadFailure {
    enum class Kind { NotFound, AccessDenied, Folder, NotAFile, Other } kind;
    std::string what;  // NotAFile: what it is instead; Other: the system's reason
    int code = 0;      // Other: the system's error number
};

#ifdef _WIN32
ReadFailure FailureOfWindows(DWORD error) {
    switch (error) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_NAME:
        case ERROR_BAD_NETPATH:
            return {ReadFailure::Kind::NotFound, {}};
        case ERROR_ACCESS_DENIED:
            return {ReadFailure::Kind::AccessDenied, {}};
        default:
            return {ReadFailure::Kind::Other, "ошибка Windows " + std::to_string(error),
                    static_cast<int>(error)};
    }
}
#endif

// Opens a regular file for reading. Anything else a path can name (a named pipe, a
// device, a socket) is refused without being read: opening or reading it could wait
// forever for a writer that never comes, or never reach its end.
std::optional<ReadFailure> OpenRegular(QFile& file, const std::string& path) {
    if (QFileInfo(Q(path)).isDir()) {
        return ReadFailure{ReadFailure::Kind::Folder, {}};
    }
#ifdef _WIN32
    const HANDLE handle = CreateFileW(Q(path).toStdWString().c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return FailureOfWindows(GetLastError());
    }
    // A console, a printer port or a pipe ("CON", "\\.\pipe\...") is no disk file.
    if (GetFileType(handle) != FILE_TYPE_DISK) {
        CloseHandle(handle);
        return ReadFailure{ReadFailure::Kind::NotAFile, "устройство или канал"};
    }
    const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_RDONLY | _O_BINARY);
    if (fd < 0) {
        CloseHandle(handle);
        return ReadFailure{ReadFailure::Kind::Other, std::strerror(errno), errno};
    }
#else
    // Without O_NONBLOCK, opening a named pipe waits for a writer.
    const int fd =
        ::open(QFile::encodeName(Q(path)).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        switch (error) {
            case ENOENT:
            case ENOTDIR:
                return ReadFailure{ReadFailure::Kind::NotFound, {}};
            case EACCES:
            case EPERM:
                return ReadFailure{ReadFailure::Kind::AccessDenied, {}};
            default:
                return ReadFailure{ReadFailure::Kind::Other, std::strerror(error), error};
        }
    }
    struct stat status {};
    if (fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        const char* what = S_ISDIR(status.st_mode)    ? nullptr
                           : S_ISFIFO(status.st_mode) ? "именованный канал"
                           : S_ISSOCK(status.st_mode) ? "сокет"
                                                      : "устройство";
        if (what == nullptr) {
            return ReadFailure{ReadFailure::Kind::Folder, {}};
        }
        return ReadFailure{ReadFailure::Kind::NotAFile, what};
    }
    fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
#endif
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        return ReadFailure{ReadFailure::Kind::Other, file.errorString().toStdString()};
    }
    return std::nullopt;
}

// A file that is not a file, in the user's words and with its name: no error text of the
// price file's conventions fits it.
std::string NotAFileText(const ReadFailure& failure, const std::string& path) {
    return "Файл \"" + path + "\" не прочитан: это не обычный файл, а " + failure.what;
}

// The price file's reading, with the input/output error texts of its conventions.
void OpenPriceFile(QFile& file, const std::string& path) {
    const auto failure = OpenRegular(file, path);
    if (!failure) {
        return;
    }
    switch (failure->kind) {
        case ReadFailure::Kind::NotFound:
            throw Error("File not found");
        case ReadFailure::Kind::AccessDenied:
        case ReadFailure::Kind::Folder:
            throw Error("File access denied");
        case ReadFailure::Kind::NotAFile:
            throw Error(NotAFileText(*failure, path));
        case ReadFailure::Kind::Other:
            break;
    }
    throw Error("I/O error " + std::to_string(failure->code));
}

// A file the user picked (an offer file), refused in the user's words with its name.
void OpenChosenFile(QFile& file, const std::string& path) {
    const auto failure = OpenRegular(file, path);
    if (!failure) {
        return;
    }
    switch (failure->kind) {
        case ReadFailure::Kind::NotFound:
            throw Error("Файл \"" + path + "\" не найден");
        case ReadFailure::Kind::AccessDenied:
            throw Error("Файл \"" + path + "\" не прочитан: нет прав на чтение");
        case ReadFailure::Kind::Folder:
            throw Error("Файл \"" + path + "\" не прочитан: это папка");
        case ReadFailure::Kind::NotAFile:
            throw Error(NotAFileText(*failure, path));
        case ReadFailure::Kind::Other:
            break;
    }
    throw Error("Файл \"" + path + "\" не прочитан: " + failure->what);
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
    QFile file;
    OpenPriceFile(file, path);
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
    QFile file;
    OpenChosenFile(file, path);
    const QByteArray bytes = file.read(static_cast<qint64>(maxBytes));
    if (bytes.isEmpty() && file.error() != QFileDevice::NoError) {
        throw Error("Файл \"" + path + "\" не прочитан: " + file.errorString().toStdString());
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
