#include "qt/binding/FramedGroupBox.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStyle>
#include <algorithm>

namespace tesmarik {

void FramedGroupBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QFontMetrics metrics(font());
    const QString caption = title();
    const int lineY = metrics.height() / 2;
    const int right = width() - 1;
    const int bottom = height() - 1;
    // The gap the caption leaves in the top line, with a blank on either side.
    const int gapLeft = 6;
    const int gapRight =
        caption.isEmpty() ? gapLeft : gapLeft + metrics.horizontalAdvance(caption) + 4;

    const auto frame = [&](int offset, const QColor& colour) {
        painter.setPen(colour);
        const int top = lineY + offset;
        const int x1 = offset;
        const int x2 = right - 1 + offset;
        const int y2 = bottom - 1 + offset;
        painter.drawLine(x1, top, std::min(gapLeft, x2), top);
        if (gapRight < x2) {
            painter.drawLine(gapRight, top, x2, top);
        }
        painter.drawLine(x2, top, x2, y2);
        painter.drawLine(x2, y2, x1, y2);
        painter.drawLine(x1, y2, x1, top);
    };
    frame(0, palette().color(QPalette::Dark));
    frame(1, palette().color(QPalette::Light));

    if (!caption.isEmpty()) {
        const QRect text(gapLeft + 2, 0, gapRight - gapLeft - 4, metrics.height());
        style()->drawItemText(&painter, text, Qt::AlignLeft | Qt::AlignVCenter, palette(),
                              isEnabled(), caption, QPalette::WindowText);
    }
}

}  // namespace tesmarik
