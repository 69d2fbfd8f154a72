#pragma once

#include <string>

#include "common/Platform.h"
#include "tabs/price/PriceState.h"

namespace tesmarik {

// Replaces the store with the rows of the price file at path. A file that cannot be read
// throws the platform's input/output error and leaves the store as it was.
// True when the file read is a price list.
bool ReadPriceFile(PriceState& price, Platform& platform, const std::string& path);

// Fetches the price list from the seller's web server into the file at path. Succeeds
// only when the platform reports success; an error raised while downloading is a failure
// of the download, and the callers tell the user.
DownloadResult DownloadPriceFile(Platform& platform, const std::string& path);

// Tells the user how a download into path ended: the success message when one is given,
// the cause of a failure, and nothing when the user cancelled it: that was their choice,
// not a fault of the connection. earlierList: a price file stood there before the download.
void TellDownloadOutcome(Platform& platform, const DownloadResult& result, const std::string& path,
                         const char* successMessage, bool earlierList);

}  // namespace tesmarik
