#include "masscalc/RunTexts.h"

#include "common/Numbers.h"
#include "common/Text.h"

namespace tesmarik {

namespace {

// The length column of the report is 8 characters wide.
constexpr std::size_t kLengthColumn = 8;

}  // namespace

std::string SeamNote(bool withSeam) {
    return withSeam ? "\r(используется корректировочный коэфициент в 1 % на сварной шов)"
                    : "\r( не используется корректировочный коэфициент в 1 % на сварной шов)";
}

std::string DocumentNote(const std::string& document) {
    return "\r" + document;
}

std::string PieceCountText(double pieces, const std::string& averageLengthText) {
    return ShowNumber(pieces) + " шт. (l=" + averageLengthText + " м.)";
}

std::vector<std::string> LogLines(const RunResult& r) {
    std::vector<std::string> lines = {
        "Расчёт выполнен: для трубы диамм. " + r.diameterText + " x " + r.wallText,
        "Масса одного погонного метра " + ShowNumber(r.massPerMetre) + " кг.",
        r.note,
        "Общая длина:  " + r.lengthText + " м.",
        "Общая масса:  " + r.massText + " т.",
    };
    if (r.pieces != 0) {
        lines.push_back("Примерное количество: " + PieceCountText(r.pieces, r.averageLengthText));
    }
    lines.emplace_back();
    lines.emplace_back();
    return lines;
}

std::vector<std::string> LengthsReportHeader(const std::string& diameterText,
                                             const std::string& wallText) {
    return {"Рассчёт массы труб", "для " + diameterText + "x" + wallText, "",
            "Длина (м.) Масса (т.)"};
}

std::string LengthsReportLine(const std::string& lengthText, const std::string& massText) {
    const std::size_t length = CharCount(lengthText);
    const std::size_t blanks = length < kLengthColumn ? kLengthColumn - length : 0;
    return lengthText + " м." + std::string(blanks, ' ') + massText + " т.";
}

std::vector<std::string> LengthsReportTotals(long long count, const std::string& lengthText,
                                             const std::string& massText) {
    return {"", "Итого:", "количество:  " + ShowInteger(count) + " шт.",
            "масса: " + massText + " т.", "длина: " + lengthText + " м."};
}

std::string TotalsCaption(long long count, const std::string& lengthText,
                          const std::string& massText) {
    return "Итого: " + ShowInteger(count) + " шт.  " + lengthText + " м.   " + massText + " т.";
}

}  // namespace tesmarik
