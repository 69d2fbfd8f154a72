#pragma once

#include <string>

#include "common/DownloadResult.h"
#include "qt/platform/DownloadLimits.h"

class QWidget;

namespace tesmarik {

// Fetches the address with an HTTP GET into the file at path. The caller waits: a modal
// progress dialog shows the bytes received and offers Cancel while the window keeps
// painting. The transfer runs on the caller's thread, driven by its event loop, and
// nothing of it outlives the call: Cancel, the stall limit and the size limit end it at
// once and close the connection.
//
// Succeeds only for an answer 200 whose body arrived whole (the one Content-Length it
// declares, a chunked body up to its last chunk, or a body up to a clean close of the
// connection), unencoded, within the limits, and that LooksLikePriceList. The body replaces
// the file only once it is written and flushed; until then it goes to a temporary file
// beside the target, so every failure leaves the file that was there as it was. A file
// that cannot be written (a full disk, no permission, a folder in its place) is a local
// failure with its reason; Cancel is a cancel; everything else is the network's failure.
DownloadResult CurlDownloadToFile(QWidget* parent, const std::string& url, const std::string& path,
                                  const DownloadLimits& limits = {});

}  // namespace tesmarik
