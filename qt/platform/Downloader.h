#pragma once

#include <QLibrary>
#include <QString>
#include <QStringList>
#include <memory>
#include <string>

#include "common/DownloadResult.h"
#include "qt/platform/DownloadModule.h"

class QWidget;

namespace tesmarik {

// Downloads through the download module, which it loads from the first of its folders
// that holds a module of the program's own version, at the first download. Without one,
// every download fails as the network's and the reason goes to the standard error once.
class Downloader {
public:
    // Without folders, the program's own folders, looked up at the first download.
    Downloader() = default;
    explicit Downloader(QStringList folders) : folders_(std::move(folders)) {}

    DownloadResult Download(QWidget* parent, const std::string& url, const std::string& path);

    // The program's own folders: beside the program (the build tree) and the installed
    // module folder relative to it.
    static QStringList ProgramFolders();

private:
    bool Load();

    QStringList folders_;
    bool tried_ = false;
    std::unique_ptr<QLibrary> library_;
    TesmarikFetchToFile download_ = nullptr;
};

}  // namespace tesmarik
