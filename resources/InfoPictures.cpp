#include "resources/Pictures.h"

namespace tesmarik {

bool PaintInfoPicture(QPainter& painter, const QRect& area, const std::string& name) {
    (void)painter;
    (void)area;
    (void)name;
    return false;
}

}  // namespace tesmarik
