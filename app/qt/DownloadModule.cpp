#include "app/qt/DownloadModule.h"

#include <QtGlobal>

#include "app/qt/QtDownload.h"

extern "C" Q_DECL_EXPORT const char* tesmarik_download_version() {
    return TESMARIK_VERSION;
}

extern "C" Q_DECL_EXPORT bool tesmarik_download_to_file(QWidget* parent, const char* url,
                                                        const char* path) {
    // Nothing may leave the module but its answer.
    try {
        return tesmarik::DownloadUrlToFile(parent, url, path);
    } catch (...) {
        return false;
    }
}
