#pragma once

// Windows has no file-size limit of a process: there the tests of a full disk are skipped.
#ifdef _WIN32
#define TESMARIK_NO_FILE_SIZE_LIMIT 1
#else
#include <sys/resource.h>

#include <csignal>
#include <stdexcept>

namespace tesmarik {

// A full disk without root: while it lives, the process may write files of at most
// `bytes` bytes, and a write past that fails (EFBIG) instead of killing the process. The
// limit and the signal's handling are put back however the test leaves the scope.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        if (getrlimit(RLIMIT_FSIZE, &old_) != 0) {
            throw std::runtime_error("no file-size limit to read");
        }
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = old_;
        small.rlim_cur = bytes;
        if (setrlimit(RLIMIT_FSIZE, &small) != 0) {
            std::signal(SIGXFSZ, previousHandler_);
            throw std::runtime_error("cannot set the file-size limit");
        }
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit old_{};
    void (*previousHandler_)(int) = nullptr;
};

}  // namespace tesmarik
#endif
