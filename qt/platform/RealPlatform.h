#pragma once

#include <QFileDialog>
#include <QString>
#include <QWidget>
#include <functional>

#include "common/Platform.h"
#include "qt/platform/Downloader.h"

namespace tesmarik {

// The platform of the real program: Qt Widgets dialogs, the desktop's default programs,
// the download module for the download, the file system and the clock.
class RealPlatform : public Platform {
public:
    RealPlatform();

    // Dialogs are centred on (and modal to) the window once it exists.
    void SetDialogParent(QWidget* parent) { parent_ = parent; }
    // Runs before a dialog or the download's progress opens in the middle of a handler,
    // so that the window shows what the handler has set so far.
    void SetBeforeDialog(std::function<void()> beforeDialog) {
        beforeDialog_ = std::move(beforeDialog);
    }

    void ShowMessage(const std::string& text) override;
    bool AskAt(int left, int top, const std::string& text) override;
    void ErrorBox(const std::string& text) override;
    std::optional<std::string> SaveDialog(const SaveDialogRequest& request) override;
    std::optional<std::string> OpenDialog(const SaveDialogRequest& request) override;
    SaveAnswer AskToSave(const std::string& text) override;
    void CopyText(const std::string& text) override;
    std::string PastedText() override;
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
    DateTime Now() override;
    std::string ReadSettingsFile() override;
    void WriteSettingsFile(const std::string& text) override;
    std::string PriceFilePath() override;
    std::string SellerHost() override;
    std::string DataFolder() override;

private:
    void BeforeDialog() const;
    QWidget* DialogOwner() const;
    // "Печать…" where no printer is installed.
    bool OfferPdfInstead(const PrintedReport& report);

    QWidget* parent_ = nullptr;
    std::function<void()> beforeDialog_;
    Downloader downloader_;
    // The folder of the last save, where the next save dialog opens.
    std::optional<std::string> FileDialog(const SaveDialogRequest& request,
                                          QFileDialog::AcceptMode mode);

    QString saveFolder_;
};

// The title of the program's message boxes.
inline constexpr const char* kProgramTitle = "Тесмарик";

}  // namespace tesmarik
