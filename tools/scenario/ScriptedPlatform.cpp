#include "tools/scenario/ScriptedPlatform.h"

#include <QGuiApplication>
#include <filesystem>

#include "common/Error.h"
#include "common/UserSettings.h"
#include "files/QtFiles.h"
#include "files/WriteLimit.h"
#include "printing/ReportPages.h"
#include "workbook/WorkbookFile.h"

namespace tesmarik {

std::string EscapeValue(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        switch (c) {
            case '\r':
                out += "\\r";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\\':
                out += "\\\\";
                break;
            default:
                out += c;
        }
    }
    return out;
}

ScriptedPlatform::ScriptedPlatform(std::ostream& out, std::string priceFilePath,
                                   std::string sellerHost)
    : out_(out), priceFilePath_(std::move(priceFilePath)), sellerHost_(std::move(sellerHost)) {
    SurviveFileSizeLimit();
}

void ScriptedPlatform::ShowMessage(const std::string& text) {
    out_ << "message: " << EscapeValue(text) << '\n';
}

bool ScriptedPlatform::AskAt(int left, int top, const std::string& text) {
    bool ok = false;
    if (!answers_.empty()) {
        ok = answers_.front();
        answers_.pop_front();
    }
    out_ << "dialog at " << left << ',' << top << ": " << EscapeValue(text) << " -> "
         << (ok ? "ok" : "cancel") << '\n';
    return ok;
}

void ScriptedPlatform::ErrorBox(const std::string& text) {
    out_ << "error: " << EscapeValue(text) << '\n';
}

std::optional<std::string> ScriptedPlatform::SaveDialog(const SaveDialogRequest& request) {
    std::optional<std::string> path;
    if (!saves_.empty()) {
        path = saves_.front();
        saves_.pop_front();
    }
    if (path && std::filesystem::path(*path).extension().empty()) {
        *path += "." + request.defaultExtension;
    }
    out_ << "save dialog -> " << (path ? EscapeValue(*path) : "cancel") << '\n';
    return path;
}

std::optional<std::string> ScriptedPlatform::OpenDialog(const SaveDialogRequest&) {
    std::optional<std::string> path;
    if (!opens_.empty()) {
        path = opens_.front();
        opens_.pop_front();
    }
    out_ << "open dialog -> " << (path ? EscapeValue(*path) : "cancel") << '\n';
    return path;
}

SaveAnswer ScriptedPlatform::AskToSave(const std::string& text) {
    // With no answer queued the question is cancelled: nothing is lost.
    SaveAnswer answer = SaveAnswer::Cancel;
    if (!saveAnswers_.empty()) {
        answer = saveAnswers_.front();
        saveAnswers_.pop_front();
    }
    const char* said = answer == SaveAnswer::Save      ? "yes"
                       : answer == SaveAnswer::Discard ? "no"
                                                       : "cancel";
    out_ << "question: " << EscapeValue(text) << " -> " << said << '\n';
    return answer;
}

void ScriptedPlatform::CopyText(const std::string& text) {
    out_ << "clipboard: " << EscapeValue(text) << '\n';
    clipboard_ = text;
}

bool ScriptedPlatform::Print(const PrintedReport& report) {
    std::optional<std::string> path;
    if (!prints_.empty()) {
        path = prints_.front();
        prints_.pop_front();
    }
    out_ << "print dialog -> " << (path ? EscapeValue(*path) : "cancel") << '\n';
    if (path) {
        WritePdf(*path, report);
    }
    return path.has_value();
}

void ScriptedPlatform::OpenAddress(const std::string& address) {
    out_ << "open: " << EscapeValue(address) << '\n';
}

std::filesystem::path Utf8Path(const std::string& text) {
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

std::string Utf8Text(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

bool CopyOver(const std::string& from, const std::string& to) {
    std::error_code error;
    // Removed first: on Windows, libstdc++ takes any two files of one drive for the same
    // file and refuses to copy one over the other.
    std::filesystem::remove(Utf8Path(to), error);
    return std::filesystem::copy_file(Utf8Path(from), Utf8Path(to), error);
}

DownloadResult ScriptedPlatform::Download(const std::string& address, const std::string& path) {
    std::optional<std::string> source;
    if (!downloads_.empty()) {
        source = downloads_.front();
        downloads_.pop_front();
    }
    bool ok = false;
    if (source) {
        ok = CopyOver(*source, path);
        // The fresh copy is written now by the script's clock, as a real download would be.
        ok = ok && QtFiles::SetLastWrite(path, now_);
        if (ok && path == priceFilePath_) {
            priceLocked_ = false;
        }
    }
    out_ << "download: " << EscapeValue(address) << " -> " << (ok ? "ok" : "fail") << '\n';
    return {ok ? DownloadResult::Outcome::Ok : DownloadResult::Outcome::NetworkFailure, {}};
}

bool ScriptedPlatform::FileExists(const std::string& path) {
    return QtFiles::Exists(path);
}

std::optional<DateTime> ScriptedPlatform::FileLastWrite(const std::string& path) {
    return QtFiles::LastWrite(path);
}

ClippedLines ScriptedPlatform::ReadLinesClipped(const std::string& path, std::size_t maxLines,
                                                std::size_t maxChars) {
    if (priceLocked_ && path == priceFilePath_) {
        throw Error("I/O error 32");  // another program holds the file
    }
    return QtFiles::ReadLinesClipped(path, maxLines, maxChars);
}

void ScriptedPlatform::WriteLines(const std::string& path, const std::vector<std::string>& lines) {
    QtFiles::WriteLines(path, lines);
}

void ScriptedPlatform::WriteWorkbook(const std::string& path, const Workbook& workbook) {
    WriteWorkbookFile(path, workbook);
}

std::string ScriptedPlatform::ReadTextFile(const std::string& path, std::size_t maxBytes) {
    return QtFiles::ReadBytes(path, maxBytes + 1);
}

void ScriptedPlatform::WriteTextFile(const std::string& path, const std::string& text) {
    QtFiles::WriteText(path, text);
}

std::string ScriptedPlatform::ReadSettingsFile() {
    if (settingsFolder_.empty()) {
        return settings_;
    }
    try {
        return QtFiles::ReadBytes(SettingsFilePath(settingsFolder_), kUserSettingsMaxBytes);
    } catch (const std::exception&) {
        return {};  // none yet
    }
}

void ScriptedPlatform::WriteSettingsFile(const std::string& text) {
    if (settingsFolder_.empty()) {
        settings_ = text;
        return;
    }
    const std::string path = SettingsFilePath(settingsFolder_);
    std::error_code error;
    std::filesystem::create_directories(Utf8Path(path).parent_path(), error);
    QtFiles::WriteText(path, text);
}

void ScriptedPlatform::WritePdf(const std::string& path, const PrintedReport& report) {
    if (beforePainting_) {
        beforePainting_();
    }
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) {
        // No fonts to paint with: a runner built without the means to print.
        throw Error("Cannot create file \"" + path + "\". No QGuiApplication to paint with");
    }
    WriteReportPdf(path, report);
}

}  // namespace tesmarik
