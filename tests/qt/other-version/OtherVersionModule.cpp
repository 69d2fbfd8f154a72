// A download module of another version, which claims every download succeeded: the
// program must not take it.
#include <QtGlobal>

class QWidget;

extern "C" Q_DECL_EXPORT const char* tesmarik_download_version() {
    return "0.0.1-other";
}

extern "C" Q_DECL_EXPORT bool tesmarik_download_to_file(QWidget*, const char*, const char*) {
    return true;
}
