#include "qt/platform/RealPlatform.h"

#include <QApplication>
#include <QClipboard>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHeaderView>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTreeView>
#include <QUrl>
#include <algorithm>
#include <cstdlib>

#include "common/Error.h"
#include "common/SellerIdentity.h"
#include "common/UserSettings.h"
#include "files/QtFiles.h"
#include "files/QtText.h"
#include "files/WriteLimit.h"
#include "printing/ReportPages.h"
#include "qt/platform/ScreenPlace.h"
#include "workbook/WorkbookFile.h"

namespace tesmarik {

namespace {

// "description|pattern" as the file dialog wants it: "description (pattern)".
QString NameFilter(const std::string& filter) {
    const auto bar = filter.find('|');
    if (bar == std::string::npos) {
        return Q(filter);
    }
    return Q(filter.substr(0, bar)) + " (" + Q(filter.substr(bar + 1)) + ")";
}

// The user's documents folder when there is one, else the home folder.
QString DefaultSaveFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QDir(documents).exists() ? documents : QDir::homePath();
}

// A save dialog no larger than the screen it opens on, wholly on it with room for its
// title bar, over the middle of its parent where that fits; its file list shows every
// column whole.
void FitOnScreen(QFileDialog& dialog) {
    QWidget* parent = dialog.parentWidget();
    QScreen* screen = parent != nullptr ? parent->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    const QRect room = screen->availableGeometry();
    const QSize size = QSize(720, 440).boundedTo(room.size() - QSize(16, 40));
    dialog.resize(size);
    const QPoint centre = parent != nullptr ? parent->frameGeometry().center() : room.center();
    dialog.move(WithinScreen(centre - QPoint(size.width() / 2, size.height() / 2), size, parent));
    for (QTreeView* list : dialog.findChildren<QTreeView*>()) {
        list->header()->setStretchLastSection(false);
        list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
        list->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    }
}

}  // namespace

RealPlatform::RealPlatform() {
    SurviveFileSizeLimit();
}

QWidget* RealPlatform::DialogOwner() const {
    // The program's window the user acts in, such as the offer's window beside the main
    // one; the main window when none of the program's is active.
    QWidget* active = QApplication::activeWindow();
    return active != nullptr ? active : parent_;
}

void RealPlatform::BeforeDialog() const {
    if (beforeDialog_) {
        beforeDialog_();
    }
}

void RealPlatform::ShowMessage(const std::string& text) {
    BeforeDialog();
    QMessageBox box(QMessageBox::NoIcon, kProgramTitle, Q(text), QMessageBox::Ok, parent_);
    box.exec();
}

bool RealPlatform::AskAt(int left, int top, const std::string& text) {
    BeforeDialog();
    QMessageBox box(QMessageBox::Information, kProgramTitle, Q(text),
                    QMessageBox::Ok | QMessageBox::Cancel, parent_);
    box.adjustSize();
    box.move(WithinScreen(QPoint(left, top), box.size(), parent_));
    return box.exec() == QMessageBox::Ok;
}

void RealPlatform::ErrorBox(const std::string& text) {
    BeforeDialog();
    QMessageBox box(QMessageBox::Critical, kProgramTitle, Q(text), QMessageBox::Ok, parent_);
    box.exec();
}

std::optional<std::string> RealPlatform::SaveDialog(const SaveDialogRequest& request) {
    return FileDialog(request, QFileDialog::AcceptSave);
}

std::optional<std::string> RealPlatform::OpenDialog(const SaveDialogRequest& request) {
    return FileDialog(request, QFileDialog::AcceptOpen);
}

// The save and the open dialog share their folder: each starts where the last one ended.
std::optional<std::string> RealPlatform::FileDialog(const SaveDialogRequest& request,
                                                    QFileDialog::AcceptMode mode) {
    BeforeDialog();
    if (saveFolder_.isEmpty() || !QDir(saveFolder_).exists()) {
        saveFolder_ = DefaultSaveFolder();
    }
    QFileDialog dialog(DialogOwner(), QString(), saveFolder_);
    dialog.setAcceptMode(mode);
    dialog.setNameFilter(NameFilter(request.filter));
    if (mode == QFileDialog::AcceptSave) {
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setDefaultSuffix(Q(request.defaultExtension));
        if (!request.fileName.empty()) {
            dialog.selectFile(Q(request.fileName + "." + request.defaultExtension));
        }
        // Reports replace an existing file without a question.
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    } else {
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    FitOnScreen(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    const QString chosen = dialog.selectedFiles().constFirst();
    saveFolder_ = QFileInfo(chosen).absolutePath();
    return chosen.toStdString();
}

SaveAnswer RealPlatform::AskToSave(const std::string& text) {
    BeforeDialog();
    QMessageBox box(QMessageBox::Question, kProgramTitle, Q(text),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent_);
    box.setDefaultButton(QMessageBox::Yes);
    switch (box.exec()) {
        case QMessageBox::Yes:
            return SaveAnswer::Save;
        case QMessageBox::No:
            return SaveAnswer::Discard;
        default:
            return SaveAnswer::Cancel;
    }
}

void RealPlatform::CopyText(const std::string& text) {
    QGuiApplication::clipboard()->setText(Q(text));
}

std::string RealPlatform::PastedText() {
    return QGuiApplication::clipboard()->text().toStdString();
}

bool RealPlatform::Print(const PrintedReport& report) {
    BeforeDialog();
    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
        return OfferPdfInstead(report);
    }
    QPrinter printer(QPrinter::HighResolution);
    // The print dialog proposes the document's name for a print to a file, less what
    // follows its last dot: a name with the extension keeps the date's year.
    printer.setDocName(report.fileName.empty() ? Q(report.title) : Q(report.fileName + ".pdf"));
    printer.setCreator(Q(kReportProgramName));
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                      QMarginsF(20, 15, 15, 15), QPageLayout::Millimeter));
    QPrintDialog dialog(&printer, parent_);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    // "Print to file" of the dialog: the PDF file is saved as every other document is, not
    // by the printer's own writer, which would replace the file with a cut-off one on a
    // full disk.
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) {
        WriteReportPdf(printer.outputFileName().toStdString(), report);
        return true;
    }
    if (!PaintReport(printer, report)) {
        throw Error("Printer selected is not valid");
    }
    return true;
}

// With no printer the print dialog could only print into a file of its own choosing (or,
// on Windows, not open at all): the user is told, and offered the program's own PDF.
bool RealPlatform::OfferPdfInstead(const PrintedReport& report) {
    QMessageBox box(QMessageBox::Information, kProgramTitle,
                    QString::fromUtf8("На этом компьютере не установлен ни один принтер.\n\n"
                                      "Документ можно сохранить в PDF, а напечатать позже."),
                    QMessageBox::NoButton, parent_);
    QPushButton* pdf =
        box.addButton(QString::fromUtf8("Сохранить в PDF…"), QMessageBox::AcceptRole);
    box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(pdf);
    box.exec();
    if (box.clickedButton() != pdf) {
        return false;
    }
    const std::optional<std::string> path =
        SaveDialog(SaveDialogRequest{"PDF|*.pdf", "pdf", report.fileName});
    if (!path) {
        return false;
    }
    WritePdf(*path, report);
    return true;
}

void RealPlatform::OpenAddress(const std::string& address) {
    // QUrl keeps the Cyrillic subject of a mailto address as Unicode; the desktop hands it
    // to the mail program percent-encoded in UTF-8, which mail programs show as letters.
    if (QDesktopServices::openUrl(QUrl(Q(address)))) {
        return;
    }
    // No browser or mail program: the user is told, with the address to copy.
    BeforeDialog();
    QMessageBox box(QMessageBox::Warning, kProgramTitle,
                    QString::fromUtf8("Не удалось открыть адрес: в системе нет программы, "
                                      "которая его открывает.\n\n") +
                        Q(address),
                    QMessageBox::Ok, parent_);
    box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box.exec();
}

DownloadResult RealPlatform::Download(const std::string& address, const std::string& path) {
    BeforeDialog();
    return downloader_.Download(parent_, address, path);
}

bool RealPlatform::FileExists(const std::string& path) {
    return QtFiles::Exists(path);
}

std::optional<DateTime> RealPlatform::FileLastWrite(const std::string& path) {
    return QtFiles::LastWrite(path);
}

ClippedLines RealPlatform::ReadLinesClipped(const std::string& path, std::size_t maxLines,
                                            std::size_t maxChars) {
    return QtFiles::ReadLinesClipped(path, maxLines, maxChars);
}

void RealPlatform::WriteLines(const std::string& path, const std::vector<std::string>& lines) {
    QtFiles::WriteLines(path, lines);
}

void RealPlatform::WriteWorkbook(const std::string& path, const Workbook& workbook) {
    WriteWorkbookFile(path, workbook);
}

std::string RealPlatform::ReadTextFile(const std::string& path, std::size_t maxBytes) {
    return QtFiles::ReadBytes(path, maxBytes + 1);
}

void RealPlatform::WriteTextFile(const std::string& path, const std::string& text) {
    QtFiles::WriteText(path, text);
}

void RealPlatform::WritePdf(const std::string& path, const PrintedReport& report) {
    WriteReportPdf(path, report);
}

DateTime RealPlatform::Now() {
    const QDateTime now = QDateTime::currentDateTime();
    return DateTime{now.date().year(), now.date().month(),  now.date().day(),
                    now.time().hour(), now.time().minute(), now.time().second()};
}

namespace {

// The user's own configuration folder: ~/.config (XDG_CONFIG_HOME), on Windows
// %LOCALAPPDATA%.
std::string SettingsPath() {
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return QDir::toNativeSeparators(Q(SettingsFilePath(config.toStdString()))).toStdString();
}

}  // namespace

std::string RealPlatform::ReadSettingsFile() {
    try {
        return QtFiles::ReadBytes(SettingsPath(), kUserSettingsMaxBytes);
    } catch (const std::exception&) {
        return {};  // none yet, or unreadable: the fields start empty
    }
}

void RealPlatform::WriteSettingsFile(const std::string& text) {
    const std::string path = SettingsPath();
    QDir().mkpath(QFileInfo(Q(path)).absolutePath());
    QtFiles::WriteText(path, text);
}

std::string RealPlatform::PriceFilePath() {
    // The user's own cache folder, never a shared temporary one (such as the Windows
    // folder's Temp) where another user could plant or redirect the file.
#ifdef _WIN32
    // %LOCALAPPDATA%, which belongs to this user alone.
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
#else
    QString cache = qEnvironmentVariable("XDG_CACHE_HOME");
    if (cache.isEmpty() || !QDir::isAbsolutePath(cache)) {
        cache = QDir::homePath() + "/.cache";
    }
#endif
    // The folder is made by the first download, for the user alone.
    return QDir::toNativeSeparators(cache + "/tesmarik/1.csv").toStdString();
}

std::string RealPlatform::SellerHost() {
    const QString seller = qEnvironmentVariable(kSellerHostVariable);
    return seller.isEmpty() ? std::string(kDefaultSellerHost) : seller.toStdString();
}

std::string RealPlatform::DataFolder() {
    // ~/.local/share (XDG_DATA_HOME), on Windows %LOCALAPPDATA%: the user's alone.
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation).toStdString();
}

}  // namespace tesmarik
