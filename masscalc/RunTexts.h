#pragma once

#include <string>
#include <vector>

namespace tesmarik {

// What one calculation run shows, as texts: the result panel and the log are written
// from it.
struct RunResult {
    std::string diameterText;
    std::string wallText;
    double massPerMetre = 0;  // kg, rounded to 3 decimals
    std::string note;         // empty, or a carriage return and the note
    std::string lengthText;   // total length, m
    std::string massText;     // total mass, t
    double pieces = 0;
    std::string averageLengthText;
};

// The note under the size: the weld-seam allowance for large universal pipes, the
// document for boiler and thick-walled pipes.
std::string SeamNote(bool withSeam);
std::string DocumentNote(const std::string& document);

// "88 шт. (l=11,3 м.)"
std::string PieceCountText(double pieces, const std::string& averageLengthText);
// The lines one run appends to the calculation log.
std::vector<std::string> LogLines(const RunResult& r);

// The lengths report of the single-pipe mode.
std::vector<std::string> LengthsReportHeader(const std::string& diameterText,
                                             const std::string& wallText);
// The length as typed, then the mass, aligned as long as the length has under 8 characters.
std::string LengthsReportLine(const std::string& lengthText, const std::string& massText);
std::vector<std::string> LengthsReportTotals(long long count, const std::string& lengthText,
                                             const std::string& massText);
// The bold totals line under the grid.
std::string TotalsCaption(long long count, const std::string& lengthText,
                          const std::string& massText);

}  // namespace tesmarik
