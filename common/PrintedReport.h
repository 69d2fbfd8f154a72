#pragma once

#include <string>
#include <vector>

#include "common/DateTime.h"

namespace tesmarik {

// A report as it goes to paper or to a PDF file: what the pages say, not how they look.
// Every page opens with the program's name and the time of printing; the first also
// carries the title; the lines follow in order, then the picture with its caption.
struct PrintedReport {
    std::string title;
    DateTime printedAt;
    std::vector<std::string> lines;
    std::string picture;  // name of one of the program's own drawings; empty: none
    // The size the window shows the picture at, which its drawing is made for.
    int pictureWidth = 0;
    int pictureHeight = 0;
    std::string pictureCaption;
};

// The heading every page of a printed report opens with.
inline constexpr const char* kReportProgramName = "Тесмарик";

}  // namespace tesmarik
