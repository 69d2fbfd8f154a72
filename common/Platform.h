#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "common/DateTime.h"
#include "common/DownloadResult.h"
#include "common/PrintedReport.h"
#include "common/Workbook.h"

namespace tesmarik {

struct SaveDialogRequest {
    std::string filter = "текстовые|*.txt";  // description|pattern
    std::string defaultExtension = "txt";
    std::string fileName;  // proposed in a save dialog, without the extension; empty: none
};

// What the user answers when changes not yet saved would be lost.
enum class SaveAnswer { Save, Discard, Cancel };

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
    // The open dialog for an existing file of the filter: the chosen path, or nothing.
    virtual std::optional<std::string> OpenDialog(const SaveDialogRequest& request) = 0;
    // A question with the buttons "Да" (save), "Нет" (discard) and "Отмена".
    virtual SaveAnswer AskToSave(const std::string& text) = 0;

    // Puts the text (lines ended by line feeds) on the desktop's clipboard.
    virtual void CopyText(const std::string& text) = 0;
    // The text on the desktop's clipboard; empty when it holds none.
    virtual std::string PastedText() { return {}; }
    // The print dialog, then the report's pages to the printer chosen there; false when
    // the user cancels. Throws the error text when the pages cannot be printed.
    virtual bool Print(const PrintedReport& report) = 0;

    // The user's default program for a web or mailto address; failures are silent.
    virtual void OpenAddress(const std::string& address) = 0;
    // Fetches the address into the file at path, telling how the download ended; the
    // file's folder is made when it is missing. A platform that cannot tell the causes of
    // a failure apart reports each as the network's.
    virtual DownloadResult Download(const std::string& address, const std::string& path) = 0;

    // Files.
    virtual bool FileExists(const std::string& path) = 0;
    virtual std::optional<DateTime> FileLastWrite(const std::string& path) = 0;
    // Reads a Windows-1251 text file as UTF-8 lines, keeping at most maxLines lines of at
    // most maxChars characters each (CR LF, LF and a lone CR each end a line) and reading
    // no further than it needs; throws the input/output error texts when it cannot, and
    // refuses anything but a regular file unread.
    virtual ClippedLines ReadLinesClipped(const std::string& path, std::size_t maxLines,
                                          std::size_t maxChars) = 0;
    // Writes the lines as Windows-1251, each ended by CR LF, replacing the file only
    // once it is complete (a writable file in a folder that is not is written in place);
    // throws "Cannot create file ..." when it cannot.
    virtual void WriteLines(const std::string& path, const std::vector<std::string>& lines) = 0;
    // Writes the report's pages as a PDF file, replacing the file only once it is complete
    // as WriteLines does; throws "Cannot create file ..." when it cannot.
    virtual void WritePdf(const std::string& path, const PrintedReport& report) = 0;
    // Writes the workbook as an .xlsx file, replacing the file only once it is complete.
    virtual void WriteWorkbook(const std::string& path, const Workbook& workbook) = 0;
    // A UTF-8 text file as it is, at most maxBytes + 1 bytes of it (more tells that it is
    // larger); throws a message naming the file and the reason when it cannot be read or is
    // no regular file.
    virtual std::string ReadTextFile(const std::string& path, std::size_t maxBytes) = 0;
    // Writes UTF-8 text as it is, replacing the file only once it is complete.
    virtual void WriteTextFile(const std::string& path, const std::string& text) = 0;

    virtual DateTime Now() = 0;

    // The user's own settings file (see common/UserSettings.h), in the user's
    // configuration folder: its text, empty when there is none or it cannot be read.
    virtual std::string ReadSettingsFile() = 0;
    // Replaces it once complete, making its folder; throws the error texts when it cannot.
    virtual void WriteSettingsFile(const std::string& text) = 0;

    // Where the price file lives (finding it makes nothing: the download makes its folder),
    // and the seller's web server (host or host:port).
    virtual std::string PriceFilePath() = 0;
    virtual std::string SellerHost() = 0;
    // The user's own data folder, which the program's database lives under (see
    // memory/MemoryFile.h); empty where the program keeps no database.
    virtual std::string DataFolder() { return {}; }
};

}  // namespace tesmarik
