#include <QStringList>
#include <algorithm>

#include "resources/DrawingKit.h"
#include "resources/Pictures.h"

namespace tesmarik {

namespace {

struct DrawnLoad {
    QString label;  // "ТС 1–12"
    int share = 0;  // % of the body
    int mass = 0;   // % of the carrying capacity
};

constexpr double kWidth = 250;
constexpr double kHeight = 212;
// More loads than this are listed in the plan's text; the drawing says how many more.
constexpr int kDrawnLoads = 6;

// One bar: the outline of the whole and the part filled, its value written inside.
void Bar(QPainter& painter, const QRectF& whole, int percent, const QColor& fill,
         const QString& caption) {
    painter.setPen(QPen(QColor(90, 90, 90), 1));
    painter.setBrush(Qt::white);
    painter.drawRect(whole);
    QRectF filled = whole;
    filled.setWidth(whole.width() * std::clamp(percent, 0, 100) / 100.0);
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawRect(filled.adjusted(1, 1, 0, 0));
    painter.setPen(Qt::black);
    painter.drawText(whole.adjusted(4, 0, -4, 0), Qt::AlignVCenter | Qt::AlignLeft,
                     caption + " " + QString::number(percent) + " %");
}

}  // namespace

// "plan-loads;ТС 1–12,100,36;ТС 13,96,32": each distinct load of a loading plan, its body
// filled by share and its capacity by mass.
bool PaintPlanPicture(QPainter& painter, const QRect& area, const std::string& name) {
    const QStringList parts = QString::fromStdString(name).split(';');
    if (parts.front() != "plan-loads") {
        return false;
    }
    std::vector<DrawnLoad> loads;
    for (qsizetype i = 1; i < parts.size(); ++i) {
        const QStringList fields = parts[i].split(',');
        if (fields.size() != 3) {
            return false;
        }
        loads.push_back({fields[0], fields[1].toInt(), fields[2].toInt()});
    }
    painter.save();
    UseDesignSize(painter, area, kWidth, kHeight);
    painter.fillRect(QRectF(0, 0, kWidth, kHeight), Qt::white);
    const int drawn = std::min<int>(static_cast<int>(loads.size()), kDrawnLoads);
    const double row = kHeight / std::max(drawn + (drawn < static_cast<int>(loads.size())), 1);
    const double bar = std::min(14.0, row / 2 - 2);
    painter.setFont(PixelFont(std::min(11.0, bar - 2), false));
    for (int i = 0; i < drawn; ++i) {
        const DrawnLoad& load = loads[static_cast<std::size_t>(i)];
        const double top = i * row + (row - 2 * bar - 2) / 2;
        painter.setPen(Qt::black);
        painter.drawText(QRectF(2, top, 70, 2 * bar + 2), Qt::AlignVCenter | Qt::AlignLeft,
                         load.label);
        // The body seen from above, filled by the share of it the pipes take; the scale of
        // the carrying capacity under it.
        Bar(painter, QRectF(76, top, kWidth - 80, bar), load.share, QColor(120, 160, 210), "объём");
        Bar(painter, QRectF(76, top + bar + 2, kWidth - 80, bar), load.mass, QColor(235, 170, 90),
            "масса");
    }
    if (drawn < static_cast<int>(loads.size())) {
        painter.setPen(Qt::black);
        painter.drawText(QRectF(2, drawn * row, kWidth - 4, row), Qt::AlignVCenter | Qt::AlignLeft,
                         "и ещё загрузок: " + QString::number(loads.size() - drawn));
    }
    painter.restore();
    return true;
}

}  // namespace tesmarik
