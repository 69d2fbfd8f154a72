#pragma once

#include <string>

#include "common/Platform.h"

namespace tesmarik {

// Path and query of the price list on the seller's web server, sent exactly as written.
inline constexpr const char* kPriceDownloadPathAndQuery =
    "/57223/downloader.php?id=00000000006&skip=1";

inline constexpr const char* kDownloadDoneMessage = "Загрузка прайса успешно завершена";
inline constexpr const char* kDownloadFailedMessage =
    "Выполнить загрузку неудалось,проверьте соединение с интернет";

// Plain HTTP to the seller's web server.
std::string PriceDownloadAddress(Platform& platform);

// Fetches the price list from the seller's web server into the file at path. Succeeds
// only when the platform reports success; an error raised while downloading is a failure
// of the download, and the callers tell the user.
DownloadResult DownloadPriceFile(Platform& platform, const std::string& path);

// What the user is told about a download into path that did not succeed: the program's
// own message when the network or the seller failed, the cache folder and the reason when
// the file could not be written.
std::string DownloadFailureMessage(const DownloadResult& result, const std::string& path);

// Tells the user how a download into path ended: the success message when one is given,
// the cause of a failure, and nothing when the user cancelled it: that was their choice,
// not a fault of the connection.
void TellDownloadOutcome(Platform& platform, const DownloadResult& result, const std::string& path,
                         const char* successMessage);

}  // namespace tesmarik
