#include "memory/OfferArchive.h"

#include <cmath>

#include "common/Error.h"
#include "common/Text.h"
#include "memory/StoredTime.h"
#include "offer/OfferFile.h"
#include "offer/OfferTotals.h"

namespace tesmarik {

namespace {

[[noreturn]] void Damaged(const Database& db) {
    throw Error("Файл базы данных " + db.Path() + " повреждён");
}

// A day's first or last moment, so that a range of days takes in the whole of both ends.
std::string DayBound(DateTime day, bool end) {
    day.hour = end ? 23 : 0;
    day.minute = end ? 59 : 0;
    day.second = end ? 59 : 0;
    return StoredTime(day);
}

}  // namespace

std::string FoldCase(const std::string& utf8) {
    std::string folded;
    for (char32_t c : CodePoints(utf8)) {
        if ((c >= U'A' && c <= U'Z') || (c >= U'А' && c <= U'Я')) {
            c += 0x20;
        } else if (c == U'Ё') {
            c = U'ё';
        }
        AppendCodePoint(folded, c);
    }
    return folded;
}

std::int64_t RecordOffer(Database& db, const Offer& offer, std::optional<std::int64_t> priceVersion,
                         const DateTime& recorded) {
    const OfferFigures figures = ComputeOffer(offer, offer.capacity);
    const std::string started = StoredTime(offer.started);
    Transaction transaction(db);
    Statement record(db,
                     "INSERT INTO offer(number, started, client, client_folded, manager, "
                     "total_kopecks, vat_kopecks, price_version, recorded, file) "
                     "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?) "
                     "ON CONFLICT(number, started) DO UPDATE SET client = excluded.client, "
                     "client_folded = excluded.client_folded, manager = excluded.manager, "
                     "total_kopecks = excluded.total_kopecks, vat_kopecks = excluded.vat_kopecks, "
                     "price_version = excluded.price_version, recorded = excluded.recorded, "
                     "file = excluded.file");
    record.Bind(1, offer.number)
        .Bind(2, started)
        .Bind(3, offer.client)
        .Bind(4, FoldCase(offer.client))
        .Bind(5, offer.manager.name)
        .Bind(6, figures.costKopecks)
        .Bind(7, figures.vatKopecks)
        .Bind(9, StoredTime(recorded))
        .Bind(10, OfferFileText(offer));
    if (priceVersion) {
        record.Bind(8, *priceVersion);
    } else {
        record.BindNull(8);
    }
    record.Run();
    Statement find(db, "SELECT id FROM offer WHERE number = ? AND started = ?");
    find.Bind(1, offer.number).Bind(2, started);
    if (!find.Step()) {
        Damaged(db);
    }
    const std::int64_t id = find.Int(0);
    Statement clear(db, "DELETE FROM offer_size WHERE offer_id = ?");
    clear.Bind(1, id).Run();
    Statement size(db, "INSERT INTO offer_size(offer_id, diameter_um, wall_um) VALUES (?, ?, ?)");
    for (const OfferPosition& p : offer.positions) {
        size.Reset();
        // In micrometres: the sizes a price list writes are exact there.
        size.Bind(1, id)
            .Bind(2, static_cast<std::int64_t>(std::llround(p.diameter * 1000)))
            .Bind(3, static_cast<std::int64_t>(std::llround(p.wall * 1000)))
            .Run();
    }
    transaction.Commit();
    return id;
}

std::vector<ArchivedOffer> FindOffers(Database& db, const OfferQuery& query) {
    std::string sql =
        "SELECT id, number, started, client, manager, total_kopecks, vat_kopecks, "
        "price_version, recorded FROM offer WHERE instr(client_folded, ?1) > 0 "
        "AND instr(number, ?2) > 0 AND started >= ?3 AND started <= ?4";
    if (query.diameter) {
        sql +=
            " AND EXISTS (SELECT 1 FROM offer_size WHERE offer_id = offer.id AND diameter_um = ?5";
        sql += query.wall ? " AND wall_um = ?6)" : ")";
    }
    sql += " ORDER BY started DESC, id DESC";
    Statement find(db, sql);
    find.Bind(1, FoldCase(query.client))
        .Bind(2, query.number)
        .Bind(3, query.from ? DayBound(*query.from, false) : std::string())
        .Bind(4, query.to ? DayBound(*query.to, true) : std::string("9999"));
    if (query.diameter) {
        find.Bind(5, static_cast<std::int64_t>(std::llround(*query.diameter * 1000)));
        if (query.wall) {
            find.Bind(6, static_cast<std::int64_t>(std::llround(*query.wall * 1000)));
        }
    }
    std::vector<ArchivedOffer> found;
    while (find.Step()) {
        const auto started = ReadStoredTime(find.Text(2));
        const auto recorded = ReadStoredTime(find.Text(8));
        if (!started || !recorded) {
            Damaged(db);
        }
        ArchivedOffer offer{find.Int(0), find.Text(1), *started,     find.Text(3), find.Text(4),
                            find.Int(5), find.Int(6),  std::nullopt, *recorded};
        if (!find.IsNull(7)) {
            offer.priceVersion = find.Int(7);
        }
        found.push_back(std::move(offer));
    }
    return found;
}

Offer LoadArchivedOffer(Database& db, std::int64_t id) {
    Statement load(db, "SELECT file FROM offer WHERE id = ?");
    load.Bind(1, id);
    if (!load.Step()) {
        throw Error("Предложения " + std::to_string(id) + " нет в архиве");
    }
    OfferRead read = ReadOfferFile(load.Text(0));
    if (!read.offer) {
        Damaged(db);
    }
    return *read.offer;
}

}  // namespace tesmarik
