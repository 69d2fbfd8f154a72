// A download module of another version, which claims every download succeeded: the
// program must not take it.
#include <QtGlobal>
#include <cstddef>

class QWidget;

extern "C" Q_DECL_EXPORT const char* tesmarik_download_version() {
    return "0.0.1-other";
}

extern "C" Q_DECL_EXPORT int tesmarik_fetch_to_file(QWidget*, const char*, const char*, char*,
                                                    std::size_t) {
    return 0;
}
