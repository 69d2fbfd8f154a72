#include "qt/platform/DialogTexts.h"

#include <cstring>

namespace tesmarik {

namespace {

struct Text {
    const char* context;
    const char* source;
    const char* russian;
};

constexpr Text kTexts[] = {
    {"QAbstractFileIconProvider", "Folder", "Папка"},
    {"QAbstractFileIconProvider", "File Folder", "Папка с файлами"},
    {"QAbstractFileIconProvider", "Drive", "Диск"},
    {"QAbstractFileIconProvider", "Shortcut", "Ярлык"},
    {"QAbstractFileIconProvider", "Alias", "Псевдоним"},
    {"QAbstractFileIconProvider", "Unknown", "Неизвестно"},
};

}  // namespace

QString DialogTexts::translate(const char* context, const char* sourceText, const char*,
                               int) const {
    if (context == nullptr || sourceText == nullptr) {
        return {};
    }
    for (const Text& text : kTexts) {
        if (std::strcmp(context, text.context) == 0 && std::strcmp(sourceText, text.source) == 0) {
            return QString::fromUtf8(text.russian);
        }
    }
    return {};
}

}  // namespace tesmarik
