#include "files/FileReasons.h"

#include <cerrno>
#include <cstring>

namespace tesmarik {

std::optional<std::string> FullDiskReason(int errorNumber) {
    switch (errorNumber) {
        case ENOSPC:
#ifdef EDQUOT  // the Windows C runtime knows no disk quotas
        case EDQUOT:
#endif
            return "на диске нет места";
        case EFBIG:
            return "файл больше, чем разрешено записывать";
        default:
            return std::nullopt;
    }
}

std::string ReasonInWords(int errorNumber) {
    if (const auto full = FullDiskReason(errorNumber)) {
        return *full;
    }
    switch (errorNumber) {
        case EACCES:
        case EPERM:
            return "нет прав на запись";
        case EROFS:
            return "диск доступен только для чтения";
        case ENOTDIR:
            return "на месте папки находится файл";
        case EIO:
            return "ошибка ввода-вывода";
        default:
            return std::strerror(errorNumber);
    }
}

}  // namespace tesmarik
