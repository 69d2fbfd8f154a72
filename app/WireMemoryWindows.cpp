#include "app/PriceRowMenu.h"
#include "app/ProgramMemory.h"
#include "app/UserActions.h"
#include "app/Window.h"
#include "memory/PriceVersions.h"
#include "offer/OfferTotals.h"
#include "price/MoneyText.h"
#include "tabs/memory/OfferArchiveView.h"
#include "tabs/memory/PriceChangesView.h"
#include "tabs/memory/PriceHistoryView.h"
#include "tabs/offer/OfferDocuments.h"
#include "tabs/offer/OfferWindow.h"
#include "tabs/price/PriceGrid.h"

namespace tesmarik {

namespace {

PriceCriteria PriceTabFilter(const TForm1& f) {
    return {f.ComboBox11.Text, f.ComboBox7.Text, f.ComboBox8.Text, f.ComboBox9.Text,
            f.ComboBox10.Text};
}

void OpenPriceChanges(Window& w) {
    ShowPriceChanges(w.form4, w.state.memory, RequiredMemory(w), PriceTabFilter(w.form), 0);
    w.dialogs.Open(w.form4);
}

// The history of the row of a grid whose first five columns are the row's type, diameter,
// wall, steel and standard; a row without them does nothing.
void OpenPriceHistory(Window& w, const StringGrid& grid) {
    const std::vector<std::string> cells = CellsOfRow(grid, grid.Row);
    if (cells.size() < 5 || cells[0].empty()) {
        return;
    }
    const PriceRow row{{cells.begin(), cells.begin() + 5}};
    ShowPriceHistory(w.form6, RequiredMemory(w), row);
    w.dialogs.Open(w.form6);
}

void OpenArchive(Window& w) {
    ShowArchive(w.form5, w.state.memory, RequiredMemory(w));
    w.dialogs.Open(w.form5);
}

void RefreshOffer(Window& w) {
    ShowOffer(w.form3, w.state.offer, w.state.offer.offer.capacity);
}

// The reopened offer against the latest kept list.
void CheckReopenedOffer(Window& w, Database& db) {
    MemoryState& m = w.state.memory;
    m.reopenedChanges.clear();
    m.checkedVersion.reset();
    const auto latest = LatestPriceVersion(db);
    if (latest) {
        m.reopenedChanges =
            PriceChangesOfOffer(w.state.offer.offer, LoadPriceVersion(db, latest->id));
        m.checkedVersion = latest->id;
    }
    ShowReopenedChanges(w.form5, m, w.state.offer.offer, latest ? latest->taken : DateTime{});
}

// "Открыть": the offer of the current row takes the offer window's place, as an offer file
// would, once changes not yet saved are saved or given up.
void OpenArchivedOffer(Window& w) {
    const auto id = CurrentArchivedOffer(w.form5, w.state.memory);
    if (!id) {
        return;
    }
    Database& db = RequiredMemory(w);
    Offer offer = LoadArchivedOffer(db, *id);
    OfferState& s = w.state.offer;
    if (!MayCloseOffer(s, w.platform)) {
        return;
    }
    s = OfferState{};
    s.offer = std::move(offer);
    s.started = true;
    CheckReopenedOffer(w, db);
    OpenOfferWindow(w);
}

// "Обновить цены": the reopened offer at the checked list's prices, once the user has seen
// the old and the new total.
void RepriceReopenedOffer(Window& w) {
    MemoryState& m = w.state.memory;
    if (!m.checkedVersion || m.reopenedChanges.empty()) {
        return;
    }
    Database& db = RequiredMemory(w);
    const PriceVersion version = FindPriceVersion(db, *m.checkedVersion);
    const PriceStore list = LoadPriceVersion(db, version.id);
    OfferState& s = w.state.offer;
    const Offer repriced = RepricedOffer(s.offer, list, version.taken);
    const auto total = [](const Offer& o) {
        return ShowMoney(static_cast<double>(ComputeOffer(o, o.capacity).costKopecks) / 100);
    };
    if (!w.platform.AskAt(300, 300,
                          "Цены по прайсу от " + ShortDate(version.taken) + ": сумма " +
                              total(s.offer) + " станет " + total(repriced) +
                              ".\rОбновить цены?")) {
        return;
    }
    s.offer = repriced;
    s.unsaved = true;
    m.reopenedChanges = PriceChangesOfOffer(s.offer, list);
    ShowReopenedChanges(w.form5, m, s.offer, version.taken);
    RefreshOffer(w);
    w.dialogs.Open(w.form3);
}

}  // namespace

// The windows of the program's memory: the price list's changes and a row's history from
// the price grid, the archive of offers from the price grid and the offer window.
void WireMemoryWindows(Window& w) {
    w.form.Tabl.PopupMenu.push_back({kPriceChangesItem, [&w] { OpenPriceChanges(w); }});
    w.form.Tabl.PopupMenu.push_back(
        {kPriceHistoryItem, [&w] { OpenPriceHistory(w, w.form.Tabl); }});
    w.form.Tabl.PopupMenu.push_back({kOfferArchiveItem, [&w] { OpenArchive(w); }});
    w.form3.StringGrid1.PopupMenu.push_back({kOfferArchiveItem, [&w] { OpenArchive(w); }});

    TForm4& changes = w.form4;
    changes.ComboBox1.OnChange = [&w] {
        ShowPriceChanges(w.form4, w.state.memory, RequiredMemory(w), PriceTabFilter(w.form),
                         w.form4.ComboBox1.ItemIndex());
    };
    changes.StringGrid1.OnDrawCell = [&w](int, int row, DrawCellState) {
        return PriceChangePaint(w.state.memory, row);
    };
    changes.StringGrid1.PopupMenu = {
        {kPriceHistoryItem, [&w] { OpenPriceHistory(w, w.form4.StringGrid1); }}};
    changes.Button1.OnClick = [&w] { CloseWindow(w, w.form4.Form4); };

    TForm5& archive = w.form5;
    for (Edit* edit : {&archive.Edit1, &archive.Edit2, &archive.Edit3, &archive.Edit4,
                       &archive.Edit5, &archive.Edit6}) {
        edit->OnChange = [&w] { ShowArchive(w.form5, w.state.memory, RequiredMemory(w)); };
    }
    archive.ComboBox1.OnChange = [&w] { ShowArchive(w.form5, w.state.memory, RequiredMemory(w)); };
    archive.Button1.OnClick = [&w] { OpenArchivedOffer(w); };
    archive.Button2.OnClick = [&w] { RepriceReopenedOffer(w); };
    archive.Button3.OnClick = [&w] { CloseWindow(w, w.form5.Form5); };

    w.form6.Button1.OnClick = [&w] { CloseWindow(w, w.form6.Form6); };
}

}  // namespace tesmarik
