#include "resources/DrawingKit.h"

#include <algorithm>

namespace tesmarik {

void UseDesignSize(QPainter& painter, const QRect& area, double width, double height) {
    painter.translate(area.topLeft());
    painter.scale(area.width() / width, area.height() / height);
}

QFont PixelFont(double pixels, bool bold) {
    QFont font("Arial");
    font.setPixelSize(std::max(1, static_cast<int>(pixels + 0.5)));
    font.setBold(bold);
    return font;
}

}  // namespace tesmarik
