#include "app/ProgramMemory.h"

#include "common/Error.h"
#include "memory/MemoryFile.h"
#include "memory/OfferArchive.h"
#include "memory/PriceVersions.h"
#include "price/PriceDownload.h"

namespace tesmarik {

Database* MemoryOf(Window& w) {
    MemoryState& m = w.state.memory;
    const std::string folder = w.platform.DataFolder();
    if (folder.empty()) {
        m.db.reset();
        m.folder.clear();
        return nullptr;
    }
    if (m.db && m.folder == folder) {
        return &*m.db;
    }
    m.db.reset();
    OpenedMemory opened = OpenMemory(folder, w.platform.Now());
    m.db.emplace(std::move(opened.db));
    m.folder = folder;
    if (!opened.notice.empty()) {
        w.platform.ShowMessage(opened.notice);
    }
    return &*m.db;
}

Database& RequiredMemory(Window& w) {
    if (Database* db = MemoryOf(w)) {
        return *db;
    }
    throw Error("Программа не ведёт базу данных: нет папки для неё");
}

void KeepPriceList(Window& w) {
    PriceState& price = w.state.price;
    if (!price.toKeep) {
        return;
    }
    const bool downloaded = *price.toKeep;
    price.toKeep.reset();
    Database* db = MemoryOf(w);
    if (db == nullptr || price.store.rows.empty()) {
        return;
    }
    const std::string seller = PriceDownloadAddress(w.platform.SellerHost());
    const DateTime taken =
        w.platform.FileLastWrite(w.platform.PriceFilePath()).value_or(w.platform.Now());
    if (downloaded) {
        StorePriceList(*db, price.store, taken, seller);
    } else {
        TakeInEarlierPriceFile(*db, price.store, taken, seller);
    }
}

void RecordSentOffer(Window& w) {
    Database* db = MemoryOf(w);
    if (db == nullptr) {
        return;
    }
    const auto latest = LatestPriceVersion(*db);
    RecordOffer(*db, w.state.offer.offer,
                latest ? std::optional<std::int64_t>(latest->id) : std::nullopt, w.platform.Now());
}

}  // namespace tesmarik
