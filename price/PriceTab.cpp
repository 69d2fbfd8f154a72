#include "price/PriceTab.h"

#include "price/PriceAge.h"
#include "price/PriceDownload.h"
#include "price/PriceFileReader.h"
#include "price/PriceFilter.h"
#include "price/SearchLists.h"

namespace tesmarik {

namespace {

void MakeSurePriceFileIsThere(TForm1& f, Platform& platform) {
    const std::string path = platform.PriceFilePath();
    if (platform.FileExists(path)) {
        CheckPriceAge(f, platform);
        return;
    }
    if (!platform.AskAt(20, 100,
                        "Прайса в базе данных необнаружено,\rпроизвести новую загрузку нового "
                        "прайса?")) {
        return;
    }
    TellDownloadOutcome(platform, DownloadPriceFile(platform, path), path, nullptr);
}

}  // namespace

void PageControl1Change(TForm1& f, PriceState& price, Platform& platform) {
    if (f.PageControl1.ActivePageIndex == kPriceTab) {
        MakeSurePriceFileIsThere(f, platform);
        // Without a file the store keeps what it held.
        if (platform.FileExists(platform.PriceFilePath())) {
            ReadPriceFile(price, platform);
        }
        FillSearchLists(f, price.store);
    }
    FilterPrices(f, price.store);
}

void SearchListChange(TForm1& f, const PriceState& price) {
    FilterPrices(f, price.store);
}

}  // namespace tesmarik
