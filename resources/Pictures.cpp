#include "resources/Pictures.h"

namespace tesmarik {

bool PaintPicture(QPainter& painter, const QRect& area, const std::string& name) {
    if (name.starts_with("info-")) {
        return PaintInfoPicture(painter, area, name);
    }
    if (name.starts_with("mass-")) {
        return PaintMassPicture(painter, area, name);
    }
    if (name.starts_with("plan-")) {
        return PaintPlanPicture(painter, area, name);
    }
    if (name.starts_with("history-")) {
        return PaintHistoryPicture(painter, area, name);
    }
    if (name.starts_with("loading-")) {
        return PaintLoadingPicture(painter, area, name);
    }
    return false;
}

}  // namespace tesmarik
