#pragma once

#include <chrono>
#include <cstdint>

namespace tesmarik {

struct DownloadLimits {
    // The longest wait for the next data (or for the first) before giving up.
    std::chrono::milliseconds stall = std::chrono::seconds(20);
    // A price list is a few kilobytes; anything beyond this is not one.
    std::int64_t maxBytes = 1024 * 1024;
    // The header lines of all answers of one download together: redirects, interim
    // answers and trailers included.
    std::int64_t maxHeaderBytes = 64 * 1024;
};

}  // namespace tesmarik
