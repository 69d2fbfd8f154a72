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

// Fetches the address into the file at path. True only when the platform reports
// success; every failure, an error raised while downloading included, is false, and the
// callers tell the user.
bool DownloadUrlToFile(Platform& platform, const std::string& address, const std::string& path);

}  // namespace tesmarik
