#include "price/PriceDownload.h"

namespace tesmarik {

std::string PriceDownloadAddress(Platform& platform) {
    return "http://" + platform.SellerHost() + kPriceDownloadPathAndQuery;
}

bool DownloadUrlToFile(Platform& platform, const std::string& address, const std::string& path) {
    // The one place besides the dispatcher that catches: a download that goes wrong is a
    // failed download, reported with the program's own message, never an error box.
    try {
        return platform.Download(address, path);
    } catch (...) {
        return false;
    }
}

}  // namespace tesmarik
