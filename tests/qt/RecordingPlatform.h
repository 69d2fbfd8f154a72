#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "common/Platform.h"
#include "files/QtFiles.h"

namespace tesmarik {

// A platform for widget tests: records every dialog and address instead of showing or
// opening it, answers from queues, and uses the real file system.
class RecordingPlatform : public Platform {
public:
    std::vector<std::string> calls;  // "message: ...", "error: ...", "open: ...", ...
    std::deque<bool> answers;
    std::deque<std::optional<std::string>> saveAs;
    std::string priceFile = "/nonexistent/1.csv";
    DateTime now{2026, 1, 1, 12, 0, 0};
    std::string settings;  // the user's settings file

    void ShowMessage(const std::string& text) override { calls.push_back("message: " + text); }
    bool AskAt(int left, int top, const std::string& text) override {
        const bool ok = !answers.empty() && answers.front();
        if (!answers.empty()) {
            answers.pop_front();
        }
        calls.push_back("dialog at " + std::to_string(left) + "," + std::to_string(top) + ": " +
                        text);
        return ok;
    }
    void ErrorBox(const std::string& text) override { calls.push_back("error: " + text); }
    std::optional<std::string> SaveDialog(const SaveDialogRequest&) override {
        std::optional<std::string> path;
        if (!saveAs.empty()) {
            path = saveAs.front();
            saveAs.pop_front();
        }
        calls.push_back("save dialog");
        return path;
    }
    std::optional<std::string> OpenDialog(const SaveDialogRequest&) override {
        calls.push_back("open dialog");
        return std::nullopt;
    }
    SaveAnswer AskToSave(const std::string& text) override {
        calls.push_back("question: " + text);
        return SaveAnswer::Cancel;
    }
    void CopyText(const std::string& text) override { calls.push_back("clipboard: " + text); }
    bool Print(const PrintedReport& report) override {
        calls.push_back("print: " + report.title);
        return false;
    }
    void OpenAddress(const std::string& address) override { calls.push_back("open: " + address); }
    DownloadResult Download(const std::string& address, const std::string&) override {
        calls.push_back("download: " + address);
        return {DownloadResult::Outcome::NetworkFailure, {}};
    }
    bool FileExists(const std::string& path) override { return QtFiles::Exists(path); }
    std::optional<DateTime> FileLastWrite(const std::string& path) override {
        return QtFiles::LastWrite(path);
    }
    ClippedLines ReadLinesClipped(const std::string& path, std::size_t maxLines,
                                  std::size_t maxChars) override {
        return QtFiles::ReadLinesClipped(path, maxLines, maxChars);
    }
    void WriteLines(const std::string& path, const std::vector<std::string>& lines) override {
        QtFiles::WriteLines(path, lines);
    }
    void WritePdf(const std::string& path, const PrintedReport&) override {
        calls.push_back("pdf: " + path);
    }
    void WriteWorkbook(const std::string& path, const Workbook&) override {
        calls.push_back("workbook: " + path);
    }
    std::string ReadTextFile(const std::string& path, std::size_t maxBytes) override {
        return QtFiles::ReadBytes(path, maxBytes + 1);
    }
    void WriteTextFile(const std::string& path, const std::string& text) override {
        QtFiles::WriteText(path, text);
    }
    DateTime Now() override { return now; }
    std::string ReadSettingsFile() override { return settings; }
    void WriteSettingsFile(const std::string& text) override { settings = text; }
    std::string PriceFilePath() override { return priceFile; }
    std::string SellerHost() override { return "tesmarik.example"; }
};

}  // namespace tesmarik
