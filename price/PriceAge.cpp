#include "price/PriceAge.h"

#include <cmath>

#include "price/PriceDownload.h"

namespace tesmarik {

long long AgeInDays(const DateTime& written, const DateTime& now) {
    // Whole seconds first, so that exactly 24 hours is one day and not 0,99999...
    const long long seconds = std::llround((DaySerial(now) - DaySerial(written)) * 86400.0);
    return seconds / 86400;
}

std::string AgeUnitWord(long long days) {
    if (days < 0) {
        return "";
    }
    if (days == 1) {
        return " день";
    }
    if (days >= 2 && days <= 4) {
        return " дня";
    }
    return " дней";
}

void CheckPriceAge(TForm1& f, Platform& platform) {
    const std::string path = platform.PriceFilePath();
    const auto written = platform.FileLastWrite(path);
    if (!written) {
        return;  // gone since it was found: the reader will not find it either
    }
    f.Label141.Text = "Прайс от  " + ShortDate(*written);
    const long long days = AgeInDays(*written, platform.Now());
    f.Label27.Text = "Прайс загружен " + std::to_string(days) + AgeUnitWord(days) + " назад";
    if (days <= 0) {
        return;
    }
    if (!platform.AskAt(500, 300,
                        "Прайс  в базе данных устарел,\rпроизвести  обновлёние прайса?")) {
        return;
    }
    // The labels keep describing the file as it was; the next visit of the tab shows the
    // new one.
    TellDownloadOutcome(platform, DownloadPriceFile(platform, path), path, kDownloadDoneMessage);
}

}  // namespace tesmarik
