#include "tabs/price/PriceFile.h"

#include "common/DateTime.h"
#include "price/PlausiblePriceList.h"
#include "price/PriceDownload.h"
#include "price/PriceFileReader.h"

namespace tesmarik {

bool ReadPriceFile(PriceState& price, Platform& platform, const std::string& path) {
    const ClippedLines file = platform.ReadLinesClipped(path, kPriceMaxLines, kPriceMaxLineChars);
    price.store = ParsePriceLines(file.lines);
    if (!file.lines.empty() && !LooksLikePriceList(file.lines.front())) {
        // Junk (a broken download, another program's file) is no price list, whatever its
        // size; said once for the file, not on every visit of the tab.
        const auto written = platform.FileLastWrite(path);
        const std::string which =
            path + '|' + (written ? std::to_string(DaySerial(*written)) : std::string());
        if (price.toldNoPriceList != which) {
            price.toldNoPriceList = which;
            platform.ShowMessage(kNoPriceListMessage);
        }
        return false;
    }
    if (file.clipped) {
        platform.ShowMessage(kPriceClippedMessage);
    }
    return !file.lines.empty();
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
                         const char* successMessage, bool earlierList) {
    if (result.Succeeded()) {
        if (successMessage != nullptr) {
            platform.ShowMessage(successMessage);
        }
    } else if (result.outcome != DownloadResult::Outcome::Cancelled) {
        platform.ShowMessage(DownloadFailureMessage(result, path, earlierList));
    }
}

}  // namespace tesmarik
