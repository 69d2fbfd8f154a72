#include "price/PriceDownload.h"

#include <filesystem>

namespace tesmarik {

std::string PriceDownloadAddress(const std::string& sellerHost) {
    return "http://" + sellerHost + kPriceDownloadPathAndQuery;
}

std::string DownloadFailureMessage(const DownloadResult& result, const std::string& path,
                                   bool earlierList) {
    if (result.outcome != DownloadResult::Outcome::LocalFailure) {
        return kDownloadFailedMessage;
    }
    const std::string folder = std::filesystem::path(path).parent_path().string();
    const std::string reason = result.reason.empty() ? "неизвестная ошибка" : result.reason;
    return "Не удалось записать прайс в папку кэша " + folder + ": " + reason +
           (earlierList ? ". Прежний прайс не изменён." : ".");
}

}  // namespace tesmarik
