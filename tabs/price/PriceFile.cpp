#include "tabs/price/PriceFile.h"

#include "price/PriceDownload.h"
#include "price/PriceFileReader.h"

namespace tesmarik {

void ReadPriceFile(PriceState& price, Platform& platform, const std::string& path) {
    const ClippedLines file = platform.ReadLinesClipped(path, kPriceMaxLines, kPriceMaxLineChars);
    price.store = ParsePriceLines(file.lines);
    if (file.clipped) {
        platform.ShowMessage(kPriceClippedMessage);
    }
}

DownloadResult DownloadPriceFile(Platform& platform, const std::string& path) {
    // The one place besides the dispatcher that catches: a download that goes wrong is a
    // failed download, reported with the program's own message, never an error box.
    try {
        return platform.Download(PriceDownloadAddress(platform.SellerHost()), path);
    } catch (...) {
        return {DownloadResult::Outcome::NetworkFailure, {}};
    }
}

void TellDownloadOutcome(Platform& platform, const DownloadResult& result, const std::string& path,
                         const char* successMessage) {
    if (result.Succeeded()) {
        if (successMessage != nullptr) {
            platform.ShowMessage(successMessage);
        }
    } else if (result.outcome != DownloadResult::Outcome::Cancelled) {
        platform.ShowMessage(DownloadFailureMessage(result, path));
    }
}

}  // namespace tesmarik
