#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "common/DateTime.h"

namespace tesmarik {

struct SaveDialogRequest {
    std::string filter = "текстовые|*.txt";  // description|pattern
    std::string defaultExtension = "txt";
};

// The first lines of a text file whose size cannot be trusted.
struct ClippedLines {
    std::vector<std::string> lines;
    bool clipped = false;  // a line was cut short, or lines with text were left unread
};

// Everything outside the program. The window's logic reaches the screen's dialogs, the
// network, the file system and the clock only through this interface.
class Platform {
public:
    virtual ~Platform() = default;

    // Dialogs.
    virtual void ShowMessage(const std::string& text) = 0;
    // Information dialog with OK and Cancel at a screen position; true for OK.
    virtual bool AskAt(int left, int top, const std::string& text) = 0;
    virtual void ErrorBox(const std::string& text) = 0;
    // The chosen path (with the default extension added when it had none), or nothing.
    virtual std::optional<std::string> SaveDialog(const SaveDialogRequest& request) = 0;

    // The user's default program for a web or mailto address; failures are silent.
    virtual void OpenAddress(const std::string& address) = 0;
    // Fetches the address into the file at path; true only for a complete success.
    virtual bool Download(const std::string& address, const std::string& path) = 0;

    // Files.
    virtual bool FileExists(const std::string& path) = 0;
    virtual std::optional<DateTime> FileLastWrite(const std::string& path) = 0;
    // Reads a Windows-1251 text file as UTF-8 lines (CR LF or LF ends a line); throws
    // the input/output error texts when it cannot.
    virtual std::vector<std::string> ReadLines(const std::string& path) = 0;
    // As ReadLines, but keeps at most maxLines lines of at most maxChars characters each;
    // CR LF, LF and a lone CR each end a line. A platform that can should read no further
    // than it needs (QtFiles::ReadLinesClipped); this fallback reads the whole file first.
    virtual ClippedLines ReadLinesClipped(const std::string& path, std::size_t maxLines,
                                          std::size_t maxChars) {
        ClippedLines out;
        for (const std::string& whole : ReadLines(path)) {
            std::size_t start = 0;
            for (std::size_t end = 0; end <= whole.size(); ++end) {
                if (end < whole.size() && whole[end] != '\r') {
                    continue;
                }
                std::string line = whole.substr(start, end - start);
                start = end + 1;
                if (out.lines.size() == maxLines) {
                    out.clipped = out.clipped || !line.empty();
                    continue;
                }
                std::size_t chars = 0;
                std::size_t cut = 0;
                while (
                    cut < line.size() &&
                    (chars < maxChars || (static_cast<unsigned char>(line[cut]) & 0xC0) == 0x80)) {
                    chars += (static_cast<unsigned char>(line[cut]) & 0xC0) != 0x80 ? 1 : 0;
                    ++cut;
                }
                out.clipped = out.clipped || cut < line.size();
                line.resize(cut);
                out.lines.push_back(std::move(line));
            }
        }
        return out;
    }
    // Writes the lines as Windows-1251, each ended by CR LF, replacing the file only
    // once it is complete; throws "Cannot create file ..." when it cannot.
    virtual void WriteLines(const std::string& path, const std::vector<std::string>& lines) = 0;

    virtual DateTime Now() = 0;

    // Where the price file lives, and the seller's web server (host or host:port).
    virtual std::string PriceFilePath() = 0;
    virtual std::string SellerHost() = 0;
};

}  // namespace tesmarik
