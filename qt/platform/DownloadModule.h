#pragma once

#include <cstddef>

// The entry points of the download module (libtesmarik-download.so), which carries the
// HTTP client. The program loads it at the first download, so that the window starts
// without the network libraries.
class QWidget;

extern "C" {
// The version the module was built as; the program refuses a module of another version.
using TesmarikDownloadVersion = const char* (*)();
inline constexpr const char* kDownloadVersionSymbol = "tesmarik_download_version";

// CurlDownloadToFile with the default limits: the outcome as the number of a
// DownloadResult::Outcome, and for a local failure its reason (UTF-8, cut to fit and ended
// by NUL) in the buffer. Any failure inside the module is a network failure.
using TesmarikFetchToFile = int (*)(QWidget* parent, const char* url, const char* path,
                                    char* reason, std::size_t reasonSize);
inline constexpr const char* kFetchToFileSymbol = "tesmarik_fetch_to_file";
}
