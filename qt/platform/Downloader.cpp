#include "qt/platform/Downloader.h"

#include <QCoreApplication>
#include <QDir>
#include <array>
#include <cstdio>
#include <cstring>

namespace tesmarik {

QStringList Downloader::ProgramFolders() {
    const QString here = QCoreApplication::applicationDirPath();
    return {here, QDir::cleanPath(here + "/" + TESMARIK_DOWNLOAD_MODULE_FROM_PROGRAM)};
}

bool Downloader::Load() {
    if (tried_) {
        return download_ != nullptr;
    }
    tried_ = true;
    if (folders_.isEmpty()) {
        folders_ = ProgramFolders();
    }
    QString reasons;
    for (const QString& folder : folders_) {
        auto library = std::make_unique<QLibrary>(QDir(folder).filePath("tesmarik-download"));
        if (!library->load()) {
            reasons += "\n  " + library->errorString();
            continue;
        }
        const auto version =
            reinterpret_cast<TesmarikDownloadVersion>(library->resolve(kDownloadVersionSymbol));
        const auto download =
            reinterpret_cast<TesmarikFetchToFile>(library->resolve(kFetchToFileSymbol));
        if (version == nullptr || download == nullptr ||
            std::strcmp(version(), TESMARIK_VERSION) != 0) {
            reasons += "\n  " + library->fileName() + ": not a download module of version " +
                       TESMARIK_VERSION;
            library->unload();
            continue;
        }
        library_ = std::move(library);
        download_ = download;
        return true;
    }
    std::fprintf(stderr, "tesmarik: no download module, downloads fail:%s\n",
                 reasons.toLocal8Bit().constData());
    return false;
}

DownloadResult Downloader::Download(QWidget* parent, const std::string& url,
                                    const std::string& path) {
    using Outcome = DownloadResult::Outcome;
    if (!Load()) {
        return {Outcome::NetworkFailure, {}};
    }
    std::array<char, 512> reason{};
    const int code = download_(parent, url.c_str(), path.c_str(), reason.data(), reason.size());
    reason.back() = '\0';
    switch (code) {
        case static_cast<int>(Outcome::Ok):
            return {Outcome::Ok, {}};
        case static_cast<int>(Outcome::LocalFailure):
            return {Outcome::LocalFailure, reason.data()};
        case static_cast<int>(Outcome::Cancelled):
            return {Outcome::Cancelled, {}};
        default:
            return {Outcome::NetworkFailure, {}};
    }
}

}  // namespace tesmarik
