#include <QLocale>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <vector>

#include "resources/DrawingKit.h"
#include "resources/Pictures.h"

namespace tesmarik {

namespace {

struct DrawnPrice {
    QString date;
    double roubles = 0;
};

constexpr double kWidth = 560;
constexpr double kHeight = 340;
constexpr double kLeft = 90;  // room for the roubles' scale
constexpr double kRight = 20;
constexpr double kTop = 24;
constexpr double kBottom = 40;      // room for the dates
constexpr std::size_t kLabels = 6;  // points labelled at most

QString Roubles(double value) {
    return QLocale(QLocale::Russian, QLocale::Russia).toString(value, 'f', 0);
}

}  // namespace

// "history-chart;10.12.2026,7850000;11.12.2026,7900000": a row's price per tonne (in
// kopecks) in each kept list, the dates along, the roubles up, each point marked and
// labelled with its value.
bool PaintHistoryPicture(QPainter& painter, const QRect& area, const std::string& name) {
    const QStringList parts = QString::fromStdString(name).split(';');
    if (parts.front() != "history-chart") {
        return false;
    }
    std::vector<DrawnPrice> prices;
    for (qsizetype i = 1; i < parts.size(); ++i) {
        const QStringList fields = parts[i].split(',');
        bool ok = false;
        const double kopecks = fields.size() == 2 ? fields[1].toDouble(&ok) : 0;
        if (!ok) {
            return false;
        }
        prices.push_back({fields[0], kopecks / 100});
    }
    painter.save();
    UseDesignSize(painter, area, kWidth, kHeight);
    painter.fillRect(QRectF(0, 0, kWidth, kHeight), Qt::white);
    painter.setFont(PixelFont(11, false));
    const QRectF plot(kLeft, kTop, kWidth - kLeft - kRight, kHeight - kTop - kBottom);
    painter.setPen(QPen(QColor(90, 90, 90), 1));
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    painter.drawLine(plot.bottomLeft(), plot.topLeft());
    if (prices.empty()) {
        painter.drawText(plot, Qt::AlignCenter, "Нет цен для графика");
        painter.restore();
        return true;
    }
    const auto [low, high] = std::minmax_element(
        prices.begin(), prices.end(),
        [](const DrawnPrice& a, const DrawnPrice& b) { return a.roubles < b.roubles; });
    // The scale in round steps (1, 2 or 5 of a power of ten) with a step to spare above and
    // below, so that no point sits on the frame; one price alone gets a scale around it.
    const double rough = std::max((high->roubles - low->roubles) / 4, high->roubles / 100 + 1);
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    const double step = rough <= power       ? power
                        : rough <= 2 * power ? 2 * power
                        : rough <= 5 * power ? 5 * power
                                             : 10 * power;
    const double bottom = std::floor(low->roubles / step) * step - step;
    const double top = std::ceil(high->roubles / step) * step + step;
    const int steps = static_cast<int>(std::lround((top - bottom) / step));
    const auto x = [&](std::size_t i) {
        return prices.size() == 1 ? plot.center().x()
                                  : plot.left() + 20 +
                                        (plot.width() - 40) * static_cast<double>(i) /
                                            static_cast<double>(prices.size() - 1);
    };
    const auto y = [&](double roubles) {
        return plot.bottom() - plot.height() * (roubles - bottom) / (top - bottom);
    };
    for (int i = 0; i <= steps; ++i) {
        const double value = bottom + step * i;
        painter.setPen(QPen(QColor(225, 225, 225), 1));
        painter.drawLine(QPointF(plot.left() + 1, y(value)), QPointF(plot.right(), y(value)));
        painter.setPen(Qt::black);
        painter.drawText(QRectF(0, y(value) - 8, kLeft - 6, 16), Qt::AlignRight | Qt::AlignVCenter,
                         Roubles(value));
    }
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(40, 90, 170), 2));
    for (std::size_t i = 1; i < prices.size(); ++i) {
        painter.drawLine(QPointF(x(i - 1), y(prices[i - 1].roubles)),
                         QPointF(x(i), y(prices[i].roubles)));
    }
    // Of many lists, every so many is labelled, the last always, so that labels never overlap.
    const std::size_t every = (prices.size() + kLabels - 1) / kLabels;
    for (std::size_t i = 0; i < prices.size(); ++i) {
        const QPointF point(x(i), y(prices[i].roubles));
        painter.setPen(QPen(QColor(40, 90, 170), 1));
        painter.setBrush(Qt::white);
        painter.drawEllipse(point, 4, 4);
        if (i % every != 0 && i + 1 != prices.size()) {
            continue;
        }
        painter.setPen(Qt::black);
        painter.drawText(QRectF(point.x() - 50, point.y() - 22, 100, 16), Qt::AlignCenter,
                         Roubles(prices[i].roubles));
        painter.drawText(QRectF(point.x() - 40, plot.bottom() + 6, 80, 16), Qt::AlignCenter,
                         prices[i].date);
    }
    painter.restore();
    return true;
}

}  // namespace tesmarik
