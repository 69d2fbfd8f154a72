#include "loading/LoadingReport.h"

#include "common/Numbers.h"

namespace tesmarik {

LoadingTexts LoadingTextsOf(const LoadingFigures& r, const LoadingInputs& texts,
                            const std::string& reportName) {
    LoadingTexts t;
    std::vector<std::string>& report = t.report;

    // One vehicle loaded by volume. The x, l and m of the position are Latin.
    const std::string position =
        "трубы метал. диам. " + texts.diameter + "x" + texts.wall + " (l=" + texts.length + " m.)";
    const std::string byVolume = ShowNumber(r.byVolumeShown);
    const std::string massV = ShowNumber(r.massV);
    const std::string lenV = ShowNumber(r.lenV);
    t.vehicle = reportName;
    t.position = position;
    t.byVolume = byVolume + " шт.";
    t.massV = massV + " т.";
    t.lenV = lenV + " м.";
    report.push_back("_____________");
    report.push_back("ТС: " + reportName);
    report.push_back("Позиция: " + position);
    report.push_back("Макс. кол.:" + byVolume + " шт.");
    report.push_back("Масса: " + massV + " т.");
    report.push_back("Длина: " + lenV + " м.");

    if (r.capacityCase) {
        const std::string nCap = ShowNumber(r.nCap);
        const std::string massCap = ShowNumber(r.massCap);
        const std::string lenCap = ShowNumber(r.lenCap);
        t.nCap = nCap + " шт.";
        t.massCap = massCap + " тн.";
        t.lenCap = lenCap + " м.";
        report.push_back(kCapacityWarning);
        report.push_back("Макс.кол.: " + nCap + " шт.");
        report.push_back("Масса: " + massCap + " тн.");
        report.push_back("Длина: " + lenCap + " м.");
    }

    if (!r.withBasis) {
        return t;
    }
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
    t.totMass = totMass + " т.";
    t.totLen = totLen + " м.";
    t.totCnt = totCnt + " шт.";
    t.totalVeh = "Общее количество ТС :" + totalVeh;
    t.full = full;
    t.fullCnt = fullCnt + " шт.";
    t.fullMass = fullMass + " т.";
    t.fullLen = fullLen + "м.";
    t.pct = pct + " %";
    t.rem = rem + " шт.";
    t.lastMass = lastMass + " т.";
    t.lastLen = lastLen + "  м.";
    report.push_back(" ");
    report.push_back(" Д О П О Л Н И Т Е Л Ь Н О ");
    report.push_back(" ");
    report.push_back("Общая масса: " + totMass + " т.");
    report.push_back("Общая длина: " + totLen + " м.");
    report.push_back("Общее количество: " + totCnt + " шт.");
    report.push_back(t.totalVeh);
    report.push_back("Количество полностью загруженных вагонов " + full);
    report.push_back("Макс.кол.: " + fullCnt + " шт.");
    report.push_back("Масса: " + fullMass + " т.");
    report.push_back("Длина: " + fullLen + "м.");
    report.push_back("Последнее ТС  загружено на: " + pct + " %");
    report.push_back("кол.:" + rem + " шт.");
    report.push_back("Масса: " + lastMass + " т.");
    report.push_back("Длина: " + lastLen + "  м.");
    return t;
}

}  // namespace tesmarik
