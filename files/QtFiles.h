#pragma once

#include <QIODevice>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/DateTime.h"
#include "common/Platform.h"

namespace tesmarik {

// The file system part of the platform, shared by the program and the scenario runner:
// Windows-1251 text on disk, UTF-8 in the program; reports replace a file only once
// they are completely written, but for a writable file in a read-only folder, which is
// written in place.
class QtFiles {
public:
    static bool Exists(const std::string& path);
    static std::optional<DateTime> LastWrite(const std::string& path);
    static bool SetLastWrite(const std::string& path, const DateTime& t);
    // The first maxLines lines of at most maxChars characters each (one byte is one
    // character in Windows-1251); CR LF, LF and a lone CR end a line. Reads the file in
    // pieces and stops once the rest cannot change the result, so a huge file costs
    // neither memory nor time. Throws the price file's input/output error texts ("File not
    // found", ...); anything but a regular file (a named pipe, a device) is refused unread,
    // with its name.
    static ClippedLines ReadLinesClipped(const std::string& path, std::size_t maxLines,
                                         std::size_t maxChars);
    // The same for bytes already in memory.
    static ClippedLines SplitLinesClipped(std::string_view bytes, std::size_t maxLines,
                                          std::size_t maxChars);
    static void WriteLines(const std::string& path, const std::vector<std::string>& lines);
    // The first bytes of a file the user chose, at most maxBytes. Reads only a regular
    // file; throws a message that names the file and says why it cannot be read.
    static std::string ReadBytes(const std::string& path, std::size_t maxBytes);
    // Replaces the file with the bytes as the reports are written.
    static void WriteText(const std::string& path, const std::string& bytes);
    // Writes a file through fill as the reports are written: it replaces the file only once
    // complete. Throws "Cannot create file ..." when the file cannot be written or fill
    // returns false.
    static void WriteFile(const std::string& path, const std::function<bool(QIODevice&)>& fill);
    // Atomically replaces the file with the bytes; false when it cannot.
    static bool WriteBytes(const std::string& path, const std::string& bytes);
    static std::string ToWindows1251(const std::string& utf8);
    static std::string FromWindows1251(const std::string& bytes);
};

}  // namespace tesmarik
