#pragma once

#include <string>
#include <vector>

#include "loading/LoadingFigures.h"

namespace tesmarik {

// The texts of the loading tab's fields at the moment of computing: the report shows the
// position as they stand.
struct LoadingInputs {
    std::string diameter;  // D, mm
    std::string wall;      // S, mm
    std::string length;    // L, average length of one pipe, m
    std::string capacity;  // C, carrying capacity of one vehicle, t
    std::string quantity;  // Q, the consignment in tonnes or metres by the basis
};

inline constexpr const char* kCapacityWarning =
    "Максимальная загрузка расчитанная по объёму превышает грузоподъёмность ТС";

// The texts of the loading tab's result panel, as shown with their units, and the report
// beside it: 6 lines, 4 more in the capacity case, 15 more with a consignment.
struct LoadingTexts {
    // One vehicle loaded by volume.
    std::string vehicle;
    std::string position;  // the field texts as they stand
    std::string byVolume;
    std::string massV;
    std::string lenV;
    // The capacity case: as many pipes as the vehicle may carry.
    std::string nCap;
    std::string massCap;
    std::string lenCap;
    // The consignment: totals, the fully loaded vehicles and the last one.
    std::string totMass;
    std::string totLen;
    std::string totCnt;
    std::string totalVeh;  // the whole caption, "Общее количество ТС :3"
    std::string full;
    std::string fullCnt;
    std::string fullMass;
    std::string fullLen;
    std::string pct;
    std::string rem;
    std::string lastMass;
    std::string lastLen;

    std::vector<std::string> report;
};

LoadingTexts LoadingTextsOf(const LoadingFigures& figures, const LoadingInputs& texts,
                            const std::string& reportName);

}  // namespace tesmarik
