#pragma once

#include <QPainter>
#include <QRect>
#include <string>

namespace tesmarik {

// Paints one of the program's own drawings, named as the window model names it, into the
// rectangle. False for a name that no drawing has.
bool PaintPicture(QPainter& painter, const QRect& area, const std::string& name);

// Each family of drawings lives in a file of its own; names start with the family.
bool PaintInfoPicture(QPainter& painter, const QRect& area, const std::string& name);  // "info-"
bool PaintMassPicture(QPainter& painter, const QRect& area, const std::string& name);  // "mass-"
bool PaintLoadingPicture(QPainter& painter, const QRect& area,
                         const std::string& name);                                     // "loading-"
bool PaintPlanPicture(QPainter& painter, const QRect& area, const std::string& name);  // "plan-"
bool PaintHistoryPicture(QPainter& painter, const QRect& area,
                         const std::string& name);  // "history-"

}  // namespace tesmarik
