#include "loading/LoadingReport.h"

#include "common/Numbers.h"

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
    std::vector<std::string>& report = f.Memo3.Lines;
    report.clear();

    // One vehicle loaded by volume. The x, l and m of the position are Latin.
    const std::string position =
        "трубы метал. диам. " + texts.diameter + "x" + texts.wall + " (l=" + texts.length + " m.)";
    const std::string byVolume = ShowNumber(r.byVolumeShown);
    const std::string massV = ShowNumber(r.massV);
    const std::string lenV = ShowNumber(r.lenV);
    f.Label40.Text = reportName;
    f.Label42.Text = position;
    f.Label44.Text = byVolume + " шт.";
    f.Label45.Text = massV + " т.";
    f.Label56.Text = lenV + " м.";
    ShowAll({&f.Label40, &f.Label42, &f.Label44, &f.Label45, &f.Label56}, true);
    report.push_back("_____________");
    report.push_back("ТС: " + reportName);
    report.push_back("Позиция: " + position);
    report.push_back("Макс. кол.:" + byVolume + " шт.");
    report.push_back("Масса: " + massV + " т.");
    report.push_back("Длина: " + lenV + " м.");
    ShowAll({&f.Label47, &f.Label49, &f.Label50, &f.Label51, &f.Label52, &f.Label57, &f.Label53,
             &f.Label58},
            false);

    if (r.capacityCase) {
        // The warning wraps into two lines.
        f.Label47.AutoSize = false;
        f.Label47.Width = 325;
        f.Label47.Height = 26;
        f.Label47.Text = kCapacityWarning;
        const std::string nCap = ShowNumber(r.nCap);
        const std::string massCap = ShowNumber(r.massCap);
        const std::string lenCap = ShowNumber(r.lenCap);
        f.Label51.Text = nCap + " шт.";
        f.Label53.Text = massCap + " тн.";
        f.Label58.Text = lenCap + " м.";
        report.push_back(kCapacityWarning);
        report.push_back("Макс.кол.: " + nCap + " шт.");
        report.push_back("Масса: " + massCap + " тн.");
        report.push_back("Длина: " + lenCap + " м.");
        ShowAll({&f.Label47, &f.Label49, &f.Label50, &f.Label51, &f.Label52, &f.Label57, &f.Label53,
                 &f.Label58},
                true);
    }

    if (!r.withBasis) {
        return;
    }
    // The consignment: totals, the fully loaded vehicles and the last one.
    const std::string totMass = ShowNumber(r.totMass);
    const std::string totLen = ShowNumber(r.totLen);
    const std::string totCnt = ShowNumber(r.totCnt);
    const std::string totalVeh = ShowNumber(r.totalVeh);
    const std::string full = ShowNumber(r.full);
    const std::string fullCnt = ShowNumber(r.fullCnt);
    const std::string fullMass = ShowNumber(r.fullMass);
    const std::string fullLen = ShowNumber(r.fullLen);
    const std::string pct = ShowNumber(r.pct);
    const std::string rem = ShowNumber(r.rem);
    const std::string lastMass = ShowNumber(r.lastMass);
    const std::string lastLen = ShowNumber(r.lastLen);
    f.Label59.Text = totMass + " т.";
    f.Label62.Text = totLen + " м.";
    f.Label64.Text = totCnt + " шт.";
    f.Label65.Text = "Общее количество ТС :" + totalVeh;
    f.Label81.Text = full;
    f.Label72.Text = fullCnt + " шт.";
    f.Label67.Text = fullMass + " т.";
    f.Label70.Text = fullLen + "м.";
    f.Label75.Text = pct + " %";
    f.Label76.Text = rem + " шт.";
    f.Label77.Text = lastMass + " т.";
    f.Label80.Text = lastLen + "  м.";
    report.push_back(" ");
    report.push_back(" Д О П О Л Н И Т Е Л Ь Н О ");
    report.push_back(" ");
    report.push_back("Общая масса: " + totMass + " т.");
    report.push_back("Общая длина: " + totLen + " м.");
    report.push_back("Общее количество: " + totCnt + " шт.");
    report.push_back("Общее количество ТС :" + totalVeh);
    report.push_back("Количество полностью загруженных вагонов " + full);
    report.push_back("Макс.кол.: " + fullCnt + " шт.");
    report.push_back("Масса: " + fullMass + " т.");
    report.push_back("Длина: " + fullLen + "м.");
    report.push_back("Последнее ТС  загружено на: " + pct + " %");
    report.push_back("кол.:" + rem + " шт.");
    report.push_back("Масса: " + lastMass + " т.");
    report.push_back("Длина: " + lastLen + "  м.");
    ShowAll({&f.Label59, &f.Label62, &f.Label64, &f.Label65, &f.Label81, &f.Label72, &f.Label67,
             &f.Label70, &f.Label75, &f.Label76, &f.Label77, &f.Label80},
            true);
}

}  // namespace tesmarik
