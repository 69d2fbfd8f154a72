#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <QString>
#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "resources/DrawingKit.h"
#include "resources/Pictures.h"

namespace tesmarik {

namespace {

// Every picture of the loading tab is designed at the size of its place on the tab.
constexpr double kWidth = 365;
constexpr double kHeight = 133;

const QColor kRail(70, 72, 78);
const QColor kSleeper(112, 88, 66);
const QColor kWheel(34, 36, 40);
const QColor kBogie(58, 60, 66);
const QColor kGondolaBrown(128, 62, 42);
const QColor kHighSidedGreen(58, 92, 70);
const QColor kPlatformGrey(84, 88, 96);
const QColor kCabBlue(36, 82, 150);
const QColor kTrailerGrey(118, 124, 132);
const QColor kSteelEdge(96, 106, 118);
const QColor kSteelLight(232, 238, 244);
const QColor kSteelMid(170, 182, 194);

// Millimetres of a drawing to pixels: x to the right from a left edge, y up from the rail.
struct Mm {
    double scale;  // pixels per millimetre
    double left;   // pixel of x = 0
    double rail;   // pixel of y = 0

    QPointF operator()(double x, double y) const { return {left + x * scale, rail - y * scale}; }
    double operator()(double length) const { return length * scale; }
    QRectF Box(double x1, double y1, double x2, double y2) const {
        return QRectF((*this)(x1, y2), (*this)(x2, y1)).normalized();
    }
};

void Fill(QPainter& p, const QRectF& r, const QColor& fill, const QColor& edge, double pen = 0.6) {
    p.setPen(QPen(edge, pen));
    p.setBrush(fill);
    p.drawRect(r);
}

void Sky(QPainter& p, double groundTop) {
    QLinearGradient sky(0, 0, 0, groundTop);
    sky.setColorAt(0, QColor(150, 192, 232));
    sky.setColorAt(1, QColor(226, 238, 248));
    p.setPen(Qt::NoPen);
    p.setBrush(sky);
    p.drawRect(QRectF(0, 0, kWidth, groundTop));
    QLinearGradient ground(0, groundTop, 0, kHeight);
    ground.setColorAt(0, QColor(150, 146, 128));
    ground.setColorAt(1, QColor(108, 104, 92));
    p.setBrush(ground);
    p.drawRect(QRectF(0, groundTop, kWidth, kHeight - groundTop));
}

// Rails with their sleepers, seen from the side, along the whole picture.
void Track(QPainter& p, double railY) {
    p.setPen(Qt::NoPen);
    p.setBrush(kSleeper);
    for (double x = 2; x < kWidth; x += 9) {
        p.drawRect(QRectF(x, railY + 1.5, 6, 2.5));
    }
    p.setBrush(kRail);
    p.drawRect(QRectF(0, railY - 0.5, kWidth, 2.2));
}

void Wheel(QPainter& p, const Mm& m, double x, double radius) {
    QRadialGradient disc(m(x, radius), m(radius));
    disc.setColorAt(0, QColor(120, 122, 128));
    disc.setColorAt(0.75, kWheel);
    disc.setColorAt(1, QColor(20, 20, 22));
    p.setPen(QPen(QColor(16, 16, 18), 0.5));
    p.setBrush(disc);
    p.drawEllipse(m(x, radius), m(radius), m(radius));
    p.setBrush(QColor(150, 152, 158));
    p.drawEllipse(m(x, radius), m(radius) * 0.25, m(radius) * 0.25);
}

// A two-axle railway bogie centred at x.
void Bogie(QPainter& p, const Mm& m, double x) {
    Wheel(p, m, x - 925, 475);
    Wheel(p, m, x + 925, 475);
    Fill(p, m.Box(x - 1350, 380, x + 1350, 820), kBogie, QColor(30, 30, 34));
    Fill(p, m.Box(x - 300, 500, x + 300, 980), kBogie.darker(120), QColor(30, 30, 34));
}

void Couplers(QPainter& p, const Mm& m, double x1, double x2, double y) {
    const QColor c(50, 50, 56);
    Fill(p, m.Box(x1, y - 90, x1 + 650, y + 90), c, c.darker(130));
    Fill(p, m.Box(x2 - 650, y - 90, x2, y + 90), c, c.darker(130));
}

// A steel pipe lying along the picture, seen from the side between x1 and x2.
void PipeAlong(QPainter& p, const Mm& m, double x1, double x2, double centreY, double diameter) {
    const QRectF band = m.Box(x1, centreY - diameter / 2, x2, centreY + diameter / 2);
    QLinearGradient shade(0, band.top(), 0, band.bottom());
    shade.setColorAt(0, kSteelEdge);
    shade.setColorAt(0.3, kSteelLight);
    shade.setColorAt(0.7, kSteelMid);
    shade.setColorAt(1, kSteelEdge.darker(120));
    p.setPen(QPen(kSteelEdge.darker(140), 0.5));
    p.setBrush(shade);
    p.drawRect(band);
}

// A pipe seen end-on: a steel ring around its bore.
void PipeEnd(QPainter& p, QPointF centre, double radius) {
    QRadialGradient steel(centre - QPointF(radius * 0.4, radius * 0.4), radius * 1.6);
    steel.setColorAt(0, kSteelLight);
    steel.setColorAt(0.55, kSteelMid);
    steel.setColorAt(1, kSteelEdge);
    p.setPen(QPen(kSteelEdge.darker(150), std::min(0.8, radius * 0.15)));
    p.setBrush(steel);
    p.drawEllipse(centre, radius, radius);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(38, 42, 50));
    p.drawEllipse(centre, radius * 0.8, radius * 0.8);
}

// Inner sizes of the standard gondola, mm.
constexpr double kGondolaLength = 13900;  // over the couplers
constexpr double kBodyFrom = 650;
constexpr double kBodyTo = kGondolaLength - 650;
constexpr double kFrameBottom = 1000;
constexpr double kFloor = 1450;
constexpr double kSideWall = 90;

// Pipes in the body seen end-on: centres in mm from the left inner wall and from the
// floor, for the pipe diameter.
struct Pile {
    double diameter;
    std::vector<QPointF> centres;
    double Top() const {
        double top = 0;
        for (const QPointF& c : centres) {
            top = std::max(top, c.y() + diameter / 2);
        }
        return top;
    }
};

// How one row of a pile lies on the row below: in the hollows (nested), over the pipes
// of the row below (stacked), or full width against the walls.
enum class RowKind { Full, Nested, Stacked };
struct Row {
    int count;
    RowKind kind;
};

// Rows from the floor up, centred in the body width: full rows hold as many pipes as fit
// side by side, nested rows one less in the hollows between them.
Pile StackRows(double bodyWidth, double diameter, const std::vector<Row>& rows) {
    Pile pile{diameter, {}};
    const int across = static_cast<int>(bodyWidth / diameter);
    const double margin = (bodyWidth - across * diameter) / 2;
    const double rise = diameter * std::sqrt(3.0) / 2;
    double y = diameter / 2;
    std::vector<double> below;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const Row& row = rows[r];
        std::vector<double> places;
        if (row.kind == RowKind::Stacked) {
            places = below;
            y += diameter;
        } else {
            const bool nested = row.kind == RowKind::Nested;
            const int n = nested ? across - 1 : across;
            for (int i = 0; i < n; ++i) {
                places.push_back(margin + diameter * (i + (nested ? 1.0 : 0.5)));
            }
            if (r > 0) {
                y += rise;
            }
        }
        const int skip = (static_cast<int>(places.size()) - row.count) / 2;
        std::vector<double> used;
        for (int i = 0; i < row.count; ++i) {
            used.push_back(places.at(static_cast<std::size_t>(skip + i)));
            pile.centres.emplace_back(used.back(), y);
        }
        below = used;
    }
    return pile;
}

// The pile of each loading scheme, as many pipes as the standard gondola's norm.
Pile SchemePile(int diameter) {
    const double width = 2880;
    using K = RowKind;
    switch (diameter) {
        case 530:  // 5 across, 27 pipes
            return StackRows(width, 530,
                             {{5, K::Full},
                              {4, K::Nested},
                              {5, K::Full},
                              {4, K::Nested},
                              {5, K::Full},
                              {4, K::Nested}});
        case 630:  // 19
            return StackRows(width, 630,
                             {{4, K::Full},
                              {3, K::Nested},
                              {4, K::Full},
                              {3, K::Nested},
                              {4, K::Full},
                              {1, K::Nested}});
        case 720:  // 17
            return StackRows(width, 720,
                             {{4, K::Full},
                              {3, K::Nested},
                              {4, K::Full},
                              {3, K::Nested},
                              {2, K::Full},
                              {1, K::Nested}});
        case 820:  // 11
            return StackRows(
                width, 820,
                {{3, K::Full}, {2, K::Nested}, {3, K::Full}, {2, K::Nested}, {1, K::Full}});
        case 1020:  // 6
            return StackRows(width, 1020,
                             {{2, K::Full}, {1, K::Nested}, {2, K::Full}, {1, K::Nested}});
        case 1220:  // 5
            return StackRows(width, 1220, {{2, K::Full}, {1, K::Nested}, {2, K::Full}});
        default:  // 1420: 4, the upper two on the lower two against the walls
            return StackRows(width, 1420, {{2, K::Full}, {2, K::Stacked}});
    }
}

// The rows of a pile as the side view shows them: one band per height above the wall.
std::vector<double> RowHeights(const Pile& pile) {
    std::vector<double> heights;
    for (const QPointF& c : pile.centres) {
        if (std::find(heights.begin(), heights.end(), c.y()) == heights.end()) {
            heights.push_back(c.y());
        }
    }
    std::sort(heights.begin(), heights.end());
    return heights;
}

// A gondola wagon from the side at x; the pipes of the pile rise over its walls.
void GondolaSide(QPainter& p, const Mm& m, double x, double wallHeight, const QColor& colour,
                 const Pile* pile, double extension = 0) {
    const double top = kFloor + wallHeight;
    if (pile != nullptr) {
        const double from = x + kBodyFrom + 500;
        const double to = from + 11300;  // pipes of the average length
        for (const double h : RowHeights(*pile)) {
            if (kFloor + h + pile->diameter / 2 > top) {
                PipeAlong(p, m, from, to, kFloor + h, pile->diameter);
            }
        }
    }
    Couplers(p, m, x, x + kGondolaLength, kFrameBottom + 150);
    Bogie(p, m, x + 2600);
    Bogie(p, m, x + kGondolaLength - 2600);
    Fill(p, m.Box(x + kBodyFrom + 100, kFrameBottom - 120, x + kBodyTo - 100, kFrameBottom + 60),
         QColor(44, 44, 50), QColor(30, 30, 34));

    QLinearGradient paint(m(0, top).x(), m(0, top).y(), m(0, kFrameBottom).x(),
                          m(0, kFrameBottom).y());
    paint.setColorAt(0, colour.lighter(118));
    paint.setColorAt(1, colour.darker(118));
    p.setPen(QPen(colour.darker(170), 0.7));
    p.setBrush(paint);
    p.drawRect(m.Box(x + kBodyFrom, kFrameBottom, x + kBodyTo, top));
    // Stiffening posts and the top chord.
    p.setPen(QPen(colour.darker(150), std::max(0.6, m(70))));
    const int posts = 12;
    for (int i = 1; i < posts; ++i) {
        const double px = x + kBodyFrom + (kBodyTo - kBodyFrom) * i / posts;
        p.drawLine(m(px, kFrameBottom + 80), m(px, top - 80));
    }
    Fill(p, m.Box(x + kBodyFrom, top - 120, x + kBodyTo, top), colour.darker(135),
         colour.darker(170));
    // The hatches of the unloading doors along the bottom.
    p.setPen(QPen(colour.darker(180), 0.4));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 7; ++i) {
        const double dx = x + kBodyFrom + 400 + i * 1750;
        p.drawRect(m.Box(dx, kFrameBottom + 60, dx + 1400, kFrameBottom + 520));
    }
    if (extension > 0) {
        // The raised sides: boards over the original wall, held by extra posts.
        const QColor board = QColor(146, 116, 72);
        Fill(p, m.Box(x + kBodyFrom, top, x + kBodyTo, top + extension), board, board.darker(160));
        p.setPen(QPen(board.darker(170), 0.4));
        for (double by = top + extension / 3; by < top + extension; by += extension / 3) {
            p.drawLine(m(x + kBodyFrom, by), m(x + kBodyTo, by));
        }
        p.setPen(QPen(QColor(60, 60, 66), std::max(0.8, m(90))));
        for (int i = 0; i <= posts; i += 2) {
            const double px = x + kBodyFrom + (kBodyTo - kBodyFrom) * i / posts;
            p.drawLine(m(px, top - 300), m(px, top + extension + 60));
        }
    }
}

// The same gondola seen from its end, centred at x, with the pile in its body.
void GondolaEnd(QPainter& p, const Mm& m, double x, double width, double wallHeight,
                const QColor& colour, const Pile& pile) {
    const double half = width / 2;
    const double gauge = 760;  // half the track gauge
    p.setPen(QPen(kWheel, 0.5));
    p.setBrush(kWheel);
    p.drawRect(m.Box(x - gauge - 70, 0, x - gauge + 70, 950));
    p.drawRect(m.Box(x + gauge - 70, 0, x + gauge + 70, 950));
    Fill(p, m.Box(x - gauge, 440, x + gauge, 510), QColor(90, 92, 98), QColor(40, 40, 44));
    Fill(p, m.Box(x - 1250, 380, x + 1250, 820), kBogie, QColor(30, 30, 34));
    Fill(p, m.Box(x - half - kSideWall, kFrameBottom, x + half + kSideWall, kFloor),
         colour.darker(140), colour.darker(180));
    Fill(p, m.Box(x - half - kSideWall, kFrameBottom, x - half, kFloor + wallHeight), colour,
         colour.darker(170));
    Fill(p, m.Box(x + half, kFrameBottom, x + half + kSideWall, kFloor + wallHeight), colour,
         colour.darker(170));
    // The inside of the body behind the pipes.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(colour.red(), colour.green(), colour.blue(), 60));
    p.drawRect(m.Box(x - half, kFloor, x + half, kFloor + wallHeight));
    for (const QPointF& c : pile.centres) {
        PipeEnd(p, m(x - half + c.x(), kFloor + c.y()), m(pile.diameter / 2));
    }
    // The centre line of the drawing.
    QPen dash(QColor(60, 60, 70), 0.5, Qt::DashDotLine);
    p.setPen(dash);
    p.drawLine(m(x, -150), m(x, kFloor + std::max(wallHeight, pile.Top()) + 250));
}

void Caption(QPainter& p, const QRectF& box, const QString& text, double size, bool bold,
             const QColor& colour, int flags = Qt::AlignCenter) {
    p.setFont(PixelFont(size, bold));
    p.setPen(colour);
    p.drawText(box, flags, text);
}

// A loading scheme: the gondola from the side and from its end on the same scale, the
// end view with the pile of pipes of the norm.
void Scheme(QPainter& p, int diameter) {
    p.fillRect(QRectF(0, 0, kWidth, kHeight), QColor(252, 252, 248));
    p.setPen(QPen(QColor(150, 150, 160), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, kWidth - 1, kHeight - 1));

    const Pile pile = SchemePile(diameter);
    const Mm m{0.0188, 8, 124};
    p.setPen(QPen(kRail, 1));
    p.drawLine(QPointF(4, m.rail + 0.5),
               QPointF(m(0, 0).x() + m(kGondolaLength) + 6, m.rail + 0.5));
    GondolaSide(p, m, 0, 2000, kGondolaBrown, &pile);

    const double endX = kGondolaLength + 900 + 1700;
    p.setPen(QPen(kRail, 1));
    p.drawLine(QPointF(m(endX - 1300, 0).x(), m.rail + 0.5),
               QPointF(m(endX + 1300, 0).x(), m.rail + 0.5));
    GondolaEnd(p, m, endX, 2880, 2000, kGondolaBrown, pile);

    const QColor text(50, 54, 70);
    Caption(p, QRectF(m(0, 0).x(), 2, m(kGondolaLength), 11), QString::fromUtf8("вид сбоку"), 8,
            false, text);
    Caption(p, QRectF(m(endX - 1800, 0).x(), 2, m(3600), 11), QString::fromUtf8("вид с торца"), 8,
            false, text);
    const QString size =
        QString::fromUtf8("Ø%1 мм — %2 шт.").arg(diameter).arg(pile.centres.size());
    Caption(p, QRectF(6, 12, 160, 11), size, 8, true, text, Qt::AlignLeft | Qt::AlignVCenter);
}

// A flat pipe-carrier wagon with stanchions, loaded with a pyramid of large pipes.
void PlatformSide(QPainter& p, const Mm& m, double x, bool loaded) {
    const double deck = 1300;
    if (loaded) {
        const double d = 1020;
        const double from = x + 900;
        const double to = x + kGondolaLength - 900;
        for (int r = 0; r < 3; ++r) {
            PipeAlong(p, m, from + r * 60, to - r * 60, deck + 80 + d / 2 + r * d * 0.87, d);
        }
    }
    Couplers(p, m, x, x + kGondolaLength, 1050);
    Bogie(p, m, x + 2600);
    Bogie(p, m, x + kGondolaLength - 2600);
    Fill(p, m.Box(x + kBodyFrom, 980, x + kBodyTo, deck), kPlatformGrey, kPlatformGrey.darker(170));
    p.setPen(QPen(kPlatformGrey.darker(150), 0.4));
    p.drawLine(m(x + kBodyFrom, deck - 120), m(x + kBodyTo, deck - 120));
    // The stanchions that hold the load at the sides.
    p.setPen(QPen(QColor(196, 60, 40), std::max(1.0, m(110))));
    for (int i = 0; i < 7; ++i) {
        const double px = x + 1200 + i * (kGondolaLength - 2400) / 6;
        p.drawLine(m(px, deck), m(px, deck + 2900));
    }
}

// A tractor unit facing right at x (its rear end), and its semi-trailer behind it.
void Truck(QPainter& p, const Mm& m, double x, bool stanchions) {
    const double trailerFrom = x;
    const double trailerTo = x + 12400;
    const double deck = 1350;
    const double radius = 500;
    if (stanchions) {
        const double d = 530;
        for (int r = 0; r < 3; ++r) {
            const int inRow = 3 - r;
            (void)inRow;
            PipeAlong(p, m, trailerFrom + 300, trailerFrom + 11600,
                      deck + 60 + d / 2 + r * d * 0.87, d);
        }
    }
    // Semi-trailer: deck, kingpin beam, three axles at the back, landing leg.
    Fill(p, m.Box(trailerFrom, deck - 260, trailerTo, deck), kTrailerGrey,
         kTrailerGrey.darker(170));
    Fill(p, m.Box(trailerFrom + 400, deck - 520, trailerFrom + 9000, deck - 260),
         kTrailerGrey.darker(140), kTrailerGrey.darker(180));
    for (int i = 0; i < 3; ++i) {
        Wheel(p, m, trailerFrom + 1300 + i * 1350, radius);
    }
    Fill(p, m.Box(trailerTo - 3600, 200, trailerTo - 3450, deck - 520), QColor(60, 60, 66),
         QColor(40, 40, 44));
    if (stanchions) {
        p.setPen(QPen(QColor(40, 40, 46), std::max(1.0, m(100))));
        for (int i = 0; i < 5; ++i) {
            const double px = trailerFrom + 500 + i * 2700;
            p.drawLine(m(px, deck), m(px, deck + 1700));
        }
    }
    // Tractor: chassis, fuel tank, cab with its window, front and rear axles.
    const double cabFrom = trailerTo - 1400;
    const double cabTo = cabFrom + 2400;
    const double chassisFrom = trailerTo - 3000;
    Fill(p, m.Box(chassisFrom, 700, cabTo + 200, 1100), QColor(40, 40, 46), QColor(24, 24, 28));
    Fill(p, m.Box(cabFrom - 900, 720, cabFrom - 100, 1250), QColor(180, 184, 190),
         QColor(90, 94, 100));
    QLinearGradient paint(m(0, 3700).x(), m(0, 3700).y(), m(0, 1000).x(), m(0, 1000).y());
    paint.setColorAt(0, kCabBlue.lighter(130));
    paint.setColorAt(1, kCabBlue.darker(130));
    QPainterPath cab;
    cab.moveTo(m(cabFrom, 1000));
    cab.lineTo(m(cabFrom, 3700));
    cab.lineTo(m(cabTo - 250, 3700));
    cab.lineTo(m(cabTo, 3300));
    cab.lineTo(m(cabTo, 1000));
    cab.closeSubpath();
    p.setPen(QPen(kCabBlue.darker(170), 0.7));
    p.setBrush(paint);
    p.drawPath(cab);
    Fill(p, m.Box(cabFrom + 1200, 2500, cabTo - 120, 3350), QColor(190, 220, 240),
         QColor(40, 60, 90));
    Fill(p, m.Box(cabTo - 60, 1000, cabTo + 120, 1500), QColor(200, 200, 206), QColor(80, 80, 86));
    Wheel(p, m, chassisFrom + 500, radius);
    Wheel(p, m, chassisFrom + 1800, radius);
    Wheel(p, m, cabTo - 600, radius);
}

void Road(QPainter& p, double roadY) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(84, 86, 92));
    p.drawRect(QRectF(0, roadY, kWidth, kHeight - roadY));
    p.setBrush(QColor(236, 236, 226));
    for (double x = 6; x < kWidth; x += 30) {
        p.drawRect(QRectF(x, roadY + (kHeight - roadY) / 2, 14, 1.4));
    }
}

// The five vehicle pictures: the vehicle on its track or road under the sky.
void GondolaPicture(QPainter& p, bool highSided) {
    Sky(p, 112);
    Track(p, 116);
    const Mm m{0.0245, 12, 116};
    GondolaSide(p, m, 0, highSided ? 2240 : 2000, highSided ? kHighSidedGreen : kGondolaBrown,
                nullptr, highSided ? 420 : 0);
}

void PlatformPicture(QPainter& p) {
    Sky(p, 112);
    Track(p, 116);
    PlatformSide(p, Mm{0.0245, 12, 116}, 0, true);
}

void TruckPicture(QPainter& p, bool stanchions) {
    Sky(p, 108);
    Road(p, 112);
    Truck(p, Mm{0.0235, 8, 116}, 0, stanchions);
}

// The start-up collage: all five vehicles, each with its name.
void Collage(QPainter& p) {
    Sky(p, kHeight);
    const QColor text(24, 40, 70);
    struct Cell {
        double left, width, rail;
        const char* name;
    };
    const Cell cells[] = {{0, 121, 50, "полувагон"},
                          {122, 121, 50, "с высокими бортами"},
                          {244, 121, 50, "платформа-трубовоз"},
                          {0, 182, 116, "автомашина с конниками"},
                          {183, 182, 116, "автомашина без конников"}};
    p.setPen(QPen(QColor(255, 255, 255, 160), 1));
    p.drawLine(QPointF(0, 66.5), QPointF(kWidth, 66.5));
    p.drawLine(QPointF(121.5, 0), QPointF(121.5, 66));
    p.drawLine(QPointF(243.5, 0), QPointF(243.5, 66));
    p.drawLine(QPointF(182.5, 67), QPointF(182.5, kHeight));
    for (int i = 0; i < 5; ++i) {
        const Cell& c = cells[i];
        p.setPen(QPen(kRail, 1));
        p.drawLine(QPointF(c.left + 3, c.rail + 0.5), QPointF(c.left + c.width - 3, c.rail + 0.5));
        if (i < 3) {
            const Mm m{(c.width - 10) / kGondolaLength, c.left + 5, c.rail};
            if (i == 2) {
                PlatformSide(p, m, 0, true);
            } else {
                GondolaSide(p, m, 0, i == 1 ? 2240 : 2000, i == 1 ? kHighSidedGreen : kGondolaBrown,
                            nullptr, i == 1 ? 420 : 0);
            }
        } else {
            Truck(p, Mm{(c.width - 16) / 15000, c.left + 8, c.rail}, 0, i == 3);
        }
        Caption(p, QRectF(c.left, c.rail + 2, c.width, 12), QString::fromUtf8(c.name), 8.5, true,
                text);
    }
}

// Glyph of the view toggle: the result panel and the report sheet, with an arrow between.
void ToggleGlyph(QPainter& p) {
    p.setPen(QPen(QColor(40, 70, 120), 0.8));
    p.setBrush(QColor(210, 226, 246));
    p.drawRect(QRectF(1, 1.5, 8.5, 10));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(6.5, 4.5, 8.5, 10.5));
    p.setPen(QPen(QColor(90, 96, 108), 0.7));
    for (double y = 7; y < 14; y += 2) {
        p.drawLine(QPointF(8, y), QPointF(13.5, y));
    }
    p.setPen(QPen(QColor(200, 90, 20), 1.2));
    p.drawLine(QPointF(2.5, 14), QPointF(5, 14));
    p.drawLine(QPointF(2.5, 14), QPointF(2.5, 12.5));
}

// Glyph of saving: a floppy disk.
void SaveGlyph(QPainter& p) {
    QPainterPath disk;
    disk.moveTo(1.5, 1.5);
    disk.lineTo(12.5, 1.5);
    disk.lineTo(14.5, 3.5);
    disk.lineTo(14.5, 14.5);
    disk.lineTo(1.5, 14.5);
    disk.closeSubpath();
    p.setPen(QPen(QColor(24, 40, 80), 0.8));
    p.setBrush(QColor(52, 92, 170));
    p.drawPath(disk);
    p.setBrush(QColor(236, 240, 246));
    p.drawRect(QRectF(4, 1.5, 7.5, 4.5));
    p.setBrush(QColor(52, 92, 170));
    p.drawRect(QRectF(8.5, 2.3, 1.8, 3));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(3.5, 8.5, 9, 6));
    p.setPen(QPen(QColor(120, 130, 150), 0.6));
    p.drawLine(QPointF(5, 10.5), QPointF(11, 10.5));
    p.drawLine(QPointF(5, 12.5), QPointF(11, 12.5));
}

}  // namespace

bool PaintLoadingPicture(QPainter& painter, const QRect& area, const std::string& name) {
    const std::string scheme = "loading-scheme-";
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    bool known = true;
    if (name == "loading-glyph-toggle" || name == "loading-glyph-save") {
        UseDesignSize(painter, area, 16, 16);
        name == "loading-glyph-save" ? SaveGlyph(painter) : ToggleGlyph(painter);
    } else {
        UseDesignSize(painter, area, kWidth, kHeight);
        if (name == "loading-collage") {
            Collage(painter);
        } else if (name == "loading-vehicle-gondola") {
            GondolaPicture(painter, false);
        } else if (name == "loading-vehicle-high-gondola") {
            GondolaPicture(painter, true);
        } else if (name == "loading-vehicle-platform") {
            PlatformPicture(painter);
        } else if (name == "loading-vehicle-truck-stanchions") {
            TruckPicture(painter, true);
        } else if (name == "loading-vehicle-truck-flat") {
            TruckPicture(painter, false);
        } else if (name.rfind(scheme, 0) == 0) {
            const std::string diameter = name.substr(scheme.size());
            const std::array<const char*, 7> known_diameters{"530",  "630",  "720", "820",
                                                             "1020", "1220", "1420"};
            known = std::find(known_diameters.begin(), known_diameters.end(), diameter) !=
                    known_diameters.end();
            if (known) {
                Scheme(painter, std::stoi(diameter));
            }
        } else {
            known = false;
        }
    }
    painter.restore();
    return known;
}

}  // namespace tesmarik
