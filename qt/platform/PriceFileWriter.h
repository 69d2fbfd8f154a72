#pragma once

#include <string>

#include "files/AtomicFile.h"

namespace tesmarik {

// The price file as a download writes it: its folder made when missing (for the user
// alone), the bytes put in place of the old file only once they are all on the disk.
// Each failure comes with its reason in the user's words.
class PriceFileWriter {
public:
    explicit PriceFileWriter(const std::string& path);

    // Makes the folder and the temporary file; false when it cannot. Known before anything
    // is fetched, so a file that cannot be written costs no download.
    bool Open();
    // Writes the bytes and replaces the file; false when any step fails, and then the file
    // is as it was.
    bool Commit(const std::string& bytes);
    void Discard() { file_.Discard(); }

    const std::string& Reason() const { return reason_; }

private:
    bool Fail(int errorNumber);

    std::string path_;
    AtomicFile file_;
    std::string reason_;
};

}  // namespace tesmarik
