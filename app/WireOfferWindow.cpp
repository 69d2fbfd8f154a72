#include "app/PriceRowMenu.h"
#include "app/ProgramMemory.h"
#include "app/UserActions.h"
#include "app/Window.h"
#include "offer/OfferTerms.h"
#include "tabs/offer/OfferDocuments.h"
#include "tabs/offer/OfferWindow.h"

namespace tesmarik {

namespace {

// The capacity the transport is counted with: the offer's own.
const std::string& Capacity(const Window& w) {
    return w.state.offer.offer.capacity;
}

// The offer that starts now: with the loading tab's capacity, as typed there, and the
// manager and terms the user's settings remember.
Offer FreshOffer(Window& w) {
    return NewOffer(w.platform.Now(), w.form.Edit9.Text, ReadSettings(w.platform));
}

void RefreshOffer(Window& w) {
    ShowOffer(w.form3, w.state.offer, Capacity(w));
}

}  // namespace

void OpenOfferWindow(Window& w) {
    OfferState& s = w.state.offer;
    if (!s.started) {
        // The empty window shows what a new offer would start with.
        const Offer fresh = FreshOffer(w);
        s.offer.capacity = fresh.capacity;
        s.offer.terms = fresh.terms;
        s.offer.manager = fresh.manager;
    }
    RefreshOffer(w);
    w.dialogs.Open(w.form3);
}

namespace {

// The date of the price list the grid shows: its file's.
std::string PriceListDate(Window& w) {
    const auto written = w.platform.FileLastWrite(w.platform.PriceFilePath());
    return written ? ShortDate(*written) : std::string();
}

}  // namespace

// The offer's window, the cost window's "В предложение" and the price grid's items that
// lead to the offer.
void WireOfferWindow(Window& w) {
    w.form.Tabl.PopupMenu.push_back({kAddToOfferItem, [&w] { OpenCostWindow(w); }});
    w.form.Tabl.PopupMenu.push_back({kOfferItem, [&w] { OpenOfferWindow(w); }});
    w.form2.Button2.OnClick = [&w] {
        AddFromCostWindow(w.form2, w.state.price.cost, w.state.offer, FreshOffer(w),
                          PriceListDate(w));
        w.dialogs.Close(w.form2.Form2);
        OpenOfferWindow(w);
    };
    // Enter in the quantity is "В предложение" once the quantity makes figures.
    w.form2.Edit1.OnKeyPress = [&w](char32_t key) {
        if (key == U'\r' && !w.form2.Label16.Text.empty()) {
            w.form2.Button2.OnClick();
        }
    };

    TForm3& f = w.form3;
    OfferState& s = w.state.offer;
    Platform& p = w.platform;
    const Event fields = [&w, &f, &s] {
        OfferFieldsChange(f, s);
        RefreshOffer(w);
    };
    for (Edit* edit : {&f.Edit1, &f.Edit2, &f.Edit3, &f.Edit4, &f.Edit5, &f.Edit6}) {
        edit->OnChange = fields;
    }
    // The manager and the terms typed are remembered for the next offers.
    const Event remembered = [&w, &f, &s, &p] {
        OfferFieldsChange(f, s);
        RememberOfferSettings(s, p);
        RefreshOffer(w);
    };
    for (Edit* edit : {&f.Edit7, &f.Edit8, &f.Edit9, &f.Edit10, &f.Edit11, &f.Edit12}) {
        edit->OnChange = remembered;
    }
    const Event loading = [&w, &f, &s] {
        OfferLoadingChange(f, s);
        RefreshOffer(w);
    };
    f.CheckBox1.OnClick = loading;
    f.CheckBox2.OnClick = loading;
    f.Edit13.OnChange = loading;
    f.ComboBox1.OnChange = [&w, &f, &s] {
        OfferComboBox1Change(f, s);
        RefreshOffer(w);
    };
    f.StringGrid1.OnKeyPress = [&w, &f, &s](char32_t key) {
        StringGrid1KeyPress(f, s, key);
        RefreshOffer(w);
    };
    f.StringGrid1.PopupMenu = {
        {"Удалить позицию",
         [&w, &f, &s] {
             RemoveCurrentPosition(f, s);
             RefreshOffer(w);
         }},
        {"Копировать", [&w, &s, &p] { CopyOffer(s, Capacity(w), p); }},
    };
    f.Button1.OnClick = [&w, &s, &p] { CopyOffer(s, Capacity(w), p); };
    // Each offer sent goes to the archive, once its document is made.
    f.Button2.OnClick = [&w, &s, &p] {
        if (PrintOffer(s, Capacity(w), p)) {
            RecordSentOffer(w);
        }
    };
    f.Button3.OnClick = [&w, &s, &p] {
        if (SaveOfferPdf(s, Capacity(w), p)) {
            RecordSentOffer(w);
        }
    };
    f.Button4.OnClick = [&w, &s, &p] {
        if (SaveOfferExcel(s, Capacity(w), p)) {
            RecordSentOffer(w);
        }
    };
    f.Button5.OnClick = [&w, &s, &p] {
        const bool saved = SaveOffer(s, p);
        RefreshOffer(w);
        if (saved) {
            RecordSentOffer(w);
        }
    };
    f.Button6.OnClick = [&w, &s, &p] {
        OpenOffer(s, p);
        RefreshOffer(w);
    };
    f.Button7.OnClick = [&w] { CloseWindow(w, w.form3.Form3); };
    // Changes not yet saved are not lost with either window.
    f.Form3.OnCloseQuery = [&s, &p] { return MayCloseOffer(s, p); };
    w.form.Form1.OnCloseQuery = [&s, &p] { return MayCloseOffer(s, p); };
}

}  // namespace tesmarik
