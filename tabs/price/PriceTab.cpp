#include "tabs/price/PriceTab.h"

#include "price/PriceAge.h"
#include "price/PriceDownload.h"
#include "tabs/price/PriceFile.h"
#include "tabs/price/PriceGrid.h"
#include "tabs/price/SearchLists.h"

namespace tesmarik {

namespace {

// True when a download brought a new file.
bool MakeSurePriceFileIsThere(TForm1& f, Platform& platform, const std::string& path) {
    if (platform.FileExists(path)) {
        return CheckPriceAge(f, platform, path);
    }
    if (!platform.AskAt(20, 100,
                        "Прайса в базе данных необнаружено,\rпроизвести новую загрузку нового "
                        "прайса?")) {
        return false;
    }
    const DownloadResult result = DownloadPriceFile(platform, path);
    TellDownloadOutcome(platform, result, path, nullptr, false);
    return result.Succeeded();
}

}  // namespace

void PageControl1Change(TForm1& f, PriceState& price, Platform& platform) {
    if (f.PageControl1.ActivePageIndex == kPriceTab) {
        // Found once per visit: every step of the visit means the same file.
        const std::string path = platform.PriceFilePath();
        const bool downloaded = MakeSurePriceFileIsThere(f, platform, path);
        // Without a file the store keeps what it held.
        if (platform.FileExists(path) && ReadPriceFile(price, platform, path)) {
            price.toKeep = downloaded;
        }
        FillSearchLists(f, price.store);
    }
    FilterPrices(f, price.store);
}

void SearchListChange(TForm1& f, PriceState& price, bool keyUp) {
    const std::string conditions = f.ComboBox11.Text + '\n' + f.ComboBox7.Text + '\n' +
                                   f.ComboBox8.Text + '\n' + f.ComboBox9.Text + '\n' +
                                   f.ComboBox10.Text;
    if (keyUp && conditions == price.refusedFilter) {
        return;
    }
    // Kept should the filter fail, cleared once it goes through.
    price.refusedFilter = conditions;
    FilterPrices(f, price.store);
    price.refusedFilter.clear();
}

bool CheckPriceAge(TForm1& f, Platform& platform, const std::string& path) {
    const auto written = platform.FileLastWrite(path);
    if (!written) {
        return false;  // gone since it was found: the reader will not find it either
    }
    const PriceAgeTexts age = PriceAgeOf(*written, platform.Now());
    f.Label141.Text = age.date;
    f.Label27.Text = age.age;
    if (!age.stale) {
        return false;
    }
    if (!platform.AskAt(500, 300,
                        "Прайс  в базе данных устарел,\rпроизвести  обновлёние прайса?")) {
        return false;
    }
    // The labels keep describing the file as it was; the next visit of the tab shows the
    // new one.
    const DownloadResult result = DownloadPriceFile(platform, path);
    TellDownloadOutcome(platform, result, path, kDownloadDoneMessage, true);
    return result.Succeeded();
}

void CheckPriceAge(TForm1& f, Platform& platform) {
    CheckPriceAge(f, platform, platform.PriceFilePath());
}

}  // namespace tesmarik
