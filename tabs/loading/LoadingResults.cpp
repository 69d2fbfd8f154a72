#include "tabs/loading/LoadingResults.h"

#include "loading/LoadingReport.h"

namespace tesmarik {

namespace {

void ShowAll(std::initializer_list<Control*> controls, bool visible) {
    for (Control* c : controls) {
        c->Visible = visible;
    }
}

}  // namespace

void ShowLoadingResults(TForm1& f, const LoadingFigures& r, const LoadingInputs& texts,
                        const std::string& reportName) {
    LoadingTexts t = LoadingTextsOf(r, texts, reportName);

    f.Label40.Text = t.vehicle;
    f.Label42.Text = t.position;
    f.Label44.Text = t.byVolume;
    f.Label45.Text = t.massV;
    f.Label56.Text = t.lenV;
    ShowAll({&f.Label40, &f.Label42, &f.Label44, &f.Label45, &f.Label56}, true);
    ShowAll({&f.Label47, &f.Label49, &f.Label50, &f.Label51, &f.Label52, &f.Label57, &f.Label53,
             &f.Label58},
            false);

    if (r.capacityCase) {
        // The warning wraps into two lines.
        f.Label47.AutoSize = false;
        f.Label47.Width = 325;
        f.Label47.Height = 26;
        f.Label47.Text = kCapacityWarning;
        f.Label51.Text = t.nCap;
        f.Label53.Text = t.massCap;
        f.Label58.Text = t.lenCap;
        ShowAll({&f.Label47, &f.Label49, &f.Label50, &f.Label51, &f.Label52, &f.Label57, &f.Label53,
                 &f.Label58},
                true);
    }

    if (r.withBasis) {
        f.Label59.Text = t.totMass;
        f.Label62.Text = t.totLen;
        f.Label64.Text = t.totCnt;
        f.Label65.Text = t.totalVeh;
        f.Label81.Text = t.full;
        f.Label72.Text = t.fullCnt;
        f.Label67.Text = t.fullMass;
        f.Label70.Text = t.fullLen;
        f.Label75.Text = t.pct;
        f.Label76.Text = t.rem;
        f.Label77.Text = t.lastMass;
        f.Label80.Text = t.lastLen;
        ShowAll({&f.Label59, &f.Label62, &f.Label64, &f.Label65, &f.Label81, &f.Label72, &f.Label67,
                 &f.Label70, &f.Label75, &f.Label76, &f.Label77, &f.Label80},
                true);
    }
    f.Memo3.Lines = std::move(t.report);
}

}  // namespace tesmarik
