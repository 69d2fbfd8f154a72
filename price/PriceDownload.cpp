#include "price/PriceDownload.h"

#include <filesystem>

namespace tesmarik {

std::string PriceDownloadAddress(Platform& platform) {
    return "http://" + platform.SellerHost() + kPriceDownloadPathAndQuery;
}

DownloadResult DownloadPriceFile(Platform& platform, const std::string& path) {
    // The one place besides the dispatcher that catches: a download that goes wrong is a
    // failed download, reported with the program's own message, never an error box.
    try {
        return platform.DownloadWithOutcome(PriceDownloadAddress(platform), path);
    } catch (...) {
        return {DownloadResult::Outcome::NetworkFailure, {}};
    }
}

std::string DownloadFailureMessage(const DownloadResult& result, const std::string& path) {
    if (result.outcome != DownloadResult::Outcome::LocalFailure) {
        return kDownloadFailedMessage;
    }
    const std::string folder = std::filesystem::path(path).parent_path().string();
    const std::string reason = result.reason.empty() ? "неизвестная ошибка" : result.reason;
    return "Не удалось записать прайс в папку кэша " + folder + ": " + reason +
           ". Прежний прайс не изменён.";
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
