#include "qt/platform/DownloadModule.h"

#include <QtGlobal>
#include <cstring>

#include "common/Text.h"
#include "qt/platform/QtDownload.h"

extern "C" Q_DECL_EXPORT const char* tesmarik_download_version() {
    return TESMARIK_VERSION;
}

extern "C" Q_DECL_EXPORT int tesmarik_fetch_to_file(QWidget* parent, const char* url,
                                                    const char* path, char* reason,
                                                    std::size_t reasonSize) {
    using Outcome = tesmarik::DownloadResult::Outcome;
    if (reason != nullptr && reasonSize > 0) {
        reason[0] = '\0';
    }
    // Nothing may leave the module but its answer.
    try {
        const tesmarik::DownloadResult result = tesmarik::CurlDownloadToFile(parent, url, path);
        if (reason != nullptr && reasonSize > 0) {
            const std::size_t size = tesmarik::CutBetweenChars(result.reason, reasonSize - 1);
            std::memcpy(reason, result.reason.data(), size);
            reason[size] = '\0';
        }
        return static_cast<int>(result.outcome);
    } catch (...) {
        return static_cast<int>(Outcome::NetworkFailure);
    }
}
