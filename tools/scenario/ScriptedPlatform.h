#pragma once

#include <deque>
#include <filesystem>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <utility>

#include "common/Platform.h"

namespace tesmarik {

// The platform of the scenario runner: dialogs, downloads and the clock answer from
// queues the script fills, and every use of the platform is printed as one line. Files
// are the real file system; the price file lives in a folder of the runner's own.
class ScriptedPlatform : public Platform {
public:
    ScriptedPlatform(std::ostream& out, std::string priceFilePath, std::string sellerHost);

    void QueueAnswer(bool ok) { answers_.push_back(ok); }
    void QueueSaveAs(std::optional<std::string> path) { saves_.push_back(std::move(path)); }
    void QueueOpen(std::optional<std::string> path) { opens_.push_back(std::move(path)); }
    void QueueSaveAnswer(SaveAnswer answer) { saveAnswers_.push_back(answer); }
    // An empty source makes the download fail.
    void QueueDownload(std::optional<std::string> source) {
        downloads_.push_back(std::move(source));
    }
    // An empty path cancels the print dialog.
    void QueuePrint(std::optional<std::string> path) { prints_.push_back(std::move(path)); }
    // Runs before the first page is painted: painting text needs a QGuiApplication, which
    // the runner makes only when a script prints.
    void SetBeforePainting(std::function<void()> beforePainting) {
        beforePainting_ = std::move(beforePainting);
    }
    void SetNow(const DateTime& t) { now_ = t; }
    // The folder the user's settings file lives in; without one they are kept in memory.
    void SetSettingsFolder(std::string folder) { settingsFolder_ = std::move(folder); }
    // The data folder the program's database lives under; empty: no database.
    void SetDataFolder(std::string folder) { dataFolder_ = std::move(folder); }
    void SetPriceFileLocked(bool locked) { priceLocked_ = locked; }
    // What the clipboard holds, as another program would leave it there.
    void SetClipboard(std::string text) { clipboard_ = std::move(text); }

    void ShowMessage(const std::string& text) override;
    bool AskAt(int left, int top, const std::string& text) override;
    void ErrorBox(const std::string& text) override;
    std::optional<std::string> SaveDialog(const SaveDialogRequest& request) override;
    std::optional<std::string> OpenDialog(const SaveDialogRequest& request) override;
    SaveAnswer AskToSave(const std::string& text) override;
    void CopyText(const std::string& text) override;
    std::string PastedText() override { return clipboard_; }
    bool Print(const PrintedReport& report) override;
    void OpenAddress(const std::string& address) override;
    DownloadResult Download(const std::string& address, const std::string& path) override;
    bool FileExists(const std::string& path) override;
    std::optional<DateTime> FileLastWrite(const std::string& path) override;
    ClippedLines ReadLinesClipped(const std::string& path, std::size_t maxLines,
                                  std::size_t maxChars) override;
    void WriteLines(const std::string& path, const std::vector<std::string>& lines) override;
    void WritePdf(const std::string& path, const PrintedReport& report) override;
    void WriteWorkbook(const std::string& path, const Workbook& workbook) override;
    std::string ReadTextFile(const std::string& path, std::size_t maxBytes) override;
    void WriteTextFile(const std::string& path, const std::string& text) override;
    DateTime Now() override { return now_; }
    std::string ReadSettingsFile() override;
    void WriteSettingsFile(const std::string& text) override;
    std::string PriceFilePath() override { return priceFilePath_; }
    std::string SellerHost() override { return sellerHost_; }
    std::string DataFolder() override { return dataFolder_; }

private:
    std::ostream& out_;
    std::string priceFilePath_;
    std::string sellerHost_;
    std::string clipboard_;
    std::deque<bool> answers_;
    std::deque<std::optional<std::string>> saves_;
    std::deque<std::optional<std::string>> opens_;
    std::deque<SaveAnswer> saveAnswers_;
    std::deque<std::optional<std::string>> downloads_;
    std::deque<std::optional<std::string>> prints_;
    std::function<void()> beforePainting_;
    DateTime now_{2026, 1, 1, 12, 0, 0};
    std::string settingsFolder_;
    std::string dataFolder_;
    std::string settings_;  // while there is no folder
    bool priceLocked_ = false;
};

// How the runner writes a value: CR, LF and backslash escaped, nothing else changed.
std::string EscapeValue(const std::string& text);

// A path of the file system from its UTF-8 text, and back: the runner's texts are UTF-8 on
// every platform, where Windows takes a narrow path in its ANSI code page (a Cyrillic user
// name in the temporary folder's path would not survive it).
std::filesystem::path Utf8Path(const std::string& text);
std::string Utf8Text(const std::filesystem::path& path);

// Copies a file over another, which may exist; false when it cannot.
bool CopyOver(const std::string& from, const std::string& to);

}  // namespace tesmarik
