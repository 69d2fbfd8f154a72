#pragma once

#include <string>

namespace tesmarik {

// How a download ended. Only Ok replaced the file; every other outcome left the file that
// was there as it was.
struct DownloadResult {
    enum class Outcome {
        Ok,
        NetworkFailure,  // no connection, a wrong or broken answer, a stall, too much data
        LocalFailure,    // the answer was fine but could not be written
        Cancelled,       // the user ended the download
    };
    Outcome outcome = Outcome::NetworkFailure;
    // For a local failure: why the file could not be written, in words for the user.
    std::string reason;

    bool Succeeded() const { return outcome == Outcome::Ok; }
};

}  // namespace tesmarik
