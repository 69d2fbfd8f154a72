#pragma once

#include <string>

#include "common/DownloadResult.h"

namespace tesmarik {

// Path and query of the price list on the seller's web server, sent exactly as written.
inline constexpr const char* kPriceDownloadPathAndQuery =
    "/57223/downloader.php?id=00000000006&skip=1";

inline constexpr const char* kDownloadDoneMessage = "Загрузка прайса успешно завершена";
inline constexpr const char* kDownloadFailedMessage =
    "Выполнить загрузку неудалось,проверьте соединение с интернет";

// Plain HTTP to the seller's web server (host or host:port).
std::string PriceDownloadAddress(const std::string& sellerHost);

// What the user is told about a download into path that did not succeed: the program's
// own message when the network or the seller failed, the cache folder and the reason when
// the file could not be written; the earlier list kept is named only when there was one.
std::string DownloadFailureMessage(const DownloadResult& result, const std::string& path,
                                   bool earlierList);

}  // namespace tesmarik
