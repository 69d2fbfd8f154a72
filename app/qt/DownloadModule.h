#pragma once

// The entry points of the download module (libtesmarik-download.so), which carries Qt
// Network. The program loads it at the first download, so that the window starts without
// the network libraries.
class QWidget;

extern "C" {
// The version the module was built as; the program refuses a module of another version.
using TesmarikDownloadVersion = const char* (*)();
inline constexpr const char* kDownloadVersionSymbol = "tesmarik_download_version";

// DownloadUrlToFile with the default limits; false also for any failure inside the module.
using TesmarikDownloadToFile = bool (*)(QWidget* parent, const char* url, const char* path);
inline constexpr const char* kDownloadToFileSymbol = "tesmarik_download_to_file";
}
