#pragma once

#include <chrono>
#include <cstdint>
#include <string>

class QWidget;

namespace tesmarik {

struct DownloadLimits {
    // The longest wait for the next data (or for the first) before giving up.
    std::chrono::milliseconds stall = std::chrono::seconds(20);
    // A price list is a few kilobytes; anything beyond this is not one.
    std::int64_t maxBytes = 1024 * 1024;
};

// Fetches the address with an HTTP GET into the file at path. The caller waits: a modal
// progress dialog shows the bytes received and offers Cancel while the window keeps
// painting. True only for a complete 2xx response within the limits; every failure (no
// connection, another status, a stall, too much data, Cancel) is false. The body goes to
// a temporary file beside the target, which replaces the target only on success, so a
// failed download leaves the file that was there untouched.
bool DownloadUrlToFile(QWidget* parent, const std::string& url, const std::string& path,
                       const DownloadLimits& limits = {});

}  // namespace tesmarik
